// Every test program gets its own home, data and download folders, so no test touches a
// user's files or another test's log.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    QTemporaryDir Home;
    UseTemporaryHome(Home);
    QCoreApplication App(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

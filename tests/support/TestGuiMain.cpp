// Widget tests: the program's application object on the offscreen platform (no display
// needed) and, as for every test program, temporary home, data and download folders.
#include "KWApplication.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

int main(int argc, char** argv)
{
    QTemporaryDir Home;
    UseTemporaryHome(Home);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TKWApplication App(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

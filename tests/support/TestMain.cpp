// Every test program gets its own home, data and download folders, so no test touches a
// user's files or another test's log.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv)
{
    QTemporaryDir Home;
    const QByteArray Path = Home.path().toUtf8();
    setenv("HOME", Path.constData(), 1);
    setenv("XDG_DATA_HOME", (Path + "/share").constData(), 1);
    setenv("XDG_CONFIG_HOME", (Path + "/config").constData(), 1);
    QCoreApplication App(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

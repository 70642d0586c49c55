#include "KWStartScreen.h"

#include "GuiTestSupport.h"
#include "TestSupport.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(KWStartScreen, HandsOverToTheMaximisedMainWindowAndEndsWithIt)
{
    int Created = 0;
    TStartScreen StartScreen([&Created] {
        ++Created;
        return std::make_unique<QWidget>();
    });
    StartScreen.show();
    const QTimer* Timer = StartScreen.findChild<QTimer*>("Timer1");
    ASSERT_NE(Timer, nullptr);
    EXPECT_EQ(Timer->interval(), 2000);
    EXPECT_EQ(StartScreen.windowTitle(), "Start Screen");
    EXPECT_EQ(Created, 0);

    ASSERT_TRUE(WaitFor([&StartScreen] { return StartScreen.MainWindow() != nullptr; }, 4000));
    QWidget* MainWindow = StartScreen.MainWindow();
    EXPECT_TRUE(MainWindow->isVisible());
    EXPECT_TRUE(MainWindow->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_FALSE(StartScreen.isVisible());
    EXPECT_FALSE(Timer->isActive()) << "the hand-over happens once";

    StartScreen.show(); // visible again, to see the close arrive
    MainWindow->close();
    EXPECT_TRUE(WaitFor([&StartScreen] { return !StartScreen.isVisible(); }, 1000));
    EXPECT_EQ(Created, 1);
}

} // namespace

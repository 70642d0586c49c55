#include "KWGestures.h"

#include "GuiTestSupport.h"
#include "KWUtilsGui.h"
#include "KWVertScrollBox.h"

#include <QLabel>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

TEST(KWSwipeDirection, OnlyLongMainlySidewaysMovesAreSwipes)
{
    const std::tuple<QPointF, QPointF, QSwipeGesture::SwipeDirection> Cases[] = {
        {{300, 100}, {100, 120}, QSwipeGesture::Left},
        {{100, 100}, {300, 80}, QSwipeGesture::Right},
        {{100, 100}, {180, 100}, QSwipeGesture::Right},
        {{100, 100}, {179, 100}, QSwipeGesture::NoDirection},
        {{100, 100}, {300, 210}, QSwipeGesture::NoDirection},
        {{100, 100}, {100, 400}, QSwipeGesture::NoDirection},
    };
    for (const auto& [Start, End, Expected] : Cases)
        EXPECT_EQ(KWSwipeDirection(Start, End), Expected) << End.x() << "," << End.y();
}

class KWSwipeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FWindow.resize(800, 600);
        QObject::connect(&FManager, &TKWGestureManager::Swiped, &FWindow,
                         [this](QWidget* AControl, QSwipeGesture::SwipeDirection ADirection) {
                             FSwipes.append({AControl, ADirection});
                         });
    }

    using TSwipe = std::pair<QWidget*, QSwipeGesture::SwipeDirection>;
    QWidget FWindow;
    TKWGestureManager FManager{nullptr};
    QList<TSwipe> FSwipes;
};

TEST_F(KWSwipeTest, SwipesOverAControlAndItsChildrenReachTheManager)
{
    auto* Page = new QWidget(&FWindow);
    Page->setGeometry(0, 0, 800, 600);
    auto* Child = new QLabel("Feld", Page);
    Child->setGeometry(50, 50, 600, 400);
    KWAddSwipeGestures(&FManager, Page);
    FWindow.show();

    SendDrag(Child, {500, 100}, {100, 110});
    SendDrag(Page, {100, 500}, {600, 500});
    SendDrag(Child, {100, 50}, {110, 350});  // scrolling, not a swipe
    SendDrag(Child, {100, 100}, {150, 100}); // too short
    EXPECT_EQ(FSwipes, (QList<TSwipe>{{Page, QSwipeGesture::Left}, {Page, QSwipeGesture::Right}}));
}

// A scroll area takes every gesture as its own unless told otherwise; the page above it would
// never see a swipe made over its scrolling content.
TEST_F(KWSwipeTest, ScrollBoxPassesSwipesOnAndStillScrolls)
{
    auto* Page = new QWidget(&FWindow);
    Page->setGeometry(0, 0, 800, 600);
    auto* Box = new TKWVertScrollBox(Page);
    Box->setGeometry(0, 0, 800, 600);
    Box->Content()->setMinimumHeight(2000);
    auto* Field = new QLabel("Feld", Box->Content());
    Field->setGeometry(10, 10, 500, 300);
    KWAddSwipeGestures(&FManager, Page);
    FWindow.show();

    SendDrag(Field, {450, 100}, {50, 100});
    EXPECT_EQ(FSwipes, (QList<TSwipe>{{Page, QSwipeGesture::Left}}));
    EXPECT_EQ(Box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    ASSERT_GT(Box->verticalScrollBar()->maximum(), 0);
    Box->verticalScrollBar()->setValue(500);
    EXPECT_EQ(Field->mapTo(Box->viewport(), QPoint(0, 0)).y(), 10 - 500);
}

} // namespace

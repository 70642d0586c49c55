#include "KWPopup.h"

#include "GuiTestSupport.h"
#include "KWTranslateUtil.h"
#include "TestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

TEST(KWPopupSize, PanelAddsCaptionAndMarginsAndIsAtLeast400Wide)
{
    const std::pair<QSize, QSize> Cases[] = {
        {{200, 100}, {400, 158}},
        {{500, 300}, {506, 358}},
        {{394, 0}, {400, 58}},
        {{395, 50}, {401, 108}},
    };
    for (const auto& [Content, Panel] : Cases)
        EXPECT_EQ(KWPopupPanelSize(Content), Panel) << Content.width() << "x" << Content.height();
    EXPECT_EQ(KWPopupContentRect({400, 158}), QRect(3, 48, 394, 100));
}

TEST(KWPopupSize, PlacementOverTheOwner)
{
    const QSize Owner(1100, 750);
    const QSize Panel(506, 342);
    EXPECT_EQ(KWPopupPanelRect(Owner, Panel, paCenter), QRect(297, 204, 506, 342));
    EXPECT_EQ(KWPopupPanelRect(Owner, Panel, paTop), QRect(16, 8, 1068, 342));
    EXPECT_EQ(KWPopupPanelRect(Owner, Panel, paBottom), QRect(16, 404, 1068, 342));
    EXPECT_EQ(KWPopupPanelRect(Owner, Panel, paClient), QRect(16, 8, 1068, 738));
}

// Counts the key presses that reach the owner window.
class TKeyCounter final : public QObject
{
public:
    int FKeys = 0;

protected:
    bool eventFilter(QObject*, QEvent* AEvent) override
    {
        FKeys += AEvent->type() == QEvent::KeyPress;
        return false;
    }
};

class KWPopupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FOwner.resize(1100, 750);
        FOwner.show();
        FContent->resize(200, 100);
        FOwner.installEventFilter(&FKeyCounter);
    }

    QWidget* Panel() const { return FPopup->findChild<QWidget*>("PanelPopup"); }
    void ShowContent(QWidget* AContent, TKWPopupAlign AAlign = paCenter)
    {
        FPopup->SetContent(AContent, AAlign);
        FPopup->Show();
    }
    // Closed: not shown, and the content is back with its owner, hidden.
    void ExpectClosed(QWidget* AContent) const
    {
        EXPECT_FALSE(FPopup->IsShowing());
        EXPECT_FALSE(FPopup->isVisible());
        EXPECT_EQ(AContent->parentWidget(), &FOwner);
        EXPECT_TRUE(AContent->isHidden());
    }

    TKeyCounter FKeyCounter;
    QWidget FOwner;
    TKWPopup* FPopup = new TKWPopup(&FOwner);
    QWidget* FContent = new QWidget(&FOwner);
};

TEST_F(KWPopupTest, ShowCoversTheOwnerAndSizesThePanelToTheContent)
{
    TKWTranslateUtil::Open("EN");
    TKWPopup Popup(&FOwner);
    TKWTranslateUtil::Close();
    EXPECT_EQ(Popup.findChild<QPushButton*>("ButtonClose")->text(), "Close");

    FPopup->SetCaption("Auswahl Erfassungsseiten");
    ShowContent(FContent);
    EXPECT_TRUE(FPopup->IsShowing());
    EXPECT_EQ(FPopup->geometry(), FOwner.rect());
    EXPECT_EQ(Panel()->geometry(), QRect(350, 296, 400, 158));
    EXPECT_EQ(FContent->parentWidget(), Panel());
    EXPECT_EQ(FContent->geometry(), QRect(3, 48, 394, 100));
    EXPECT_TRUE(FContent->isVisible());
    EXPECT_EQ(FPopup->findChild<QLabel*>("LabelCaption")->text(), "Auswahl Erfassungsseiten");

    FOwner.resize(900, 700);
    EXPECT_EQ(FPopup->geometry(), FOwner.rect()) << "the popup follows its owner";
    EXPECT_EQ(Panel()->geometry(), QRect(250, 271, 400, 158));
}

TEST_F(KWPopupTest, TabControlDecidesTheSizeAndTopAlignmentStretches)
{
    auto* Tabs = new QTabWidget(FContent);
    Tabs->resize(600, 300);
    ShowContent(FContent, paTop);
    EXPECT_EQ(Panel()->geometry(), QRect(16, 8, 1068, 358));
    FPopup->close();
    ExpectClosed(FContent);
}

TEST_F(KWPopupTest, EveryWayOfClosingReturnsTheContent)
{
    // Close button, a click on the dimmed area, and a close from outside.
    const std::function<void()> Closers[] = {
        [this] { FPopup->findChild<QPushButton*>("ButtonClose")->click(); },
        [this] { SendClick(FPopup, QPoint(5, 5)); },
        [this] { FPopup->close(); },
    };
    for (const auto& Close : Closers) {
        ShowContent(FContent);
        Close();
        ExpectClosed(FContent);
    }
}

TEST_F(KWPopupTest, ClickOnThePanelAndTheBackKeyKeepItOpen)
{
    ShowContent(FContent);
    SendClick(FContent, QPoint(10, 10));
    SendClick(Panel(), QPoint(2, 5));
    EXPECT_TRUE(FPopup->IsShowing());

    for (QEvent::Type Type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent Back(Type, Qt::Key_Back, Qt::NoModifier);
        QApplication::sendEvent(FContent, &Back);
    }
    EXPECT_TRUE(FPopup->IsShowing());
    EXPECT_EQ(FKeyCounter.FKeys, 0) << "the back key does not reach the window below";
}

TEST_F(KWPopupTest, CloseQueryCanRefuseAndRemoveItself)
{
    int Asked = 0;
    bool Allow = false;
    FPopup->SetCloseQuery([&] {
        ++Asked;
        if (Allow)
            FPopup->SetCloseQuery({});
        return Allow;
    });
    ShowContent(FContent);
    FPopup->close();
    EXPECT_TRUE(FPopup->IsShowing());
    EXPECT_EQ(FContent->parentWidget(), Panel());
    Allow = true;
    FPopup->close();
    ExpectClosed(FContent);
    ShowContent(FContent);
    FPopup->close();
    EXPECT_EQ(Asked, 2);
}

TEST_F(KWPopupTest, ANewContentReplacesTheOldOne)
{
    auto* Second = new QWidget(&FOwner);
    Second->resize(500, 300);
    ShowContent(FContent);
    ShowContent(Second);
    EXPECT_EQ(FContent->parentWidget(), &FOwner);
    EXPECT_TRUE(FContent->isHidden());
    EXPECT_EQ(Second->parentWidget(), Panel());
    EXPECT_EQ(Panel()->size(), QSize(506, 358));
    FPopup->close();
    ExpectClosed(Second);
}

} // namespace

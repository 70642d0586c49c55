#include "KWImageLayout.h"

#include "GuiTestSupport.h"
#include "KWImageFrame.h"
#include "KWStyle.h"
#include "KWTranslateUtil.h"
#include "KWUtilsGui.h"
#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using TChoice = std::pair<QString, int>;

class KWImageLayoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QImage Picture = KWLoadBitmapResource("BoxSkyBlue");
        FLayout.SetContent(0, "Lahmheit", 1, Picture, "Trittsicher");
        FLayout.SetContent(1, "Lahmheit", 2, Picture, "Wackelig/Uneben/Kantig");
        FLayout.SetContent(2, "Lahmheit", 3, Picture, "Lückenhaft");
        QObject::connect(
            &FLayout, &TKWImageLayout::OnValueSelect,
            [this](const QString& AID, int AValue) { FChoices.emplace_back(AID, AValue); });
        FLayout.show();
    }

    TKWImageFrame* Image(int AIndex) const
    {
        return FLayout.findChild<TKWImageFrame*>(QStringLiteral("Image%1").arg(AIndex));
    }
    bool WaitForChoice() const
    {
        return WaitFor([this] { return !FChoices.empty() && !FLayout.IsAnimating(); }, 2000);
    }

    TKWImageLayout FLayout{nullptr, TImageOrientation::Portrait, 3};
    std::vector<TChoice> FChoices;
};

TEST_F(KWImageLayoutTest, ATapFlashesGreenThenReportsIdAndValueOnce)
{
    QTest::mouseClick(Image(1), Qt::LeftButton);
    EXPECT_TRUE(FLayout.IsAnimating());
    EXPECT_EQ(Image(1)->FrameColor(), QColor::fromRgba(KWStyle::FlashPlusColor));
    EXPECT_TRUE(FChoices.empty()) << "the choice is reported when the flash is over";

    // A second picture and a text button tapped during the flash do nothing.
    FLayout.AddButton(3, "Lahmheit", 0, "Entfällt");
    QTest::mouseClick(Image(2), Qt::LeftButton);
    FLayout.findChild<QPushButton*>("Button3")->click();
    EXPECT_FALSE(Image(2)->IsFlashing());

    ASSERT_TRUE(WaitForChoice());
    QTest::qWait(50);
    EXPECT_EQ(FChoices, std::vector<TChoice>{TChoice("Lahmheit", 2)});
    EXPECT_EQ(Image(1)->FrameColor().alpha(), 0);

    // Once reported, the set takes the next choice.
    QTest::mouseClick(Image(0), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([this] { return FChoices.size() == 2; }, 2000));
    EXPECT_EQ(FChoices.back(), TChoice("Lahmheit", 1));
}

TEST_F(KWImageLayoutTest, TextButtonsReportAtOnceAndWidenTheSet)
{
    const QSize Before = FLayout.size();
    FLayout.AddButton(3, "Lahmheit", 0, "Entfällt");
    auto* Button = FLayout.findChild<QPushButton*>("Button3");
    ASSERT_NE(Button, nullptr);
    EXPECT_EQ(Button->focusPolicy(), Qt::ClickFocus) << "skipped by the Tab key";
    EXPECT_GE(Button->height(), KWStyle::TouchTarget);
    EXPECT_EQ(FLayout.height(), Before.height() + Button->height() + 5);
    EXPECT_GE(Image(0)->y(), Button->geometry().bottom());

    QTest::mouseClick(Button, Qt::LeftButton);
    EXPECT_EQ(FChoices, std::vector<TChoice>{TChoice("Lahmheit", 0)});
}

TEST_F(KWImageLayoutTest, CaptionsAreTranslatedAndNamePictures)
{
    TKWTranslateUtil::Open("EN");
    FLayout.SetContent(0, "Lahmheit", 1, KWLoadBitmapResource("BoxSkyBlue"), "Trittsicher");
    FLayout.SetImageText(1, "Trittsicher");
    TKWTranslateUtil::Open("");
    EXPECT_EQ(FLayout.findChild<QLabel*>("ImageLabel0")->text(), "Sure-footed");
    EXPECT_EQ(FLayout.findChild<QLabel*>("ImageLabel1")->text(), "Trittsicher")
        << "SetImageText shows the text as given";
    EXPECT_EQ(Image(0)->accessibleName(), "Sure-footed");
    EXPECT_EQ(Image(2)->accessibleName(), "Lückenhaft");
    EXPECT_EQ(Image(2)->accessibleDescription(), "Lückenhaft");
}

} // namespace

#include "KWImageSpinner.h"

#include "GuiTestSupport.h"
#include "KWClickSound.h"
#include "KWImageFrame.h"
#include "KWImageGeometry.h"
#include "KWStyle.h"
#include "KWTranslateUtil.h"
#include "KWUtils.h"
#include "KWUtilsGui.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class KWImageSpinnerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FSpinner.SetImage(KWLoadBitmapResource("BoxSkyBlue"));
        FSpinner.SetImageText("Liegen in Box");
        FSpinner.SetWidth(250);
        QObject::connect(&FSpinner, &TKWImageSpinner::OnChange, [this] { ++FChanges; });
        FSpinner.show();
    }

    template <typename T> T* Child(const char* AName) const
    {
        return FSpinner.findChild<T*>(AName);
    }
    TKWImageFrame* Image() const { return Child<TKWImageFrame>("Image"); }
    QLineEdit* ValueField() const { return Child<QLineEdit>("ValueField"); }
    void Tap(const char* AName) const { QTest::mouseClick(Child<QWidget>(AName), Qt::LeftButton); }

    TKWImageSpinner FSpinner{nullptr};
    int FChanges = 0;
};

TEST_F(KWImageSpinnerTest, EveryTapCountsAtOnceHoweverFast)
{
    for (int I = 0; I < 5; ++I)
        Tap("Image");
    Tap("PlusButton");
    Tap("PlusButton");
    EXPECT_EQ(FSpinner.Value(), 7) << "no tap is lost to the running flash";
    EXPECT_EQ(ValueField()->text(), "7");
    EXPECT_EQ(FChanges, 7);
    EXPECT_EQ(Image()->FrameColor(), QColor::fromRgba(KWStyle::FlashPlusColor));

    Tap("MinusButton");
    EXPECT_EQ(FSpinner.Value(), 6);
    EXPECT_EQ(Image()->FrameColor(), QColor::fromRgba(KWStyle::FlashMinusColor));
    ASSERT_TRUE(WaitFor([this] { return !Image()->IsFlashing(); }, 2000));
    EXPECT_EQ(Image()->FrameColor().alpha(), 0);
}

TEST_F(KWImageSpinnerTest, MinusStopsAtZero)
{
    FSpinner.SetValue(1);
    Tap("MinusButton");
    Tap("MinusButton");
    EXPECT_EQ(ValueField()->text(), "0");
    EXPECT_EQ(FChanges, 2) << "SetValue and the first minus; the second changes nothing";
}

TEST_F(KWImageSpinnerTest, ADisabledCounterFadesAndCannotChange)
{
    FSpinner.SetValue(3);
    FSpinner.setEnabled(false);
    FSpinner.RefreshSettings();
    EXPECT_DOUBLE_EQ(Image()->PictureOpacity(), 0.05);
    Tap("Image");
    Tap("PlusButton");
    Tap("MinusButton");
    QTest::keyClicks(ValueField(), "9");
    EXPECT_EQ(FSpinner.Value(), 3);

    FSpinner.setEnabled(true);
    FSpinner.RefreshSettings();
    EXPECT_DOUBLE_EQ(Image()->PictureOpacity(), 1);
}

TEST_F(KWImageSpinnerTest, TypedValuesAndHalfTypedOnes)
{
    ValueField()->selectAll();
    QTest::keyClicks(ValueField(), "1a2");
    EXPECT_EQ(ValueField()->text(), "12") << "only signs and digits are taken";
    EXPECT_EQ(FSpinner.Value(), 12);
    EXPECT_EQ(FSpinner.accessibleDescription(), "12");

    ValueField()->selectAll();
    QTest::keyClicks(ValueField(), "-");
    EXPECT_EQ(FSpinner.Value(), 0) << "a sign alone counts as 0";
    Tap("PlusButton");
    EXPECT_EQ(ValueField()->text(), "1");
}

TEST_F(KWImageSpinnerTest, HeightFollowsWidthAndAspectRatioAndButtonsFitAFinger)
{
    EXPECT_EQ(FSpinner.size(), QSize(250, qRound(KWSpinnerHeight(250, 1.5))));
    FSpinner.SetAspectRatio(1.0);
    EXPECT_EQ(FSpinner.height(), 244 + KWSpinnerHeightControls);
    EXPECT_EQ(Image()->height(), 250);
    for (const char* Name : {"PlusButton", "MinusButton", "ValueField"}) {
        EXPECT_GE(Child<QWidget>(Name)->height(), KWStyle::TouchTarget) << Name;
        EXPECT_GE(Child<QWidget>(Name)->width(), KWStyle::TouchTarget) << Name;
        EXPECT_LE(Child<QWidget>(Name)->geometry().bottom(), FSpinner.height() - 1) << Name;
    }
    EXPECT_EQ(Child<QToolButton>("PlusButton")->focusPolicy(), Qt::NoFocus);
}

TEST_F(KWImageSpinnerTest, CaptionIsTranslatedAndNamesTheControls)
{
    TKWTranslateUtil::Open("EN");
    FSpinner.SetImageText("Liegen in Box");
    TKWTranslateUtil::Open("");
    EXPECT_EQ(FSpinner.ImageText(), "Lying in cubicle");
    EXPECT_EQ(FSpinner.accessibleName(), "Lying in cubicle");
    EXPECT_EQ(ValueField()->accessibleName(), "Lying in cubicle");
    EXPECT_EQ(Image()->accessibleDescription(), "Lying in cubicle");
    EXPECT_EQ(Child<QToolButton>("PlusButton")->accessibleName(), "Plus");
}

TEST(KWClickSound, AMissingSoundIsLoggedAndSilencesTheCounters)
{
    ResetLog();
    const QString Path = KWGetDataPath() + "/missing_click.mp3";
    TKWClickSound Sound(Path, nullptr);
    EXPECT_TRUE(Sound.IsSilent());
    Sound.Play();
    EXPECT_EQ(ReadLogLines(),
              QStringList({"TKWImageSpinner.Create - Exception", "  MediaPath: " + Path,
                           "  Message:   The file does not exist."}));
}

TEST(KWClickSound, TheProgramsClickLoads)
{
    ResetLog();
    TKWClickSound Sound(QOMVI_CLICK_SOUND, nullptr);
    EXPECT_FALSE(Sound.IsSilent());
    EXPECT_TRUE(ReadLogLines().isEmpty());
}

} // namespace

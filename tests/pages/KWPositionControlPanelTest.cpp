#include "KWPositionControlPanel.h"

#include "KWMemTable.h"
#include "KWRecordNavigator.h"
#include "KWStyle.h"
#include "KWTranslateUtil.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// A record-per-animal page as the single-cow page builds one: the navigator's scheme on a
// table, a new animal numbered after the last.
class TAnimalPager final : public TKWPositionControlPanel
{
public:
    explicit TAnimalPager(TKWMemTable& ATable) : TKWPositionControlPanel(nullptr), FTable(ATable) {}

protected:
    void MoveNext() override
    {
        const int Last = FTable.RecordCount();
        if (FNavigator.MoveNext())
            FTable.FieldByName("Kuhnummer").SetAsInteger(Last + 1);
    }
    void MovePrevious() override { FNavigator.MovePrevious(); }
    int GetPosition() const override { return FNavigator.Position(); }
    int GetCount() const override { return FNavigator.Count(); }
    QString GetPositionFormat() const override { return QStringLiteral("Tier %d von %d"); }

private:
    TKWMemTable& FTable;
    TKWRecordNavigator FNavigator{FTable};
};

class KWPositionControlPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int I = 1; I <= 3; ++I) {
            FTable.Append();
            FTable.FieldByName("Kuhnummer").SetAsInteger(I);
            FTable.Post();
        }
        FTable.SetRecNo(2);
        FPager.resize(1100, 600);
        FPager.Init();
        FPager.show();
    }
    QString PositionText() const { return FPager.findChild<QLabel*>("PositionLabel")->text(); }
    void Tap(const char* AButton) const
    {
        QTest::mouseClick(FPager.findChild<QToolButton*>(AButton), Qt::LeftButton);
    }

    TKWMemTable FTable{{{"Kuhnummer", TKWFieldType::ftInteger}}};
    TAnimalPager FPager{FTable};
};

TEST_F(KWPositionControlPanelTest, NextWalksToANewRecordAndPreviousBack)
{
    ASSERT_EQ(FTable.RecordCount(), 3);
    EXPECT_EQ(PositionText(), "Tier 2 von 3");
    Tap("NextButton");
    EXPECT_EQ(PositionText(), "Tier 3 von 3");
    Tap("NextButton");
    EXPECT_EQ(PositionText(), "Tier 4 von 4");
    EXPECT_EQ(FTable.FieldByName("Kuhnummer").AsInteger(), 4);

    Tap("PreviousButton");
    EXPECT_EQ(PositionText(), "Tier 3 von 4") << "the new animal was stored by the move";
    Tap("PreviousButton");
    Tap("PreviousButton");
    Tap("PreviousButton");
    EXPECT_EQ(PositionText(), "Tier 1 von 4");
}

// A value still being typed when the record moves belongs to the record it was typed on.
TEST_F(KWPositionControlPanelTest, ATapOnNextCommitsTheValueBeingTyped)
{
    auto* Edit = new QLineEdit(FPager.ContentLayout());
    QObject::connect(Edit, &QLineEdit::editingFinished, Edit,
                     [this, Edit] { FTable.WriteValue("Kuhnummer", Edit->text()); });
    Edit->show();
    FPager.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&FPager));
    Edit->setFocus();
    QTest::keyClicks(Edit, "77");
    Tap("NextButton");
    EXPECT_EQ(PositionText(), "Tier 3 von 3");
    FTable.SetRecNo(2);
    EXPECT_EQ(FTable.FieldByName("Kuhnummer").AsInteger(), 77);
}

TEST_F(KWPositionControlPanelTest, TheBarHoldsTheWidestTextAndTheButtons)
{
    auto* Bar = FPager.findChild<QWidget*>("ControlBar");
    auto* Label = FPager.findChild<QLabel*>("PositionLabel");
    const int Widest = Label->fontMetrics().horizontalAdvance("Tier 999 von 999");
    EXPECT_GE(Bar->width(), std::max(Widest, KWStyle::NavigatorButtonSize) + 20);
    EXPECT_EQ(Bar->geometry().right(), FPager.width() - 1) << "the bar stands at the right edge";
    EXPECT_EQ(FPager.ContentLayout()->geometry().right() + 1, Bar->x());
    auto* Next = FPager.findChild<QToolButton*>("NextButton");
    EXPECT_EQ(Next->size(), QSize(100, 100));
    EXPECT_LT(FPager.findChild<QToolButton*>("PreviousButton")->mapTo(&FPager, QPoint()).y(),
              Next->mapTo(&FPager, QPoint()).y());
    EXPECT_FALSE(Next->accessibleName().isEmpty());
}

TEST_F(KWPositionControlPanelTest, ThePositionFormatIsTranslated)
{
    TKWTranslateUtil::Open("EN");
    FPager.RefreshPositionText();
    TKWTranslateUtil::Open("");
    EXPECT_EQ(PositionText(), "animal 2 of 3");
}

} // namespace

#include "KWGridLayoutPopup.h"

#include "KWImageLayout.h"
#include "KWMemTable.h"
#include "KWPictureNames.h"
#include "KWPopup.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using KWGridLayoutPopup::TGridEntry;

class KWGridLayoutPopupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const TKWScorePictures& Pictures = KWEinzelKuhScorePictures().first();
        QList<int> Values;
        QStringList Suffixes;
        QStringList Texts;
        for (const TKWPictureChoice& Choice : Pictures.Choices) {
            Values << Choice.Value;
            Suffixes << Choice.Suffix;
            Texts << QString::number(Choice.Value);
        }
        TKWGridLayoutPopup::TEntries Rows;
        Rows.push_back(TGridEntry::CreateGridEntry("A", "Erste", Values, Suffixes, Texts,
                                                   TImageOrientation::Landscape, 3, Pictures.BaseName));
        // Only the pictures 0, 2 and 4 of the common set, and one text without picture.
        Rows.push_back(TGridEntry::CreateGridEntry("B", "Zweite", Values, Suffixes, Texts,
                                                   TImageOrientation::Landscape, {0, 2, 4}, 3,
                                                   Pictures.BaseName));
        Rows.back()->ImageTexts << "weiß nicht";
        Rows.back()->ImageValues << 9;
        FHost.resize(1100, 750);
        FGrid = new TKWGridLayoutPopup(&FHost, *FPopup, FTable, std::move(Rows));
        FGrid->Init();
        FGrid->SetOnAutoPopupEnd([this] { ++FEnded; });
        FHost.show();
        FGrid->RefreshValues();
    }

    TKWImageLayout* Shown() { return FHost.findChild<TKWImageLayout*>(); }

    TKWMemTable FTable{{{"A", TKWFieldType::ftInteger}, {"B", TKWFieldType::ftInteger}}};
    QWidget FHost;
    TKWPopup* FPopup = new TKWPopup(&FHost);
    TKWGridLayoutPopup* FGrid = nullptr;
    int FEnded = 0;
};

TEST_F(KWGridLayoutPopupTest, AChoiceIsWrittenAndTheNextRowOpensUntilTheLastEndsTheWalk)
{
    const TGridEntry& Second = *FGrid->Entries()[1];
    EXPECT_EQ(Second.ImageValues, (QList<int>{1, 3, 5, 9}));
    EXPECT_EQ(Second.ImageNames.size(), 3);

    QTest::mouseClick(FGrid->findChild<QPushButton*>("ScoreA"), Qt::LeftButton);
    ASSERT_TRUE(FPopup->IsShowing());
    QTest::mouseClick(FPopup->findChild<QWidget*>("Image1"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !FTable.FieldByName("A").IsNull(); }, 2000));
    EXPECT_EQ(FTable.FieldByName("A").AsInteger(), 2);
    EXPECT_TRUE(FPopup->IsShowing()) << "the second row's pictures follow";
    EXPECT_EQ(FEnded, 0);
    QTest::mouseClick(FPopup->findChild<QPushButton*>("Button3"), Qt::LeftButton);
    EXPECT_EQ(FTable.FieldByName("B").AsInteger(), 9);
    EXPECT_FALSE(FPopup->IsShowing());
    EXPECT_EQ(FEnded, 1);
}

TEST_F(KWGridLayoutPopupTest, ATypedNumberThatIsNoScoreShowsBoldRed)
{
    auto* Edit = FGrid->findChild<QLineEdit*>("B");
    for (const auto& [Text, Allowed] : {std::pair{"2", false}, std::pair{"5", true}}) {
        Edit->setFocus();
        Edit->selectAll();
        QTest::keyClicks(Edit, Text);
        QTest::keyClick(Edit, Qt::Key_Return);
        EXPECT_EQ(FTable.FieldByName("B").AsString(), Text);
        EXPECT_EQ(Edit->font().bold(), !Allowed) << Text;
        EXPECT_EQ(Edit->palette().color(QPalette::Text), Allowed ? QColor(Qt::black) : QColor(Qt::red));
    }
}

} // namespace

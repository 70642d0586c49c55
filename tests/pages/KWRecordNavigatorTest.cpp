#include "KWRecordNavigator.h"

#include "KWMemTable.h"
#include "KWTranslateUtil.h"

#include <gtest/gtest.h>

namespace {

class KWRecordNavigatorTest : public ::testing::Test
{
protected:
    void AppendRecords(int ACount)
    {
        for (int I = 1; I <= ACount; ++I) {
            FTable.Append();
            FTable.FieldByName("Nr").SetAsInteger(I);
            FTable.Post();
        }
    }
    std::pair<int, int> PositionAndCount() const
    {
        return {FNavigator.Position(), FNavigator.Count()};
    }

    TKWMemTable FTable{{{"Nr", TKWFieldType::ftInteger}}};
    TKWRecordNavigator FNavigator{FTable};
};

TEST_F(KWRecordNavigatorTest, NextWalksOnAndAppendsAtTheLastRecord)
{
    AppendRecords(3);
    FTable.SetRecNo(2);
    EXPECT_EQ(PositionAndCount(), std::pair(2, 3));

    EXPECT_FALSE(FNavigator.MoveNext());
    EXPECT_EQ(PositionAndCount(), std::pair(3, 3));
    // At the last record a new one is entered: it counts as the fourth of four.
    EXPECT_TRUE(FNavigator.MoveNext());
    EXPECT_EQ(FTable.State(), TKWTableState::tsInsert);
    EXPECT_EQ(PositionAndCount(), std::pair(4, 4));
    EXPECT_EQ(FTable.RecordCount(), 3);

    // Next on the new record stores it and starts a fifth.
    EXPECT_TRUE(FNavigator.MoveNext());
    EXPECT_EQ(FTable.RecordCount(), 4);
    EXPECT_EQ(PositionAndCount(), std::pair(5, 5));
}

TEST_F(KWRecordNavigatorTest, NextOnAnEmptyTableStartsTheFirstRecord)
{
    EXPECT_EQ(PositionAndCount(), std::pair(0, 0));
    EXPECT_TRUE(FNavigator.MoveNext());
    EXPECT_EQ(PositionAndCount(), std::pair(1, 1));
    EXPECT_TRUE(FTable.IsEmpty());
}

TEST_F(KWRecordNavigatorTest, NextPostsAPendingEdit)
{
    AppendRecords(2);
    FTable.First();
    FTable.Edit();
    FTable.FieldByName("Nr").SetAsInteger(7);
    EXPECT_FALSE(FNavigator.MoveNext());
    FTable.First();
    EXPECT_EQ(FTable.FieldByName("Nr").AsInteger(), 7);
}

TEST_F(KWRecordNavigatorTest, PreviousStopsAtTheFirstRecord)
{
    AppendRecords(2);
    EXPECT_TRUE(FNavigator.MovePrevious());
    EXPECT_EQ(PositionAndCount(), std::pair(1, 2));
    EXPECT_FALSE(FNavigator.MovePrevious());
    EXPECT_EQ(PositionAndCount(), std::pair(1, 2));
}

TEST_F(KWRecordNavigatorTest, PreviousFromANewRecordStoresIt)
{
    AppendRecords(3);
    FNavigator.MoveNext();
    FTable.FieldByName("Nr").SetAsInteger(4);
    EXPECT_TRUE(FNavigator.MovePrevious());
    EXPECT_EQ(PositionAndCount(), std::pair(3, 4));
}

// A new first record that received no entry must not be stored by a tap on "previous": the page
// discards it when it is left.
TEST_F(KWRecordNavigatorTest, PreviousLeavesTheOnlyNewRecordPending)
{
    FNavigator.MoveNext();
    EXPECT_FALSE(FNavigator.MovePrevious());
    EXPECT_EQ(FTable.State(), TKWTableState::tsInsert);
    EXPECT_TRUE(FTable.IsEmpty());
    EXPECT_FALSE(TKWRecordNavigator(FTable).MovePrevious());
}

TEST(KWPositionText, FillsTheTranslatedFormat)
{
    EXPECT_EQ(KWPositionText("Tier %d von %d", 2, 3), "Tier 2 von 3");
    EXPECT_EQ(KWPositionText("Block %d von %d", 4, 4), "Block 4 von 4");
    EXPECT_EQ(KWPositionText("%d%% von %d", 1000, 2), "1000% von 2");
    // Placeholders beyond the two numbers, or of another kind, are shown as written.
    EXPECT_EQ(KWPositionText("%d %s %d %d %", 1, 2), "1 %s 2 %d %");
    TKWTranslateUtil::Open("EN");
    EXPECT_EQ(KWPositionText("Tier %d von %d", 2, 3), "animal 2 of 3");
    TKWTranslateUtil::Open("");
}

} // namespace

#include "KWCalculation.h"

#include "KWCode.h"
#include "KWException.h"
#include "KWMemTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

using TRecord = std::vector<std::pair<const char*, QString>>;

// Integer scores and counts, a block name, a text count, a float, a text and a Boolean field.
std::unique_ptr<TKWMemTable> NewTable()
{
    return std::make_unique<TKWMemTable>(
        std::vector<TKWFieldDef>{{"A", TKWFieldType::ftInteger},
                                 {"B", TKWFieldType::ftInteger},
                                 {"C", TKWFieldType::ftInteger},
                                 {"Block", TKWFieldType::ftString, 20},
                                 {"Boxen", TKWFieldType::ftString, 20},
                                 {"F", TKWFieldType::ftFloat},
                                 {"S", TKWFieldType::ftString, 100},
                                 {"Flag", TKWFieldType::ftBoolean}});
}

// Appends one record; an empty text leaves the field empty.
void AppendRecord(TKWMemTable& ATable, const TRecord& AValues)
{
    ATable.Append();
    for (const auto& [Name, Value] : AValues)
        ATable.FieldByName(Name).SetAsString(Value);
    ATable.Post();
}

std::unique_ptr<IKWCalculation> Create(TKWCalculationType AType, TKWMemTable& ATable,
                                       const QStringList& ANumerator,
                                       const QStringList& ADenominator = {},
                                       const QList<int>& AConditions = {})
{
    return CreateCalculation(AType, ANumerator, ADenominator, ATable, ATable, AConditions);
}

TEST(KWCalculationTest, NoneAndCountReadTheCurrentRecord)
{
    auto Table = NewTable();
    EXPECT_EQ(Create(CalculationNone, *Table, {"A"})->Calculate(), 1);
    auto Count = Create(CalculationCount, *Table, {"B", "A"});
    EXPECT_EQ(Count->Calculate(), 0) << "an empty table reads as 0";
    AppendRecord(*Table, {{"A", "7"}, {"B", "3"}});
    AppendRecord(*Table, {{"A", "4"}});
    EXPECT_EQ(Count->Calculate(), 4) << "the last numerator name wins, read in the current record";
    EXPECT_EQ(Count->GetDenominator(-1), 1);
}

TEST(KWCalculationTest, PercentageOfCurrentRecordSums)
{
    struct TCase
    {
        const char* A;
        const char* B;
        const char* C;
        double Expected;
    };
    // Numerator A + B over denominator C.
    const TCase Cases[] = {
        {"3", "", "0", 0},         // zero denominator gives 0
        {"1", "", "3", 100.0 / 3}, // full precision
        {"1", "2", "4", 75},       // several numerator fields add up
        {"", "", "", 0},           // everything empty
    };
    for (const TCase& Case : Cases) {
        auto Table = NewTable();
        AppendRecord(*Table, {{"A", Case.A}, {"B", Case.B}, {"C", Case.C}});
        auto Calculation = Create(CalculationPercentage, *Table, {"A", "B"}, {"C"});
        EXPECT_DOUBLE_EQ(Calculation->Calculate(), Case.Expected) << Case.A << "/" << Case.C;
        EXPECT_EQ(Calculation->GetDenominator(0), QString(Case.C).toInt());
    }
}

// Sums of counts wrapped around in 32 bits: three counts of 2147483647 read as a negative share.
TEST(KWCalculationTest, CountsNearTheIntegerLimitDoNotWrapAround)
{
    const char* Max = "2147483647";
    auto Table = NewTable();
    AppendRecord(*Table, {{"Block", "A"}, {"A", Max}, {"B", Max}, {"C", Max}, {"Boxen", Max}});
    AppendRecord(*Table, {{"Block", "B"}, {"A", "0"}, {"B", Max}, {"C", Max}, {"Boxen", Max}});
    Table->First();
    auto Share = Create(CalculationPercentage, *Table, {"A"}, {"A", "B", "C"});
    EXPECT_DOUBLE_EQ(Share->Calculate(), 100.0 / 3);
    EXPECT_EQ(Share->GetDenominator(-1), 3 * 2147483647LL);

    auto Block = Create(CalculationBlock, *Table, {"A"}, {"Boxen"});
    EXPECT_DOUBLE_EQ(Block->Calculate(), 50);
    EXPECT_EQ(Block->GetDenominator(-1), 2 * 2147483647LL);

    auto Hits = Create(Calculation4, *Table, {"A", "B", "C"}, {}, {2147483647});
    EXPECT_DOUBLE_EQ(Hits->Calculate(), 500.0 / 6);
}

TEST(KWCalculationTest, AverageCountsEmptyScoresAsZeroAndRestoresTheCursor)
{
    auto Table = NewTable();
    auto Average = Create(CalculationAverage, *Table, {"A"}, {"C"});
    EXPECT_EQ(Average->Calculate(), 0) << "no records";
    EXPECT_EQ(Average->GetDenominator(-1), 0);

    AppendRecord(*Table, {{"A", "2"}, {"B", "5"}});
    AppendRecord(*Table, {{"B", "4"}});
    Table->First();
    EXPECT_DOUBLE_EQ(Average->Calculate(), 1);
    EXPECT_EQ(Table->RecNo(), 1) << "cursor back on the record it stood on";

    auto Both = Create(CalculationAverage, *Table, {"A", "B"});
    EXPECT_DOUBLE_EQ(Both->Calculate(), 11.0 / 4);
    EXPECT_EQ(Both->GetDenominator(-1), 4) << "records x numerator fields";
}

TEST(KWCalculationTest, PassPostsAPendingInsertAndStaysOnIt)
{
    auto Table = NewTable();
    AppendRecord(*Table, {{"A", "1"}});
    Table->Append();
    Table->FieldByName("A").SetAsInteger(3);
    EXPECT_DOUBLE_EQ(Create(CalculationAverage, *Table, {"A"})->Calculate(), 2);
    EXPECT_EQ(Table->RecordCount(), 2);
    EXPECT_EQ(Table->RecNo(), 2);
}

TEST(KWCalculationTest, BlockRatesTheFirstLowestBlock)
{
    auto Table = NewTable();
    AppendRecord(*Table, {{"Block", "A"}, {"A", "5"}, {"Boxen", "10"}});
    AppendRecord(*Table, {{"Block", "B"}, {"A", "2"}, {"Boxen", "10"}});
    AppendRecord(*Table, {{"Block", "C"}, {"A", "2"}, {"Boxen", "10"}});
    Table->SetRecNo(2);
    auto Block = Create(CalculationBlock, *Table, {"A"}, {"Boxen"});
    EXPECT_EQ(Block->GetRatingIdx(), -1) << "no blocks before the first calculation";

    EXPECT_DOUBLE_EQ(Block->Calculate(), 30);
    EXPECT_EQ(Table->RecNo(), 2);
    EXPECT_EQ(Block->GetRatingIdx(), 1);
    EXPECT_EQ(Block->GetDetailText(1), " - B");
    EXPECT_DOUBLE_EQ(Block->GetDetailValue(0), 50);
    EXPECT_TRUE(std::isnan(Block->GetDetailValue(3)));
    EXPECT_EQ(Block->GetDetailText(3), "");
    EXPECT_EQ(Block->GetDenominator(0), 10);
    EXPECT_EQ(Block->GetDenominator(-1), 30);
    EXPECT_EQ(Block->GetTotalText(), " gesamt");
}

TEST(KWCalculationTest, BlockCountsUnreadableTextAsZero)
{
    auto Table = NewTable();
    AppendRecord(*Table, {{"Block", "A"}, {"A", "4"}, {"Boxen", "acht"}});
    AppendRecord(*Table, {{"Block", "B"}, {"A", "2"}, {"Boxen", " 8 "}});
    auto Block = Create(CalculationBlock, *Table, {"A"}, {"Boxen"});
    EXPECT_DOUBLE_EQ(Block->Calculate(), 75);
    EXPECT_EQ(Block->GetDenominator(0), 0);
    EXPECT_EQ(Block->GetRatingIdx(), 0) << "a block without cubicles reads 0 %";
}

TEST(KWCalculationTest, BlockOverTwoTablesGivesNothingAndKeepsTheLastSum)
{
    auto Table = NewTable();
    auto Other = NewTable();
    AppendRecord(*Table, {{"Block", "A"}, {"A", "5"}, {"Boxen", "10"}});
    auto Fresh = CreateCalculation(CalculationBlock, {"A"}, {"Boxen"}, *Table, *Other, {});
    EXPECT_EQ(Fresh->Calculate(), 0);
    EXPECT_EQ(Fresh->GetRatingIdx(), -1);
    EXPECT_EQ(Fresh->GetDenominator(-1), 0);

    auto Block = Create(CalculationBlock, *Table, {"A"}, {"Boxen"});
    EXPECT_DOUBLE_EQ(Block->Calculate(), 50);
    Block->SetDenominatorDataSet(*Other);
    EXPECT_EQ(Block->Calculate(), 0);
    EXPECT_EQ(Block->GetRatingIdx(), -1);
    EXPECT_EQ(Block->GetDenominator(-1), 10) << "sum of the last calculation that found blocks";
}

TEST(KWCalculationTest, Calculation4CountsHitsOverRecordsAndFields)
{
    auto Table = NewTable();
    for (const char* Score : {"1", "2", "3"})
        AppendRecord(*Table, {{"A", Score}});
    auto Hits = Create(Calculation4, *Table, {"A"}, {"C"}, {2, 3});
    EXPECT_DOUBLE_EQ(Hits->Calculate(), 200.0 / 3);
    EXPECT_EQ(Hits->GetDenominator(-1), 3);

    EXPECT_EQ(Create(Calculation4, *Table, {"B"}, {}, {1})->Calculate(), 0) << "empty scores";
    auto TwoFields = Create(Calculation4, *Table, {"A", "B"}, {}, {1});
    EXPECT_DOUBLE_EQ(TwoFields->Calculate(), 100.0 / 6);
    EXPECT_EQ(TwoFields->GetDenominator(-1), 6);
    EXPECT_EQ(Create(Calculation4, *NewTable(), {"A"}, {}, {1})->Calculate(), 0) << "no records";
}

TEST(KWCalculationTest, TextValuesAndCodes)
{
    TScopedLocale German(QLocale::German, QLocale::Germany);
    TCodes::Init();
    struct TCase
    {
        TKWCalculationType Type;
        QStringList Fields;
        TRecord Record;
        std::optional<double> Value; // empty for not-a-number
        const char* Code;
        const char* Text;
    };
    const TCase Cases[] = {
        {CalculationText, {"A", "B"}, {{"A", "-5"}, {"B", "-2"}}, 0, "0", "0"},
        {CalculationText, {"A", "B", "C"}, {{"A", "160"}, {"C", "175"}}, 175, "175", "175"},
        {CalculationText, {"A"}, {{"A", "-3"}}, -3, "-3", "-3"},
        {CalculationTextMin, {"A", "B"}, {{"A", "0"}, {"B", "0"}}, 99999, "99999", "99999"},
        {CalculationTextMin, {"A", "B"}, {{"A", "0"}, {"B", "280"}}, 280, "280", "280"},
        {CalculationTextMin, {"A", "B", "C"}, {{"A", "310"}, {"B", "290"}}, 290, "290", "290"},
        {CalculationText, {"F"}, {{"F", "1,05"}}, 1.05, "1,05", "1,05"},
        {CalculationText,
         {"S"},
         {{"S", "SONST Gummimatte mit Loch"}},
         std::nullopt,
         "SONST",
         "Sonstige"},
        {CalculationText, {"S"}, {{"S", " BRE\t"}}, std::nullopt, "BRE", "Brett"},
        {CalculationText, {"S"}, {{"S", "XYZ"}}, std::nullopt, "XYZ", "XYZ"},
        {CalculationText, {"Flag"}, {{"Flag", "false"}}, std::nullopt, "Nein", "Nein"},
        {CalculationText, {"Flag"}, {{"Flag", "true"}}, std::nullopt, "Ja", "Ja"},
        {CalculationText, {"Flag"}, {}, std::nullopt, "Nein", "Nein"},
    };
    for (const TCase& Case : Cases) {
        auto Table = NewTable();
        AppendRecord(*Table, Case.Record);
        auto Calculation = Create(Case.Type, *Table, Case.Fields);
        const double Value = Calculation->Calculate();
        const QString Label = Case.Fields.join(',') + " " + QString(Case.Code);
        if (Case.Value)
            EXPECT_DOUBLE_EQ(Value, *Case.Value) << qPrintable(Label);
        else
            EXPECT_TRUE(std::isnan(Value)) << qPrintable(Label);
        const QString Code = Calculation->CalculateCode();
        EXPECT_EQ(Code, Case.Code) << qPrintable(Label);
        EXPECT_EQ(Calculation->CalculateText(Code), Case.Text) << qPrintable(Label);
    }
}

TEST(KWCalculationTest, TextWithoutNumeratorFieldRaises)
{
    auto Table = NewTable();
    AppendRecord(*Table, {{"A", "1"}});
    auto Text = Create(CalculationText, *Table, {});
    EXPECT_THROW(Text->Calculate(), EKWException);
    EXPECT_THROW(Text->CalculateCode(), EKWException);
    EXPECT_THROW(Text->CalculateText("1"), EKWException);
}

TEST(KWCalculationTest, UnknownFieldRaises)
{
    auto Table = NewTable();
    EXPECT_THROW(Create(CalculationAverage, *Table, {"Missing"})->Calculate(), EKWException);
}

} // namespace

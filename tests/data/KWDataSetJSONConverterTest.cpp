#include "KWDataSetJSONConverter.h"

#include "KWMemTable.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::unique_ptr<TKWMemTable> MakeTable()
{
    return std::make_unique<TKWMemTable>(std::vector<TKWFieldDef>{
        {"Text", TKWFieldType::ftString, 100},
        {"Zahl", TKWFieldType::ftInteger},
        {"Wert", TKWFieldType::ftFloat},
        {"Ja", TKWFieldType::ftBoolean},
        {"Datum", TKWFieldType::ftDate},
        {"Zeit", TKWFieldType::ftTime},
        {"Moment", TKWFieldType::ftDateTime},
    });
}

TKWJson Parse(const char* AText)
{
    return TKWJson::parse(AText);
}

TEST(KWDataSetJSONConverter, EveryFieldTypeRoundTrips)
{
    auto Table = MakeTable();
    Table->Append();
    Table->FieldByName("Text").SetAsString("Stall \"Süd\"");
    Table->FieldByName("Zahl").SetAsInteger(-42);
    Table->FieldByName("Wert").SetAsFloat(12.75);
    Table->FieldByName("Ja").SetAsBoolean(true);
    Table->FieldByName("Datum").SetAsDate(QDate(2024, 1, 5));
    Table->FieldByName("Zeit").SetAsTime(QTime(7, 3, 9));
    Table->FieldByName("Moment").SetAsDateTime(QDateTime(QDate(2023, 11, 30), QTime(8, 0, 1)));
    Table->Post();

    const TKWJson Json = *TConverter::DataSet(*Table).AsJSONObject();
    EXPECT_EQ(Json.dump(), R"({"Text":"Stall \"Süd\"","Zahl":-42,"Wert":12.75,"Ja":true,)"
                           R"("Datum":"2024-01-05","Zeit":"07:03:09","Moment":"2023-11-30 08:00:01"})");

    auto Copy = MakeTable();
    TConverter::JSON(Json).ToDataSet(*Copy);
    ASSERT_EQ(Copy->RecordCount(), 1);
    for (int I = 0; I < Table->FieldCount(); ++I)
        EXPECT_EQ(Copy->Fields(I).Value(), Table->Fields(I).Value()) << Table->Fields(I).FieldName().toStdString();
}

TEST(KWDataSetJSONConverter, EmptyFieldsAreWrittenAsTheirDefaults)
{
    auto Table = MakeTable();
    Table->Append();
    Table->Post();
    const TKWJson Json = *TConverter::DataSet(*Table).AsJSONObject();
    EXPECT_EQ(Json.dump(), R"({"Text":"","Zahl":0,"Wert":0,"Ja":false,"Datum":null,"Zeit":null,"Moment":null})");

    auto Copy = MakeTable();
    TConverter::JSON(Json).ToDataSet(*Copy);
    EXPECT_FALSE(Copy->FieldByName("Zahl").IsNull()) << "an empty whole number comes back as 0";
    EXPECT_TRUE(Copy->FieldByName("Datum").IsNull());
    EXPECT_TRUE(Copy->FieldByName("Zeit").IsNull());
}

TEST(KWDataSetJSONConverter, FloatsKeepFifteenDigitsAndWholeValuesNoFraction)
{
    const std::pair<double, const char*> Cases[] = {
        {2.0, "2"}, {-0.5, "-0.5"}, {0.1 + 0.2, "0.3"}, {1.0 / 3.0, "0.333333333333333"}, {1e20, "1e+20"}};
    for (const auto& [Value, Written] : Cases) {
        auto Table = MakeTable();
        Table->Append();
        Table->FieldByName("Wert").SetAsFloat(Value);
        Table->Post();
        EXPECT_EQ((*TConverter::DataSet(*Table).AsJSONObject())["Wert"].dump(), Written);
    }
}

TEST(KWDataSetJSONConverter, EscapingKeepsBackslashesApartFromLineBreaks)
{
    const QString Texts[] = {"a\\nb", "a\nb", "tab\there\r\n", QString("bell") + QChar(7),
                             "form\ffeed", "back\\\\slash", "\\x"};
    for (const QString& Text : Texts) {
        auto Table = MakeTable();
        Table->Append();
        Table->FieldByName("Text").SetAsString(Text);
        Table->Post();
        const std::string Written = TConverter::DataSet(*Table).AsJSONObject()->dump();
        auto Copy = MakeTable();
        TConverter::JSON(TKWJson::parse(Written)).ToDataSet(*Copy);
        EXPECT_EQ(Copy->FieldByName("Text").AsString(), Text) << Written;
    }
    EXPECT_EQ(KWEscapeJSONText("a\\nb\nc"), "a\\\\nb\\nc");
    EXPECT_EQ(KWUnescapeJSONText("\\q\\"), "\\q\\") << "unknown escapes stay as written";
}

struct TReadCase
{
    const char* Member;
    int Zahl;
    QString Text;
};

TEST(KWDataSetJSONConverter, MembersAreReadThroughTheirText)
{
    const TReadCase Cases[] = {
        {"7", 7, "7"},       {"2.5", 0, "2.5"},    {"\"12\"", 12, "12"},
        {"\"zwölf\"", 0, "zwölf"}, {"null", 0, "null"}, {"true", 0, "true"},
        {"{}", 0, ""},       {"[1]", 0, ""},
    };
    for (const TReadCase& Case : Cases) {
        auto Table = MakeTable();
        const TKWJson Member = TKWJson::parse(Case.Member);
        TConverter::JSON(TKWJson{{"Zahl", Member}, {"Text", Member}}).ToDataSet(*Table);
        EXPECT_EQ(Table->FieldByName("Zahl").AsInteger(), Case.Zahl) << Case.Member;
        EXPECT_EQ(Table->FieldByName("Text").AsString(), Case.Text) << Case.Member;
    }
}

TEST(KWDataSetJSONConverter, BooleanOnlyTakesTrueOrFalse)
{
    auto Table = MakeTable();
    Table->Append();
    Table->FieldByName("Ja").SetAsBoolean(true);
    Table->Post();
    TConverter::JSON(Parse(R"({"Ja":1})")).ToRecord(*Table);
    EXPECT_TRUE(Table->FieldByName("Ja").AsBoolean()) << "a non-Boolean value leaves the field";
    TConverter::JSON(Parse(R"({"Ja":false})")).ToRecord(*Table);
    EXPECT_FALSE(Table->FieldByName("Ja").AsBoolean());
    EXPECT_EQ(Table->RecordCount(), 1) << "record mode writes into the current record";
}

TEST(KWDataSetJSONConverter, UnreadableValuesStopTheConversion)
{
    const char* Bad[] = {R"({"Wert":"1.5"})", R"({"Wert":null})", R"({"Datum":"2024-1-5"})",
                         R"({"Datum":"2024-02-30"})", R"({"Zeit":"7:00"})", R"({"Datum":20240105})",
                         // signs and blanks would read, but come back in a form that does not
                         R"({"Datum":"-001-05-14"})", R"({"Datum":" 202-05-14"})",
                         R"({"Zeit":"+7:00:00"})", R"({"Moment":"2024-05-14 -1:00:00"})"};
    for (const char* Text : Bad) {
        auto Table = MakeTable();
        TConverter::JSON(Parse(R"([{"Zahl":1}])")).ToDataSet(*Table);
        EXPECT_THROW(TConverter::JSON(Parse(Text)).ToDataSet(*Table), EDataSetJSONConverterException)
            << Text;
        EXPECT_EQ(Table->RecordCount(), 1) << "the failed record is not posted, earlier ones stay";
        EXPECT_EQ(Table->State(), TKWTableState::tsBrowse);
    }
}

TEST(KWDataSetJSONConverter, ArraysAppendInOrderAndNestedArraysInPlace)
{
    auto Table = MakeTable();
    TConverter::JSON(Parse(R"([[{"Zahl":1},{"Zahl":2}],{"Zahl":3}])")).ToDataSet(*Table);
    TConverter::JSON(Parse(R"({"Zahl":4,"Fremd":"x"})")).ToDataSet(*Table);
    ASSERT_EQ(Table->RecordCount(), 4);
    Table->SetRecNo(2);
    const TKWJson Array = *TConverter::DataSet(*Table).AsJSONArray();
    EXPECT_EQ(Table->RecNo(), 2) << "the cursor returns to where it was";
    ASSERT_EQ(Array.size(), 4u);
    for (int I = 0; I < 4; ++I)
        EXPECT_EQ(Array[static_cast<size_t>(I)]["Zahl"], I + 1);
}

// Nested arrays used to be read by recursion, so a deep enough nesting overflowed the stack.
TEST(KWDataSetJSONConverter, DeeplyNestedArraysAreReadInPlaceWithoutRecursion)
{
    TKWJson Nested = TKWJson::array({TKWJson{{"Zahl", 1}}});
    for (int I = 0; I < 100000; ++I)
        Nested = TKWJson::array({std::move(Nested), TKWJson{{"Zahl", 2}}});
    auto Table = MakeTable();
    TConverter::JSON(Nested).ToDataSet(*Table);
    ASSERT_EQ(Table->RecordCount(), 100001);
    Table->First();
    EXPECT_EQ(Table->FieldByName("Zahl").AsInteger(), 1);
    Table->Last();
    EXPECT_EQ(Table->FieldByName("Zahl").AsInteger(), 2);
}

// A field's value as the program reads it: empty reads as 0, false or an invalid date or time.
QVariant TypedValue(const TKWField& AField)
{
    switch (AField.DataType()) {
    case TKWFieldType::ftString: return AField.AsString();
    case TKWFieldType::ftInteger: return AField.AsInteger();
    case TKWFieldType::ftFloat: return AField.AsFloat();
    case TKWFieldType::ftBoolean: return AField.AsBoolean();
    case TKWFieldType::ftDate: return AField.AsDate();
    case TKWFieldType::ftTime: return AField.AsTime();
    case TKWFieldType::ftDateTime: return AField.AsDateTime();
    }
    return {};
}

// Whatever the reader accepts, the writer writes so that it reads back to the same value: the
// first write is a fixed point of reading and writing again.
TEST(KWDataSetJSONConverter, WhatIsReadIsWrittenSoThatItReadsBackTheSame)
{
    std::mt19937 Random(20261211);
    const std::string Pieces[] = {"0", "1", "9", "2024", "-", "+", " ", ":", "12", "59", "60",
                                  "\\", "\\n", "\n", "x", ".", "e5", "00", "31", "24", "ä"};
    auto RandomText = [&] {
        std::string Text;
        for (int N = std::uniform_int_distribution(0, 8)(Random); N > 0; --N)
            Text += Pieces[std::uniform_int_distribution<std::size_t>(0, std::size(Pieces) - 1)(Random)];
        return Text;
    };
    auto RandomMember = [&]() -> TKWJson {
        switch (std::uniform_int_distribution(0, 5)(Random)) {
        case 0: return nullptr;
        case 1: return std::uniform_int_distribution(0, 1)(Random) == 1;
        case 2: return std::uniform_int_distribution<long long>(-3000000000LL, 3000000000LL)(Random);
        case 3: return std::uniform_real_distribution(-1e6, 1e6)(Random);
        case 4: return QDate(2000, 1, 1).addDays(std::uniform_int_distribution(-800000, 800000)(Random))
                           .toString("yyyy-MM-dd hh:mm:ss").toStdString() + RandomText();
        default: return RandomText();
        }
    };
    int Accepted = 0;
    for (int Round = 0; Round < 20000; ++Round) {
        auto Table = MakeTable();
        const TKWField& Field = Table->Fields(Round % Table->FieldCount());
        const TKWJson Member{{Field.FieldName().toStdString(), RandomMember()}};
        try {
            TConverter::JSON(Member).ToDataSet(*Table);
        } catch (const EDataSetJSONConverterException&) {
            continue;
        }
        ++Accepted;
        const TKWJson Written = *TConverter::DataSet(*Table).AsJSONObject();
        auto Again = MakeTable();
        ASSERT_NO_THROW(TConverter::JSON(TKWJson::parse(Written.dump())).ToDataSet(*Again)) << Member.dump();
        const TKWJson Rewritten = *TConverter::DataSet(*Again).AsJSONObject();
        EXPECT_EQ(Rewritten.dump(), Written.dump()) << Member.dump();
        if (Field.DataType() != TKWFieldType::ftFloat) { // floats keep 15 significant digits
            EXPECT_EQ(TypedValue(Again->Fields(Field.Index())), TypedValue(Field)) << Member.dump();
        }
    }
    EXPECT_GT(Accepted, 5000) << "the cases reach the reader's accepting paths";
}

TEST(KWDataSetJSONConverter, EmptyTablesAndMissingSources)
{
    auto Table = MakeTable();
    EXPECT_FALSE(TConverter::DataSet(*Table).AsJSONObject());
    EXPECT_FALSE(TConverter::DataSet(*Table).AsJSONArray());
    try {
        TConverter::DataSet().AsJSONObject();
        FAIL();
    } catch (const EDataSetJSONConverterException& E) {
        EXPECT_EQ(E.Message(), "DataSet Uninformed!");
    }
    try {
        TConverter::JSON(TKWJson(5)).ToDataSet(*Table);
        FAIL();
    } catch (const EDataSetJSONConverterException& E) {
        EXPECT_EQ(E.Message(), "JSON Value Uninformed!");
    }
}

} // namespace

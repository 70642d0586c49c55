#include "KWMemTable.h"

#include "KWException.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TKWMemTable> MakeTable()
{
    return std::make_unique<TKWMemTable>(std::vector<TKWFieldDef>{
        {"Text", TKWFieldType::ftString, 5},
        {"Zahl", TKWFieldType::ftInteger},
        {"Wert", TKWFieldType::ftFloat},
        {"Ja", TKWFieldType::ftBoolean},
        {"Datum", TKWFieldType::ftDate},
        {"Zeit", TKWFieldType::ftTime},
    });
}

// Appends records whose "Zahl" holds the given values.
void AppendNumbers(TKWMemTable& ATable, std::initializer_list<int> AValues)
{
    for (int Value : AValues) {
        ATable.Append();
        ATable.FieldByName("Zahl").SetAsInteger(Value);
        ATable.Post();
    }
}

std::vector<int> Numbers(TKWMemTable& ATable)
{
    std::vector<int> Result;
    for (ATable.First(); !ATable.Eof(); ATable.Next())
        Result.push_back(ATable.FieldByName("Zahl").AsInteger());
    return Result;
}

TEST(KWMemTable, EmptyTableHasNoRecordAndReadsEmptyValues)
{
    auto Table = MakeTable();
    EXPECT_EQ(Table->RecordCount(), 0);
    EXPECT_EQ(Table->RecNo(), 0);
    EXPECT_TRUE(Table->Eof());
    EXPECT_TRUE(Table->Bof());
    EXPECT_TRUE(Table->FieldByName("Zahl").IsNull());
    EXPECT_EQ(Table->FieldByName("Zahl").AsInteger(), 0);
    EXPECT_EQ(Table->FieldByName("Text").AsString(), "");
    EXPECT_FALSE(Table->FieldByName("Ja").AsBoolean());
    EXPECT_FALSE(Table->FieldByName("Datum").AsDate().isValid());
}

TEST(KWMemTable, AppendPostAndCancel)
{
    auto Table = MakeTable();
    Table->Append();
    EXPECT_EQ(Table->State(), TKWTableState::tsInsert);
    EXPECT_EQ(Table->RecNo(), -1) << "a record being inserted has no number yet";
    EXPECT_TRUE(Table->FieldByName("Zahl").IsNull()) << "a new record starts empty";
    Table->FieldByName("Zahl").SetAsInteger(7);
    Table->Post();
    EXPECT_EQ(Table->RecordCount(), 1);
    EXPECT_EQ(Table->RecNo(), 1);

    Table->Append();
    Table->FieldByName("Zahl").SetAsInteger(8);
    Table->Cancel();
    EXPECT_EQ(Table->RecordCount(), 1);
    EXPECT_EQ(Table->FieldByName("Zahl").AsInteger(), 7) << "cancel returns to the record before";

    Table->Edit();
    Table->FieldByName("Zahl").SetAsInteger(9);
    Table->Cancel();
    EXPECT_EQ(Table->FieldByName("Zahl").AsInteger(), 7);
}

TEST(KWMemTable, EditOnEmptyTableInserts)
{
    auto Table = MakeTable();
    Table->Edit();
    EXPECT_EQ(Table->State(), TKWTableState::tsInsert);
    Table->FieldByName("Text").SetAsString("a");
    Table->Post();
    EXPECT_EQ(Table->RecordCount(), 1);
}

TEST(KWMemTable, MovingTheCursorPostsPendingChanges)
{
    auto Table = MakeTable();
    AppendNumbers(*Table, {1, 2});
    Table->First();
    Table->Edit();
    Table->FieldByName("Zahl").SetAsInteger(10);
    Table->Next();
    Table->Append();
    Table->FieldByName("Zahl").SetAsInteger(3);
    Table->First();
    EXPECT_EQ(Numbers(*Table), (std::vector<int>{10, 2, 3}));
}

TEST(KWMemTable, NavigationVisitsEveryRecordOnce)
{
    auto Table = MakeTable();
    AppendNumbers(*Table, {1, 2, 3});
    EXPECT_EQ(Numbers(*Table), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Table->RecNo(), 3) << "Next on the last record stays there and sets Eof";

    Table->Last();
    std::vector<int> Backwards;
    for (; !Table->Bof(); Table->Prior())
        Backwards.push_back(Table->FieldByName("Zahl").AsInteger());
    EXPECT_EQ(Backwards, (std::vector<int>{3, 2, 1}));

    Table->SetRecNo(2);
    EXPECT_EQ(Table->FieldByName("Zahl").AsInteger(), 2);
    EXPECT_THROW(Table->SetRecNo(4), EKWException);
}

TEST(KWMemTable, DeleteKeepsTheCursorOnANeighbour)
{
    auto Table = MakeTable();
    AppendNumbers(*Table, {1, 2, 3});
    Table->SetRecNo(2);
    Table->Delete();
    EXPECT_EQ(Table->FieldByName("Zahl").AsInteger(), 3) << "the next record follows up";
    Table->Delete();
    EXPECT_EQ(Table->FieldByName("Zahl").AsInteger(), 1) << "after the last, the new last";
    Table->Append();
    Table->Delete();
    EXPECT_EQ(Table->RecordCount(), 1) << "deleting a pending insert only cancels it";
    Table->Delete();
    EXPECT_EQ(Table->RecNo(), 0);
    EXPECT_THROW(Table->Delete(), EKWException);
}

TEST(KWMemTable, BeforeScrollRunsBeforeTheCurrentRecordChanges)
{
    auto Table = MakeTable();
    AppendNumbers(*Table, {1, 2});
    std::vector<int> Seen;
    Table->SetBeforeScroll([&] { Seen.push_back(Table->FieldByName("Zahl").AsInteger()); });
    Table->First();
    Table->Edit();
    Table->FieldByName("Zahl").SetAsInteger(5);
    Table->Next(); // the edit is posted before the hook sees the record
    Table->SetRecNo(2);
    Table->Append();
    Table->Cancel();
    Table->Delete();
    EXPECT_EQ(Seen, (std::vector<int>{2, 5, 2, 2}));
}

TEST(KWMemTable, WritingNeedsEditOrInsertState)
{
    auto Table = MakeTable();
    AppendNumbers(*Table, {1});
    EXPECT_THROW(Table->FieldByName("Zahl").SetAsInteger(2), EKWException);
    EXPECT_THROW(Table->Post(), EKWException);
    EXPECT_THROW(Table->FieldByName("Unbekannt"), EKWException);
    EXPECT_EQ(Table->FindField("Unbekannt"), nullptr);
}

TEST(KWMemTable, TextLongerThanTheFieldSizeIsKeptWhole)
{
    auto Table = MakeTable();
    Table->Append();
    Table->FieldByName("Text").SetAsString("länger als fünf");
    Table->Post();
    EXPECT_EQ(Table->FieldByName("Text").AsString(), "länger als fünf");
}

struct TTextCase
{
    const char* Field;
    QString Input;
    bool Null;
    QString Shown;
};

// Pages write an edit's text into typed fields; an empty edit empties the field.
TEST(KWMemTable, TextIntoTypedFieldsUsesTheUserNumberFormat)
{
    TScopedLocale German(QLocale::German, QLocale::Germany);
    const TTextCase Cases[] = {
        {"Zahl", "", true, ""},
        {"Zahl", "  ", true, ""},
        {"Zahl", " 12 ", false, "12"},
        {"Zahl", "-3", false, "-3"},
        {"Wert", "1,5", false, "1,5"},
        {"Wert", "", true, ""},
        {"Wert", "1234,25", false, "1234,25"},
        {"Ja", "True", false, "True"},
        {"Ja", "false", false, "False"},
        {"Datum", "2024-01-05", false, QLocale().toString(QDate(2024, 1, 5), QLocale::ShortFormat)},
        {"Zeit", "07:05:09", false, "07:05:09"},
        {"Zeit", "7:05", false, "07:05:00"},
        {"Text", "", false, ""},
    };
    for (const TTextCase& Case : Cases) {
        auto Table = MakeTable();
        Table->Append();
        Table->FieldByName(Case.Field).SetAsString(Case.Input);
        Table->Post();
        const TKWField& Field = Table->FieldByName(Case.Field);
        EXPECT_EQ(Field.IsNull(), Case.Null) << Case.Field << " <- '" << Case.Input.toStdString() << "'";
        EXPECT_EQ(Field.AsString(), Case.Shown) << Case.Field << " <- '" << Case.Input.toStdString() << "'";
    }
}

TEST(KWMemTable, UnreadableTextIsAnError)
{
    auto Table = MakeTable();
    Table->Append();
    for (const char* Field : {"Zahl", "Wert", "Ja", "Datum", "Zeit"})
        EXPECT_THROW(Table->FieldByName(Field).SetAsString("abc"), EKWException) << Field;
    EXPECT_TRUE(Table->FieldByName("Zahl").IsNull()) << "a failed write leaves the field as it was";
}

// Pages write every entry through one helper; a failed write must not leave the table in edit
// mode (every later move would post a half-written record) nor create a record.
TEST(KWMemTable, WriteValuePostsAtOnceOrLeavesTheTableAsItWas)
{
    auto Table = MakeTable();
    EXPECT_THROW(Table->WriteValue("Zahl", "abc"), EKWException);
    EXPECT_EQ(Table->RecordCount(), 0);
    EXPECT_EQ(Table->State(), TKWTableState::tsBrowse);

    Table->WriteValue("Zahl", "12");
    Table->WriteValue("Ja", true);
    Table->WriteValue("Datum", QDate(2024, 5, 14));
    EXPECT_EQ(Table->RecordCount(), 1);
    EXPECT_EQ(Table->State(), TKWTableState::tsBrowse);
    EXPECT_EQ(Table->FieldByName("Zahl").AsInteger(), 12);
    EXPECT_TRUE(Table->FieldByName("Ja").AsBoolean());

    EXPECT_THROW(Table->WriteValue("Wert", "x"), EKWException);
    EXPECT_EQ(Table->State(), TKWTableState::tsBrowse);
    EXPECT_EQ(Table->FieldByName("Zahl").AsInteger(), 12) << "the record keeps its values";
    Table->WriteValue("Zahl", QVariant());
    EXPECT_TRUE(Table->FieldByName("Zahl").IsNull());
    EXPECT_THROW(Table->WriteValue("Unbekannt", 1), EKWException);
}

TEST(KWMemTable, TypedReadsConvertBetweenNumbers)
{
    TScopedLocale English(QLocale::English, QLocale::UnitedStates);
    auto Table = MakeTable();
    Table->Append();
    Table->FieldByName("Wert").SetAsFloat(2.5);
    Table->FieldByName("Zahl").SetAsFloat(3.5);
    Table->FieldByName("Text").SetAsInteger(42);
    Table->FieldByName("Ja").SetAsInteger(2);
    Table->FieldByName("Datum").SetAsDate(QDate(2024, 2, 29));
    Table->Post();
    EXPECT_EQ(Table->FieldByName("Wert").AsInteger(), 2) << "fractions round half to even";
    EXPECT_EQ(Table->FieldByName("Zahl").AsInteger(), 4);
    EXPECT_EQ(Table->FieldByName("Wert").AsString(), "2.5");
    EXPECT_EQ(Table->FieldByName("Text").AsInteger(), 42);
    EXPECT_TRUE(Table->FieldByName("Ja").AsBoolean());
    EXPECT_THROW(Table->FieldByName("Datum").AsInteger(), EKWException);
}

} // namespace

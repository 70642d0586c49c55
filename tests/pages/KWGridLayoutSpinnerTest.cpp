#include "KWGridLayoutSpinner.h"

#include "KWImageSpinner.h"
#include "KWMemTable.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QStringList Fields{"Fressgitter", "Futtergang", "Boxengang", "LiegenBox", "Brustlage"};

std::vector<TKWFieldDef> FieldDefs()
{
    std::vector<TKWFieldDef> Defs;
    for (const QString& Field : Fields)
        Defs.push_back({Field, TKWFieldType::ftInteger});
    return Defs;
}

std::vector<TSpinnerGridEntry> Entries(int ACount)
{
    std::vector<TSpinnerGridEntry> Result;
    for (int I = 0; I < ACount; ++I)
        Result.push_back(
            TSpinnerGridEntry::CreateSpinnerGridEntry(Fields[I], Fields[I], true, "BoxSkyBlue"));
    return Result;
}

class KWGridLayoutSpinnerTest : public ::testing::Test
{
protected:
    void Build(int AEntries)
    {
        FGrid = std::make_unique<TKWGridLayoutSpinner>(nullptr, FTable, Entries(AEntries));
        FGrid->Init();
        QObject::connect(FGrid.get(), &TKWGridLayoutSpinner::OnChange, [this] { ++FChanges; });
        FGrid->show();
    }
    TKWImageSpinner* Spinner(const QString& AField) const
    {
        return FGrid->findChild<TKWImageSpinner*>(AField);
    }
    void Tap(const QString& AField, const char* AButton) const
    {
        QTest::mouseClick(Spinner(AField)->findChild<QWidget*>(AButton), Qt::LeftButton);
    }
    int Stored(const QString& AField) const { return FTable.FieldByName(AField).AsInteger(); }

    TKWMemTable FTable{FieldDefs()};
    std::unique_ptr<TKWGridLayoutSpinner> FGrid;
    int FChanges = 0;
};

TEST_F(KWGridLayoutSpinnerTest, FiveEntriesAtTheContentWidthMakeFourColumnsAndTwoRows)
{
    Build(5);
    EXPECT_EQ(FGrid->Columns(), 4);
    EXPECT_EQ(FGrid->Rows(), 2);
    EXPECT_EQ(FGrid->width(), 1100);
    EXPECT_EQ(Spinner("Fressgitter")->width(), 250);
    EXPECT_EQ(Spinner("LiegenBox")->y(), Spinner("Fressgitter")->y());
    EXPECT_GT(Spinner("Brustlage")->y(), Spinner("Fressgitter")->geometry().bottom());
    EXPECT_EQ(Spinner("Brustlage")->x(), Spinner("Fressgitter")->x());
    EXPECT_GT(FGrid->height(), Spinner("Brustlage")->geometry().bottom());
}

TEST_F(KWGridLayoutSpinnerTest, ATapIsWrittenSummedAndReported)
{
    Build(3);
    // The first tap on an empty table creates its record.
    Tap("Futtergang", "PlusButton");
    Tap("Futtergang", "Image");
    Tap("Boxengang", "PlusButton");
    Tap("Boxengang", "MinusButton");
    Tap("Boxengang", "MinusButton");
    EXPECT_EQ(FTable.RecordCount(), 1);
    EXPECT_EQ(FTable.State(), TKWTableState::tsBrowse);
    EXPECT_EQ(Stored("Futtergang"), 2);
    EXPECT_EQ(Stored("Boxengang"), 0);
    EXPECT_EQ(FGrid->Sum(), 2);
    EXPECT_EQ(FChanges, 4) << "the minus at 0 changes nothing";

    // A typed value is written as it is typed.
    QLineEdit* Field = Spinner("Fressgitter")->findChild<QLineEdit*>("ValueField");
    Field->selectAll();
    QTest::keyClicks(Field, "15");
    EXPECT_EQ(Stored("Fressgitter"), 15);
    EXPECT_EQ(FGrid->Sum(), 17);
}

TEST_F(KWGridLayoutSpinnerTest, ATapStoresARecordBeingInserted)
{
    Build(2);
    FTable.Append();
    Tap("Fressgitter", "PlusButton");
    EXPECT_EQ(FTable.State(), TKWTableState::tsBrowse);
    EXPECT_EQ(FTable.RecordCount(), 1);
    EXPECT_EQ(Stored("Fressgitter"), 1);
}

TEST_F(KWGridLayoutSpinnerTest, RefreshShowsTheRecordWithoutWritingAndAppliesEnabledStates)
{
    Build(3);
    FTable.Append();
    FTable.FieldByName("Fressgitter").SetAsInteger(4);
    FTable.FieldByName("Boxengang").SetAsInteger(6);
    FTable.Post();
    const quint64 Changes = FTable.ChangeCount();
    FGrid->SetEntryEnabled(2, false);
    FGrid->RefreshValues();

    EXPECT_EQ(Spinner("Fressgitter")->Value(), 4);
    EXPECT_EQ(Spinner("Futtergang")->Value(), 0) << "an empty field shows 0";
    EXPECT_EQ(FGrid->Sum(), 10) << "a disabled counter still counts";
    EXPECT_FALSE(Spinner("Boxengang")->isEnabled());
    EXPECT_EQ(FTable.ChangeCount(), Changes);
    EXPECT_EQ(FChanges, 0);

    Tap("Boxengang", "PlusButton");
    EXPECT_EQ(Stored("Boxengang"), 6);
}

} // namespace

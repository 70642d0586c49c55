#include "KWGridEntry.h"

#include "KWCode.h"
#include "KWException.h"
#include "KWMemTable.h"

#include <gtest/gtest.h>

namespace {

class KWGridEntryTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { TCodes::Init(); }

    TKWMemTable FTable{{{"Text", TKWFieldType::ftString, 20},
                        {"Zahl", TKWFieldType::ftInteger},
                        {"Ja", TKWFieldType::ftBoolean}}};
};

TEST_F(KWGridEntryTest, AMandatoryRowIsMissingWhileItsFieldHoldsNoAnswer)
{
    TGridEntries Rows;
    TGridEntry& Text = Rows.Add(etText, "Text", "Betriebsinhaber", true);
    TGridEntry& Ja = Rows.Add(etCheckBox, "Ja", "Zuchtbulle", true);
    Rows.Add(etLabel, "Zahl", "berechnet", true);
    Rows.Add(etNumber, "Zahl", "Anzahl");

    EXPECT_TRUE(KWIsRowMissing(Text, FTable));
    EXPECT_TRUE(KWIsRowMissing(Ja, FTable)) << "a switch never set is no answer";
    FTable.WriteValue("Text", "   ");
    FTable.WriteValue("Ja", false);
    EXPECT_TRUE(KWIsRowMissing(Text, FTable)) << "blanks are no answer";
    EXPECT_FALSE(KWIsRowMissing(Ja, FTable)) << "false is an answer";
    EXPECT_FALSE(KWIsComplete(Rows.List(), FTable));
    FTable.WriteValue("Text", "Huber");
    EXPECT_TRUE(KWIsComplete(Rows.List(), FTable)) << "read-only and optional rows never miss";
}

TEST_F(KWGridEntryTest, ARowReadsItsOwnTable)
{
    TKWMemTable Other({{"Text", TKWFieldType::ftString, 20}});
    TGridEntries Rows;
    Rows.Add(etText, "Text", "Stall", true).MemData = &Other;
    FTable.WriteValue("Text", "hier");
    EXPECT_FALSE(KWIsComplete(Rows.List(), FTable));
    Other.WriteValue("Text", "dort");
    EXPECT_TRUE(KWIsComplete(Rows.List(), FTable));
}

TEST_F(KWGridEntryTest, SonstigesIsStoredAsSonstFollowedByTheText)
{
    const struct
    {
        const char* Stored;
        const char* Code;
        const char* FreeText;
    } Cases[] = {{"SONSTWeide", "SONST", "Weide"}, {"SONST", "SONST", ""},
                 {"SONST  Weide ", "SONST", "Weide"}, {"LL", "LL", ""}, {"sonstx", "sonstx", ""}};
    for (const auto& Case : Cases) {
        const TKWSonstValue Value = KWSplitSonst(Case.Stored);
        EXPECT_EQ(Value.Code, Case.Code) << Case.Stored;
        EXPECT_EQ(Value.FreeText, Case.FreeText) << Case.Stored;
    }
    EXPECT_EQ(KWJoinSonst(" Weide"), "SONST Weide");
    EXPECT_EQ(KWSonstItemText("Sonstiges", "Weide"), "Sonstiges - Weide");
    EXPECT_EQ(KWSonstItemText("Sonstiges", ""), "Sonstiges");
}

TEST_F(KWGridEntryTest, CodeRowsOfferTheListedCodesInOrder)
{
    TGridEntries Rows;
    const TGridEntry& Row = Rows.AddCodes("Text", "Stallsystem", "STALLSYSTEM", {"AB", "LL"});
    ASSERT_EQ(Row.Values.size(), 2u);
    EXPECT_EQ(Row.Values[0]->FCode, "AB");
    EXPECT_THROW(KWCodesOf("STALLSYSTEM", {"XX"}), EKWException);
}

} // namespace

#include "KWIndikator.h"

#include "KWCode.h"
#include "KWDataStoreAuswertung.h"
#include "KWDataStoreErfassung.h"
#include "KWException.h"
#include "KWMemTable.h"
#include "KWNumberFormat.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(KWIndikatorTablesTest, ReferenceTableHoldsTheAssessmentStandard)
{
    ASSERT_EQ(KWReferenceTable().size(), 82u);
    struct TRow
    {
        int Index;
        const char* ID;
        double Reference;
        double Target;
    };
    const TRow Rows[] = {
        {0, "Fressgitter", 22, 22},
        {7, "WartenAMS", -10, 0},
        {8, "LiegeboxenAkzeptanzIndex", 58, -10},
        {15, "KotMittig", 6.7, 5},
        {24, "Hinterhand", 2.8, 2.66},
        {47, "KopfhaltungKl20", 68, 100},
        {55, "MobilityCheckVerhaltenRuhig", -10, 95},
        {81, "Velkora.Dunavis.AC", 5, 2},
    };
    for (const TRow& Row : Rows) {
        const TKWReferenceEntry& Entry = KWReferenceTable()[static_cast<size_t>(Row.Index)];
        EXPECT_EQ(Entry.ID, Row.ID);
        EXPECT_EQ(Entry.Reference, Row.Reference) << Row.ID;
        EXPECT_EQ(Entry.Target, Row.Target) << Row.ID;
        EXPECT_EQ(KWGetReferenceValue(Row.ID), Row.Reference) << Row.ID;
        EXPECT_EQ(KWGetTargetValue(Row.ID), Row.Target) << Row.ID;
    }
    EXPECT_TRUE(std::isnan(KWGetReferenceValue("BetriebTierLiegeplatzVerh")));
    EXPECT_TRUE(std::isnan(KWGetTargetValue("Unbekannt")));
}

TEST(KWIndikatorTablesTest, TargetDescriptionsSplitIntoShownAndInTargetPieces)
{
    ASSERT_EQ(KWTargetDescTable().size(), 28u);
    struct TRow
    {
        int Index;
        const char* ID;
        const char* Shown;
        const char* InTarget;
    };
    const TRow Rows[] = {
        {0, "BetriebTierLiegeplatzVerh", "1:1", "0,95 -- 1,1"},
        {10, "MngmtReinigungSpalten", "ab 2x täglich", "2T 3T 4T 5T 6T 7T 8T 9T 10T 11T 12T 24T"},
        {15, "FressbereichTrogHoehe", "≤ 50 cm", "--  50"},
        {16, "LiegeboxBugbegrMaterial", "kein Brett oder Beton",
         "RUN_HOL KUNST KEIN PE_ROH KG_ROH ERG_BOR SCHLA MET_ROH"},
        {27, "BoxGangDurchberBreite", "≥ 250 cm", "250 --"},
    };
    for (const TRow& Row : Rows) {
        const TKWTargetDescEntry& Entry = KWTargetDescTable()[static_cast<size_t>(Row.Index)];
        EXPECT_EQ(Entry.ID, Row.ID);
        EXPECT_EQ(Entry.Shown, Row.Shown);
        EXPECT_EQ(Entry.InTarget, Row.InTarget);
        const QStringList Pieces = KWGetTargetValueDesc(Row.ID).split('|');
        ASSERT_EQ(Pieces.size(), 2) << Row.ID;
        EXPECT_EQ(Pieces[0].trimmed(), Row.Shown);
        EXPECT_EQ(Pieces[1].trimmed(), Row.InTarget);
    }
    // Lined up for a fixed-width font.
    EXPECT_EQ(KWGetTargetValueDesc("BetriebStallHeterogen").indexOf('|'),
              KWGetTargetValueDesc("BetriebMehrplatztraenkenAnz").indexOf('|'));
    EXPECT_EQ(KWGetTargetValueDesc("Hinterhand"), "Unbekannt | ");
}

class KWIndikatorTest : public ::testing::Test
{
protected:
    void SetUp() override { TCodes::Init(); }

    TKWIndikator& Indikator(const char* AID) { return FAuswertung.GetIndikator(AID); }

    void Set(const char* AArea, const char* AField, const QString& AValue)
    {
        TKWMemTable& Table = FErfassung.GetData(AArea);
        Table.Edit();
        Table.FieldByName(AField).SetAsString(AValue);
        Table.Post();
    }

    TScopedLocale FGerman{QLocale::German, QLocale::Germany};
    TKWDataStoreErfassung FErfassung;
    TKWDataStoreAuswertung FAuswertung{FErfassung};
};

TEST_F(KWIndikatorTest, NewIndicatorTakesReferenceAndTarget)
{
    const TKWIndikator& LiegenBox = Indikator("LiegenBox");
    EXPECT_EQ(LiegenBox.ReferenceValue(), 53);
    EXPECT_EQ(LiegenBox.TargetValue(), 66);
    EXPECT_EQ(LiegenBox.TargetValueDesc(), "66");
    EXPECT_EQ(LiegenBox.TargetValueText(), "66");
    EXPECT_EQ(LiegenBox.TargetValueCodes(), "");
    EXPECT_EQ(LiegenBox.Value(), 0);
    EXPECT_EQ(LiegenBox.ValueCode(), "");
    EXPECT_EQ(LiegenBox.ToString(), "LiegenBox (LiegenBox, )");

    EXPECT_EQ(Indikator("Hinterhand").TargetValueDesc(), "2,66") << "user's decimal separator";
    EXPECT_EQ(Indikator("WartenAMS").ReferenceValue(), -10);
    EXPECT_EQ(Indikator("WartenAMS").TargetValue(), 0);

    const TKWIndikator& Signal = Indikator("BetriebTierLiegeplatzVerh");
    EXPECT_TRUE(std::isnan(Signal.ReferenceValue()));
    EXPECT_TRUE(std::isnan(Signal.TargetValue()));
    EXPECT_EQ(Signal.TargetValueText(), "1:1");
    EXPECT_EQ(Signal.TargetValueCodes(), "0,95 -- 1,1");
}

TEST_F(KWIndikatorTest, RefreshClearAndValueText)
{
    Set("AufenthaltsortKuehe", "LiegenBox", "1");
    Set("AufenthaltsortKuehe", "Fressgitter", "2");
    TKWIndikator& LiegenBox = Indikator("LiegenBox");
    LiegenBox.RefreshValue();
    EXPECT_DOUBLE_EQ(LiegenBox.Value(), 100.0 / 3);
    EXPECT_EQ(LiegenBox.ValueCode(), "33,3333333333333");
    EXPECT_EQ(LiegenBox.ValueText(), "33,3333333333333");

    Set("HaltungManagement", "Bugbegrenzung", "BRE");
    TKWIndikator& Material = Indikator("LiegeboxBugbegrMaterial");
    Material.RefreshValue();
    EXPECT_TRUE(std::isnan(Material.Value()));
    EXPECT_EQ(Material.ValueCode(), "BRE");
    EXPECT_EQ(Material.ValueText(), "Brett");

    LiegenBox.SetRating("-");
    LiegenBox.SetWeakness(true);
    LiegenBox.ClearData();
    EXPECT_EQ(LiegenBox.Value(), 0);
    EXPECT_EQ(LiegenBox.ValueCode(), "0");
    EXPECT_EQ(LiegenBox.Rating(), "");
    EXPECT_FALSE(LiegenBox.Weakness());
    EXPECT_EQ(LiegenBox.ReferenceValue(), 53);
}

TEST_F(KWIndikatorTest, JsonKeepsTheKindOfValue)
{
    Set("HaltungManagement", "AnzahlHeterogen", "true");
    TKWIndikator& Heterogen = Indikator("BetriebStallHeterogen");
    Heterogen.RefreshValue();
    Heterogen.SetRating("o");
    EXPECT_EQ(Heterogen.GetDataAsJson().dump(),
              R"({"Wert":"Ja","Bewertung":"o","Schwachstelle":false})");

    TKWIndikator& Kreuz = Indikator("Kreuz");
    Kreuz.SetWeakness(true);
    EXPECT_EQ(Kreuz.GetDataAsJson().dump(), R"({"Wert":0.0,"Bewertung":"","Schwachstelle":true})");

    Heterogen.LoadFromJson(
        TKWJson::parse(R"({"Wert":"Nein","Bewertung":"+","Schwachstelle":true})"));
    EXPECT_EQ(Heterogen.ValueCode(), "Nein");
    EXPECT_TRUE(std::isnan(Heterogen.Value()));
    EXPECT_EQ(Heterogen.Rating(), "+");
    EXPECT_TRUE(Heterogen.Weakness());

    Kreuz.LoadFromJson(TKWJson::parse(R"({"Wert":2.5,"Bewertung":"--","Schwachstelle":false})"));
    EXPECT_EQ(Kreuz.Value(), 2.5);
    EXPECT_EQ(Kreuz.ValueCode(), "2,5");
    EXPECT_EQ(Kreuz.Rating(), "--");
    EXPECT_FALSE(Kreuz.Weakness());
}

// The message names the member that is really wrong, not one that is merely looked for.
TEST_F(KWIndikatorTest, UnreadableJsonRaisesNamingTheWrongMember)
{
    const struct
    {
        const char* Json;
        const char* Message;
    } Cases[] = {
        {R"(5)", "The entry is 5, not an object"},
        {R"({"Wert":1,"Schwachstelle":false})", "'Bewertung' missing"},
        {R"({"Bewertung":"","Schwachstelle":false})", "'Wert' missing"},
        {R"({"Wert":null,"Bewertung":"","Schwachstelle":false})", "'Wert' is null, not a number"},
        {R"({"Wert":"abc","Bewertung":"","Schwachstelle":false})", "'Wert' is \"abc\", not a number"},
        {R"({"Wert":1,"Bewertung":3,"Schwachstelle":false})", "'Bewertung' is 3, not a text"},
        {R"({"Wert":1,"Bewertung":"","Schwachstelle":"false"})",
         "'Schwachstelle' is \"false\", not true or false"},
    };
    for (const auto& Case : Cases) {
        try {
            Indikator("Kreuz").LoadFromJson(TKWJson::parse(Case.Json));
            ADD_FAILURE() << Case.Json;
        } catch (const EKWException& E) {
            EXPECT_EQ(E.Message(), QString::fromUtf8(Case.Message));
        }
    }
}

TEST_F(KWIndikatorTest, ATextIndicatorTakesANumbersDigitsAsItsCode)
{
    TKWIndikator& Sackgasse = Indikator("FnkLaufenSackgasse");
    Sackgasse.LoadFromJson(TKWJson::parse(R"({"Wert":0,"Bewertung":"o","Schwachstelle":false})"));
    EXPECT_EQ(Sackgasse.ValueCode(), "0");
    EXPECT_TRUE(KWIsTargetMet(Sackgasse));
    EXPECT_THROW(Sackgasse.LoadFromJson(TKWJson::parse(R"({"Wert":[],"Bewertung":"","Schwachstelle":false})")),
                 EKWException);
    EXPECT_EQ(Sackgasse.Rating(), "o") << "a refused entry changes nothing";
}

// Signals are coloured by this rule on the evaluation pages.
struct TTargetCase
{
    const char* Code; // nullptr: the number written in the user's format
    double Number;
    const char* Target;
    bool Met;
};

const TTargetCase TargetCases[] = {
    {"5T", 0, "2T 3T 4T 5T 6T 7T 8T 9T 10T 11T 12T 24T", true},
    {"1T", 0, "2T 3T 4T 5T 6T 7T 8T 9T 10T 11T 12T 24T", false},
    {" 2t ", 0, "2T 3T", true},
    {"0", 0, "0", true},
    {"1", 0, "0", false},
    {"KEIN", 0, "RUN_HOL KUNST KEIN PE_ROH KG_ROH ERG_BOR SCHLA MET_ROH", true},
    {"BRE", 0, "RUN_HOL KUNST KEIN PE_ROH KG_ROH ERG_BOR SCHLA MET_ROH", false},
    {"BETON", 0, "RUN_HOL KUNST KEIN PE_ROH KG_ROH ERG_BOR SCHLA MET_ROH", false},
    {"Nein", 0, "nein", true},
    {"b", 0, "A B", true},
    {"AB", 0, "A B", false},
    {"", 0, "", false},
    {"", 0, "A B", false},
    {"A", 0, "", false},
    {nullptr, 10, "10 --", true},
    {nullptr, 9, "10 --", false},
    {nullptr, 1e6, "10 --", true},
    {nullptr, 5, "-- 5", true},
    {nullptr, 5.5, "-- 5", false},
    {nullptr, 50, "--  50", true},
    {nullptr, 0.95, "0,95 -- 1,1", true},
    {nullptr, 1.05, "0,95 -- 1,1", true},
    {nullptr, 1.1, "0,95 -- 1,1", true},
    {nullptr, 0.94, "0,95 -- 1,1", false},
    {nullptr, 1.2, "0,95 -- 1,1", false},
    {nullptr, 13, "8 --  13", true},
    {"", 0, "10 --", false},
    {"Ja", 0, "10 --", false},
    {nullptr, 12, "x -- 20", false},
};

class KWIsTargetMetTest : public ::testing::TestWithParam<QLocale::Language>
{
};

TEST_P(KWIsTargetMetTest, CodesAndRangesInEveryLocale)
{
    TScopedLocale Locale(GetParam(),
                         GetParam() == QLocale::German ? QLocale::Germany : QLocale::UnitedStates);
    for (const TTargetCase& Case : TargetCases) {
        const QString Code = Case.Code ? QString(Case.Code) : KWFloatToStr(Case.Number);
        EXPECT_EQ(KWIsTargetMet(Code, Case.Target), Case.Met)
            << "value '" << qPrintable(Code) << "', target '" << Case.Target << "'";
    }
}

TEST_P(KWIsTargetMetTest, IndicatorWithAFractionalRatio)
{
    TScopedLocale Locale(GetParam(),
                         GetParam() == QLocale::German ? QLocale::Germany : QLocale::UnitedStates);
    TKWDataStoreErfassung Erfassung;
    TKWDataStoreAuswertung Auswertung(Erfassung);
    TKWMemTable& Betrieb = Erfassung.GetData("Betriebsdaten");
    TKWIndikator& Ratio = Auswertung.GetIndikator("BetriebTierLiegeplatzVerh");
    for (const auto& [Value, Met] : {std::pair{1.05, true}, std::pair{1.15, false}}) {
        Betrieb.Edit();
        Betrieb.FieldByName("VerhaeltnisLiegeTier").SetAsFloat(Value);
        Betrieb.Post();
        Ratio.RefreshValue();
        EXPECT_EQ(KWIsTargetMet(Ratio), Met) << qPrintable(Ratio.ValueCode());
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, KWIsTargetMetTest,
                         ::testing::Values(QLocale::German, QLocale::English));

} // namespace

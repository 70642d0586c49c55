#include "KWDataStoreAuswertung.h"

#include "KWCode.h"
#include "KWDataStoreErfassung.h"
#include "KWMemTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cmath>

namespace {

class KWDataStoreAuswertungTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetLog();
        TCodes::Init();
    }

    const TKWIndikatorDefinition& Definition(int APageOrder) const
    {
        return *FAuswertung.IndikatorDefinitions().at(static_cast<size_t>(APageOrder));
    }

    QStringList ListIDs(const QString& AKey) const
    {
        QStringList IDs;
        for (const TKWIndikator* Indikator : FAuswertung.GetIndikatorList(AKey))
            IDs << Indikator->Definition().ID;
        return IDs;
    }

    void Set(const char* AArea, const char* AField, const QString& AValue)
    {
        TKWMemTable& Table = FErfassung.GetData(AArea);
        Table.Edit();
        Table.FieldByName(AField).SetAsString(AValue);
        Table.Post();
    }

    void Append(const char* AArea,
                std::initializer_list<std::pair<const char*, const char*>> AValues)
    {
        TKWMemTable& Table = FErfassung.GetData(AArea);
        Table.Append();
        for (const auto& [Field, Value] : AValues)
            Table.FieldByName(Field).SetAsString(Value);
        Table.Post();
    }

    TScopedLocale FGerman{QLocale::German, QLocale::Germany};
    TKWDataStoreErfassung FErfassung;
    TKWDataStoreAuswertung FAuswertung{FErfassung};
};

TEST_F(KWDataStoreAuswertungTest, PagesListTheirIndicatorsInDisplayOrder)
{
    struct TPage
    {
        const char* Key;
        int Size;
        const char* First;
        const char* Last;
    };
    const TPage Pages[] = {
        {"AufenthaltsortKuehe", 8, "Fressgitter", "WartenAMS"},
        {"LiegeboxenKomfortIndex", 2, "LiegeboxenAkzeptanzIndex", "LiegeboxenKomfortIndex"},
        {"LiegepositionKuehe", 5, "Brustlage", "TotaleSeitenlage"},
        {"ZustandLiegeboxen", 9, "KotMittig", "TiefboxStarkeMulde"},
        {"Sauberkeit", 8, "Hinterhand", "HerdenIndex"},
        {"Technopathien", 15, "TarsalgelenkHaarloseStelle", "KarpalgelenkUmfangsvermehrung"},
        {"Laufverhalten", 4, "KopfhaltungKl20", "KoerperpflegeDreibeinigesStehenLaufflaeche"},
        {"Abliegedauer", 4, "AbliegedauerZuegig", "AbliegedauerAbgebrochen"},
        {"MCVerhalten", 9, "MobilityCheckVerhaltenRuhig", "MobilityCheckLocomotionScore45"},
        {"MCKlauen", 12, "KlauenzustandDorsalLaengeLang", "KlauenzustandBodenwStandDringend"},
        {"Velkora", 6, "Velkora.Dunavis.AE", "Velkora.Dunavis.AC"},
        {"Signale1", 14, "BetriebTierLiegeplatzVerh", "MngmtFutterAnsch"},
        {"Signale2", 14, "FressbereichFressgitterHoehe", "BoxGangDurchberBreite"},
    };
    QStringList Keys;
    QSet<QString> Listed;
    for (const TPage& Page : Pages) {
        Keys << Page.Key;
        const QStringList IDs = ListIDs(Page.Key);
        ASSERT_EQ(IDs.size(), Page.Size) << Page.Key;
        EXPECT_EQ(IDs.first(), Page.First);
        EXPECT_EQ(IDs.last(), Page.Last);
        for (const TKWIndikator* Indikator : FAuswertung.GetIndikatorList(Page.Key))
            EXPECT_EQ(Indikator->Definition().PageID, QString("Auswertung") + Page.Key);
        Listed.unite(QSet<QString>(IDs.begin(), IDs.end()));
    }
    EXPECT_EQ(TKWDataStoreAuswertung::AuswertungKeys(), Keys);
    EXPECT_EQ(Listed.size(), 110) << "every indicator on exactly one page";
    EXPECT_EQ(ListIDs("Sauberkeit"),
              QStringList({"Hinterhand", "Kreuz", "EuterBauch", "Schwanz", "Schwanzquast",
                           "Sitzbein", "Unterbein", "HerdenIndex"}));
    EXPECT_EQ(FAuswertung.GetIndikator("WartenAMS").Definition().PageOrder, 31);
    EXPECT_EQ(FAuswertung.GetIndikator("StehenBox2Beine").Definition().PageOrder, 32);
}

TEST_F(KWDataStoreAuswertungTest, DefinitionsInCreationOrder)
{
    const auto& Definitions = FAuswertung.IndikatorDefinitions();
    ASSERT_EQ(Definitions.size(), 110u);
    QStringList Main;
    for (size_t I = 0; I < Definitions.size(); ++I) {
        const TKWIndikatorDefinition& Definition = *Definitions[I];
        EXPECT_EQ(Definition.PageOrder, static_cast<int>(I));
        EXPECT_EQ(&FAuswertung.GetIndikator(Definition.ID).Definition(), &Definition);
        // Every numeric indicator has a reference and target, every text one a description.
        const bool IsText = Definition.ValueType == vtText;
        EXPECT_EQ(std::isnan(KWGetTargetValue(Definition.ID)), IsText) << qPrintable(Definition.ID);
        EXPECT_EQ(KWGetTargetValueDesc(Definition.ID) == "Unbekannt | ", !IsText);
        if (Definition.IsMainIndicator)
            Main << Definition.ID;
    }
    EXPECT_EQ(Main, QStringList({"LiegeboxenAkzeptanzIndex", "LiegeboxenKomfortIndex", "KotGesamt",
                                 "HerdenIndex"}));

    struct TRow
    {
        int No;
        const char* ID;
        const char* Text;
        const char* PageText;
        TValueType ValueType;
        double MaxValue;
        double IncValue;
        TKWCalculationType CalculationType;
        const char* NDataID;
        QStringList NIDs;
        const char* DDataID;
        QStringList DIDs;
        QList<int> Conditions;
    };
    const TRow Rows[] = {
        {0,
         "BetriebTierLiegeplatzVerh",
         "Tier-Liegeplatz-Verhältnis (1:)",
         "Signale - Betrieb und Management",
         vtText,
         0,
         0,
         CalculationText,
         "Betriebsdaten",
         {"VerhaeltnisLiegeTier"},
         "Betriebsdaten",
         {},
         {}},
        {27,
         "BoxGangDurchberBreite",
         "Breite Durchgang",
         "Signale - Fress- und Liegebereich",
         vtText,
         0,
         0,
         CalculationTextMin,
         "StallerhebungFressLaufbereich",
         {"BreiteDurchgang", "BreiteDurchgang2", "BreiteDurchgang3"},
         "StallerhebungFressLaufbereich",
         {},
         {}},
        {36,
         "LiegeboxenAkzeptanzIndex",
         "Akz.",
         "Liegeboxenakzeptanz und LKI",
         vtPercent,
         100,
         10,
         CalculationBlock,
         "LiegeboxenKomfortIndex",
         {"GesamtzahlKueheBox"},
         "LiegeboxenKomfortIndex",
         {"AnzahlBoxen"},
         {}},
        {45,
         "KotGesamt",
         "Kot gesamt",
         "Liegeboxen und -flächen",
         vtPercent,
         100,
         10,
         CalculationPercentage,
         "ZustandLiegeboxen",
         {"KotMittigBoxenende", "KotUnterLiegeboxenbuegel"},
         "HaltungManagement",
         {"AnzahlHochboxen", "AnzahlTiefboxen", "AnzahlHochverlegteTiefboxen"},
         {}},
        {59,
         "HerdenIndex",
         "Herden Index",
         "Sauberkeit der Kühe",
         vtRate6,
         6,
         1,
         CalculationAverage,
         "SauberkeitTechnopathien",
         {"SauberkeitHinterhand", "SauberkeitKreuz", "SauberkeitEuterBauch", "SauberkeitSchwanz",
          "SauberkeitSchwanzquast", "SauberkeitSitzbein", "SauberkeitUnterbein"},
         "SauberkeitTechnopathien",
         {},
         {}},
        {63,
         "TarsalgelenkUmfangsvermehrungOffen",
         "Tarsalgelenk Umfangsverm. (haarlos/hautlos)",
         "Technopathien",
         vtPercent,
         100,
         10,
         Calculation4,
         "SauberkeitTechnopathien",
         {"TechnopathienTarsus"},
         "SauberkeitTechnopathien",
         {},
         {4}},
        {77,
         "LaufverhaltenAuffaelligeLahmheiten",
         "Lahmheit",
         "Laufverhalten und Einzelbeobachtungen",
         vtCount,
         10,
         1,
         CalculationCount,
         "LaufverhaltenAbliegedauer",
         {"LaufverhaltenAuffaelligeLahmheiten"},
         "LaufverhaltenAbliegedauer",
         {},
         {}},
        {87,
         "MobilityCheckStandingScore23",
         "STS 3",
         "MobilityCheck - Verhalten",
         vtPercent,
         100,
         10,
         Calculation4,
         "MobilityCheckSeparate",
         {"Standingscore"},
         "MobilityCheckSeparate",
         {},
         {2, 3}},
        {109,
         "Velkora.Dunavis.AC",
         "Chronisch euterkrank",
         "Velkora - LKV Kennzahlen",
         vtPercent,
         100,
         10,
         CalculationPercentage,
         "Velkora",
         {"Dunavis.Chronisch.Anzahl"},
         "Velkora",
         {"Dunavis.Chronisch.Gesamt"},
         {}},
    };
    for (const TRow& Row : Rows) {
        const TKWIndikatorDefinition& D = *Definitions[static_cast<size_t>(Row.No)];
        EXPECT_EQ(D.ID, Row.ID);
        EXPECT_EQ(D.Text, Row.Text);
        EXPECT_EQ(D.PageText, Row.PageText);
        EXPECT_EQ(D.ValueType, Row.ValueType) << Row.ID;
        EXPECT_EQ(D.MinValue, 0) << Row.ID;
        EXPECT_EQ(D.MaxValue, Row.MaxValue) << Row.ID;
        EXPECT_EQ(D.IncValue, Row.IncValue) << Row.ID;
        EXPECT_EQ(D.CalculationType, Row.CalculationType) << Row.ID;
        EXPECT_EQ(D.NDataID, Row.NDataID);
        EXPECT_EQ(D.NIDs, Row.NIDs);
        EXPECT_EQ(D.DDataID, Row.DDataID);
        EXPECT_EQ(D.DIDs, Row.DIDs);
        EXPECT_EQ(D.NConditionValues, Row.Conditions);
    }
}

TEST_F(KWDataStoreAuswertungTest, EveryIndicatorReadsExistingFields)
{
    // A misspelt field or area would raise here.
    for (const auto& Definition : FAuswertung.IndikatorDefinitions())
        EXPECT_NO_THROW(FAuswertung.GetIndikator(Definition->ID).RefreshValue())
            << qPrintable(Definition->ID);
}

TEST_F(KWDataStoreAuswertungTest, UnknownIdsAreLoggedAndAnswered)
{
    EXPECT_EQ(FAuswertung.GetIndikator("Liegenbox").Definition().ID, "LiegenBox");
    EXPECT_TRUE(FAuswertung.GetIndikatorList("Signale3").isEmpty());
    EXPECT_EQ(ReadLogLines(),
              QStringList({"TKWDataStoreAuswertung.GetIndikator - ID not found   >Liegenbox<",
                           "TKWDataStoreAuswertung.GetIndikatorList - ID not found   >Signale3<"}));
}

TEST_F(KWDataStoreAuswertungTest, ValuesFollowTheRecordings)
{
    Set("AufenthaltsortKuehe", "LiegenBox", "30");
    Set("AufenthaltsortKuehe", "Fressgitter", "20");
    Set("AufenthaltsortKuehe", "WartenAMS", "10");
    Set("ZustandLiegeboxen", "KotMittigBoxenende", "3");
    Set("ZustandLiegeboxen", "KotUnterLiegeboxenbuegel", "2");
    Set("HaltungManagement", "AnzahlHochboxen", "40");
    Set("HaltungManagement", "AnzahlTiefboxen", "10");
    Set("LaufverhaltenAbliegedauer", "LaufverhaltenAuffaelligeLahmheiten", "4");
    Set("Velkora", "Dunavis.Gesund.Anzahl", "45");
    Set("Velkora", "Dunavis.Gesund.Gesamt", "60");
    Set("StallerhebungFressLaufbereich", "BreiteFressgang", "0");
    Set("StallerhebungFressLaufbereich", "BreiteFressgang2", "380");
    Set("StallerhebungFressLaufbereich", "FressplatzNackenrohrHoeheStandflaecheObereBegrenzung",
        "165");
    Append("LiegeboxenKomfortIndex", {{"Block", "Nord"},
                                      {"AnzahlBoxen", "20"},
                                      {"GesamtzahlKueheBox", "18"},
                                      {"AnzahlKueheLiegend", "9"}});
    Append("LiegeboxenKomfortIndex", {{"Block", "Süd"},
                                      {"AnzahlBoxen", "10"},
                                      {"GesamtzahlKueheBox", "12"},
                                      {"AnzahlKueheLiegend", "12"}});
    Append("SauberkeitTechnopathien",
           {{"SauberkeitHinterhand", "3"}, {"SauberkeitKreuz", "2"}, {"TechnopathienTarsus", "1"}});
    Append("SauberkeitTechnopathien",
           {{"SauberkeitHinterhand", "1"}, {"TechnopathienTarsus", "4"}});
    Append("MobilityCheckSeparate", {{"Standingscore", "2"}});
    Append("MobilityCheckSeparate", {{"Standingscore", "5"}});

    struct TCase
    {
        const char* ID;
        double Value;
        const char* Code;
    };
    const TCase Cases[] = {
        {"LiegenBox", 50, "50"},
        {"WartenAMS", 100.0 / 6, "16,6666666666667"},
        {"KotGesamt", 10, "10"},
        {"LaufverhaltenAuffaelligeLahmheiten", 4, "4"},
        {"Velkora.Dunavis.AE", 75, "75"},
        {"LiegeboxenAkzeptanzIndex", 100, "100"},
        {"LiegeboxenKomfortIndex", 70, "70"},
        {"Hinterhand", 2, "2"},
        {"HerdenIndex", 6.0 / 14, "0,428571428571429"},
        {"TarsalgelenkHaarloseStelle", 50, "50"},
        {"MobilityCheckStandingScore23", 50, "50"},
        {"MobilityCheckStandingScore45", 50, "50"},
        {"BoxGangFressberBreite", 380, "380"},
        {"FressbereichFressgitterHoehe", 165, "165"},
    };
    for (const TCase& Case : Cases) {
        TKWIndikator& Indikator = FAuswertung.GetIndikator(Case.ID);
        Indikator.RefreshValue();
        EXPECT_DOUBLE_EQ(Indikator.Value(), Case.Value) << Case.ID;
        EXPECT_EQ(Indikator.ValueCode(), Case.Code) << Case.ID;
    }
    const IKWCalculation& Komfort =
        FAuswertung.GetIndikator("LiegeboxenKomfortIndex").Calculation();
    EXPECT_EQ(Komfort.GetRatingIdx(), 0);
    EXPECT_EQ(Komfort.GetDetailText(1), " - Süd");
}

TEST_F(KWDataStoreAuswertungTest, NewStoreAsJson)
{
    EXPECT_EQ(FAuswertung.GetSchwachstellenIndikatorenIDs(), "");
    EXPECT_EQ(FAuswertung.GetUrsachenIDs(), "");
    const TKWJson Json = FAuswertung.GetDataAsJson();
    QStringList Members;
    int Indicators = 0;
    for (const auto& [Name, Value] : Json.items()) {
        Members << QString::fromStdString(Name);
        if (!Value.is_object())
            continue;
        const QStringList Expected = ListIDs(QString::fromStdString(Name));
        QStringList IDs;
        for (const auto& [ID, Indikator] : Value.items()) {
            IDs << QString::fromStdString(ID);
            QStringList Inner;
            for (const auto& [Key, Member] : Indikator.items())
                Inner << QString::fromStdString(Key);
            EXPECT_EQ(Inner, QStringList({"Wert", "Bewertung", "Schwachstelle"}));
            EXPECT_EQ(Indikator["Wert"].is_string(),
                      FAuswertung.GetIndikator(QString::fromStdString(ID)).Definition().ValueType ==
                          vtText)
                << ID;
            EXPECT_TRUE(Indikator["Schwachstelle"].is_boolean());
        }
        EXPECT_EQ(IDs, Expected) << Name;
        Indicators += static_cast<int>(IDs.size());
    }
    EXPECT_EQ(Members,
              TKWDataStoreAuswertung::AuswertungKeys() + QStringList({"Ursachen", "Massnahmen"}));
    EXPECT_EQ(Indicators, 110);
    EXPECT_EQ(Json["Ursachen"], TKWJson::array());
    EXPECT_EQ(Json["Massnahmen"], TKWJson::array());
    EXPECT_EQ(Json["Signale1"]["BetriebStallHeterogen"]["Wert"], "Nein");
    EXPECT_EQ(Json["Signale1"]["FnkLaufenSackgasse"]["Wert"], "0");
}

TEST_F(KWDataStoreAuswertungTest, WeakPointsAndCauses)
{
    FAuswertung.GetIndikator("LiegenBox").SetWeakness(true);
    FAuswertung.GetIndikator("Brustlage").SetWeakness(true);
    const QString IDs = FAuswertung.GetSchwachstellenIndikatorenIDs();
    EXPECT_TRUE(IDs == "LiegenBox,Brustlage," || IDs == "Brustlage,LiegenBox,") << qPrintable(IDs);
    EXPECT_EQ(FAuswertung.GetSchwachstellenIndikatoren().size(), 2);
    FAuswertung.Ursachen() << "Liegebox"
                           << "Management";
    EXPECT_EQ(FAuswertung.GetUrsachenIDs(), "Liegebox,Management,");

    FAuswertung.ClearData();
    EXPECT_EQ(FAuswertung.GetSchwachstellenIndikatorenIDs(), "");
    EXPECT_TRUE(FAuswertung.Ursachen().isEmpty());
    EXPECT_EQ(FAuswertung.GetIndikator("LiegenBox").ValueCode(), "0");
}

TEST_F(KWDataStoreAuswertungTest, LoadingKeepsWhatTheActionAllows)
{
    FAuswertung.GetIndikator("Brustlage").SetRating("-");
    FAuswertung.GetIndikator("Brustlage").SetWeakness(true);
    FAuswertung.GetIndikator("MngmtBoxenpflege").SetRating("+");
    FAuswertung.Ursachen() << "Liegebox";
    FAuswertung.Massnahmen() << "Boxen nachstreuen|1|sofort";
    const TKWJson Stored = FAuswertung.GetDataAsJson();

    struct TCase
    {
        TKWAction Action;
        bool KeepsRatings;
    };
    for (const TCase Case : {TCase{aBeratungBearbeiten, true}, TCase{aFolgeberatung, false},
                             TCase{aBeratungNeu, false}}) {
        TKWDataStoreErfassung Erfassung;
        TKWDataStoreAuswertung Auswertung(Erfassung);
        TKWJson Json = Stored;
        Auswertung.LoadFromJson(Json, Case.Action);
        const TKWIndikator& Brustlage = Auswertung.GetIndikator("Brustlage");
        EXPECT_EQ(Brustlage.Rating(), Case.KeepsRatings ? "-" : "") << Case.Action;
        EXPECT_EQ(Brustlage.Weakness(), Case.KeepsRatings) << Case.Action;
        EXPECT_EQ(Auswertung.GetIndikator("MngmtBoxenpflege").Rating(),
                  Case.KeepsRatings ? "+" : "");
        EXPECT_EQ(Auswertung.Ursachen(), QStringList({"Liegebox"})) << Case.Action;
        EXPECT_EQ(Auswertung.Massnahmen(), QStringList({"Boxen nachstreuen|1|sofort"}));
        EXPECT_EQ(Json.contains("Sauberkeit"), Case.KeepsRatings)
            << "pruned in the caller's object";
    }
}

TEST_F(KWDataStoreAuswertungTest, LoadingAppendsAndIgnoresUnknownMembers)
{
    TKWJson Json = TKWJson::parse(R"({
        "Sauberkeit": {"Kreuz": {"Wert": 2, "Bewertung": "o", "Schwachstelle": true},
                       "Nase": {"Wert": 1, "Bewertung": "-", "Schwachstelle": true}},
        "Unbekannt": {"LiegenBox": {"Wert": 1, "Bewertung": "-", "Schwachstelle": true}},
        "Ursachen": ["Fütterung"]})");
    FAuswertung.LoadFromJson(Json, aBeratungBearbeiten);
    FAuswertung.LoadFromJson(Json, aBeratungBearbeiten);
    EXPECT_EQ(FAuswertung.GetSchwachstellenIndikatorenIDs(), "Kreuz,");
    EXPECT_EQ(FAuswertung.Ursachen(), QStringList({"Fütterung", "Fütterung"}));
    EXPECT_TRUE(FAuswertung.Massnahmen().isEmpty());
}

// Indicators are recomputed for a write only when a recording changed since the last time; a
// stale value must never be written.
TEST_F(KWDataStoreAuswertungTest, WritingRecomputesAfterEveryChangeOfTheRecordings)
{
    const auto LiegenBox = [&] { return FAuswertung.GetDataAsJson()["AufenthaltsortKuehe"]["LiegenBox"]["Wert"]; };
    Set("AufenthaltsortKuehe", "LiegenBox", "1");
    Set("AufenthaltsortKuehe", "Fressgitter", "1");
    EXPECT_EQ(LiegenBox(), 50.0);
    FAuswertung.GetIndikator("LiegenBox").SetRating("o");
    EXPECT_EQ(LiegenBox(), 50.0);
    Set("AufenthaltsortKuehe", "Fressgitter", "3");
    EXPECT_EQ(LiegenBox(), 25.0);

    TKWJson Stored = TKWJson::parse(R"({"AufenthaltsortKuehe":{"LiegenBox":{"Wert":99,"Bewertung":"o","Schwachstelle":false}}})");
    FAuswertung.LoadFromJson(Stored, aBeratungBearbeiten);
    EXPECT_EQ(LiegenBox(), 25.0) << "a loaded value gives way to the recordings at the next write";

    TKWMemTable& Table = FErfassung.GetData("AufenthaltsortKuehe");
    Table.Edit();
    Table.FieldByName("LiegenBox").SetAsInteger(3);
    EXPECT_EQ(LiegenBox(), 50.0) << "an edit not yet posted counts too";
    Table.Post();
}

// One unreadable entry used to refuse the whole visit, losing every readable rating with it.
TEST_F(KWDataStoreAuswertungTest, AnUnreadableEntryIsLoggedAndSkipped)
{
    TKWJson Json = TKWJson::parse(R"({
        "Sauberkeit": {"Kreuz": 5,
                       "Hinterhand": {"Wert": 2, "Bewertung": "o", "Schwachstelle": true}},
        "Ursachen": ["Fütterung", 7, {"a": 1}], "Massnahmen": ["Boxen nachstreuen|1|"]})");
    FAuswertung.LoadFromJson(Json, aBeratungBearbeiten);
    EXPECT_EQ(FAuswertung.GetSchwachstellenIndikatorenIDs(), "Hinterhand,");
    EXPECT_EQ(FAuswertung.GetIndikator("Hinterhand").Rating(), "o");
    EXPECT_EQ(FAuswertung.Ursachen(), QStringList({"Fütterung", "7", ""}));
    EXPECT_EQ(FAuswertung.Massnahmen(), QStringList({"Boxen nachstreuen|1|"}));
    EXPECT_EQ(ReadLogLines(), QStringList({"TKWDataStoreAuswertung.LoadFromJson - Exception",
                                           "  Name:    Kreuz",
                                           "  Message: The entry is 5, not an object"}));
}

} // namespace

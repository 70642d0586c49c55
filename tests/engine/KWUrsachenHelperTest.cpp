#include "KWUrsachenHelper.h"

#include "KWDataStoreAuswertung.h"
#include "KWDataStoreErfassung.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QSet>

#include <map>
#include <set>
#include <tuple>

namespace {

// The indicator ids of one evaluation page, as the evaluation store lists them.
QStringList IndikatorIds(const QString& AKey)
{
    static TKWDataStoreErfassung Erfassung;
    static TKWDataStoreAuswertung Auswertung(Erfassung);
    QStringList Ids;
    for (const TKWIndikator* Indikator : Auswertung.GetIndikatorList(AKey))
        Ids << Indikator->Definition().ID;
    return Ids;
}

QSet<QString> AllIndikatorIds()
{
    QSet<QString> Result;
    for (const QString& Key : TKWDataStoreAuswertung::AuswertungKeys())
        for (const QString& Id : IndikatorIds(Key))
            Result.insert(Id);
    return Result;
}

TEST(KWUrsachenHelper, CatalogueTotalsAndIntegrity)
{
    const std::vector<TUrsache>& Katalog = UrsachenKatalog();
    const QSet<QString> KnownIds = AllIndikatorIds();
    ASSERT_EQ(KnownIds.size(), 110);

    std::set<std::tuple<QString, QString, QString>> Links;
    std::map<QString, QString> AreaOfMeasure;
    std::map<QString, std::pair<std::set<QString>, int>> Areas; // measures, rows
    QSet<QString> IdsWithRows;
    for (const TUrsache& Row : Katalog) {
        EXPECT_TRUE(KnownIds.contains(Row.indikatorId)) << Row.indikatorId.toStdString();
        EXPECT_TRUE(Row.prio == 1 || Row.prio == 2) << Row.massnahme.toStdString();
        EXPECT_TRUE(Links.insert({Row.indikatorId, Row.ursache, Row.massnahme}).second)
            << "repeated row " << Row.indikatorId.toStdString() << " / "
            << Row.massnahme.toStdString();
        const auto [It, IsNew] = AreaOfMeasure.emplace(Row.massnahme, Row.ursache);
        EXPECT_EQ(It->second, Row.ursache) << Row.massnahme.toStdString() << " in two areas";
        // A comma in a text would split it when it travels in a list text.
        EXPECT_FALSE(Row.ursache.contains(',') || Row.massnahme.contains(','));
        Areas[Row.ursache].first.insert(Row.massnahme);
        ++Areas[Row.ursache].second;
        IdsWithRows.insert(Row.indikatorId);
    }
    EXPECT_EQ(Katalog.size(), 554u);
    EXPECT_EQ(AreaOfMeasure.size(), 72u);

    const std::map<QString, std::pair<size_t, int>> ExpectedAreas = {
        {"Stalldesign", {3, 24}},
        {"Nackenrohr", {3, 18}},
        {"Bugbegrenzung", {4, 15}},
        {"Liegeflächendimensionierung", {4, 47}},
        {"Hochboxenbelag", {3, 45}},
        {"Tiefboxenmanagement", {3, 58}},
        {"Boxenmanagement", {6, 61}},
        {"Liegeboxenbügel", {2, 12}},
        {"Laufflächengestaltung", {3, 13}},
        {"Lauffächenmanagement", {2, 18}},
        {"Fressplatzgestaltung", {8, 14}},
        {"Fütterung", {3, 23}},
        {"Stallbelegung", {2, 26}},
        {"Stallklima", {2, 10}},
        {"Gesundheit", {4, 49}},
        {"Tiermanagement", {1, 2}},
        {"Klauenpflege", {5, 41}},
        {"akute Klauenerkrankungen", {4, 38}},
        {"Dauer der Melkzeit", {2, 8}},
        {"unpassende Bullenanpaarung", {2, 7}},
        {"Jungviehaufzucht", {6, 25}},
    };
    ASSERT_EQ(Areas.size(), ExpectedAreas.size());
    for (const auto& [Area, Expected] : ExpectedAreas) {
        EXPECT_EQ(Areas[Area].first.size(), Expected.first) << Area.toStdString();
        EXPECT_EQ(Areas[Area].second, Expected.second) << Area.toStdString();
    }

    QSet<QString> ExpectedWithoutRows = {"KoerperpflegeDreibeinigesStehenLaufflaeche",
                                         "AbliegedauerZuegig", "KotGesamt", "HochboxVollstaendig"};
    for (const char* Key : {"Signale1", "Signale2", "Velkora"})
        for (const QString& Id : IndikatorIds(Key))
            ExpectedWithoutRows.insert(Id);
    EXPECT_EQ(ExpectedWithoutRows.size(), 38);
    EXPECT_EQ(KnownIds - IdsWithRows, ExpectedWithoutRows);
}

TEST(KWUrsachenHelper, SampleRowsCarryTheirWeight)
{
    struct TCase
    {
        const char* IndikatorId;
        const char* Ursache;
        const char* Massnahme;
        int Prio;
    };
    const TCase Cases[] = {
        {"Futtergang", "Stalldesign", "Anordnung und Dimensionierung der Laufzonen überprüfen", 1},
        {"StehenBox2Beine", "Nackenrohr", "Nackenrohr höher positionieren", 2},
        {"GestrecktesVorderbein", "Bugbegrenzung", "niedrigere Bugbegrenzung einsetzen", 2},
        {"Sitzbein", "Liegeflächendimensionierung", "Höhe der Kotstufe überprüfen <= 20cm", 1},
        {"KlauenzustandDorsalLaengeKurz", "Laufflächengestaltung",
         "Sanierung der Laufflächen  (ggf. Rillen schneiden oder Gummiauflage)", 2},
        {"WammeHaarloseStelle", "Fressplatzgestaltung", "Höhe der Trogaufkantung anpassen", 2},
        {"KlauenzustandBallenhautChronisch", "Stallbelegung",
         "Überbelegung vermeiden (Tier-Fressplatz-Verhältnis)", 2},
        {"KlauenzustandZehengleichUngleich", "unpassende Bullenanpaarung",
         "gezielte Bullenauswahl (Merkmale Klauenwinkel u. Rollklauen)", 2},
        {"KlauenzustandBallenhautChronisch", "Jungviehaufzucht",
         "regelmäßige Klauenkontrolle  in der Jungviehaufzucht", 1},
    };
    for (const TCase& Case : Cases) {
        const auto& Katalog = UrsachenKatalog();
        const auto It = std::find_if(Katalog.begin(), Katalog.end(), [&](const TUrsache& Row) {
            return Row.indikatorId == QString::fromUtf8(Case.IndikatorId) &&
                   Row.ursache == QString::fromUtf8(Case.Ursache) &&
                   Row.massnahme == QString::fromUtf8(Case.Massnahme);
        });
        ASSERT_NE(It, Katalog.end()) << Case.IndikatorId << " / " << Case.Massnahme;
        EXPECT_EQ(It->prio, Case.Prio) << Case.IndikatorId << " / " << Case.Massnahme;
    }
}

TEST(KWUrsachenHelper, IsInListTestsWholeEntries)
{
    struct TCase
    {
        const char* List;
        const char* Item;
        const char* Separator;
        bool Expected;
    };
    const TCase Cases[] = {
        {"KotMittig,KotGesamt,", "Kot", ",", false},
        {"KotMittig,KotGesamt,", "KotGesamt", ",", true},
        {"KotMittig,KotGesamt,", "KotMittig", ",", true},
        {"KotMittig,KotGesamt,", "Mittig", ",", false},
        {"KotMittig,KotGesamt,", "kotgesamt", ",", false},
        {"KotMittig,KotGesamt", "KotGesamt", ",", true}, // the last separator may be missing
        {"KotMittig;KotGesamt;", "KotGesamt", ";", true},
        {"KotMittig;KotGesamt;", "KotGesamt", ",", false},
        {"", "Kot", ",", false},
        {"KotMittig,", "", ",", false},
        {"", "", ",", false},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(IsInList(Case.List, Case.Item, Case.Separator), Case.Expected)
            << "list \"" << Case.List << "\" item \"" << Case.Item << "\"";
}

TEST(KWUrsachenHelper, PrioComparerOrdersByWeightThenOrdinalText)
{
    struct TCase
    {
        TKWPrioPair Left;
        TKWPrioPair Right;
        int Expected;
    };
    const TCase Cases[] = {
        {{"a", 1}, {"b", 2}, 1},
        {{"b", 2}, {"a", 1}, -1},
        {{"Stallklima", 1}, {"akute Klauenerkrankungen", 1}, -1},
        {{"Zucht", 1}, {"a", 1}, -1},
        {{"zucht", 1}, {"Überbelegung", 1}, -1},
        {{"Überbelegung", 2}, {"Aa", 2}, 1},
        {{"Gesundheit", 3}, {"Gesundheit", 3}, 0},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(TPrioComparer::Compare(Case.Left, Case.Right), Case.Expected)
            << Case.Left.first.toStdString() << " vs " << Case.Right.first.toStdString();
}

TEST(KWUrsachenHelper, SortByPrioReplacesTheList)
{
    const TKWPrioMap Weights = {{"akute Klauenerkrankungen", 1},
                                {"Überbelegung", 1},
                                {"Stallklima", 1},
                                {"zucht", 1},
                                {"Bugbegrenzung", 3}};
    TKWPrioList List = {{"alt", 9}};
    SortByPrio(Weights, List);
    const TKWPrioList Expected = {{"Bugbegrenzung", 3},
                                  {"Stallklima", 1},
                                  {"akute Klauenerkrankungen", 1},
                                  {"zucht", 1},
                                  {"Überbelegung", 1}};
    EXPECT_EQ(List, Expected);

    SortByPrio(TKWPrioMap(), List);
    EXPECT_TRUE(List.isEmpty());
}

TEST(KWUrsachenHelper, GetSortedKeysFilters)
{
    const TKWPrioMap Weights = {
        {"akute Klauenerkrankungen", 1}, {"Stallklima", 1}, {"zucht", 1}, {"Bugbegrenzung", 3}};
    struct TCase
    {
        const char* Filter;
        const char* Expected;
    };
    const TCase Cases[] = {
        {"", "Bugbegrenzung,Stallklima,akute Klauenerkrankungen,zucht,"},
        {"zucht,Stallklima,Bug,", "Stallklima,zucht,"},
        {"stallklima,", ""},
        {"Anderes,", ""},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(GetSortedKeys(Weights, Case.Filter), QString::fromUtf8(Case.Expected))
            << "filter \"" << Case.Filter << "\"";
    EXPECT_EQ(GetSortedKeys(TKWPrioMap(), QString()), QString());
}

TEST(KWUrsachenHelper, UrsachenForIndikatoren)
{
    struct TCase
    {
        const char* Indikatoren;
        const char* Expected;
    };
    const TCase Cases[] = {
        {"", ""},
        {"BetriebTierLiegeplatzVerh,", ""},
        {"Brustlage,",
         "Bugbegrenzung,Liegeflächendimensionierung,Fütterung,Gesundheit,Stallbelegung,"
         "Stalldesign,"},
        {"Brustlage,Sitzbein,",
         "Liegeflächendimensionierung,Bugbegrenzung,Gesundheit,Stalldesign,Fütterung,"
         "Nackenrohr,Stallbelegung,"},
        {"Sitzbein,KotGesamt,Brustlage,",
         "Liegeflächendimensionierung,Bugbegrenzung,Gesundheit,Stalldesign,Fütterung,"
         "Nackenrohr,Stallbelegung,"},
        {"Kreuz,", "Lauffächenmanagement,Liegeflächendimensionierung,Tiermanagement,"},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(GetUrsachenForIndikatoren(Case.Indikatoren), QString::fromUtf8(Case.Expected))
            << "weak points \"" << Case.Indikatoren << "\"";
}

TEST(KWUrsachenHelper, IndikatorenAndMassnahmenForUrsachen)
{
    EXPECT_EQ(GetIndikatorenForUrsachen("Stallklima,", ""),
              "KlauenzustandBallenhautAkut,KlauenzustandBallenhautChronisch,"
              "KlauenzustandDorsalKrmgKrmg,KlauenzustandDorsalKrmgRille,LiegenBox,Boxengang,"
              "LaufverhaltenAuffaelligeLahmheiten,");
    EXPECT_EQ(GetIndikatorenForUrsachen("Stallklima,", "Boxengang,LiegenBox,Brustlage,"),
              "LiegenBox,Boxengang,");
    EXPECT_EQ(GetIndikatorenForUrsachen("Tiermanagement,", ""), "Kreuz,Schwanzquast,");
    EXPECT_EQ(GetIndikatorenForUrsachen("", ""), "");

    EXPECT_EQ(GetMassnahmenForUrsachen("Dauer der Melkzeit,"),
              "Gummiauflage im Wartehof,Reduzierung der Melk- und Wartezeiten,");
    EXPECT_EQ(GetMassnahmenForUrsachen("Tiermanagement,"),
              QString::fromUtf8("Schwanzquast kürzen,"));
    EXPECT_EQ(GetMassnahmenForUrsachen("tiermanagement,"), "");
    EXPECT_EQ(GetMassnahmenForUrsachen(""), "");
}

TEST(KWUrsachenHelper, UrsachenWeights)
{
    TKWPrioList List = {{"alt", 9}};
    GetUrsachenWeights({"Tiermanagement"}, List);
    EXPECT_EQ(List, TKWPrioList({{"Tiermanagement", 2}}));

    GetUrsachenWeights({"Tiermanagement", "Unbekannt", "akute Klauenerkrankungen", "Stallklima"},
                       List);
    EXPECT_EQ(
        List,
        TKWPrioList({{"akute Klauenerkrankungen", 42}, {"Stallklima", 12}, {"Tiermanagement", 2}}));

    GetUrsachenWeights({}, List);
    EXPECT_TRUE(List.isEmpty());
}

TEST(KWUrsachenHelper, MassnahmenForAuswahl)
{
    struct TCase
    {
        const char* Indikatoren;
        const char* Ursachen;
        TKWPrioList Expected;
    };
    const TCase Cases[] = {
        // Bugbegrenzung weighs 4 for these two weak points: 2 + 1 + 1.
        {"Brustlage,Sitzbein,",
         "Bugbegrenzung,",
         {{QString::fromUtf8("Alternative Bugbegrenzung wählen"), 2},
          {"Bugbrett gegen Schwelle tauschen", 1},
          {"niedrigere Bugbegrenzung einsetzen", 1}}},
        {"Brustlage,Sitzbein,",
         "Bugbegrenzung,Stalldesign,",
         {{QString::fromUtf8("Alternative Bugbegrenzung wählen"), 2},
          {"Bugbrett gegen Schwelle tauschen", 1},
          {QString::fromUtf8("Sackgassen zurückbauen"), 1},
          {QString::fromUtf8("Stallbelegung überprüfen"), 1},
          {"niedrigere Bugbegrenzung einsetzen", 1}}},
        {"", "Bugbegrenzung,", {}},
        {"Brustlage,", "", {}},
        {"KotGesamt,", "Bugbegrenzung,Stalldesign,Gesundheit,", {}},
    };
    for (const TCase& Case : Cases) {
        TKWPrioList List = {{"alt", 9}};
        GetMassnahmenForAuswahl(Case.Indikatoren, QString::fromUtf8(Case.Ursachen), List);
        EXPECT_EQ(List, Case.Expected) << Case.Indikatoren << " / " << Case.Ursachen;
    }
}

} // namespace

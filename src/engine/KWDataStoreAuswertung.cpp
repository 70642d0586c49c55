#include "KWDataStoreAuswertung.h"

#include "KWDataStoreErfassung.h"
#include "KWException.h"
#include "KWJsonReader.h"
#include "KWJsonWriter.h"

namespace {

const QString Auswertung = QStringLiteral("Auswertung");
const QString FallbackID = QStringLiteral("LiegenBox");

struct TPage
{
    const char* Key;
    const char* Title;
    // Display order; it differs from the creation order of the definitions.
    QStringList IDs;
};

const std::vector<TPage>& Pages()
{
    static const std::vector<TPage> List = {
        {"AufenthaltsortKuehe",
         "Aufenthaltsort Kühe",
         {"Fressgitter", "Futtergang", "Boxengang", "StehenBox2Beine", "StehenBox4Beine",
          "LiegenBox", "LiegenLaufflaeche", "WartenAMS"}},
        {"LiegeboxenKomfortIndex",
         "Liegeboxenakzeptanz und LKI",
         {"LiegeboxenAkzeptanzIndex", "LiegeboxenKomfortIndex"}},
        {"LiegepositionKuehe",
         "Liegeposition Kühe",
         {"Brustlage", "GestrecktesVorderbein", "GestrecktesHinterbein", "Schlafposition",
          "TotaleSeitenlage"}},
        {"ZustandLiegeboxen",
         "Liegeboxen und -flächen",
         {"KotMittig", "KotSeitlich", "KotGesamt", "HochboxVollstaendig", "HochboxLueckenhaft",
          "HochboxVereinzelt", "TiefboxKeineMulde", "TiefboxLeichteMulde", "TiefboxStarkeMulde"}},
        {"Sauberkeit",
         "Sauberkeit der Kühe",
         {"Hinterhand", "Kreuz", "EuterBauch", "Schwanz", "Schwanzquast", "Sitzbein", "Unterbein",
          "HerdenIndex"}},
        {"Technopathien",
         "Technopathien",
         {"TarsalgelenkHaarloseStelle", "TarsalgelenkHautloseStelle",
          "TarsalgelenkUmfangsvermehrung", "TarsalgelenkUmfangsvermehrungOffen",
          "KnieHaarloseStelle", "KnieHautloseStelle", "WirbelsaeuleUmfangsvermehrung",
          "WirbelsaeuleUmfangsvermehrungOffen", "WiderristHaarloseStelle",
          "WiderristHautloseStelle", "WiderristUmfangsvermehrung", "WammeHaarloseStelle",
          "KarpalgelenkHaarloseStelle", "KarpalgelenkHautloseStelle",
          "KarpalgelenkUmfangsvermehrung"}},
        {"Laufverhalten",
         "Laufverhalten und Einzelbeobachtungen",
         {"KopfhaltungKl20", "KopfhaltungGr20", "LaufverhaltenAuffaelligeLahmheiten",
          "KoerperpflegeDreibeinigesStehenLaufflaeche"}},
        {"Abliegedauer",
         "Abliegedauer",
         {"AbliegedauerZuegig", "AbliegedauerZoegerlich", "AbliegedauerVerweigernd",
          "AbliegedauerAbgebrochen"}},
        {"MCVerhalten",
         "MobilityCheck - Verhalten",
         {"MobilityCheckVerhaltenRuhig", "MobilityCheckVerhaltenTrippeln",
          "MobilityCheckVerhaltenEntlasten", "MobilityCheckStandingScore1",
          "MobilityCheckStandingScore23", "MobilityCheckStandingScore45",
          "MobilityCheckLocomotionScore1", "MobilityCheckLocomotionScore23",
          "MobilityCheckLocomotionScore45"}},
        {"MCKlauen",
         "MobilityCheck - Klauen",
         {"KlauenzustandDorsalLaengeLang", "KlauenzustandDorsalLaengeKurz",
          "KlauenzustandDorsalKrmgKrmg", "KlauenzustandDorsalKrmgRille",
          "KlauenzustandTrachtenhoeheNiedrig", "KlauenzustandTrachtenhoeheHoch",
          "KlauenzustandZehengleichUngleich", "KlauenzustandZehengleichAuffaellig",
          "KlauenzustandBallenhautAkut", "KlauenzustandBallenhautChronisch",
          "KlauenzustandBodenwStandAuffaellig", "KlauenzustandBodenwStandDringend"}},
        {"Velkora",
         "Velkora - LKV Kennzahlen",
         {"Velkora.Dunavis.AE", "Velkora.Dunavis.EM", "Velkora.Dunavis.NL", "Velkora.Dunavis.NT",
          "Velkora.Dunavis.HT", "Velkora.Dunavis.AC"}},
        {"Signale1",
         "Signale - Betrieb und Management",
         {"BetriebTierLiegeplatzVerh", "BetriebTierFressplatzVerh", "BetriebStallHeterogen",
          "BetriebMehrplatztraenkenAnz", "BetriebTierTroglaengeVerh", "FnkLaufenSackgasse",
          "FnkHygieneMischbucht", "MngmtBoxenpflege", "MngmtStreuenHb", "MngmtStreuenTb",
          "MngmtReinigungSpalten", "MngmtReinigungPlan", "MngmtFutterVorlage", "MngmtFutterAnsch"}},
        {"Signale2",
         "Signale - Fress- und Liegebereich",
         {"FressbereichFressgitterHoehe", "FressbereichTrogHoehe", "LiegeboxBugbegrMaterial",
          "LiegeboxBugbegrHoehe", "LiegeboxNackenrohrHoehe", "LiegeboxKotstufeHoehe",
          "LiegeboxLiegeflLaenge", "LiegeboxLiegeflBreite", "LiegeboxWandbLaenge",
          "LiegeboxInnenbLaenge", "LiegeboxKotstNackenrohrAbst", "BoxGangFressberBreite",
          "BoxGangBoxberBreite", "BoxGangDurchberBreite"}},
    };
    return List;
}

const TPage& PageOf(const QString& AKey)
{
    for (const TPage& Page : Pages())
        if (AKey == QLatin1String(Page.Key))
            return Page;
    throw EKWException(QStringLiteral("Unknown evaluation key '%1'").arg(AKey));
}

struct TDefinitionRow
{
    const char* Key;
    const char* ID;
    const char* Text;
    TValueType ValueType;
    TKWCalculationType CalculationType;
    const char* NDataID;
    QStringList NIDs;
    const char* DDataID;
    QStringList DIDs;
    QList<int> NConditionValues;
    bool IsMainIndicator;
};

// The definitions in creation order.
// clang-format off
std::vector<TDefinitionRow> DefinitionRows()
{
    const QStringList Aufenthaltsorte = {"Fressgitter", "Futtergang", "Boxengang", "WartenAMS",
        "StehenBox2Beine", "StehenBox4Beine", "LiegenBox", "LiegenLaufflaeche"};
    const QStringList Liegepositionen = {"Brustlage", "GestrecktesVorderbein",
        "GestrecktesHinterbein", "Schlafposition", "TotaleSeitenlage"};
    const QStringList Boxenanzahlen = {"AnzahlHochboxen", "AnzahlTiefboxen",
        "AnzahlHochverlegteTiefboxen"};
    const QStringList Hochboxzustaende = {"HochboxVollstaendig", "HochboxLueckenhaft",
        "HochboxVereinzelt"};
    const QStringList Tiefboxzustaende = {"TiefboxKeineMuldenbildung",
        "TiefboxLeichteMuldenbildung", "TiefboxStarkeMuldenbildung"};
    const QStringList Kopfhaltungen = {"LaufverhaltenKopfhaltungKl20",
        "LaufverhaltenKopfhaltungGr20"};
    const QStringList Abliegedauern = {"AbliegedauerZuegig", "AbliegedauerZoegerlich",
        "AbliegedauerVerweigernd", "AbliegedauerAbgebrochen"};
    const QStringList MCVerhaltensweisen = {"MobilityCheckVerhaltenRuhig",
        "MobilityCheckVerhaltenTrippeln", "MobilityCheckVerhaltenEntlasten"};
    return {
        // Signale1
        {"Signale1", "BetriebTierLiegeplatzVerh", "Tier-Liegeplatz-Verhältnis (1:)", vtText,
         CalculationText, "Betriebsdaten", {"VerhaeltnisLiegeTier"}, "Betriebsdaten", {}, {},
         false},
        {"Signale1", "BetriebTierFressplatzVerh", "Tier-Fressplatz-Verhältnis (1:)", vtText,
         CalculationText, "Betriebsdaten", {"VerhaeltnisFressTier"}, "Betriebsdaten", {}, {},
         false},
        {"Signale1", "BetriebStallHeterogen", "Heterogene Aufstallung", vtText, CalculationText,
         "HaltungManagement", {"AnzahlHeterogen"}, "HaltungManagement", {}, {}, false},
        {"Signale1", "BetriebMehrplatztraenkenAnz", "Tier-Tränken-Verhältnis", vtText,
         CalculationText, "Betriebsdaten", {"VerhaeltnisTierTraenke"}, "Betriebsdaten", {}, {},
         false},
        {"Signale1", "BetriebTierTroglaengeVerh", "Troglänge (cm) pro Tier", vtText,
         CalculationText, "Betriebsdaten", {"VerhaeltnisTrogLaengeTier"}, "Betriebsdaten", {}, {},
         false},
        {"Signale1", "FnkLaufenSackgasse", "Anzahl Sackgassen", vtText, CalculationText,
         "HaltungManagement", {"AnzahlSackgassen"}, "HaltungManagement", {}, {}, false},
        {"Signale1", "FnkHygieneMischbucht", "Krankenbucht als Mischbucht", vtText, CalculationText,
         "StallerhebungKomfortHygiene", {"StallerhebungMischbuchtNutzung"},
         "StallerhebungKomfortHygiene", {}, {}, false},
        {"Signale1", "MngmtBoxenpflege", "Häufigkeit Boxenpflege", vtText, CalculationText,
         "HaltungManagement", {"HaeufigkeitBoxenpflege"}, "HaltungManagement", {}, {}, false},
        {"Signale1", "MngmtStreuenHb", "Häufigkeit Einstreu Hochbox", vtText, CalculationText,
         "HaltungManagement", {"HaeufigkeitEinstreuenHB"}, "HaltungManagement", {}, {}, false},
        {"Signale1", "MngmtStreuenTb", "Häufigkeit Nachstreu Tiefbox/hochverl. TB", vtText,
         CalculationText, "HaltungManagement", {"HaeufigkeitNachstreuen"}, "HaltungManagement", {},
         {}, false},
        {"Signale1", "MngmtReinigungSpalten", "Häufigkeit Reinigung bei Spaltenböden", vtText,
         CalculationText, "HaltungManagement", {"HaeufigkeitLaufflaechenreinigung"},
         "HaltungManagement", {}, {}, false},
        {"Signale1", "MngmtReinigungPlan", "Häufigkeit Reinigung bei planbefestigtem Boden", vtText,
         CalculationText, "HaltungManagement", {"HaeufigkeitLaufflaechenreinigung"},
         "HaltungManagement", {}, {}, false},
        {"Signale1", "MngmtFutterVorlage", "Häufigkeit Futtervorlage pro Woche", vtText,
         CalculationText, "HaltungManagement", {"HaeufigkeitFuttervorlage"}, "HaltungManagement",
         {}, {}, false},
        {"Signale1", "MngmtFutterAnsch", "Häufigkeit Anschieben pro Tag", vtText, CalculationText,
         "HaltungManagement", {"HaeufigkeitAnschieben"}, "HaltungManagement", {}, {}, false},
        // Signale2
        {"Signale2", "FressbereichFressgitterHoehe", "Höhe des Fressgitters/Nackenrohrs(oä)",
         vtText, CalculationText, "StallerhebungFressLaufbereich",
         {"FressplatzFressgitterHoeheStandflaecheObereBegrenzung",
         "FressplatzNackenrohrHoeheStandflaecheObereBegrenzung"}, "StallerhebungFressLaufbereich",
         {}, {}, false},
        {"Signale2", "FressbereichTrogHoehe", "Abstand Boden - (effektive) Trogaufkantung", vtText,
         CalculationText, "StallerhebungFressLaufbereich",
         {"FressplatzFressgitterHoeheStandflaecheOberkanteUnteresRohr",
         "FressplatzNackenrohrHoeheStandflaecheOberkanteUnteresRohr",
         "FressplatzNackenrohrHoeheStandflaecheSockel"}, "StallerhebungFressLaufbereich", {}, {},
         false},
        {"Signale2", "LiegeboxBugbegrMaterial", "Art der Bugbegrenzung", vtText, CalculationText,
         "HaltungManagement", {"Bugbegrenzung"}, "HaltungManagement", {}, {}, false},
        {"Signale2", "LiegeboxBugbegrHoehe", "Höhe der Bugbegrenzung", vtText, CalculationText,
         "StallerhebungLiegebereiche", {"BoxHoeheBugbegrenzungLiegeflaeche"},
         "StallerhebungLiegebereiche", {}, {}, false},
        {"Signale2", "LiegeboxNackenrohrHoehe", "Höhe des Nackenrohrs", vtText, CalculationText,
         "StallerhebungLiegebereiche", {"BoxHoeheNackenrohrLiegeflaeche"},
         "StallerhebungLiegebereiche", {}, {}, false},
        {"Signale2", "LiegeboxKotstufeHoehe", "Höhe der Kotstufe", vtText, CalculationText,
         "StallerhebungLiegebereiche", {"BoxHoeheStreuschwelle"}, "StallerhebungLiegebereiche", {},
         {}, false},
        {"Signale2", "LiegeboxLiegeflLaenge", "Länge der Liegefläche", vtText, CalculationText,
         "StallerhebungLiegebereiche", {"BoxLaengeLiegeflaeche"}, "StallerhebungLiegebereiche", {},
         {}, false},
        {"Signale2", "LiegeboxLiegeflBreite", "Breite der Box", vtText, CalculationText,
         "StallerhebungLiegebereiche", {"BoxBoxenbreite"}, "StallerhebungLiegebereiche", {}, {},
         false},
        {"Signale2", "LiegeboxWandbLaenge", "Gesamtlänge einer Wandbox", vtText, CalculationText,
         "StallerhebungLiegebereiche", {"BoxLaengeWandbox"}, "StallerhebungLiegebereiche", {}, {},
         false},
        {"Signale2", "LiegeboxInnenbLaenge", "Gesamtlänge einer (halben) Doppelbox", vtText,
         CalculationText, "StallerhebungLiegebereiche", {"BoxLaengeDoppelbox"},
         "StallerhebungLiegebereiche", {}, {}, false},
        {"Signale2", "LiegeboxKotstNackenrohrAbst", "Abstand Nackenrohr-Kotstufe", vtText,
         CalculationText, "StallerhebungLiegebereiche", {"BoxAbstandNackenrohrStreuschwelle"},
         "StallerhebungLiegebereiche", {}, {}, false},
        {"Signale2", "BoxGangFressberBreite", "Breite Fressgang", vtText, CalculationTextMin,
         "StallerhebungFressLaufbereich", {"BreiteFressgang", "BreiteFressgang2"},
         "StallerhebungFressLaufbereich", {}, {}, false},
        {"Signale2", "BoxGangBoxberBreite", "Breite Boxengang", vtText, CalculationTextMin,
         "StallerhebungFressLaufbereich", {"BreiteBoxengang", "BreiteBoxengang2",
         "BreiteBoxengang3"}, "StallerhebungFressLaufbereich", {}, {}, false},
        {"Signale2", "BoxGangDurchberBreite", "Breite Durchgang", vtText, CalculationTextMin,
         "StallerhebungFressLaufbereich", {"BreiteDurchgang", "BreiteDurchgang2",
         "BreiteDurchgang3"}, "StallerhebungFressLaufbereich", {}, {}, false},
        // AufenthaltsortKuehe
        {"AufenthaltsortKuehe", "Fressgitter", "Fressgitter", vtPercent, CalculationPercentage,
         "AufenthaltsortKuehe", {"Fressgitter"}, "AufenthaltsortKuehe", Aufenthaltsorte, {}, false},
        {"AufenthaltsortKuehe", "Futtergang", "Futtergang", vtPercent, CalculationPercentage,
         "AufenthaltsortKuehe", {"Futtergang"}, "AufenthaltsortKuehe", Aufenthaltsorte, {}, false},
        {"AufenthaltsortKuehe", "Boxengang", "Boxengang", vtPercent, CalculationPercentage,
         "AufenthaltsortKuehe", {"Boxengang"}, "AufenthaltsortKuehe", Aufenthaltsorte, {}, false},
        {"AufenthaltsortKuehe", "WartenAMS", "Warten vor AMS", vtPercent, CalculationPercentage,
         "AufenthaltsortKuehe", {"WartenAMS"}, "AufenthaltsortKuehe", Aufenthaltsorte, {}, false},
        {"AufenthaltsortKuehe", "StehenBox2Beine", "Box mit 2 Beine", vtPercent,
         CalculationPercentage, "AufenthaltsortKuehe", {"StehenBox2Beine"}, "AufenthaltsortKuehe",
         Aufenthaltsorte, {}, false},
        {"AufenthaltsortKuehe", "StehenBox4Beine", "Box mit 4 Beine", vtPercent,
         CalculationPercentage, "AufenthaltsortKuehe", {"StehenBox4Beine"}, "AufenthaltsortKuehe",
         Aufenthaltsorte, {}, false},
        {"AufenthaltsortKuehe", "LiegenBox", "Liegen in Box", vtPercent, CalculationPercentage,
         "AufenthaltsortKuehe", {"LiegenBox"}, "AufenthaltsortKuehe", Aufenthaltsorte, {}, false},
        {"AufenthaltsortKuehe", "LiegenLaufflaeche", "Liegen auf Laufflä.", vtPercent,
         CalculationPercentage, "AufenthaltsortKuehe", {"LiegenLaufflaeche"}, "AufenthaltsortKuehe",
         Aufenthaltsorte, {}, false},
        // LiegeboxenKomfortIndex
        {"LiegeboxenKomfortIndex", "LiegeboxenAkzeptanzIndex", "Akz.", vtPercent, CalculationBlock,
         "LiegeboxenKomfortIndex", {"GesamtzahlKueheBox"}, "LiegeboxenKomfortIndex",
         {"AnzahlBoxen"}, {}, true},
        {"LiegeboxenKomfortIndex", "LiegeboxenKomfortIndex", "LKI", vtPercent, CalculationBlock,
         "LiegeboxenKomfortIndex", {"AnzahlKueheLiegend"}, "LiegeboxenKomfortIndex",
         {"GesamtzahlKueheBox"}, {}, true},
        // LiegepositionKuehe
        {"LiegepositionKuehe", "Brustlage", "Brustlage", vtPercent, CalculationPercentage,
         "LiegepositionKuehe", {"Brustlage"}, "LiegepositionKuehe", Liegepositionen, {}, false},
        {"LiegepositionKuehe", "GestrecktesVorderbein", "gestrecktes Vorderbein", vtPercent,
         CalculationPercentage, "LiegepositionKuehe", {"GestrecktesVorderbein"},
         "LiegepositionKuehe", Liegepositionen, {}, false},
        {"LiegepositionKuehe", "GestrecktesHinterbein", "gestrecktes Hinterbein", vtPercent,
         CalculationPercentage, "LiegepositionKuehe", {"GestrecktesHinterbein"},
         "LiegepositionKuehe", Liegepositionen, {}, false},
        {"LiegepositionKuehe", "Schlafposition", "Schlafposition", vtPercent, CalculationPercentage,
         "LiegepositionKuehe", {"Schlafposition"}, "LiegepositionKuehe", Liegepositionen, {},
         false},
        {"LiegepositionKuehe", "TotaleSeitenlage", "Totale Seitenlage", vtPercent,
         CalculationPercentage, "LiegepositionKuehe", {"TotaleSeitenlage"}, "LiegepositionKuehe",
         Liegepositionen, {}, false},
        // ZustandLiegeboxen
        {"ZustandLiegeboxen", "KotMittig", "Kot mittig", vtPercent, CalculationPercentage,
         "ZustandLiegeboxen", {"KotMittigBoxenende"}, "HaltungManagement", Boxenanzahlen, {},
         false},
        {"ZustandLiegeboxen", "KotSeitlich", "Kot seitlich", vtPercent, CalculationPercentage,
         "ZustandLiegeboxen", {"KotUnterLiegeboxenbuegel"}, "HaltungManagement", Boxenanzahlen, {},
         false},
        {"ZustandLiegeboxen", "KotGesamt", "Kot gesamt", vtPercent, CalculationPercentage,
         "ZustandLiegeboxen", {"KotMittigBoxenende", "KotUnterLiegeboxenbuegel"},
         "HaltungManagement", Boxenanzahlen, {}, true},
        {"ZustandLiegeboxen", "HochboxVollstaendig", "Vollständig", vtPercent,
         CalculationPercentage, "ZustandLiegeboxen", {"HochboxVollstaendig"}, "ZustandLiegeboxen",
         Hochboxzustaende, {}, false},
        {"ZustandLiegeboxen", "HochboxLueckenhaft", "Lückenhaft", vtPercent, CalculationPercentage,
         "ZustandLiegeboxen", {"HochboxLueckenhaft"}, "ZustandLiegeboxen", Hochboxzustaende, {},
         false},
        {"ZustandLiegeboxen", "HochboxVereinzelt", "Vereinzelt", vtPercent, CalculationPercentage,
         "ZustandLiegeboxen", {"HochboxVereinzelt"}, "ZustandLiegeboxen", Hochboxzustaende, {},
         false},
        {"ZustandLiegeboxen", "TiefboxKeineMulde", "Eben", vtPercent, CalculationPercentage,
         "ZustandLiegeboxen", {"TiefboxKeineMuldenbildung"}, "ZustandLiegeboxen", Tiefboxzustaende,
         {}, false},
        {"ZustandLiegeboxen", "TiefboxLeichteMulde", "Leichte M.", vtPercent, CalculationPercentage,
         "ZustandLiegeboxen", {"TiefboxLeichteMuldenbildung"}, "ZustandLiegeboxen",
         Tiefboxzustaende, {}, false},
        {"ZustandLiegeboxen", "TiefboxStarkeMulde", "Starke Mulde", vtPercent,
         CalculationPercentage, "ZustandLiegeboxen", {"TiefboxStarkeMuldenbildung"},
         "ZustandLiegeboxen", Tiefboxzustaende, {}, false},
        // Sauberkeit
        {"Sauberkeit", "Hinterhand", "Hinterhand", vtRate6, CalculationAverage,
         "SauberkeitTechnopathien", {"SauberkeitHinterhand"}, "SauberkeitTechnopathien", {}, {},
         false},
        {"Sauberkeit", "Kreuz", "Kreuz", vtRate6, CalculationAverage, "SauberkeitTechnopathien",
         {"SauberkeitKreuz"}, "SauberkeitTechnopathien", {}, {}, false},
        {"Sauberkeit", "EuterBauch", "Euter / Bauch", vtRate6, CalculationAverage,
         "SauberkeitTechnopathien", {"SauberkeitEuterBauch"}, "SauberkeitTechnopathien", {}, {},
         false},
        {"Sauberkeit", "Schwanz", "Schwanz", vtRate6, CalculationAverage, "SauberkeitTechnopathien",
         {"SauberkeitSchwanz"}, "SauberkeitTechnopathien", {}, {}, false},
        {"Sauberkeit", "Schwanzquast", "Schwanzquast", vtRate6, CalculationAverage,
         "SauberkeitTechnopathien", {"SauberkeitSchwanzquast"}, "SauberkeitTechnopathien", {}, {},
         false},
        {"Sauberkeit", "Sitzbein", "Sitzbein", vtRate6, CalculationAverage,
         "SauberkeitTechnopathien", {"SauberkeitSitzbein"}, "SauberkeitTechnopathien", {}, {},
         false},
        {"Sauberkeit", "Unterbein", "Unterbein", vtRate6, CalculationAverage,
         "SauberkeitTechnopathien", {"SauberkeitUnterbein"}, "SauberkeitTechnopathien", {}, {},
         false},
        {"Sauberkeit", "HerdenIndex", "Herden Index", vtRate6, CalculationAverage,
         "SauberkeitTechnopathien", {"SauberkeitHinterhand", "SauberkeitKreuz",
         "SauberkeitEuterBauch", "SauberkeitSchwanz", "SauberkeitSchwanzquast",
         "SauberkeitSitzbein", "SauberkeitUnterbein"}, "SauberkeitTechnopathien", {}, {}, true},
        // Technopathien
        {"Technopathien", "TarsalgelenkHaarloseStelle", "Tarsalgelenk haarlose Stelle", vtPercent,
         Calculation4, "SauberkeitTechnopathien", {"TechnopathienTarsus"},
         "SauberkeitTechnopathien", {}, {1}, false},
        {"Technopathien", "TarsalgelenkHautloseStelle", "Tarsalgelenk hautlose Stelle", vtPercent,
         Calculation4, "SauberkeitTechnopathien", {"TechnopathienTarsus"},
         "SauberkeitTechnopathien", {}, {2}, false},
        {"Technopathien", "TarsalgelenkUmfangsvermehrung", "Tarsalgelenk Umfangsvermehrung",
         vtPercent, Calculation4, "SauberkeitTechnopathien", {"TechnopathienTarsus"},
         "SauberkeitTechnopathien", {}, {3}, false},
        {"Technopathien", "TarsalgelenkUmfangsvermehrungOffen",
         "Tarsalgelenk Umfangsverm. (haarlos/hautlos)", vtPercent, Calculation4,
         "SauberkeitTechnopathien", {"TechnopathienTarsus"}, "SauberkeitTechnopathien", {}, {4},
         false},
        {"Technopathien", "KnieHaarloseStelle", "Knie haarlose Stelle", vtPercent, Calculation4,
         "SauberkeitTechnopathien", {"TechnopathienKnie"}, "SauberkeitTechnopathien", {}, {1},
         false},
        {"Technopathien", "KnieHautloseStelle", "Knie hautlose Stelle", vtPercent, Calculation4,
         "SauberkeitTechnopathien", {"TechnopathienKnie"}, "SauberkeitTechnopathien", {}, {2},
         false},
        {"Technopathien", "WirbelsaeuleUmfangsvermehrung", "Wirbelsäule Umfangsvermehrung",
         vtPercent, Calculation4, "SauberkeitTechnopathien", {"TechnopathienWirbelsaeule"},
         "SauberkeitTechnopathien", {}, {3}, false},
        {"Technopathien", "WirbelsaeuleUmfangsvermehrungOffen",
         "Wirbelsäule Umfangsverm. (haarlos/hautlos)", vtPercent, Calculation4,
         "SauberkeitTechnopathien", {"TechnopathienWirbelsaeule"}, "SauberkeitTechnopathien", {},
         {4}, false},
        {"Technopathien", "WiderristHaarloseStelle", "Widerrist haarlose Stelle", vtPercent,
         Calculation4, "SauberkeitTechnopathien", {"TechnopathienWiderrist"},
         "SauberkeitTechnopathien", {}, {1}, false},
        {"Technopathien", "WiderristHautloseStelle", "Widerrist hautlose Stelle", vtPercent,
         Calculation4, "SauberkeitTechnopathien", {"TechnopathienWiderrist"},
         "SauberkeitTechnopathien", {}, {2}, false},
        {"Technopathien", "WiderristUmfangsvermehrung", "Widerrist Umfangsvermehrung", vtPercent,
         Calculation4, "SauberkeitTechnopathien", {"TechnopathienWiderrist"},
         "SauberkeitTechnopathien", {}, {3}, false},
        {"Technopathien", "WammeHaarloseStelle", "Wamme haarlose Stelle", vtPercent, Calculation4,
         "SauberkeitTechnopathien", {"TechnopathienWamme"}, "SauberkeitTechnopathien", {}, {1},
         false},
        {"Technopathien", "KarpalgelenkHaarloseStelle", "Karpalgelenk haarlose Stelle", vtPercent,
         Calculation4, "SauberkeitTechnopathien", {"TechnopathienCarpus"},
         "SauberkeitTechnopathien", {}, {1}, false},
        {"Technopathien", "KarpalgelenkHautloseStelle", "Karpalgelenk hautlose Stelle", vtPercent,
         Calculation4, "SauberkeitTechnopathien", {"TechnopathienCarpus"},
         "SauberkeitTechnopathien", {}, {2}, false},
        {"Technopathien", "KarpalgelenkUmfangsvermehrung", "Karpalgelenk Umfangsvermehrung",
         vtPercent, Calculation4, "SauberkeitTechnopathien", {"TechnopathienCarpus"},
         "SauberkeitTechnopathien", {}, {3}, false},
        // Laufverhalten
        {"Laufverhalten", "KopfhaltungKl20", "Kopfhaltung korrekt", vtPercent,
         CalculationPercentage, "LaufverhaltenAbliegedauer", {"LaufverhaltenKopfhaltungKl20"},
         "LaufverhaltenAbliegedauer", Kopfhaltungen, {}, false},
        {"Laufverhalten", "KopfhaltungGr20", "Kopfhaltung > 20°", vtPercent, CalculationPercentage,
         "LaufverhaltenAbliegedauer", {"LaufverhaltenKopfhaltungGr20"}, "LaufverhaltenAbliegedauer",
         Kopfhaltungen, {}, false},
        {"Laufverhalten", "LaufverhaltenAuffaelligeLahmheiten", "Lahmheit", vtCount,
         CalculationCount, "LaufverhaltenAbliegedauer", {"LaufverhaltenAuffaelligeLahmheiten"},
         "LaufverhaltenAbliegedauer", {}, {}, false},
        {"Laufverhalten", "KoerperpflegeDreibeinigesStehenLaufflaeche", "Dreibeiniges Stehen",
         vtCount, CalculationCount, "LaufverhaltenAbliegedauer",
         {"KoerperpflegeDreibeinigesStehenLaufflaeche"}, "LaufverhaltenAbliegedauer", {}, {},
         false},
        // Abliegedauer
        {"Abliegedauer", "AbliegedauerZuegig", "Zügig (< 30 Sek.)", vtPercent,
         CalculationPercentage, "LaufverhaltenAbliegedauer", {"AbliegedauerZuegig"},
         "LaufverhaltenAbliegedauer", Abliegedauern, {}, false},
        {"Abliegedauer", "AbliegedauerZoegerlich", "Zögerlich (30-60 Sek.)", vtPercent,
         CalculationPercentage, "LaufverhaltenAbliegedauer", {"AbliegedauerZoegerlich"},
         "LaufverhaltenAbliegedauer", Abliegedauern, {}, false},
        {"Abliegedauer", "AbliegedauerVerweigernd", "Verweigernd, Abgebrochen (> 60 Sek.)",
         vtPercent, CalculationPercentage, "LaufverhaltenAbliegedauer", {"AbliegedauerVerweigernd"},
         "LaufverhaltenAbliegedauer", Abliegedauern, {}, false},
        {"Abliegedauer", "AbliegedauerAbgebrochen", "Keine Intention", vtPercent,
         CalculationPercentage, "LaufverhaltenAbliegedauer", {"AbliegedauerAbgebrochen"},
         "LaufverhaltenAbliegedauer", Abliegedauern, {}, false},
        // MCVerhalten
        {"MCVerhalten", "MobilityCheckVerhaltenRuhig", "Ruhiger Stand", vtPercent,
         CalculationPercentage, "MobilityCheckCommon", {"MobilityCheckVerhaltenRuhig"},
         "MobilityCheckCommon", MCVerhaltensweisen, {}, false},
        {"MCVerhalten", "MobilityCheckVerhaltenTrippeln", "Trippeln", vtPercent,
         CalculationPercentage, "MobilityCheckCommon", {"MobilityCheckVerhaltenTrippeln"},
         "MobilityCheckCommon", MCVerhaltensweisen, {}, false},
        {"MCVerhalten", "MobilityCheckVerhaltenEntlasten", "Entlastung", vtPercent,
         CalculationPercentage, "MobilityCheckCommon", {"MobilityCheckVerhaltenEntlasten"},
         "MobilityCheckCommon", MCVerhaltensweisen, {}, false},
        {"MCVerhalten", "MobilityCheckStandingScore1", "STS 1", vtPercent, Calculation4,
         "MobilityCheckSeparate", {"Standingscore"}, "MobilityCheckSeparate", {}, {1}, false},
        {"MCVerhalten", "MobilityCheckStandingScore23", "STS 3", vtPercent, Calculation4,
         "MobilityCheckSeparate", {"Standingscore"}, "MobilityCheckSeparate", {}, {2, 3}, false},
        {"MCVerhalten", "MobilityCheckStandingScore45", "STS 5", vtPercent, Calculation4,
         "MobilityCheckSeparate", {"Standingscore"}, "MobilityCheckSeparate", {}, {4, 5}, false},
        {"MCVerhalten", "MobilityCheckLocomotionScore1", "LCS 1", vtPercent, Calculation4,
         "MobilityCheckSeparate", {"Locomotionscore"}, "MobilityCheckSeparate", {}, {1}, false},
        {"MCVerhalten", "MobilityCheckLocomotionScore23", "LCS 3", vtPercent, Calculation4,
         "MobilityCheckSeparate", {"Locomotionscore"}, "MobilityCheckSeparate", {}, {2, 3}, false},
        {"MCVerhalten", "MobilityCheckLocomotionScore45", "LCS 5", vtPercent, Calculation4,
         "MobilityCheckSeparate", {"Locomotionscore"}, "MobilityCheckSeparate", {}, {4, 5}, false},
        // MCKlauen
        {"MCKlauen", "KlauenzustandDorsalLaengeLang", "Dorsalwandlänge zu lang", vtPercent,
         Calculation4, "MobilityCheckSeparate", {"KlauenzustandDorsalwandLaenge"},
         "MobilityCheckSeparate", {}, {2}, false},
        {"MCKlauen", "KlauenzustandDorsalLaengeKurz", "Dorsalwandlänge zu kurz", vtPercent,
         Calculation4, "MobilityCheckSeparate", {"KlauenzustandDorsalwandLaenge"},
         "MobilityCheckSeparate", {}, {3}, false},
        {"MCKlauen", "KlauenzustandDorsalKrmgKrmg", "Dorsalwandkrümmung vorhanden", vtPercent,
         Calculation4, "MobilityCheckSeparate", {"KlauenzustandDorsalwandKruemmung"},
         "MobilityCheckSeparate", {}, {2}, false},
        {"MCKlauen", "KlauenzustandDorsalKrmgRille", "Dorsalwandkrümmung mit Rillen", vtPercent,
         Calculation4, "MobilityCheckSeparate", {"KlauenzustandDorsalwandKruemmung"},
         "MobilityCheckSeparate", {}, {3}, false},
        {"MCKlauen", "KlauenzustandTrachtenhoeheNiedrig", "Trachtenhöhe zu niedrig", vtPercent,
         Calculation4, "MobilityCheckSeparate", {"KlauenzustandTrachtenhoehe"},
         "MobilityCheckSeparate", {}, {2}, false},
        {"MCKlauen", "KlauenzustandTrachtenhoeheHoch", "Trachtenhöhe zu hoch", vtPercent,
         Calculation4, "MobilityCheckSeparate", {"KlauenzustandTrachtenhoehe"},
         "MobilityCheckSeparate", {}, {3}, false},
        {"MCKlauen", "KlauenzustandZehengleichUngleich", "Gleichmäßigkeit der Zehen ungleich",
         vtPercent, Calculation4, "MobilityCheckSeparate", {"KlauenzustandZehenGleich"},
         "MobilityCheckSeparate", {}, {2}, false},
        {"MCKlauen", "KlauenzustandZehengleichAuffaellig", "Gleichmäßigkeit der Zehen auffällig",
         vtPercent, Calculation4, "MobilityCheckSeparate", {"KlauenzustandZehenGleich"},
         "MobilityCheckSeparate", {}, {3}, false},
        {"MCKlauen", "KlauenzustandBallenhautAkut", "Haut im Ballenbereich akut, rot, nässend",
         vtPercent, Calculation4, "MobilityCheckSeparate", {"KlauenzustandBallenhaut"},
         "MobilityCheckSeparate", {}, {2}, false},
        {"MCKlauen", "KlauenzustandBallenhautChronisch",
         "Haut im Ballenbereich chronisch verändert", vtPercent, Calculation4,
         "MobilityCheckSeparate", {"KlauenzustandBallenhaut"}, "MobilityCheckSeparate", {}, {3},
         false},
        {"MCKlauen", "KlauenzustandBodenwStandAuffaellig", "Bodenweiter Stand auffällig", vtPercent,
         Calculation4, "MobilityCheckSeparate", {"KlauenzustandStandBoden"},
         "MobilityCheckSeparate", {}, {2}, false},
        {"MCKlauen", "KlauenzustandBodenwStandDringend", "Bodenweiter Stand dringend", vtPercent,
         Calculation4, "MobilityCheckSeparate", {"KlauenzustandStandBoden"},
         "MobilityCheckSeparate", {}, {3}, false},
        // Velkora
        {"Velkora", "Velkora.Dunavis.AE", "Eutergesund", vtPercent, CalculationPercentage,
         "Velkora", {"Dunavis.Gesund.Anzahl"}, "Velkora", {"Dunavis.Gesund.Gesamt"}, {}, false},
        {"Velkora", "Velkora.Dunavis.EM", "Erstlaktierenden Mastitis", vtPercent,
         CalculationPercentage, "Velkora", {"Dunavis.ErstMastitis.Anzahl"}, "Velkora",
         {"Dunavis.ErstMastitis.Gesamt"}, {}, false},
        {"Velkora", "Velkora.Dunavis.NL", "Neuinfektion in Laktation", vtPercent,
         CalculationPercentage, "Velkora", {"Dunavis.NeuInLaktation.Anzahl"}, "Velkora",
         {"Dunavis.NeuInLaktation.Gesamt"}, {}, false},
        {"Velkora", "Velkora.Dunavis.NT", "Neuinfektion in Trockenperiode", vtPercent,
         CalculationPercentage, "Velkora", {"Dunavis.NeuInTrocken.Anzahl"}, "Velkora",
         {"Dunavis.NeuInTrocken.Gesamt"}, {}, false},
        {"Velkora", "Velkora.Dunavis.HT", "Heilung in Trockenperiode", vtPercent,
         CalculationPercentage, "Velkora", {"Dunavis.Heilung.Anzahl"}, "Velkora",
         {"Dunavis.Heilung.Gesamt"}, {}, false},
        {"Velkora", "Velkora.Dunavis.AC", "Chronisch euterkrank", vtPercent, CalculationPercentage,
         "Velkora", {"Dunavis.Chronisch.Anzahl"}, "Velkora", {"Dunavis.Chronisch.Gesamt"}, {},
         false},
    };
}
// clang-format on

struct TValueScale
{
    double Min;
    double Max;
    double Inc;
};

TValueScale ValueScale(TValueType AType)
{
    switch (AType) {
    case vtRate6:
        return {0, 6, 1};
    case vtCount:
        return {0, 10, 1};
    case vtPercent:
        return {0, 100, 10};
    case vtText:
        break;
    }
    return {0, 0, 0};
}

std::unique_ptr<TKWIndikatorDefinition> NewDefinition(const TDefinitionRow& ARow, int APageOrder)
{
    auto Definition = std::make_unique<TKWIndikatorDefinition>();
    Definition->ID = QString::fromUtf8(ARow.ID);
    Definition->Text = QString::fromUtf8(ARow.Text);
    Definition->PageID = Auswertung + QLatin1String(ARow.Key);
    Definition->PageOrder = APageOrder;
    Definition->PageText = QString::fromUtf8(PageOf(QLatin1String(ARow.Key)).Title);
    Definition->ValueType = ARow.ValueType;
    const TValueScale Scale = ValueScale(ARow.ValueType);
    Definition->MinValue = Scale.Min;
    Definition->MaxValue = Scale.Max;
    Definition->IncValue = Scale.Inc;
    Definition->NIDs = ARow.NIDs;
    Definition->DIDs = ARow.DIDs;
    Definition->NDataID = QLatin1String(ARow.NDataID);
    Definition->DDataID = QLatin1String(ARow.DDataID);
    Definition->NConditionValues = ARow.NConditionValues;
    Definition->CalculationType = ARow.CalculationType;
    Definition->IsMainIndicator = ARow.IsMainIndicator;
    return Definition;
}

void LogNotFound(const char* AOperation, const QString& AID)
{
    KWLog(QStringLiteral("TKWDataStoreAuswertung.%1 - ID not found   >%2<")
              .arg(QLatin1String(AOperation), AID));
}

QString JoinedWithCommas(const QStringList& AList)
{
    QString Result;
    for (const QString& Entry : AList)
        Result += Entry + QLatin1Char(',');
    return Result;
}

} // namespace

TKWDataStoreAuswertung::TKWDataStoreAuswertung(TKWDataStoreErfassung& ADataStoreErfassung)
    : FDataStoreErfassung(ADataStoreErfassung)
{
    FPossibleIDs.insert(Auswertung, AuswertungKeys());
    for (const TPage& Page : Pages())
        FPossibleIDs.insert(QLatin1String(Page.Key), Page.IDs);
    FFolgeberatungIDs.insert(Auswertung, {});
    FNeueBeratungIDs.insert(Auswertung, {});
    CreateDefinitions();
    CreateIndikatoren();
    for (const TPage& Page : Pages()) {
        TKWIndikatorList& List = FIndikatorLists[QLatin1String(Page.Key)];
        for (const QString& ID : Page.IDs)
            List << FIndikatoren.at(ID).get();
    }
}

TKWDataStoreAuswertung::~TKWDataStoreAuswertung() = default;

const QStringList& TKWDataStoreAuswertung::AuswertungKeys()
{
    static const QStringList Keys = [] {
        QStringList Result;
        for (const TPage& Page : Pages())
            Result << QLatin1String(Page.Key);
        return Result;
    }();
    return Keys;
}

void TKWDataStoreAuswertung::CreateDefinitions()
{
    for (const TDefinitionRow& Row : DefinitionRows())
        FIndikatorDefinitions.push_back(
            NewDefinition(Row, static_cast<int>(FIndikatorDefinitions.size())));
}

void TKWDataStoreAuswertung::CreateIndikatoren()
{
    for (const auto& Definition : FIndikatorDefinitions) {
        std::unique_ptr<IKWCalculation> Calculation = CreateCalculation(
            Definition->CalculationType, Definition->NIDs, Definition->DIDs,
            FDataStoreErfassung.GetData(Definition->NDataID),
            FDataStoreErfassung.GetData(Definition->DDataID), Definition->NConditionValues);
        FIndikatoren.emplace(Definition->ID,
                             std::make_unique<TKWIndikator>(*Definition, std::move(Calculation)));
    }
}

void TKWDataStoreAuswertung::ClearData()
{
    for (auto& [ID, Indikator] : FIndikatoren)
        Indikator->ClearData();
    FUrsachen.clear();
    FMassnahmen.clear();
    FRefreshedAt.reset();
}

TKWIndikator& TKWDataStoreAuswertung::GetIndikator(const QString& ID) const
{
    const auto Found = FIndikatoren.find(ID);
    if (Found != FIndikatoren.end())
        return *Found->second;
    LogNotFound("GetIndikator", ID);
    return *FIndikatoren.at(FallbackID);
}

const TKWIndikatorList& TKWDataStoreAuswertung::GetIndikatorList(const QString& ID) const
{
    const auto Found = FIndikatorLists.find(ID);
    if (Found != FIndikatorLists.end())
        return Found->second;
    LogNotFound("GetIndikatorList", ID);
    static const TKWIndikatorList Empty;
    return Empty;
}

QString TKWDataStoreAuswertung::GetSchwachstellenIndikatorenIDs() const
{
    QStringList IDs;
    for (const TKWIndikator* Indikator : GetSchwachstellenIndikatoren())
        IDs << Indikator->Definition().ID;
    return JoinedWithCommas(IDs);
}

TKWIndikatorList TKWDataStoreAuswertung::GetSchwachstellenIndikatoren() const
{
    TKWIndikatorList Result;
    for (const auto& Definition : FIndikatorDefinitions) {
        TKWIndikator* Indikator = FIndikatoren.at(Definition->ID).get();
        if (Indikator->Weakness())
            Result << Indikator;
    }
    return Result;
}

QString TKWDataStoreAuswertung::GetUrsachenIDs() const
{
    return JoinedWithCommas(FUrsachen);
}

TKWJson TKWDataStoreAuswertung::GetDataAsJson()
{
    TKWJsonWriter Writer;
    WriteJson(Writer);
    return KWParseJson(Writer.Text());
}

void TKWDataStoreAuswertung::WriteJson(TKWJsonWriter& AWriter)
{
    RefreshIfRecordingsChanged();
    AWriter.BeginObject();
    for (const TPage& Page : Pages()) {
        AWriter.Key(Page.Key);
        AWriter.BeginObject();
        for (const TKWIndikator* Indikator : FIndikatorLists.at(QLatin1String(Page.Key))) {
            AWriter.Key(Indikator->Definition().ID.toStdString());
            Indikator->WriteJson(AWriter);
        }
        AWriter.EndObject();
    }
    for (const auto& [Name, List] : {std::pair{"Ursachen", &FUrsachen}, std::pair{"Massnahmen", &FMassnahmen}}) {
        AWriter.Key(Name);
        AWriter.BeginArray();
        for (const QString& Entry : *List)
            AWriter.String(Entry);
        AWriter.EndArray();
    }
    AWriter.EndObject();
}

void TKWDataStoreAuswertung::RefreshIfRecordingsChanged()
{
    const quint64 Now = FDataStoreErfassung.ChangeCount();
    if (FRefreshedAt == Now)
        return;
    for (auto& [ID, Indikator] : FIndikatoren)
        Indikator->RefreshValue();
    FRefreshedAt = Now;
}

TKWJson TKWDataStoreAuswertung::GetUrsachenAsJson() const
{
    return GetStringListAsJson(FUrsachen);
}

TKWJson TKWDataStoreAuswertung::GetMassnahmenAsJson() const
{
    return GetStringListAsJson(FMassnahmen);
}

TKWJson TKWDataStoreAuswertung::GetStringListAsJson(const QStringList& AList)
{
    TKWJson Result = TKWJson::array();
    for (const QString& Entry : AList)
        Result.push_back(Entry.toStdString());
    return Result;
}

void TKWDataStoreAuswertung::LoadFromJson(TKWJson& AuswertungJSON, TKWAction AAction)
{
    FRefreshedAt.reset(); // the stored values stand until the next write recomputes them
    if (AAction == aFolgeberatung)
        TKWJSONUtil::RemoveData(AuswertungJSON, Auswertung, FPossibleIDs, FFolgeberatungIDs);
    else if (AAction == aBeratungNeu)
        TKWJSONUtil::RemoveData(AuswertungJSON, Auswertung, FPossibleIDs, FNeueBeratungIDs);
    if (!AuswertungJSON.is_object())
        return;
    for (const TPage& Page : Pages()) {
        const auto PageJson = AuswertungJSON.find(Page.Key);
        if (PageJson == AuswertungJSON.end() || !PageJson->is_object())
            continue;
        for (const QString& ID : Page.IDs) {
            const auto Member = PageJson->find(ID.toStdString());
            if (Member != PageJson->end())
                LoadIndikator(ID, *Member);
        }
    }
    LoadUrsachen(AuswertungJSON);
    LoadMassnahmen(AuswertungJSON);
}

// An entry that cannot be read is logged and skipped; the visit keeps every other rating.
void TKWDataStoreAuswertung::LoadIndikator(const QString& AID, const TKWJson& AValue)
{
    try {
        FIndikatoren.at(AID)->LoadFromJson(AValue);
    } catch (const EKWException& E) {
        KWLog(QStringLiteral("TKWDataStoreAuswertung.LoadFromJson - Exception"));
        KWLog(QStringLiteral("  Name:    ") + AID);
        KWLog(QStringLiteral("  Message: ") + E.Message());
    }
}

void TKWDataStoreAuswertung::LoadUrsachen(const TKWJson& AJsonObject)
{
    LoadToStringList(AJsonObject, QStringLiteral("Ursachen"), FUrsachen);
}

void TKWDataStoreAuswertung::LoadMassnahmen(const TKWJson& AJsonObject)
{
    LoadToStringList(AJsonObject, QStringLiteral("Massnahmen"), FMassnahmen);
}

void TKWDataStoreAuswertung::LoadToStringList(const TKWJson& AJsonObject, const QString& AID,
                                              QStringList& AList)
{
    const auto Member = AJsonObject.find(AID.toStdString());
    if (Member == AJsonObject.end() || !Member->is_array())
        return;
    for (const TKWJson& Element : *Member)
        AList << KWJsonValueText(Element);
}

#include "KWExampleVisit.h"

#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWException.h"
#include "KWIndikator.h"
#include "KWMemTable.h"
#include "KWUtils.h"

#include <QDate>
#include <QMetaType>
#include <QTime>
#include <QVariant>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

// The example farm: a fictional free-stall barn with 70 lactating cows in one group, 48 raised
// and 20 deep-bedded cubicles, a feeding fence with 60 places and five drinkers. Every figure
// below is chosen so that the counts fit together the way the recording pages check them (cows
// counted against the group size, cubicles assessed against the cubicle counts) and so that
// each evaluation page shows bars both inside and outside the target.

namespace {

constexpr int Tiere = 70;
constexpr int Hochboxen = 48;
constexpr int Tiefboxen = 20;
constexpr int Fressplaetze = 60;
constexpr int Traenken = 5;
constexpr int Troglaenge = 560;

using TKWFieldValues = std::initializer_list<std::pair<const char*, QVariant>>;

void SetValue(TKWField& AField, const QVariant& AValue)
{
    switch (AValue.typeId()) {
    case QMetaType::Int:
        AField.SetAsInteger(AValue.toInt());
        break;
    case QMetaType::Double:
        AField.SetAsFloat(AValue.toDouble());
        break;
    case QMetaType::Bool:
        AField.SetAsBoolean(AValue.toBool());
        break;
    case QMetaType::QDate:
        AField.SetAsDate(AValue.toDate());
        break;
    case QMetaType::QTime:
        AField.SetAsTime(AValue.toTime());
        break;
    case QMetaType::QString:
        AField.SetAsString(AValue.toString());
        break;
    default:
        throw EKWException(QStringLiteral("Example visit: no value kind for field ") +
                           AField.FieldName());
    }
}

void SetFields(TKWMemTable& ATable, TKWFieldValues AValues)
{
    for (const auto& [Name, Value] : AValues)
        SetValue(ATable.FieldByName(QString::fromLatin1(Name)), Value);
}

// The record of a single-record area (created when the area is still empty).
void WriteRecord(TKWMemTable& ATable, TKWFieldValues AValues)
{
    ATable.Edit();
    SetFields(ATable, AValues);
    ATable.Post();
}

void AppendRecord(TKWMemTable& ATable, TKWFieldValues AValues)
{
    ATable.Append();
    SetFields(ATable, AValues);
    ATable.Post();
}

TKWMemTable& Area(TKWDataStore& AStore, const char* AName)
{
    return AStore.GetDataErfassung(QString::fromLatin1(AName));
}

// The visit data page keeps place-per-animal ratios with two decimals.
double Verhaeltnis(int APlaetze, int ATiere)
{
    return std::round(100.0 * APlaetze / ATiere) / 100;
}

void FillBetriebsdaten(TKWDataStore& AStore)
{
    double TraenkeTier = 0;
    double TierTraenke = 0;
    TKWDataManagement::CalcTraenkeVerhaeltnis(Traenken, Tiere, TraenkeTier, TierTraenke);
    WriteRecord(Area(AStore, "Betriebsdaten"),
                {{"Betriebsinhaber", "Beispielhof Anna und Jan Musterbauer"},
                 {"AdresseBetrieb", "Am Feldrain 7, 99999 Musterdorf"},
                 {"TelefonHandy", "0000 1234567"},
                 {"EMail", "beispielhof@example.org"},
                 {"HITNummer", "276000000000000"},
                 {"UnternehmerNr", "000000000"},
                 {"Region", "99999"},
                 {"GesamtzahlKuehe", 82},
                 {"AnzahlLaktierendeKuehe", Tiere},
                 {"AnzahlLaktierendeGruppen", 1},
                 {"DatumErfassung", QDate(2024, 5, 14)},
                 {"UhrzeitErfassung", QTime(13, 30)},
                 {"Erfasser", "Demo-Beratung"},
                 {"UhrzeitFuttervorlage", QTime(10, 30)},
                 {"Stallname", "Demo Laufstall Nord"},
                 {"Stallsystem", "LL"},
                 {"Stalltyp", "12R"},
                 {"Melksystem", "KONV"},
                 {"Melkstand", "FGMSTD"},
                 {"AnzahlMelkplaetze", 12},
                 {"Rasse", "HF"},
                 {"BeschreibungErfassungsgruppe", "GES"},
                 {"AnzahlTiereErfassungsgruppe", Tiere},
                 {"AnzahlEinfacheLiegeboxenreihen", 1},
                 {"AnzahlDoppelliegeboxenreihen", 1},
                 {"AnzahlLiegeboxen", Hochboxen + Tiefboxen},
                 {"AnzahlFuttertische", 1},
                 {"AnzahlFressplaetze", Fressplaetze},
                 {"AnzahlTraenken", Traenken},
                 {"VerhaeltnisLiegeTier", Verhaeltnis(Hochboxen + Tiefboxen, Tiere)},
                 {"VerhaeltnisFressTier", Verhaeltnis(Fressplaetze, Tiere)},
                 {"VerhaeltnisTraenkeTier", TraenkeTier},
                 {"VerhaeltnisTierTraenke", TierTraenke},
                 // Whole centimetres per animal, a half going to the even neighbour.
                 {"VerhaeltnisTrogLaengeTier", std::nearbyint(double(Troglaenge) / Tiere)},
                 {"ZuchtbulleFrei", false},
                 {"BeratungAngeortnet", false}});
}

// Raised deep-bedded cubicles stay 0: opening a visit counts them among the deep-bedded ones.
void FillHaltungManagement(TKWDataStore& AStore)
{
    WriteRecord(Area(AStore, "HaltungManagement"), {{"AnzahlHochboxen", Hochboxen},
                                                    {"AnzahlTiefboxen", Tiefboxen},
                                                    {"AnzahlHochverlegteTiefboxen", 0},
                                                    {"AnzahlHeterogen", true},
                                                    {"Buegeltyp", "FRTR_ST_MON"},
                                                    {"Bugbegrenzung", "BRE"},
                                                    {"HochboxLiegeboxenbelag", "GUM_SCHA"},
                                                    {"HochboxAlterBelag", 9},
                                                    {"HochboxStaerkeBelag", 35},
                                                    {"HochboxEinstreumaterial", "SAEG_MEH"},
                                                    {"HochboxZusaetzlichKalk", "1W"},
                                                    {"TiefboxGrundmaterial", "STR_KAL_MAT"},
                                                    {"TiefboxDeckschichtmaterial", "STR_HAE"},
                                                    {"TiefboxZusaetzlichKalk", "2W"},
                                                    {"ArtBodenFuttergang", "SPA_BOD"},
                                                    {"ArtBodenLaufgang", "SPA_BOD"},
                                                    {"AnzahlSackgassen", 1},
                                                    {"AlterLaufflaeche", 14},
                                                    {"ArtLaufflaechenreinigung", "ROBO"},
                                                    {"Fuetterungssystem", "KONV"},
                                                    {"Rationsgestalltung", "TMRT"},
                                                    {"HaeufigkeitBoxenpflege", "2T"},
                                                    {"HaeufigkeitEinstreuenHB", "J2T"},
                                                    {"HaeufigkeitNachstreuen", "1W"},
                                                    {"HaeufigkeitLaufflaechenreinigung", "12T"},
                                                    {"HaeufigkeitFuttervorlage", 7},
                                                    {"HaeufigkeitAnschieben", 4}});
}

// 69 of the 70 cows found three hours after feeding; no robot, so nobody waits for one.
void FillAufenthaltsort(TKWDataStore& AStore)
{
    WriteRecord(Area(AStore, "AufenthaltsortKuehe"), {{"Fressgitter", 16},
                                                      {"Futtergang", 3},
                                                      {"Boxengang", 5},
                                                      {"WartenAMS", 0},
                                                      {"StehenBox2Beine", 4},
                                                      {"StehenBox4Beine", 3},
                                                      {"LiegenBox", 37},
                                                      {"LiegenLaufflaeche", 1}});
}

// The single row and the double row, split into five blocks of 68 cubicles in all.
void FillKomfortIndex(TKWDataStore& AStore)
{
    struct TBlock
    {
        const char* Block;
        const char* Reihe;
        const char* AnzahlBoxen;
        int Liegend;
        int Gesamt;
    };
    const std::array<TBlock, 5> Blocks = {{{"1", "Einzelreihe", "11", 7, 8},
                                           {"2", "Einzelreihe", "11", 5, 7},
                                           {"3", "Doppelreihe", "16", 9, 11},
                                           {"4", "Doppelreihe", "16", 8, 10},
                                           {"5", "Doppelreihe", "14", 5, 8}}};
    TKWMemTable& Table = Area(AStore, "LiegeboxenKomfortIndex");
    for (const TBlock& B : Blocks)
        AppendRecord(Table, {{"Block", B.Block},
                             {"Reihe", B.Reihe},
                             {"AnzahlBoxen", B.AnzahlBoxen},
                             {"AnzahlKueheLiegend", B.Liegend},
                             {"GesamtzahlKueheBox", B.Gesamt}});
}

// Every cow counted lying in a cubicle, by her lying position.
void FillLiegeposition(TKWDataStore& AStore)
{
    WriteRecord(Area(AStore, "LiegepositionKuehe"), {{"Brustlage", 26},
                                                     {"GestrecktesVorderbein", 2},
                                                     {"GestrecktesHinterbein", 6},
                                                     {"Schlafposition", 2},
                                                     {"TotaleSeitenlage", 1}});
}

// Bedding assessed in every raised and every deep-bedded cubicle.
void FillZustandLiegeboxen(TKWDataStore& AStore)
{
    WriteRecord(Area(AStore, "ZustandLiegeboxen"), {{"KotMittigBoxenende", 5},
                                                    {"KotUnterLiegeboxenbuegel", 8},
                                                    {"HochboxVollstaendig", 18},
                                                    {"HochboxLueckenhaft", 20},
                                                    {"HochboxVereinzelt", 10},
                                                    {"TiefboxKeineMuldenbildung", 11},
                                                    {"TiefboxLeichteMuldenbildung", 6},
                                                    {"TiefboxStarkeMuldenbildung", 3}});
}

void FillLaufverhalten(TKWDataStore& AStore)
{
    WriteRecord(Area(AStore, "LaufverhaltenAbliegedauer"),
                {{"LaufverhaltenKopfhaltungKl20", 48},
                 {"LaufverhaltenKopfhaltungGr20", 17},
                 {"LaufverhaltenAuffaelligeLahmheiten", 4},
                 {"KoerperpflegeDreibeinigesStehenLaufflaeche", 2},
                 {"AbliegedauerZuegig", 9},
                 {"AbliegedauerZoegerlich", 6},
                 {"AbliegedauerVerweigernd", 3},
                 {"AbliegedauerAbgebrochen", 2}});
}

// Five measured cubicles; each carries the length of a wall cubicle and of a (half) double
// cubicle at its place, and the head area is what the shorter of the two leaves beyond the
// lying surface.
void FillLiegebereiche(TKWDataStore& AStore)
{
    struct TBox
    {
        const char* Typ;
        int Breite;
        int NackenrohrStreuschwelle;
        int HoeheNackenrohr;
        int HoeheStreuschwelle;
        int LaengeLiegeflaeche;
        int LaengeWandbox;
        int LaengeDoppelbox;
    };
    const std::array<TBox, 5> Boxen = {{{"HB", 118, 170, 124, 22, 178, 265, 245},
                                        {"HB", 116, 168, 126, 21, 176, 264, 244},
                                        {"HB", 120, 171, 122, 23, 180, 266, 246},
                                        {"TB", 122, 166, 128, 18, 185, 270, 250},
                                        {"TB", 121, 167, 127, 19, 184, 268, 248}}};
    TKWMemTable& Table = Area(AStore, "StallerhebungLiegebereiche");
    int Nr = 0;
    for (const TBox& B : Boxen)
        AppendRecord(Table, {{"BoxBoxenNr", ++Nr},
                             {"BoxBoxentyp", B.Typ},
                             {"BoxBoxenbreite", B.Breite},
                             {"BoxAbstandNackenrohrBugschwelle", 26},
                             {"BoxAbstandNackenrohrStreuschwelle", B.NackenrohrStreuschwelle},
                             {"BoxAbstandBoxenbuegelStreuschwelle", 28},
                             {"BoxHoeheNackenrohrLiegeflaeche", B.HoeheNackenrohr},
                             {"BoxHoeheKopfrohr", 92},
                             {"BoxHintereHoeheBoxenbuegel", 42},
                             {"BoxHoeheBugbegrenzungLiegeflaeche", 15},
                             {"BoxHoeheStreuschwelle", B.HoeheStreuschwelle},
                             {"BoxLaengeLiegeflaeche", B.LaengeLiegeflaeche},
                             {"BoxLaengeWandbox", B.LaengeWandbox},
                             {"BoxLaengeDoppelbox", B.LaengeDoppelbox},
                             {"BoxLaengeKopfbereich", std::min(B.LaengeWandbox, B.LaengeDoppelbox) -
                                                          B.LaengeLiegeflaeche}});
}

// A feeding fence, so the neck-rail measurements stay empty. The feed table height is what
// the trough edge leaves above it.
void FillFressLaufbereich(TKWDataStore& AStore)
{
    constexpr int Sockel = 50;
    constexpr int FuttertischSockel = 20;
    WriteRecord(Area(AStore, "StallerhebungFressLaufbereich"),
                {{"FressplatzFressgitterHoeheStandflaecheObereBegrenzung", 165},
                 {"FressplatzFressgitterHoeheStandflaecheOberkanteUnteresRohr", 52},
                 {"FressplatzFressgitterHoeheStandflaecheSockel", Sockel},
                 {"FressplatzFressgitterHoeheStandflaecheFuttertisch", Sockel - FuttertischSockel},
                 {"FressplatzFressgitterHoeheFuttertischSockel", FuttertischSockel},
                 {"FressplatzFressgitterFressplatzbreite", 68},
                 {"ArtBegrenzung", "FRE_GIT"},
                 {"AnzahlFressplaetze", Fressplaetze},
                 {"AusfuehrungSockel", "BET_RUN"},
                 {"Rutschfestigkeit", "RUT_FES"},
                 {"Trittsicherheit", "TRI_SIC"},
                 {"BreiteFressgang", 420},
                 {"BreiteFressgang2", 410},
                 {"BreiteBoxengang", 310},
                 {"BreiteBoxengang2", 305},
                 {"BreiteDurchgang", 240},
                 {"BreiteDurchgang2", 260},
                 {"StallerhebungWassercheckVorhanden", true},
                 {"StallerhebungWassercheckEinzel", 1},
                 {"StallerhebungWassercheckMehr", Traenken - 1},
                 {"StallerhebungWassercheckTroghoehe", 85},
                 {"StallerhebungWassercheckSauberkeit", false},
                 {"StallerhebungWassercheckFrostsicherung", true},
                 {"StallerhebungWassercheckZufluss", "LAMINAR"},
                 {"StallerhebungWassercheckBrunnen", false},
                 {"StallerhebungWassercheckTroglaenge", Troglaenge}});
}

void FillKomfortHygiene(TKWDataStore& AStore)
{
    WriteRecord(Area(AStore, "StallerhebungKomfortHygiene"),
                {{"StallerhebungLaufhofVorhanden", true},
                 {"StallerhebungLaufhofTraenken", 1},
                 {"StallerhebungLaufhofFressplaetze", 0},
                 {"StallerhebungLaufhofLiegeplaetzeDach", 0},
                 {"StallerhebungLaufhofLiegeplaetzeFrei", 0},
                 {"StallerhebungLaufhofBuersten", 1},
                 {"StallerhebungWeideVorhanden", true},
                 {"StallerhebungWeideTraenke", "VORRAT"},
                 {"StallerhebungWeideUnterstand", "NAT"},
                 {"StallerhebungWeideStallzugang", true},
                 {"StallerhebungWeideFlaeche", 3},
                 {"StallerhebungBuersteAnzahl", 2},
                 {"StallerhebungBuersteArt", "ROT"},
                 {"StallerhebungBuersteZustand", "GUT"},
                 {"StallerhebungKrankenbuchtBauart", "FLAECHE_ZWEI"},
                 {"StallerhebungKrankenbuchtSauberkeit", "SAUBER"},
                 {"StallerhebungKrankenbuchtFlaeche", 24},
                 {"StallerhebungAbkalbebuchtBauart", "FLAECHE_EIN"},
                 {"StallerhebungAbkalbebuchtSauberkeit", "SCHMUTZ"},
                 {"StallerhebungAbkalbebuchtFlaeche", 16},
                 {"StallerhebungMischbuchtNutzung", true}});
}

// The mobility check watches 20 cows standing.
void FillMobilityCheckCommon(TKWDataStore& AStore)
{
    WriteRecord(Area(AStore, "MobilityCheckCommon"),
                {{"KlauenreinigungMethode", "BAD"},
                 {"KlauenreinigungMittel", "DESI"},
                 {"KlauenreinigungHaeufigkeit", 4},
                 {"KlauenreinigungLetzteAm", QDate(2024, 3, 12)},
                 {"KlauenreinigungAnzahlJahr", 2},
                 {"MobilityCheckVerhaltenRuhig", 14},
                 {"MobilityCheckVerhaltenTrippeln", 4},
                 {"MobilityCheckVerhaltenEntlasten", 2}});
}

// One scored cow: cleanliness 1 to 4 (hindquarters, rump, udder and belly, tail, tail switch,
// pin bone, lower leg), findings 0 to 4 at hock, knee, spine, withers, dewlap and carpus
// (each only with the values the page offers there), standing and locomotion score on the
// three-step scale 1, 3, 5, and claw findings 1 to 3.
struct TKuh
{
    int Kuhnummer;
    std::array<int, 7> Sauberkeit;
    std::array<int, 6> Technopathien;
    int Standingscore;
    int Locomotionscore;
    std::array<int, 6> Klauen;
};

const std::array<TKuh, 20> Kuehe = {{
    {112, {3, 2, 3, 2, 3, 2, 3}, {1, 0, 0, 0, 0, 0}, 1, 1, {1, 1, 1, 1, 1, 1}},
    {118, {2, 1, 2, 2, 2, 2, 3}, {0, 0, 0, 0, 0, 1}, 1, 1, {2, 1, 1, 1, 1, 1}},
    {125, {4, 2, 3, 3, 4, 3, 4}, {2, 1, 0, 0, 0, 0}, 3, 3, {2, 2, 1, 2, 2, 1}},
    {131, {3, 1, 2, 2, 3, 2, 3}, {0, 0, 0, 0, 0, 0}, 1, 1, {1, 1, 1, 1, 1, 1}},
    {137, {2, 2, 2, 1, 2, 1, 2}, {1, 0, 0, 0, 0, 0}, 1, 1, {1, 1, 1, 1, 1, 1}},
    {142, {3, 2, 3, 2, 3, 2, 3}, {0, 0, 0, 1, 0, 0}, 1, 1, {1, 1, 2, 1, 1, 1}},
    {149, {4, 3, 3, 3, 4, 3, 4}, {3, 0, 3, 0, 0, 1}, 5, 5, {2, 3, 1, 2, 3, 2}},
    {153, {3, 2, 2, 2, 3, 2, 3}, {1, 0, 0, 0, 0, 0}, 3, 3, {1, 2, 1, 1, 2, 1}},
    {158, {2, 1, 2, 2, 2, 1, 2}, {0, 0, 0, 0, 0, 0}, 1, 1, {1, 1, 1, 1, 1, 1}},
    {164, {3, 2, 3, 2, 3, 2, 3}, {0, 1, 0, 0, 1, 0}, 1, 1, {1, 1, 1, 1, 1, 1}},
    {170, {2, 1, 2, 2, 3, 2, 3}, {0, 0, 0, 0, 0, 0}, 1, 1, {2, 1, 1, 1, 1, 1}},
    {176, {4, 2, 3, 3, 3, 2, 3}, {2, 0, 0, 0, 0, 2}, 3, 3, {1, 1, 1, 2, 2, 1}},
    {181, {3, 2, 2, 2, 3, 2, 3}, {1, 0, 0, 0, 0, 0}, 1, 1, {1, 1, 1, 1, 1, 1}},
    {187, {2, 1, 2, 2, 2, 1, 2}, {0, 0, 0, 0, 0, 1}, 1, 3, {1, 1, 1, 1, 1, 2}},
    {193, {3, 2, 3, 2, 3, 2, 3}, {0, 0, 0, 0, 0, 0}, 1, 1, {1, 1, 1, 1, 1, 1}},
    {204, {3, 2, 2, 2, 2, 2, 3}, {1, 0, 0, 0, 0, 0}, 3, 5, {3, 2, 1, 1, 2, 1}},
    {210, {2, 1, 2, 1, 2, 1, 2}, {0, 0, 0, 0, 0, 0}, 1, 1, {1, 1, 1, 1, 1, 1}},
    {216, {4, 2, 3, 2, 3, 2, 4}, {1, 0, 0, 0, 0, 1}, 3, 3, {1, 1, 3, 1, 1, 1}},
    {223, {3, 2, 2, 2, 3, 2, 3}, {0, 0, 0, 0, 0, 0}, 1, 1, {1, 1, 1, 1, 1, 1}},
    {229, {3, 1, 2, 2, 3, 2, 3}, {0, 0, 0, 0, 0, 0}, 1, 1, {2, 1, 1, 1, 1, 1}},
}};

void AppendSauberkeitTechnopathien(TKWMemTable& ATable, const TKuh& AKuh)
{
    const auto& S = AKuh.Sauberkeit;
    const auto& T = AKuh.Technopathien;
    AppendRecord(ATable, {{"Kuhnummer", AKuh.Kuhnummer},
                          {"SauberkeitHinterhand", S[0]},
                          {"SauberkeitKreuz", S[1]},
                          {"SauberkeitEuterBauch", S[2]},
                          {"SauberkeitSchwanz", S[3]},
                          {"SauberkeitSchwanzquast", S[4]},
                          {"SauberkeitSitzbein", S[5]},
                          {"SauberkeitUnterbein", S[6]},
                          {"TechnopathienTarsus", T[0]},
                          {"TechnopathienKnie", T[1]},
                          {"TechnopathienWirbelsaeule", T[2]},
                          {"TechnopathienWiderrist", T[3]},
                          {"TechnopathienWamme", T[4]},
                          {"TechnopathienCarpus", T[5]}});
}

void AppendMobilityCheck(TKWMemTable& ATable, const TKuh& AKuh)
{
    const auto& K = AKuh.Klauen;
    AppendRecord(ATable, {{"Kuhnummer", AKuh.Kuhnummer},
                          {"Standingscore", AKuh.Standingscore},
                          {"Locomotionscore", AKuh.Locomotionscore},
                          {"KlauenzustandDorsalwandLaenge", K[0]},
                          {"KlauenzustandDorsalwandKruemmung", K[1]},
                          {"KlauenzustandTrachtenhoehe", K[2]},
                          {"KlauenzustandZehenGleich", K[3]},
                          {"KlauenzustandBallenhaut", K[4]},
                          {"KlauenzustandStandBoden", K[5]}});
}

// The two single-cow areas run parallel: record i of each is the same cow.
void FillEinzelKuh(TKWDataStore& AStore)
{
    TKWMemTable& Sauberkeit = Area(AStore, "SauberkeitTechnopathien");
    TKWMemTable& Mobility = Area(AStore, "MobilityCheckSeparate");
    for (const TKuh& Kuh : Kuehe) {
        AppendSauberkeitTechnopathien(Sauberkeit, Kuh);
        AppendMobilityCheck(Mobility, Kuh);
    }
}

void FillVelkora(TKWDataStore& AStore)
{
    WriteRecord(Area(AStore, "Velkora"), {{"Dunavis.Datum", QDate(2024, 4, 30)},
                                          {"Dunavis.Gesund.Anzahl", 44},
                                          {"Dunavis.Gesund.Gesamt", Tiere},
                                          {"Dunavis.ErstMastitis.Anzahl", 3},
                                          {"Dunavis.ErstMastitis.Gesamt", 14},
                                          {"Dunavis.NeuInLaktation.Anzahl", 11},
                                          {"Dunavis.NeuInLaktation.Gesamt", 58},
                                          {"Dunavis.NeuInTrocken.Anzahl", 4},
                                          {"Dunavis.NeuInTrocken.Gesamt", 18},
                                          {"Dunavis.Heilung.Anzahl", 9},
                                          {"Dunavis.Heilung.Gesamt", 14},
                                          {"Dunavis.Chronisch.Anzahl", 3},
                                          {"Dunavis.Chronisch.Gesamt", Tiere}});
}

// The German default comment with a sentence under some of its section headings.
void FillKommentar(TKWDataStore& AStore)
{
    const std::initializer_list<std::pair<QString, QString>> Notes = {
        {QStringLiteral("* Betriebsdaten"),
         QStringLiteral(
             "Beispielbetrieb: 70 laktierende Kühe in einem Liegeboxenlaufstall (1+2 Reiher).")},
        {QStringLiteral("* Aufenthaltsort"),
         QStringLiteral("Drei Stunden nach der Futtervorlage liegt nur gut die Hälfte der Kühe in "
                        "den Boxen.")},
        {QStringLiteral("* Liegeposition der Kühe"),
         QStringLiteral(
             "Sehr viele Kühe liegen in Brustlage; das Bugbrett ist mit 15 cm zu hoch.")},
        {QStringLiteral("* Sauberkeit"),
         QStringLiteral("Hinterhand und Unterbein sind bei vielen Kühen verschmutzt.")},
        {QStringLiteral("* Maßnahmen"),
         QStringLiteral("Zuerst Bugbegrenzung und Einstreu der Hochboxen verbessern.")}};
    QString Text;
    for (const QString& Line : KWLoadStringsResource(QStringLiteral("KommentarStandardText"))) {
        Text += Line + QStringLiteral("\r\n");
        for (const auto& [Heading, Note] : Notes)
            if (Line == Heading)
                Text += Note + QStringLiteral("\r\n");
    }
    WriteRecord(Area(AStore, "Kommentar"), {{"Kommentar", Text}});
}

void Rate(TKWDataStore& AStore, const char* AID, const char* ARating, bool AWeakness = false)
{
    TKWIndikator& Indikator = AStore.GetIndikator(QString::fromLatin1(AID));
    Indikator.SetRating(QString::fromLatin1(ARating));
    Indikator.SetWeakness(AWeakness);
}

// The advisor's part: ratings, five weak points, three of the cause areas the catalogue
// proposes for them (the two it weighs highest, and the brisket board that the recordings show
// too high), and measures of those areas that serve the weak points.
void FillAuswertung(TKWDataStore& AStore)
{
    Rate(AStore, "LiegenBox", "-", true);
    Rate(AStore, "LiegeboxenKomfortIndex", "-", true);
    Rate(AStore, "Brustlage", "--", true);
    Rate(AStore, "Hinterhand", "-", true);
    Rate(AStore, "TarsalgelenkHaarloseStelle", "--", true);
    Rate(AStore, "Fressgitter", "o");
    Rate(AStore, "KotGesamt", "-");
    Rate(AStore, "HerdenIndex", "o");
    Rate(AStore, "KopfhaltungKl20", "o");
    Rate(AStore, "AbliegedauerZuegig", "-");
    Rate(AStore, "MobilityCheckVerhaltenRuhig", "-");
    Rate(AStore, "Velkora.Dunavis.AE", "o");
    Rate(AStore, "BetriebTierLiegeplatzVerh", "+");
    Rate(AStore, "LiegeboxBugbegrMaterial", "-");

    AStore.GetUrsachen() << QStringLiteral("Boxenmanagement") << QStringLiteral("Hochboxenbelag")
                         << QStringLiteral("Bugbegrenzung");
    AStore.GetMassnahmen()
        << QStringLiteral("Alternative Bugbegrenzung wählen|1|Bugbrett durch Rundholz oder "
                          "Kunststoffrohr ersetzen")
        << QStringLiteral("Einstreumenge erhöhen|1|Hochboxen mit mehr Sägemehl einstreuen")
        << QStringLiteral("Häufigkeit des Einstreuens bzw. Nachstreuens steigern|2|Hochboxen "
                          "täglich statt jeden 2. Tag einstreuen")
        << QStringLiteral("Verformbarkeit des Belages überprüfen|3|Matten sind 9 Jahre alt: "
                          "Kniefalltest machen");
}

} // namespace

void KWFillExampleVisit(TKWDataStore& AStore)
{
    FillBetriebsdaten(AStore);
    FillHaltungManagement(AStore);
    FillAufenthaltsort(AStore);
    FillKomfortIndex(AStore);
    FillLiegeposition(AStore);
    FillZustandLiegeboxen(AStore);
    FillLaufverhalten(AStore);
    FillLiegebereiche(AStore);
    FillFressLaufbereich(AStore);
    FillKomfortHygiene(AStore);
    FillMobilityCheckCommon(AStore);
    FillEinzelKuh(AStore);
    FillVelkora(AStore);
    FillKommentar(AStore);
    FillAuswertung(AStore);
}

#include "KWDataStoreErfassung.h"

#include "KWDataSetJSONConverter.h"
#include "KWException.h"
#include "KWJsonReader.h"
#include "KWJsonWriter.h"
#include "KWMemTable.h"

#include <QSet>

namespace {

// No recording comes near this (a herd scored cow by cow, the cubicles of a barn); an area with
// more records is no recording and is refused like any area that cannot be read.
constexpr int MaxRecordsPerArea = 10000;

TKWFieldDef S(const char* AName, int ASize = 100)
{
    return {QString::fromLatin1(AName), TKWFieldType::ftString, ASize};
}
TKWFieldDef I(const char* AName)
{
    return {QString::fromLatin1(AName), TKWFieldType::ftInteger, 0};
}
TKWFieldDef F(const char* AName)
{
    return {QString::fromLatin1(AName), TKWFieldType::ftFloat, 0};
}
TKWFieldDef B(const char* AName)
{
    return {QString::fromLatin1(AName), TKWFieldType::ftBoolean, 0};
}
TKWFieldDef D(const char* AName)
{
    return {QString::fromLatin1(AName), TKWFieldType::ftDate, 0};
}
TKWFieldDef T(const char* AName)
{
    return {QString::fromLatin1(AName), TKWFieldType::ftTime, 0};
}

std::vector<TKWFieldDef> Integers(std::initializer_list<const char*> ANames)
{
    std::vector<TKWFieldDef> Result;
    for (const char* Name : ANames)
        Result.push_back(I(Name));
    return Result;
}

struct TArea
{
    const char* Name;
    std::vector<TKWFieldDef> Fields;
};

const std::vector<TArea>& Areas()
{
    static const std::vector<TArea> List = {
        {"Betriebsdaten",
         {S("Betriebsinhaber"), S("AdresseBetrieb"), S("TelefonHandy"), S("EMail"), S("HITNummer"),
          S("UnternehmerNr"), S("Region"), I("GesamtzahlKuehe"), I("AnzahlLaktierendeKuehe"),
          I("AnzahlLaktierendeGruppen"), D("DatumErfassung"), T("UhrzeitErfassung"),
          S("Erfasser"), T("UhrzeitFuttervorlage"), S("ErfassungsCode"), S("Stallname"),
          S("Stallsystem"), S("Stalltyp"), S("Stallboxentyp"), S("Melksystem"), S("Melkstand"),
          I("AnzahlMelkplaetze"), S("Rasse"), S("BeschreibungErfassungsgruppe"),
          I("AnzahlTiereErfassungsgruppe"), I("AnzahlEinfacheLiegeboxenreihen"),
          I("AnzahlDoppelliegeboxenreihen"), I("AnzahlLiegeboxen"), I("AnzahlFuttertische"),
          I("AnzahlFressplaetze"), I("AnzahlEinzeltraenken"), I("AnzahlMehrtraenken"),
          I("AnzahlTraenken"), F("VerhaeltnisLiegeTier"), F("VerhaeltnisFressTier"),
          F("VerhaeltnisTraenkeTier"), F("VerhaeltnisTierTraenke"),
          F("VerhaeltnisTrogLaengeTier"), B("ZuchtbulleFrei"), B("BeratungAngeortnet"),
          S("EnabledPages", 1000)}},
        {"HaltungManagement",
         {I("AnzahlHochboxen"), I("AnzahlTiefboxen"), I("AnzahlHochverlegteTiefboxen"),
          B("AnzahlHeterogen"), S("GefaelleLiegebox"), S("Buegeltyp"), S("Bugbegrenzung"),
          S("HochboxLiegeboxenbelag"), I("HochboxAlterBelag"), I("HochboxStaerkeBelag"),
          S("HochboxEinstreumaterial"), S("HochboxZusaetzlichKalk"), S("TiefboxGrundmaterial"),
          S("TiefboxDeckschichtmaterial"), S("TiefboxZusaetzlichKalk"), S("ArtBodenFuttergang"),
          S("ArtBodenLaufgang"), I("AnzahlSackgassen"), I("AlterLaufflaeche"),
          S("ArtLaufflaechenreinigung"), S("Fuetterungssystem"), S("Rationsgestalltung"),
          S("HaeufigkeitBoxenpflege"), S("HaeufigkeitEinstreuenHB"), S("HaeufigkeitNachstreuen"),
          S("HaeufigkeitLaufflaechenreinigung"), I("HaeufigkeitFuttervorlage"),
          I("HaeufigkeitAnschieben")}},
        {"AufenthaltsortKuehe",
         Integers({"Fressgitter", "Futtergang", "Boxengang", "WartenAMS", "StehenBox2Beine",
                   "StehenBox4Beine", "LiegenBox", "LiegenLaufflaeche"})},
        {"LiegeboxenKomfortIndex",
         {S("Block"), S("Reihe"), S("AnzahlBoxen"), I("AnzahlKueheLiegend"),
          I("GesamtzahlKueheBox")}},
        {"LiegepositionKuehe",
         Integers({"Brustlage", "GestrecktesVorderbein", "GestrecktesHinterbein", "Schlafposition",
                   "TotaleSeitenlage"})},
        {"ZustandLiegeboxen",
         Integers({"KotMittigBoxenende", "KotUnterLiegeboxenbuegel", "HochboxVollstaendig",
                   "HochboxLueckenhaft", "HochboxVereinzelt", "TiefboxKeineMuldenbildung",
                   "TiefboxLeichteMuldenbildung", "TiefboxStarkeMuldenbildung"})},
        {"LaufverhaltenAbliegedauer",
         Integers({"LaufverhaltenKopfhaltungKl20", "LaufverhaltenKopfhaltungGr20",
                   "LaufverhaltenAuffaelligeLahmheiten",
                   "KoerperpflegeDreibeinigesStehenLaufflaeche", "AbliegedauerZuegig",
                   "AbliegedauerZoegerlich", "AbliegedauerVerweigernd",
                   "AbliegedauerAbgebrochen"})},
        {"StallerhebungLiegebereiche",
         {I("BoxBoxenNr"), S("BoxBoxentyp"), I("BoxBoxenbreite"),
          I("BoxAbstandNackenrohrBugschwelle"), I("BoxAbstandNackenrohrStreuschwelle"),
          I("BoxAbstandBoxenbuegelStreuschwelle"), I("BoxHoeheNackenrohrLiegeflaeche"),
          I("BoxHoeheKopfrohr"), I("BoxHintereHoeheBoxenbuegel"),
          I("BoxHoeheBugbegrenzungLiegeflaeche"), I("BoxHoeheStreuschwelle"),
          I("BoxLaengeLiegeflaeche"), I("BoxLaengeWandbox"), I("BoxLaengeDoppelbox"),
          I("BoxLaengeKopfbereich")}},
        {"StallerhebungFressLaufbereich",
         {I("FressplatzFressgitterHoeheStandflaecheObereBegrenzung"),
          I("FressplatzFressgitterHoeheStandflaecheOberkanteUnteresRohr"),
          I("FressplatzFressgitterHoeheStandflaecheSockel"),
          I("FressplatzFressgitterHoeheStandflaecheFuttertisch"),
          I("FressplatzFressgitterHoeheFuttertischSockel"),
          I("FressplatzFressgitterFressplatzbreite"),
          I("FressplatzNackenrohrHoeheStandflaecheObereBegrenzung"),
          I("FressplatzNackenrohrHoeheStandflaecheOberkanteUnteresRohr"),
          I("FressplatzNackenrohrHoeheStandflaecheSockel"),
          I("FressplatzNackenrohrHoeheStandflaecheFuttertisch"),
          I("FressplatzNackenrohrHoeheFuttertischSockel"),
          I("FressplatzNackenrohrHorizontalerAbstandTrogaufkantungNackenrohr"),
          S("ArtBegrenzung"), I("AnzahlFressplaetze"), S("AusfuehrungSockel"),
          S("Rutschfestigkeit"), S("Trittsicherheit"), I("BreiteFressgang"),
          I("BreiteFressgang2"), I("BreiteBoxengang"), I("BreiteBoxengang2"),
          I("BreiteBoxengang3"), I("BreiteDurchgang"), I("BreiteDurchgang2"),
          I("BreiteDurchgang3"), B("StallerhebungWassercheckVorhanden"),
          I("StallerhebungWassercheckEinzel"), I("StallerhebungWassercheckMehr"),
          I("StallerhebungWassercheckTroghoehe"), B("StallerhebungWassercheckSauberkeit"),
          B("StallerhebungWassercheckFrostsicherung"), S("StallerhebungWassercheckZufluss"),
          B("StallerhebungWassercheckBrunnen"), S("StallerhebungWassercheckBruDat"),
          I("StallerhebungWassercheckTroglaenge")}},
        {"StallerhebungKomfortHygiene",
         {B("StallerhebungLaufhofVorhanden"), I("StallerhebungLaufhofTraenken"),
          I("StallerhebungLaufhofFressplaetze"), I("StallerhebungLaufhofLiegeplaetzeDach"),
          I("StallerhebungLaufhofLiegeplaetzeFrei"), I("StallerhebungLaufhofBuersten"),
          B("StallerhebungWeideVorhanden"), S("StallerhebungWeideTraenke"),
          S("StallerhebungWeideUnterstand"), B("StallerhebungWeideStallzugang"),
          I("StallerhebungWeideFlaeche"), I("StallerhebungBuersteAnzahl"),
          S("StallerhebungBuersteArt"), S("StallerhebungBuersteZustand"),
          S("StallerhebungKrankenbuchtBauart"), S("StallerhebungKrankenbuchtSauberkeit"),
          I("StallerhebungKrankenbuchtFlaeche"), S("StallerhebungAbkalbebuchtBauart"),
          S("StallerhebungAbkalbebuchtSauberkeit"), I("StallerhebungAbkalbebuchtFlaeche"),
          B("StallerhebungMischbuchtNutzung")}},
        {"MobilityCheckCommon",
         {S("KlauenreinigungMethode"), S("KlauenreinigungMittel"),
          I("KlauenreinigungHaeufigkeit"), D("KlauenreinigungLetzteAm"),
          I("KlauenreinigungAnzahlJahr"), I("MobilityCheckVerhaltenRuhig"),
          I("MobilityCheckVerhaltenTrippeln"), I("MobilityCheckVerhaltenEntlasten")}},
        {"SauberkeitTechnopathien",
         Integers({"Kuhnummer", "SauberkeitHinterhand", "SauberkeitKreuz", "SauberkeitEuterBauch",
                   "SauberkeitSchwanz", "SauberkeitSchwanzquast", "SauberkeitSitzbein",
                   "SauberkeitUnterbein", "TechnopathienTarsus", "TechnopathienKnie",
                   "TechnopathienWirbelsaeule", "TechnopathienWiderrist", "TechnopathienWamme",
                   "TechnopathienCarpus", "TechnopathienTarsusLinks", "TechnopathienTarsusRechts",
                   "TechnopathienKnieLinks", "TechnopathienKnieRechts",
                   "TechnopathienCarpusLinks", "TechnopathienCarpusRechts"})},
        {"MobilityCheckSeparate",
         Integers({"Kuhnummer", "Standingscore", "Locomotionscore",
                   "KlauenzustandDorsalwandLaenge", "KlauenzustandDorsalwandKruemmung",
                   "KlauenzustandTrachtenhoehe", "KlauenzustandZehenGleich",
                   "KlauenzustandBallenhaut", "KlauenzustandStandBoden"})},
        {"Velkora",
         {D("Dunavis.Datum"), I("Dunavis.Gesund.Anzahl"), I("Dunavis.Gesund.Gesamt"),
          I("Dunavis.ErstMastitis.Anzahl"), I("Dunavis.ErstMastitis.Gesamt"),
          I("Dunavis.NeuInLaktation.Anzahl"), I("Dunavis.NeuInLaktation.Gesamt"),
          I("Dunavis.NeuInTrocken.Anzahl"), I("Dunavis.NeuInTrocken.Gesamt"),
          I("Dunavis.Heilung.Anzahl"), I("Dunavis.Heilung.Gesamt"),
          I("Dunavis.Chronisch.Anzahl"), I("Dunavis.Chronisch.Gesamt")}},
        {"Kommentar", {S("Kommentar", 30000)}},
    };
    return List;
}

const QSet<QString> MultiRecordAreas = {
    QStringLiteral("LiegeboxenKomfortIndex"), QStringLiteral("StallerhebungLiegebereiche"),
    QStringLiteral("SauberkeitTechnopathien"), QStringLiteral("MobilityCheckSeparate")};

QStringList FieldNames(const QString& AArea)
{
    QStringList Names;
    for (const TArea& Area : Areas())
        if (AArea == QLatin1String(Area.Name))
            for (const TKWFieldDef& Def : Area.Fields)
                Names << Def.Name;
    return Names;
}

QStringList Without(QStringList ANames, const QStringList& ADropped)
{
    for (const QString& Name : ADropped)
        ANames.removeAll(Name);
    return ANames;
}

} // namespace

TKWDataStoreErfassung::TKWDataStoreErfassung()
{
    for (const TArea& Area : Areas())
        FData.emplace(QString::fromLatin1(Area.Name), std::make_unique<TKWMemTable>(Area.Fields));

    const QString Erfassung = QStringLiteral("Erfassung");
    const QString Betrieb = QStringLiteral("Betriebsdaten");
    const QString Haltung = QStringLiteral("HaltungManagement");
    FPossibleIDs = {{Erfassung, AreaNames()},
                    {Betrieb, FieldNames(Betrieb)},
                    {Haltung, FieldNames(Haltung)}};
    FFolgeberatungIDs = {
        {Erfassung, {Betrieb, Haltung}},
        {Betrieb, Without(FieldNames(Betrieb),
                          {"DatumErfassung", "UhrzeitErfassung", "ErfassungsCode",
                           "UhrzeitFuttervorlage", "VerhaeltnisLiegeTier", "VerhaeltnisFressTier",
                           "VerhaeltnisTraenkeTier", "VerhaeltnisTierTraenke",
                           "VerhaeltnisTrogLaengeTier"})},
        {Haltung,
         {"AnzahlHochboxen", "AnzahlTiefboxen", "AnzahlHochverlegteTiefboxen", "AnzahlHeterogen"}}};
    FNeueBeratungIDs = {
        {Erfassung, {Betrieb}},
        {Betrieb,
         {"Betriebsinhaber", "AdresseBetrieb", "TelefonHandy", "EMail", "HITNummer",
          "UnternehmerNr", "Region", "GesamtzahlKuehe", "AnzahlLaktierendeKuehe",
          "AnzahlLaktierendeGruppen"}}};
}

TKWDataStoreErfassung::~TKWDataStoreErfassung() = default;

const QStringList& TKWDataStoreErfassung::AreaNames()
{
    static const QStringList Names = [] {
        QStringList Result;
        for (const TArea& Area : Areas())
            Result << QString::fromLatin1(Area.Name);
        return Result;
    }();
    return Names;
}

bool TKWDataStoreErfassung::IsMultiRecordArea(const QString& AID)
{
    return MultiRecordAreas.contains(AID);
}

void TKWDataStoreErfassung::ClearData()
{
    for (auto& [Name, Table] : FData)
        Table->EmptyTable();
}

void TKWDataStoreErfassung::ClearPersonalInformation()
{
    TKWMemTable& Table = GetData(QStringLiteral("Betriebsdaten"));
    Table.Edit();
    for (const char* Name :
         {"Betriebsinhaber", "AdresseBetrieb", "TelefonHandy", "EMail", "HITNummer", "UnternehmerNr"})
        Table.FieldByName(QString::fromLatin1(Name)).SetAsString(QString());
    TKWField& Region = Table.FieldByName(QStringLiteral("Region"));
    Region.SetAsString(Region.AsString().left(2));
    Table.Post();
}

TKWMemTable& TKWDataStoreErfassung::GetData(const QString& AID) const
{
    const auto Found = FData.find(AID);
    if (Found == FData.end())
        throw EKWException(QStringLiteral("Unknown recording area '%1'").arg(AID));
    return *Found->second;
}

TKWJson TKWDataStoreErfassung::GetDataAsJson() const
{
    TKWJsonWriter Writer;
    WriteJson(Writer);
    return KWParseJson(Writer.Text());
}

void TKWDataStoreErfassung::WriteJson(TKWJsonWriter& AWriter) const
{
    AWriter.BeginObject();
    for (const QString& ID : AreaNames()) {
        TDataSetConverter Converter(GetData(ID));
        if (!Converter.HasData())
            continue;
        AWriter.Key(ID.toStdString());
        if (IsMultiRecordArea(ID))
            Converter.WriteJSONArray(AWriter);
        else
            Converter.WriteJSONObject(AWriter);
    }
    AWriter.EndObject();
}

quint64 TKWDataStoreErfassung::ChangeCount() const
{
    quint64 Sum = 0;
    for (const auto& [ID, Table] : FData)
        Sum += Table->ChangeCount();
    return Sum;
}

void TKWDataStoreErfassung::LoadFromJson(TKWJson& AJSONObject, TKWAction AAction)
{
    const QString Erfassung = QStringLiteral("Erfassung");
    if (AAction == aFolgeberatung)
        TKWJSONUtil::RemoveData(AJSONObject, Erfassung, FPossibleIDs, FFolgeberatungIDs);
    else if (AAction == aBeratungNeu)
        TKWJSONUtil::RemoveData(AJSONObject, Erfassung, FPossibleIDs, FNeueBeratungIDs);
    if (!AJSONObject.is_object())
        return;
    for (const QString& ID : AreaNames()) {
        const auto Member = AJSONObject.find(ID.toStdString());
        if (Member != AJSONObject.end())
            LoadArea(ID, *Member);
    }
}

void TKWDataStoreErfassung::LoadArea(const QString& AID, const TKWJson& AValue)
{
    TKWMemTable& Table = GetData(AID);
    const int CountBefore = Table.RecordCount();
    try {
        const bool Multi = IsMultiRecordArea(AID);
        if (Multi ? !AValue.is_array() : !AValue.is_object())
            throw EDataSetJSONConverterException(
                Multi ? QStringLiteral("JSON array expected") : QStringLiteral("JSON object expected"));
        TJSONConverter(AValue).MaxRecords(MaxRecordsPerArea).ToDataSet(Table);
    } catch (const std::exception&) {
        // A half-read area would mix stored and missing records; it stays as it was instead.
        while (Table.RecordCount() > CountBefore) {
            Table.Last();
            Table.Delete();
        }
        KWLog(QStringLiteral("TempID=") + AID);
    }
}

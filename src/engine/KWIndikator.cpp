#include "KWIndikator.h"

#include "KWJsonReader.h"
#include "KWJsonWriter.h"

#include "KWException.h"
#include "KWNumberFormat.h"

#include <QHash>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

const QString Separator = QStringLiteral("|");

} // namespace

// Grouped by evaluation page, in the order of the page's indicator list.
const std::vector<TKWReferenceEntry>& KWReferenceTable()
{
    static const std::vector<TKWReferenceEntry> Rows = {
        // AufenthaltsortKuehe
        {"Fressgitter", 22, 22},
        {"Futtergang", 7, 5},
        {"Boxengang", 6, 2},
        {"StehenBox2Beine", 8, 2},
        {"StehenBox4Beine", 3, 3},
        {"LiegenBox", 53, 66},
        {"LiegenLaufflaeche", 1, 0},
        {"WartenAMS", -10, 0},
        // LiegeboxenKomfortIndex
        {"LiegeboxenAkzeptanzIndex", 58, -10},
        {"LiegeboxenKomfortIndex", 79, 85},
        // LiegepositionKuehe
        {"Brustlage", 69, 42},
        {"GestrecktesVorderbein", 7, 20},
        {"GestrecktesHinterbein", 18, 22},
        {"Schlafposition", 5, 8},
        {"TotaleSeitenlage", 1, 7},
        // ZustandLiegeboxen
        {"KotMittig", 6.7, 5},
        {"KotSeitlich", 10.6, 5},
        {"KotGesamt", 17.3, 10},
        {"HochboxVollstaendig", 21, 80},
        {"HochboxLueckenhaft", 35, 0},
        {"HochboxVereinzelt", 44, 0},
        {"TiefboxKeineMulde", 41, 80},
        {"TiefboxLeichteMulde", 31, 20},
        {"TiefboxStarkeMulde", 28, 0},
        // Sauberkeit
        {"Hinterhand", 2.8, 2.66},
        {"Kreuz", 2.3, 2.66},
        {"EuterBauch", 2.5, 2.66},
        {"Schwanz", 3.3, 2.66},
        {"Schwanzquast", 3.6, 2.66},
        {"Sitzbein", 3.1, 2.66},
        {"Unterbein", 3.2, 2.66},
        {"HerdenIndex", 3, 2.66},
        // Technopathien
        {"TarsalgelenkHaarloseStelle", 15, 0},
        {"TarsalgelenkHautloseStelle", 5, 0},
        {"TarsalgelenkUmfangsvermehrung", 3, 0},
        {"TarsalgelenkUmfangsvermehrungOffen", 0, 0},
        {"KnieHaarloseStelle", 5, 0},
        {"KnieHautloseStelle", 0, 0},
        {"WirbelsaeuleUmfangsvermehrung", 5, 0},
        {"WirbelsaeuleUmfangsvermehrungOffen", 0, 0},
        {"WiderristHaarloseStelle", 5, 0},
        {"WiderristHautloseStelle", 0, 0},
        {"WiderristUmfangsvermehrung", 0, 0},
        {"WammeHaarloseStelle", 0, 0},
        {"KarpalgelenkHaarloseStelle", 15, 0},
        {"KarpalgelenkHautloseStelle", 0, 0},
        {"KarpalgelenkUmfangsvermehrung", 0, 0},
        // Laufverhalten
        {"KopfhaltungKl20", 68, 100},
        {"KopfhaltungGr20", 32, 0},
        {"LaufverhaltenAuffaelligeLahmheiten", 3, -10},
        {"KoerperpflegeDreibeinigesStehenLaufflaeche", 1, -10},
        // Abliegedauer
        {"AbliegedauerZuegig", 43, 100},
        {"AbliegedauerZoegerlich", 29, 0},
        {"AbliegedauerVerweigernd", 17, 0},
        {"AbliegedauerAbgebrochen", 11, 0},
        // MCVerhalten
        {"MobilityCheckVerhaltenRuhig", -10, 95},
        {"MobilityCheckVerhaltenTrippeln", -10, 5},
        {"MobilityCheckVerhaltenEntlasten", -10, 0},
        {"MobilityCheckStandingScore1", -10, 90},
        {"MobilityCheckStandingScore23", -10, 10},
        {"MobilityCheckStandingScore45", -10, 0},
        {"MobilityCheckLocomotionScore1", -10, 90},
        {"MobilityCheckLocomotionScore23", -10, 10},
        {"MobilityCheckLocomotionScore45", -10, 0},
        // MCKlauen
        {"KlauenzustandDorsalLaengeLang", 15, 0},
        {"KlauenzustandDorsalLaengeKurz", 0, 0},
        {"KlauenzustandDorsalKrmgKrmg", 0, 0},
        {"KlauenzustandDorsalKrmgRille", 0, 0},
        {"KlauenzustandTrachtenhoeheNiedrig", 0, 0},
        {"KlauenzustandTrachtenhoeheHoch", 0, 0},
        {"KlauenzustandZehengleichUngleich", 10, 0},
        {"KlauenzustandZehengleichAuffaellig", 0, 0},
        {"KlauenzustandBallenhautAkut", 0, 0},
        {"KlauenzustandBallenhautChronisch", 0, 0},
        {"KlauenzustandBodenwStandAuffaellig", 0, 0},
        {"KlauenzustandBodenwStandDringend", 0, 0},
        // Velkora
        {"Velkora.Dunavis.AE", 56, 64},
        {"Velkora.Dunavis.EM", 27, 17},
        {"Velkora.Dunavis.NL", 20, 16},
        {"Velkora.Dunavis.NT", 29, 17},
        {"Velkora.Dunavis.HT", 58, 70},
        {"Velkora.Dunavis.AC", 5, 2},
    };
    return Rows;
}

const std::vector<TKWTargetDescEntry>& KWTargetDescTable()
{
    static const std::vector<TKWTargetDescEntry> Rows = {
        {"BetriebTierLiegeplatzVerh", "1:1", "0,95 -- 1,1"},
        {"BetriebTierFressplatzVerh", "1:1", "0,95 -- 1,1"},
        {"BetriebStallHeterogen", "nein", "nein"},
        {"BetriebMehrplatztraenkenAnz", "max. 20 Tiere pro Tränke", "-- 20"},
        {"BetriebTierTroglaengeVerh", "10 cm / Tier", "10 --"},
        {"FnkLaufenSackgasse", "keine", "0"},
        {"FnkHygieneMischbucht", "nein", "nein"},
        {"MngmtBoxenpflege", "ab 2x täglich", "2T 3T"},
        {"MngmtStreuenHb", "ab 1x täglich", "T"},
        {"MngmtStreuenTb", "ab 1x wöchentlich", "T J2T 1W 2W 3W"},
        {"MngmtReinigungSpalten", "ab 2x täglich", "2T 3T 4T 5T 6T 7T 8T 9T 10T 11T 12T 24T"},
        {"MngmtReinigungPlan", "ab 8x täglich", "8T 9T 10T 11T 12T 24T"},
        {"MngmtFutterVorlage", "ab 7x wöchentl.", "7 --"},
        {"MngmtFutterAnsch", "ab 2x täglich", "2 --"},
        {"FressbereichFressgitterHoehe", "≥ 160 cm", "160 --"},
        {"FressbereichTrogHoehe", "≤ 50 cm", "--  50"},
        {"LiegeboxBugbegrMaterial", "kein Brett oder Beton",
         "RUN_HOL KUNST KEIN PE_ROH KG_ROH ERG_BOR SCHLA MET_ROH"},
        {"LiegeboxBugbegrHoehe", "8 - 13 cm", "8 --  13"},
        {"LiegeboxNackenrohrHoehe", "≤ 135 cm", "-- 135"},
        {"LiegeboxKotstufeHoehe", "15 - 20 cm", "15 --  20"},
        {"LiegeboxLiegeflLaenge", "180 - 200 cm", "180 -- 200"},
        {"LiegeboxLiegeflBreite", "115 - 125 cm", "115 -- 125"},
        {"LiegeboxWandbLaenge", "260 - 280 cm", "260 -- 280"},
        {"LiegeboxInnenbLaenge", "240 - 260 cm", "240 -- 260"},
        {"LiegeboxKotstNackenrohrAbst", "155 - 165 cm", "155 -- 165"},
        {"BoxGangFressberBreite", "≥ 400 cm", "400 --"},
        {"BoxGangBoxberBreite", "≥ 300 cm", "300 --"},
        {"BoxGangDurchberBreite", "≥ 250 cm", "250 --"},
    };
    return Rows;
}

namespace {

const QHash<QString, const TKWReferenceEntry*>& ReferenceByID()
{
    static const QHash<QString, const TKWReferenceEntry*> Index = [] {
        QHash<QString, const TKWReferenceEntry*> Result;
        for (const TKWReferenceEntry& Entry : KWReferenceTable())
            Result.insert(Entry.ID, &Entry);
        return Result;
    }();
    return Index;
}

// Descriptions are stored with the separators lined up in a fixed-width font.
const QHash<QString, QString>& TargetDescByID()
{
    static const QHash<QString, QString> Index = [] {
        qsizetype Width = 0;
        for (const TKWTargetDescEntry& Entry : KWTargetDescTable())
            Width = std::max(Width, Entry.Shown.size());
        QHash<QString, QString> Result;
        for (const TKWTargetDescEntry& Entry : KWTargetDescTable())
            Result.insert(Entry.ID, Entry.Shown.leftJustified(Width) + QStringLiteral(" | ") +
                                        Entry.InTarget);
        return Result;
    }();
    return Index;
}

// A bound of a target range: empty for an open side, otherwise a number with a decimal comma.
// The descriptions are written that way on every machine, so the user's locale plays no part.
bool ReadBound(const QString& AText, double AOpen, double& ABound)
{
    const QString Text = AText.trimmed();
    if (Text.isEmpty()) {
        ABound = AOpen;
        return true;
    }
    bool Ok = false;
    ABound = QLocale::c().toDouble(QString(Text).replace(QLatin1Char(','), QLatin1Char('.')), &Ok);
    return Ok;
}

bool IsInRange(const QString& AValueCode, const QString& ARange)
{
    const QStringList Bounds = ARange.split(QStringLiteral("--"));
    double Value = 0;
    double Lower = 0;
    double Upper = 0;
    return KWTryStrToFloat(AValueCode, Value) &&
           ReadBound(Bounds[0], -std::numeric_limits<double>::infinity(), Lower) &&
           ReadBound(Bounds[1], std::numeric_limits<double>::infinity(), Upper) && Lower <= Value &&
           Value <= Upper;
}

const TKWJson& Member(const TKWJson& AObject, const char* AName)
{
    const auto Found = AObject.find(AName);
    if (Found == AObject.end())
        throw EKWException(QStringLiteral("'%1' missing").arg(QLatin1String(AName)));
    return *Found;
}

EKWException Unreadable(const char* AName, const TKWJson& AValue, const char* AExpected)
{
    return EKWException(QStringLiteral("'%1' is %2, not %3")
                            .arg(QLatin1String(AName), KWJsonExcerpt(AValue), QLatin1String(AExpected)));
}

} // namespace

double KWGetReferenceValue(const QString& AID)
{
    const TKWReferenceEntry* Entry = ReferenceByID().value(AID);
    return Entry ? Entry->Reference : NaN;
}

double KWGetTargetValue(const QString& AID)
{
    const TKWReferenceEntry* Entry = ReferenceByID().value(AID);
    return Entry ? Entry->Target : NaN;
}

QString KWGetTargetValueDesc(const QString& AID)
{
    return TargetDescByID().value(AID, QStringLiteral("Unbekannt | "));
}

// --- TKWIndikator ------------------------------------------------------------------------------

TKWIndikator::TKWIndikator(const TKWIndikatorDefinition& ADefinition,
                           std::unique_ptr<IKWCalculation> ACalculation)
    : FReferenceValue(KWGetReferenceValue(ADefinition.ID)),
      FTargetValue(KWGetTargetValue(ADefinition.ID)),
      FTargetValueDesc(std::isnan(FTargetValue) ? KWGetTargetValueDesc(ADefinition.ID)
                                                : KWFloatToStr(FTargetValue)),
      FDefinition(ADefinition), FCalculation(std::move(ACalculation))
{
}

QString TKWIndikator::ValueText() const
{
    return FCalculation->CalculateText(FValueCode);
}

QString TKWIndikator::TargetValueText() const
{
    return TargetPiece(0);
}

QString TKWIndikator::TargetValueCodes() const
{
    return TargetPiece(1);
}

QString TKWIndikator::TargetPiece(int AIndex) const
{
    const QStringList Pieces = FTargetValueDesc.split(Separator);
    return AIndex < Pieces.size() ? Pieces[AIndex].trimmed() : QString();
}

void TKWIndikator::RefreshValue()
{
    FValue = FCalculation->Calculate();
    FValueCode =
        FDefinition.ValueType == vtText ? FCalculation->CalculateCode() : KWFloatToStr(FValue);
}

void TKWIndikator::ClearData()
{
    FValue = 0;
    FValueCode = QStringLiteral("0");
    FRating.clear();
    FWeakness = false;
}

TKWJson TKWIndikator::GetDataAsJson() const
{
    TKWJsonWriter Writer;
    WriteJson(Writer);
    return KWParseJson(Writer.Text());
}

void TKWIndikator::WriteJson(TKWJsonWriter& AWriter) const
{
    AWriter.BeginObject();
    AWriter.Key("Wert");
    if (FDefinition.ValueType == vtText)
        AWriter.String(FValueCode);
    else
        AWriter.Float(FValue);
    AWriter.Key("Bewertung");
    AWriter.String(FRating);
    AWriter.Key("Schwachstelle");
    AWriter.Boolean(FWeakness);
    AWriter.EndObject();
}

void TKWIndikator::LoadFromJson(const TKWJson& AJSONObject)
{
    if (!AJSONObject.is_object())
        throw EKWException(QStringLiteral("The entry is %1, not an object").arg(KWJsonExcerpt(AJSONObject)));
    const TKWJson& Wert = Member(AJSONObject, "Wert");
    const TKWJson& Bewertung = Member(AJSONObject, "Bewertung");
    const TKWJson& Schwachstelle = Member(AJSONObject, "Schwachstelle");
    const bool IsText = FDefinition.ValueType == vtText;
    // A text indicator takes a number's digits as its value code.
    if (IsText ? !Wert.is_string() && !Wert.is_number() : !Wert.is_number())
        throw Unreadable("Wert", Wert, IsText ? "a text" : "a number");
    if (!Bewertung.is_string())
        throw Unreadable("Bewertung", Bewertung, "a text");
    if (!Schwachstelle.is_boolean())
        throw Unreadable("Schwachstelle", Schwachstelle, "true or false");
    if (IsText) {
        FValueCode = KWJsonValueText(Wert);
        FValue = NaN;
    } else {
        FValue = Wert.get<double>();
        FValueCode = KWFloatToStr(FValue);
    }
    FRating = QString::fromStdString(Bewertung.get<std::string>());
    FWeakness = Schwachstelle.get<bool>();
}

QString TKWIndikator::ToString() const
{
    QString Result = FDefinition.ID + QStringLiteral(" (");
    for (const QString& ID : FDefinition.NIDs)
        Result += ID + QStringLiteral(", ");
    return Result + QStringLiteral(")");
}

// --- target met --------------------------------------------------------------------------------

bool KWIsTargetMet(const QString& AValueCode, const QString& ATargetCodes)
{
    const QString Code = AValueCode.trimmed();
    if (ATargetCodes.contains(QStringLiteral("--")))
        return IsInRange(Code, ATargetCodes);
    return !Code.isEmpty() && ATargetCodes.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                  .contains(Code, Qt::CaseInsensitive);
}

bool KWIsTargetMet(const TKWIndikator& AIndikator)
{
    return KWIsTargetMet(AIndikator.ValueCode(), AIndikator.TargetValueCodes());
}

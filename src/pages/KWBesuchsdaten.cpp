#include "KWBesuchsdaten.h"

#include "KWGridLayout.h"
#include "KWMemTable.h"
#include "KWNumberFormat.h"
#include "KWPageSupport.h"

#include <QScrollBar>

namespace {

const QString PageId = QStringLiteral("ErfassungBesuchsdaten");
// The last feeding is assumed three hours before the recording.
constexpr qint64 FeedingBeforeRecordingSecs = 3 * 60 * 60;

int IntegerOf(const TKWMemTable& ATable, const char* AField)
{
    return ATable.FieldByName(QString::fromLatin1(AField)).AsInteger();
}

// A ratio of places per animal as the page shows it: two decimals, 0 without animals.
QString Ratio(int APlaces, int AAnimals)
{
    return KWFormatFloat(AAnimals > 0 ? static_cast<double>(APlaces) / AAnimals : 0, 2);
}

} // namespace

TKWBesuchsdaten::TKWBesuchsdaten(QWidget* AOwner, TKWPopup& APopup, TKWMemTable& ABetriebsdaten,
                                 TKWMemTable& AHaltungManagement,
                                 TKWMemTable& AStallerhebungFressLaufbereich)
    : TKWVertScrollBox(AOwner), FPopup(APopup), FBetriebsdatenData(ABetriebsdaten),
      FHaltungManagementData(AHaltungManagement),
      FStallerhebungFressLaufbereichData(AStallerhebungFressLaufbereich)
{
    setObjectName(PageId);
    BuildRows();
}

void TKWBesuchsdaten::BuildRows()
{
    TGridEntries& Rows = FGridEntriesSchnellstart;
    TKWMemTable* HM = &FHaltungManagementData;
    TKWMemTable* ST = &FStallerhebungFressLaufbereichData;
    Rows.Add(etText, "Betriebsinhaber", "Betriebsinhaber", true);
    Rows.Add(etDate, "DatumErfassung", "Datum der Erfassung", true);
    Rows.Add(etTime, "UhrzeitErfassung", "Uhrzeit der Erfassung", true);
    Rows.Add(etTime, "UhrzeitFuttervorlage", "Uhrzeit letzte Futtervorlage", true);
    Rows.Add(etText, "Stallname", "Stallbezeichnung", true);
    Rows.AddCodes("Stallsystem", "Stallsystem", "STALLSYSTEM", {"LL", "AB"}, true);
    Rows.AddCodes("Melksystem", "Melksystem", "MELKSYSTEM", {"KONV", "AMS"}, true);
    Rows.AddCodes("ArtBegrenzung", "Art der Fressplatzbegrenzung", "ART_BEG",
                  {"FRE_GIT", "FLX_SYS", "NAC_ROH", "DRA_SEI", "KET"}, true)
        .MemData = ST;
    Rows.Add(etNumber, "AnzahlTiereErfassungsgruppe", "Anzahl Tiere in Erfassungsgruppe", true);
    Rows.Add(etNumber, "AnzahlFressplaetze", "Anzahl Fressplätze", true).MemData = ST;
    Rows.Add(etNumber, "AnzahlHochboxen", "Anzahl Hochboxen", true).MemData = HM;
    Rows.Add(etNumber, "AnzahlTiefboxen", "Anzahl Tiefboxen u. hochv. Tiefb.", true).MemData = HM;
    Rows.Add(etCheckBox, "ZuchtbulleFrei", "freilaufender Zuchtbulle", true);
    Rows.Add(etCheckBox, "BeratungAngeortnet", "angeordnete Beratung", true);
    Rows.Add(etNumber, "AnzahlHochverlegteTiefboxen", "Anzahl hochv. Tiefb.", true).MemData = HM;
    Rows.Add(etLabel, "AnzahlLiegeboxen", "Anzahl Liegeplätze (berechnet)");
    Rows.Add(etLabel, "AnzahlFressplaetze", "Anzahl Fressplätze (berechnet)");
    Rows.Add(etLabel, "VerhaeltnisFressTier", "Tier-Fressplatz-Verhältnis (berechnet)    1 :");
    Rows.Add(etLabel, "VerhaeltnisLiegeTier", "Tier-Liegeplatz-Verhältnis (berechnet)    1 :");
    Rows.Add(etLabel, "VerhaeltnisTraenkeTier", "Tier-Tränke-Verhältnis (berechnet)        1 :");
    Rows.Add(etLabel, "VerhaeltnisTierTraenke", "Tier-Tränke-Verhältnis (berechnet)");
}

void TKWBesuchsdaten::Init()
{
    FSchnellstartGrid = new TKWGridLayout(Content(), &FPopup, FBetriebsdatenData,
                                          QStringLiteral("Basisdaten"), FGridEntriesSchnellstart.List());
    FSchnellstartGrid->Init();
    FSchnellstartGrid->move(0, 0);
    FSchnellstartGrid->SetOnEditChange([this](const QString& AField) { SchnellstartGridChange(AField); });
    KWFitContent(*this);
}

void TKWBesuchsdaten::Enter()
{
    const QDateTime Now = QDateTime::currentDateTime();
    if (FBetriebsdatenData.FieldByName(QStringLiteral("UhrzeitErfassung")).AsString().trimmed().isEmpty())
        FBetriebsdatenData.WriteValue(QStringLiteral("UhrzeitErfassung"), Now.time());
    if (FBetriebsdatenData.FieldByName(QStringLiteral("UhrzeitFuttervorlage")).AsString().trimmed().isEmpty())
        FBetriebsdatenData.WriteValue(QStringLiteral("UhrzeitFuttervorlage"),
                                      Now.addSecs(-FeedingBeforeRecordingSecs).time());
    FSchnellstartGrid->RefreshValues();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

// The computed rows follow the counts they are made from.
void TKWBesuchsdaten::SchnellstartGridChange(const QString& AField)
{
    QString Field = AField;
    if (Field == QLatin1String("AnzahlHochboxen") || Field == QLatin1String("AnzahlTiefboxen") ||
        Field == QLatin1String("AnzahlHochverlegteTiefboxen")) {
        const qint64 Places = qint64(IntegerOf(FHaltungManagementData, "AnzahlHochboxen")) +
                              IntegerOf(FHaltungManagementData, "AnzahlTiefboxen") +
                              IntegerOf(FHaltungManagementData, "AnzahlHochverlegteTiefboxen");
        FBetriebsdatenData.WriteValue(QStringLiteral("AnzahlLiegeboxen"), Places);
        Field = QStringLiteral("AnzahlLiegeboxen");
    }
    if (Field == QLatin1String("AnzahlFressplaetze"))
        FBetriebsdatenData.WriteValue(Field, IntegerOf(FStallerhebungFressLaufbereichData, "AnzahlFressplaetze"));
    if (Field == QLatin1String("AnzahlTiereErfassungsgruppe") || Field == QLatin1String("AnzahlLiegeboxen") ||
        Field == QLatin1String("AnzahlFressplaetze")) {
        const int Animals = IntegerOf(FBetriebsdatenData, "AnzahlTiereErfassungsgruppe");
        FBetriebsdatenData.WriteValue(QStringLiteral("VerhaeltnisLiegeTier"),
                                      Ratio(IntegerOf(FBetriebsdatenData, "AnzahlLiegeboxen"), Animals));
        FBetriebsdatenData.WriteValue(QStringLiteral("VerhaeltnisFressTier"),
                                      Ratio(IntegerOf(FBetriebsdatenData, "AnzahlFressplaetze"), Animals));
    }
    FSchnellstartGrid->RefreshValues();
}

bool TKWBesuchsdaten::Leave()
{
    FSchnellstartGrid->UpdateChange();
    return KWFinishLeave(this, PageId, FSchnellstartGrid->IsComplete());
}

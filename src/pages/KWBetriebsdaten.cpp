#include "KWBetriebsdaten.h"

#include "KWDataManagement.h"
#include "KWGridLayout.h"
#include "KWMemTable.h"
#include "KWNumberFormat.h"
#include "KWPageSupport.h"
#include "KWStyle.h"

#include <QScrollBar>

namespace {

const QString PageId = QStringLiteral("ErfassungBetriebsdaten");

} // namespace

TKWBetriebsdaten::TKWBetriebsdaten(QWidget* AOwner, TKWPopup& APopup, TKWMemTable& ABetriebsdaten)
    : TKWVertScrollBox(AOwner), FPopup(APopup), FBetriebsdatenData(ABetriebsdaten)
{
    setObjectName(PageId);
    BuildRows();
}

void TKWBetriebsdaten::BuildRows()
{
    TGridEntries& Farm = FGridEntriesBetriebsdaten;
    Farm.Add(etText, "AdresseBetrieb", "Adresse Betrieb");
    Farm.Add(etText, "TelefonHandy", "Telefon/Handy");
    Farm.Add(etText, "EMail", "E-Mail");
    Farm.Add(etText, "HITNummer", "HIT-Nummer");
    Farm.Add(etText, "UnternehmerNr", "Unternehmer-Nr.");
    Farm.Add(etText, "Region", "Region (z.B. Postleitzahl, Kreiscode)");
    Farm.Add(etNumber, "GesamtzahlKuehe", "Gesamtzahl Kühe");
    Farm.Add(etNumber, "AnzahlLaktierendeKuehe", "Anzahl laktierende Kühe");
    Farm.Add(etNumber, "AnzahlLaktierendeGruppen", "Anzahl laktierende Gruppen");

    TGridEntries& Survey = FStallerhebungsdatenRows;
    TGridEntry& System = Survey.AddCodes("Stallsystem", "Stallsystem", "STALLSYSTEM", {"LL", "AB"});
    TGridEntry& Reihen = Survey.AddCodes(
        "Stalltyp", "Stallreihentyp", "STALLREIHEN",
        {"10R", "20R", "30R", "11R", "22R", "12R", "13R", "23R", "33R", "4R", "40R", "6R", "KAMM", "SONST"});
    TGridEntry& Boxen = Survey.AddCodes("Stallboxentyp", "Stallboxentyp", "STALLBOXEN", {"KURZ", "MITTEL", "LANG"});
    TGridEntry& Melkstand = Survey.AddCodes(
        "Melkstand", "Art des Melkstands", "MELKSTAND",
        {"KEINER", "FGMSTD", "SBS", "FGMSTL", "INNMLK", "AUSMLK", "TANDEM", "ROHRMLK", "EIMERMLK", "SONST"});
    TGridEntry& Melkplaetze = Survey.Add(etNumber, "AnzahlMelkplaetze", "Anzahl Melkplätze");
    FGridEntriesStallerhebungsdatenReihen = {&System, &Reihen, &Melkstand, &Melkplaetze};
    FGridEntriesStallerhebungsdatenBoxen = {&System, &Boxen, &Melkstand, &Melkplaetze};

    TGridEntries& Group = FGridEntriesErfassungsgruppe;
    Group.AddCodes("Rasse", "Rasse", "RASSE", {"HF", "FV", "BV", "J", "SONST"});
    Group.AddCodes("BeschreibungErfassungsgruppe", "Beschreibung der Erfassungsgruppe", "ERFASS_GR",
                   {"GES", "HOC_GRU", "NIE_GRU", "FRI_GRU", "ALT_GRU", "SONST"});
    Group.Add(etNumber, "AnzahlEinfacheLiegeboxenreihen", "Anzahl einfache Liegeboxenreihen");
    Group.Add(etNumber, "AnzahlDoppelliegeboxenreihen", "Anzahl Doppelliegeboxenreihen");
    Group.Add(etNumber, "AnzahlFuttertische", "Anzahl Futtertische");
    Group.Add(etNumber, "AnzahlTraenken", "Anzahl Tränkestellen");

    FGridEntriesErfassungssituation.Add(etText, "Erfasser", "Erfasser");
    FGridEntriesErfassungssituation.Add(etLabel, "ErfassungsCode", "Erfassungscode (berechnet)");
}

TKWGridLayout* TKWBetriebsdaten::NewGrid(const char* ACaption, const TGridEntryList& AEntries,
                                         QPoint APosition)
{
    auto* Grid = new TKWGridLayout(Content(), &FPopup, FBetriebsdatenData, QString::fromUtf8(ACaption),
                                   AEntries);
    Grid->Init();
    Grid->move(APosition);
    return Grid;
}

void TKWBetriebsdaten::Init()
{
    const int Gap = KWStyle::Margin;
    FBetriebsdatenGrid = NewGrid("Betriebsdaten", FGridEntriesBetriebsdaten.List(), {0, 0});
    // Both barn survey variants lie on the same spot; Enter shows one of them.
    const QPoint Below(0, FBetriebsdatenGrid->height() + Gap);
    FStallerhebungsdatenGridReihen = NewGrid("Stallerhebungsdaten", FGridEntriesStallerhebungsdatenReihen, Below);
    FStallerhebungsdatenGridBoxen = NewGrid("Stallerhebungsdaten", FGridEntriesStallerhebungsdatenBoxen, Below);
    const int Right = FBetriebsdatenGrid->width() + Gap;
    FErfassungsgruppeGrid = NewGrid("Erfassungsgruppe", FGridEntriesErfassungsgruppe.List(), {Right, 0});
    FErfassungssituationGrid = NewGrid("Erfassungssituation", FGridEntriesErfassungssituation.List(),
                                       {Right, FErfassungsgruppeGrid->height() + Gap});
    KWFitContent(*this);
}

void TKWBetriebsdaten::Enter()
{
    for (TKWGridLayout* Grid : {FBetriebsdatenGrid, FErfassungssituationGrid, FErfassungsgruppeGrid,
                                FStallerhebungsdatenGridReihen, FStallerhebungsdatenGridBoxen})
        Grid->RefreshValues();
    // The variant follows the barn system as it is when the page is entered.
    const bool FreeStall = FBetriebsdatenData.FieldByName(QStringLiteral("Stallsystem")).AsString() ==
                           QLatin1String("LL");
    FStallerhebungsdatenGridReihen->setVisible(FreeStall);
    FStallerhebungsdatenGridBoxen->setVisible(!FreeStall);
    KWFitContent(*this);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

bool TKWBetriebsdaten::Leave()
{
    for (TKWGridLayout* Grid : {FBetriebsdatenGrid, FErfassungssituationGrid, FErfassungsgruppeGrid,
                                FStallerhebungsdatenGridReihen, FStallerhebungsdatenGridBoxen})
        Grid->UpdateChange();
    SetDrinkingRatios();
    return KWFinishLeave(this, PageId);
}

void TKWBetriebsdaten::SetDrinkingRatios()
{
    double TraenkeTier = 0;
    double TierTraenke = 0;
    TKWDataManagement::CalcTraenkeVerhaeltnis(
        FBetriebsdatenData.FieldByName(QStringLiteral("AnzahlTraenken")).AsInteger(),
        FBetriebsdatenData.FieldByName(QStringLiteral("AnzahlTiereErfassungsgruppe")).AsInteger(),
        TraenkeTier, TierTraenke);
    FBetriebsdatenData.WriteValue(QStringLiteral("VerhaeltnisTraenkeTier"), KWFormatFloat(TraenkeTier, 2));
    FBetriebsdatenData.WriteValue(QStringLiteral("VerhaeltnisTierTraenke"), KWFormatFloat(TierTraenke, 0));
}

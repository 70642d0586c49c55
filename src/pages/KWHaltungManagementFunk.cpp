#include "KWHaltungManagementFunk.h"

#include "KWGridLayout.h"
#include "KWMemTable.h"
#include "KWNumberFormat.h"
#include "KWPageSupport.h"
#include "KWStyle.h"

#include <QScrollBar>

#include <cmath>

namespace {

const QString PageId = QStringLiteral("ErfassungHaltungManagementFunk");
const QString WaterCheck = QStringLiteral("StallerhebungWassercheckVorhanden");
const QString TroughLength = QStringLiteral("StallerhebungWassercheckTroglaenge");

int IntegerOf(const TKWMemTable& ATable, const char* AField)
{
    return ATable.FieldByName(QString::fromLatin1(AField)).AsInteger();
}

} // namespace

TKWHaltungManagementFunk::TKWHaltungManagementFunk(QWidget* AOwner, TKWPopup& APopup,
                                                   TKWMemTable& AHaltungManagement,
                                                   TKWMemTable& AStallerhebungFressLaufbereich,
                                                   TKWMemTable& ABetriebsdaten)
    : TKWVertScrollBox(AOwner), FPopup(APopup), FHaltungManagementData(AHaltungManagement),
      FStallerhebungFressLaufbereichData(AStallerhebungFressLaufbereich), FBetriebsdatenData(ABetriebsdaten)
{
    setObjectName(PageId);
    BuildRows();
}

void TKWHaltungManagementFunk::BuildRows()
{
    TGridEntries& Liegen = FGridEntriesFunktionsbereichLiegen;
    Liegen.Add(etNone, "", "Liegeboxensystem");
    Liegen.Add(etCheckBox, "AnzahlHeterogen", "Heterogene Aufstallung");
    Liegen.AddCodes("Buegeltyp", "Bügeltyp", "BUEGEL", {"FRTR_ST_MON", "FRTR_HOR_ROH", "BOD_MON", "FLEX", "SONST"});
    Liegen.AddCodes("Bugbegrenzung", "Bugbegrenzung", "BUG_BEG", {"RUN_HOL", "KUNST", "BRE", "BETON", "KEIN", "SONST"});

    TGridEntries& Hochbox = FGridEntriesFunktionsbereichLiegenHB;
    Hochbox.AddCodes("HochboxLiegeboxenbelag", "Liegeboxenbelag", "HBOX_BEL",
                     {"KEIN_BEL", "GUM_MAT", "GUM_SCHA", "WAS_BET", "SONST"});
    Hochbox.Add(etNumber, "HochboxAlterBelag", "Alter der Matratze (Jahre)");
    Hochbox.Add(etNumber, "HochboxStaerkeBelag", "Stärke der Matratze (mm)");
    Hochbox.AddCodes("HochboxEinstreumaterial", "Einstreumaterial", "HBOX_STREU",
                     {"OHNE", "SAEG_MEH", "SAEG_SPA", "STR_MEH", "STR_HAE", "STH_SAEM", "GUEL_SEP", "KALK", "SONST"});
    Hochbox.AddCodes("HochboxZusaetzlichKalk", "Zusätzlich Kalk", "ZUS_KAL",
                     {"NEIN", "T", "J2T", "1W", "2W", "3W", "A2W", "A3W", "MON"});
    for (TGridEntry* Row : Hochbox.List())
        Row->Group = QStringLiteral("Hochbox");

    TGridEntries& Tiefbox = FGridEntriesFunktionsbereichLiegenTB;
    Tiefbox.AddCodes("TiefboxGrundmaterial", "Grundmaterial", "TBOX_GRUND",
                     {"STR_MIS_MAT", "STR_KAL_MAT", "PFE_MIS", "PFE_MIS_KAL_STR", "SAND_BETTW", "SAEG_MEH",
                      "SAEG_MEH_KAL_STR", "SAEG_SPA", "STR_MEH", "GAER_GET", "STR_HAE", "LAN_STR", "SAN",
                      "KOM", "SONST"});
    Tiefbox.AddCodes("TiefboxDeckschichtmaterial", "Deckschichtmaterial", "TBOX_DECK",
                     {"SAEG_MEH", "SAEG_SPA", "STR_HAE", "STR_MEH", "GAER_GET", "LAN_STR", "SAN", "STH_SAEM",
                      "KOM", "SONST"});
    Tiefbox.AddCodes("TiefboxZusaetzlichKalk", "Zusätzlich Kalk", "ZUS_KAL",
                     {"NEIN", "T", "J2T", "1W", "2W", "3W", "A2W", "A3W", "MON"});
    for (TGridEntry* Row : Tiefbox.List())
        Row->Group = QStringLiteral("TiefboxHochverlegteTiefbox");

    const QStringList Boden = {"SPA_BOD", "SPA_GUM", "PLAN_BET", "PLAN_GUS", "PLAN_GUM", "PLAN_FER_BET", "SONST"};
    TGridEntries& Laufen = FGridEntriesFunktionsbereichLaufen;
    Laufen.AddCodes("ArtBodenFuttergang", "Bodengestaltung Futtergang", "BOD_FUTT", Boden);
    Laufen.AddCodes("ArtBodenLaufgang", "Bodengestaltung Laufgang", "BOD_LAUF", Boden);
    Laufen.Add(etNumber, "AnzahlSackgassen", "Anzahl Sackgassen");
    Laufen.Add(etNumber, "AlterLaufflaeche", "Alter der Lauffläche (Jahre)");
    Laufen.AddCodes("ArtLaufflaechenreinigung", "Art der Laufflächenreinigung", "LAUF_REIN",
                    {"STA_SCHIE_ANL", "ROBO", "SCHLEP", "ABSCH_HAND", "SONST"});

    TKWMemTable* SF = &FStallerhebungFressLaufbereichData;
    TGridEntries& FuWa = FGridEntriesFunktionsbereichFuWa;
    FuWa.Add(etNone, "", "Futter");
    FuWa.AddCodes("Fuetterungssystem", "Fütterungssystem", "FUETTERUNGSYSTEM", {"KONV", "KONV_SBS", "AUTO", "SONST"});
    FuWa.AddCodes("Rationsgestalltung", "Rationsgestalltung", "RATIONSGESTALTUNG", {"TMR", "TMRT", "TMRK", "VORRAT", "BAND"});
    FuWa.AddCodes("AusfuehrungSockel", "Ausführung Sockel", "AUSF_SOCK",
                  {"BET_SCH_KAN", "BET_DRE", "BET_SCHR", "BET_RUN", "HOLZ", "SONST"})
        .MemData = SF;
    FuWa.Add(etNone, "", "Wasser");
    FuWa.Add(etCheckBox, WaterCheck, "Wassercheck durchführen").MemData = SF;
    const auto Water = [&](TGridEntry& ARow) {
        ARow.MemData = SF;
        ARow.Group = WaterCheck;
    };
    Water(FuWa.Add(etCheckBox, "StallerhebungWassercheckBrunnen", "Brunnenwasser"));
    Water(FuWa.Add(etText, "StallerhebungWassercheckBruDat", "Datum Wasseranalyse"));
    Water(FuWa.Add(etNumber, "StallerhebungWassercheckEinzel", "Einzelplatztränken"));
    Water(FuWa.Add(etNumber, "StallerhebungWassercheckMehr", "Mehrplatztränken"));
    Water(FuWa.Add(etNumber, "StallerhebungWassercheckTroghoehe", "Troghöhe (Maximum, cm)"));
    Water(FuWa.Add(etNumber, TroughLength, "Troglänge (insgesamt, cm)"));
    Water(FuWa.Add(etCheckBox, "StallerhebungWassercheckSauberkeit", "Verschmutzt (Fingertest, Futterreste)"));
    Water(FuWa.Add(etCheckBox, "StallerhebungWassercheckFrostsicherung", "Frostsicherung vorhanden"));
    Water(FuWa.AddCodes("StallerhebungWassercheckZufluss", "Zufluss", "WASSERCHECK_ZUFLUSS",
                        {"GERING", "LAMINAR", "TURBO"}));
}

TKWGridLayout* TKWHaltungManagementFunk::NewGrid(const char* ACaption, const TGridEntries& AEntries,
                                                 bool AIsMainGrid)
{
    auto* Grid = new TKWGridLayout(Content(), &FPopup, FHaltungManagementData, QString::fromUtf8(ACaption),
                                   AEntries.List());
    Grid->SetMainGrid(AIsMainGrid);
    Grid->Init();
    return Grid;
}

void TKWHaltungManagementFunk::Init()
{
    const int Gap = KWStyle::Margin;
    FFunktionsbereichLiegenGrid = NewGrid("Funktionsbereich Liegen", FGridEntriesFunktionsbereichLiegen, true);
    FFunktionsbereichLiegenHBGrid = NewGrid("Hochbox", FGridEntriesFunktionsbereichLiegenHB, false);
    FFunktionsbereichLiegenTBGrid =
        NewGrid("Tiefbox / hochverlegte Tiefbox", FGridEntriesFunktionsbereichLiegenTB, false);
    FFunktionsbereichLaufenGrid = NewGrid("Funktionsbereich Laufen", FGridEntriesFunktionsbereichLaufen, true);
    FFunktionsbereichFuWaGrid =
        NewGrid("Funktionsbereich Futter und Wasser", FGridEntriesFunktionsbereichFuWa, true);

    FFunktionsbereichLiegenGrid->move(0, 0);
    FFunktionsbereichLiegenHBGrid->move(0, FFunktionsbereichLiegenGrid->height() + Gap);
    FFunktionsbereichLiegenTBGrid->move(FFunktionsbereichLiegenHBGrid->pos());
    const int Right = std::max({FFunktionsbereichLiegenGrid->width(), FFunktionsbereichLiegenHBGrid->width(),
                                FFunktionsbereichLiegenTBGrid->width()}) +
                      Gap;
    FFunktionsbereichLaufenGrid->move(Right, 0);
    FFunktionsbereichFuWaGrid->move(Right, FFunktionsbereichLaufenGrid->height() + Gap);
    for (TKWGridLayout* Grid : {FFunktionsbereichLiegenGrid, FFunktionsbereichFuWaGrid})
        Grid->SetOnEditChange([this](const QString& AField) { ApplyVisibility(AField); });
    KWFitContent(*this);
}

std::array<TKWGridLayout*, 5> TKWHaltungManagementFunk::Grids() const
{
    return {FFunktionsbereichLiegenGrid, FFunktionsbereichLiegenHBGrid, FFunktionsbereichLiegenTBGrid,
            FFunktionsbereichLaufenGrid, FFunktionsbereichFuWaGrid};
}

void TKWHaltungManagementFunk::Enter()
{
    // In a tie stall there is no feed alley floor to assess.
    const bool TieStall = FBetriebsdatenData.FieldByName(QStringLiteral("Stallsystem")).AsString() ==
                          QLatin1String("AB");
    for (TGridEntry* Row : FGridEntriesFunktionsbereichLaufen.List())
        Row->Enabled = !(TieStall && Row->ID == QLatin1String("ArtBodenFuttergang"));
    for (TKWGridLayout* Grid : Grids())
        Grid->RefreshValues();
    ApplyVisibility({});
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void TKWHaltungManagementFunk::ApplyVisibility(const QString& AChangedField)
{
    const int Hochboxen = IntegerOf(FHaltungManagementData, "AnzahlHochboxen");
    const qint64 Tiefboxen = qint64(IntegerOf(FHaltungManagementData, "AnzahlTiefboxen")) +
                             IntegerOf(FHaltungManagementData, "AnzahlHochverlegteTiefboxen");
    FFunktionsbereichLiegenHBGrid->setVisible(Hochboxen > 0);
    FFunktionsbereichLiegenTBGrid->setVisible(Tiefboxen > 0);
    const QRect Hochbox = FFunktionsbereichLiegenHBGrid->geometry();
    FFunktionsbereichLiegenTBGrid->move(
        0, Hochboxen > 0 ? Hochbox.y() + Hochbox.height() + KWStyle::Margin : Hochbox.y());
    FFunktionsbereichFuWaGrid->SetGroupEnabled(
        WaterCheck, FStallerhebungFressLaufbereichData.FieldByName(WaterCheck).AsBoolean());
    if (AChangedField == TroughLength)
        SetTroughLengthPerAnimal();
    KWFitContent(*this);
}

// Centimetres of trough per animal, rounded half to even, as a whole number.
void TKWHaltungManagementFunk::SetTroughLengthPerAnimal()
{
    const int Animals = IntegerOf(FBetriebsdatenData, "AnzahlTiereErfassungsgruppe");
    const double PerAnimal =
        Animals > 0 ? std::nearbyint(static_cast<double>(IntegerOf(FStallerhebungFressLaufbereichData,
                                                                    "StallerhebungWassercheckTroglaenge")) /
                                     Animals)
                    : 0;
    FBetriebsdatenData.WriteValue(QStringLiteral("VerhaeltnisTrogLaengeTier"), KWFormatFloat(PerAnimal, 0));
}

bool TKWHaltungManagementFunk::Leave()
{
    for (TKWGridLayout* Grid : Grids())
        Grid->UpdateChange();
    return KWFinishLeave(this, PageId);
}

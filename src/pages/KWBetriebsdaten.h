#pragma once

#include "KWGridEntry.h"
#include "KWPage.h"
#include "KWVertScrollBox.h"

class TKWGridLayout;
class TKWMemTable;
class TKWPopup;

// "Betriebsdaten - Allgemein": address and identifiers, herd figures, barn survey data, the
// recording group and the recording situation. Nothing here is mandatory.
class TKWBetriebsdaten final : public TKWVertScrollBox, public IKWPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWBetriebsdaten)

public:
    TKWBetriebsdaten(QWidget* AOwner, TKWPopup& APopup, TKWMemTable& ABetriebsdaten);

    void Init() override;
    void Enter() override;
    bool Leave() override;

private:
    void BuildRows();
    TKWGridLayout* NewGrid(const char* ACaption, const TGridEntryList& AEntries, QPoint APosition);
    void SetDrinkingRatios();

    TKWPopup& FPopup;
    TKWMemTable& FBetriebsdatenData;
    TGridEntries FGridEntriesBetriebsdaten;
    TGridEntries FGridEntriesErfassungssituation;
    TGridEntries FGridEntriesErfassungsgruppe;
    // The two barn survey variants share every row but the second.
    TGridEntries FStallerhebungsdatenRows;
    TGridEntryList FGridEntriesStallerhebungsdatenReihen;
    TGridEntryList FGridEntriesStallerhebungsdatenBoxen;
    TKWGridLayout* FBetriebsdatenGrid = nullptr;
    TKWGridLayout* FErfassungssituationGrid = nullptr;
    TKWGridLayout* FErfassungsgruppeGrid = nullptr;
    TKWGridLayout* FStallerhebungsdatenGridReihen = nullptr;
    TKWGridLayout* FStallerhebungsdatenGridBoxen = nullptr;
};

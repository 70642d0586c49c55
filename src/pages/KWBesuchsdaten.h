#pragma once

#include "KWGridEntry.h"
#include "KWPage.h"
#include "KWVertScrollBox.h"

class TKWGridLayout;
class TKWMemTable;
class TKWPopup;

// "Betriebsdaten - Einstieg": the basic data every later page needs, with the computed places
// and animal-to-place ratios.
class TKWBesuchsdaten final : public TKWVertScrollBox, public IKWPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWBesuchsdaten)

public:
    TKWBesuchsdaten(QWidget* AOwner, TKWPopup& APopup, TKWMemTable& ABetriebsdaten,
                    TKWMemTable& AHaltungManagement, TKWMemTable& AStallerhebungFressLaufbereich);

    void Init() override;
    void Enter() override;
    bool Leave() override;

private:
    void SchnellstartGridChange(const QString& AField);
    void BuildRows();

    TKWPopup& FPopup;
    TKWMemTable& FBetriebsdatenData;
    TKWMemTable& FHaltungManagementData;
    TKWMemTable& FStallerhebungFressLaufbereichData;
    TGridEntries FGridEntriesSchnellstart;
    TKWGridLayout* FSchnellstartGrid = nullptr;
};

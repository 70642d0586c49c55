#pragma once

#include "KWGridEntry.h"
#include "KWPage.h"
#include "KWVertScrollBox.h"

#include <array>

class TKWGridLayout;
class TKWMemTable;
class TKWPopup;

// "Haltung und Management - Funktionsbereiche": lying, walking, feed and water, with the water
// check. The cubicle grids show only for the cubicle kinds the visit counted.
class TKWHaltungManagementFunk final : public TKWVertScrollBox, public IKWPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWHaltungManagementFunk)

public:
    TKWHaltungManagementFunk(QWidget* AOwner, TKWPopup& APopup, TKWMemTable& AHaltungManagement,
                             TKWMemTable& AStallerhebungFressLaufbereich, TKWMemTable& ABetriebsdaten);

    void Init() override;
    void Enter() override;
    bool Leave() override;

private:
    void BuildRows();
    TKWGridLayout* NewGrid(const char* ACaption, const TGridEntries& AEntries, bool AIsMainGrid);
    void ApplyVisibility(const QString& AChangedField);
    void SetTroughLengthPerAnimal();
    std::array<TKWGridLayout*, 5> Grids() const;

    TKWPopup& FPopup;
    TKWMemTable& FHaltungManagementData;
    TKWMemTable& FStallerhebungFressLaufbereichData;
    TKWMemTable& FBetriebsdatenData;
    TGridEntries FGridEntriesFunktionsbereichLiegen;
    TGridEntries FGridEntriesFunktionsbereichLiegenHB;
    TGridEntries FGridEntriesFunktionsbereichLiegenTB;
    TGridEntries FGridEntriesFunktionsbereichLaufen;
    TGridEntries FGridEntriesFunktionsbereichFuWa;
    TKWGridLayout* FFunktionsbereichLiegenGrid = nullptr;
    TKWGridLayout* FFunktionsbereichLiegenHBGrid = nullptr;
    TKWGridLayout* FFunktionsbereichLiegenTBGrid = nullptr;
    TKWGridLayout* FFunktionsbereichLaufenGrid = nullptr;
    TKWGridLayout* FFunktionsbereichFuWaGrid = nullptr;
};

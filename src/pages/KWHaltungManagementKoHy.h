#pragma once

#include "KWGridEntry.h"
#include "KWPage.h"
#include "KWVertScrollBox.h"

#include <array>

class TKWGridLayout;
class TKWMemTable;
class TKWPopup;

// "Haltung und Management - Hygiene+Komfort": management routines, brushes, pasture and exercise
// yard, sick, calving and mixed pens. Pasture and yard show only when the visit has them.
class TKWHaltungManagementKoHy final : public TKWVertScrollBox, public IKWPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWHaltungManagementKoHy)

public:
    TKWHaltungManagementKoHy(QWidget* AOwner, TKWPopup& APopup, TKWMemTable& AHaltungManagement,
                             TKWMemTable& AStallerhebungKomfortHygiene);

    void Init() override;
    void Enter() override;
    bool Leave() override;

private:
    void BuildRows();
    TKWGridLayout* NewGrid(const char* ACaption, const TGridEntries& AEntries, TKWMemTable& AData);
    void ApplyVisibility();
    std::array<TKWGridLayout*, 5> Grids() const;

    TKWPopup& FPopup;
    TKWMemTable& FHaltungManagementData;
    TKWMemTable& FStallerhebungHyKoData;
    TGridEntries FGridEntriesManagement;
    TGridEntries FGridEntriesKomfort;
    TGridEntries FGridEntriesLaufhof;
    TGridEntries FGridEntriesWeide;
    TGridEntries FGridEntriesHygiene;
    TKWGridLayout* FGridManagement = nullptr;
    TKWGridLayout* FGridKomfort = nullptr;
    TKWGridLayout* FGridLaufhof = nullptr;
    TKWGridLayout* FGridWeide = nullptr;
    TKWGridLayout* FGridHygiene = nullptr;
};

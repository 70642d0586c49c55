#pragma once

#include "KWRecordingRows.h"

#include <QWidget>

#include <vector>

class TKWImageSpinner;
class TKWMemTable;

// A grid of picture counters, one per entry, each bound to an integer field of one table
// record (the table's current record). A counter change is written at once (through
// TKWMemTable::WriteValue), the sum of all counters is updated and OnChange fires; loading
// values (RefreshValues) writes nothing and fires nothing.
//
// Each counter is named after its entry's field (objectName = ID).
class TKWGridLayoutSpinner final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWGridLayoutSpinner)

public:
    TKWGridLayoutSpinner(QWidget* AOwner, TKWMemTable& AData,
                         std::vector<TSpinnerGridEntry> AGridEntries);

    // Before Init: width over height of the pictures, handed to every counter.
    void SetAspectRatio(qreal AAspectRatio) { FAspectRatio = AAspectRatio; }
    // Builds the counters for the content width (pictures loaded by their entries' names) and
    // takes the grid's size. A missing picture raises.
    void Init();
    // Shows the current record's values and the entries' enabled states, and sums them up.
    void RefreshValues();

    const std::vector<TSpinnerGridEntry>& GridEntries() const { return FGridEntries; }
    // Takes effect at the next RefreshValues.
    void SetEntryEnabled(int AIndex, bool AEnabled);
    // The sum of all counters, disabled ones included.
    int Sum() const { return FSum; }
    int Columns() const { return FColumns; }
    int Rows() const { return FRows; }

Q_SIGNALS:
    // A counter changed and was written.
    void OnChange();

private:
    void SpinnerChange(int AIndex);
    void UpdateSum();

    TKWMemTable& FData;
    int FColumns;
    int FRows = 0;
    std::vector<TSpinnerGridEntry> FGridEntries;
    std::vector<TKWImageSpinner*> FSpinners;
    int FSum = 0;
    bool FIsRefreshing = false;
    qreal FAspectRatio;
};

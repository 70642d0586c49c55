#pragma once

#include "KWImageGeometry.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QLineEdit;
class TKWImageLayout;
class TKWMemTable;
class TKWPopup;

namespace KWGridLayoutPopup
{

// One row of a score grid: a numeric score chosen from reference pictures in the popup.
struct TGridEntry
{
    QString ID;   // field name in the grid's table
    QString Text; // label and popup caption (German)
    QStringList ImageTexts;
    QStringList ImageNames;
    int ImageCount = 0; // the first ImageCount choices have a picture; further texts are buttons
    QList<int> ImageValues;
    TImageOrientation ImageOrientation = TImageOrientation::Portrait;

    // Every value and text in order; picture names are the base name followed by each suffix.
    static std::unique_ptr<TGridEntry> CreateGridEntry(const QString& AID, const QString& AText,
                                                       const QList<int>& AValues,
                                                       const QStringList& ASuffixes, const QStringList& ATexts,
                                                       TImageOrientation AOrientation, int AImageCount,
                                                       const QString& ABaseName);
    // A subset of a common picture set: choice i takes value, text and suffix AUsed[i].
    static std::unique_ptr<TGridEntry> CreateGridEntry(const QString& AID, const QString& AText,
                                                       const QList<int>& AValues,
                                                       const QStringList& ASuffixes, const QStringList& ATexts,
                                                       TImageOrientation AOrientation, const QList<int>& AUsed,
                                                       int AImageCount, const QString& ABaseName);
};

} // namespace KWGridLayoutPopup

// A grid of scores (label | number | "Score ...") chosen from reference pictures in the shared
// popup. After a choice the next row's pictures open by themselves; the last row's answer
// ends the walk.
class TKWGridLayoutPopup final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWGridLayoutPopup)

public:
    using TEntries = std::vector<std::unique_ptr<KWGridLayoutPopup::TGridEntry>>;

    TKWGridLayoutPopup(QWidget* AOwner, TKWPopup& APopup, TKWMemTable& AData, TEntries AEntries);

    // The label column's width; set before Init.
    void SetLabelWidth(int AWidth) { FLabelWidth = AWidth; }
    void SetOnChange(std::function<void()> AHandler) { FOnChange = std::move(AHandler); }
    // After the popup of the last row was answered.
    void SetOnAutoPopupEnd(std::function<void()> AHandler) { FOnAutoPopupEnd = std::move(AHandler); }

    void Init();
    // Every number shows its field's text; colours change on the next entry.
    void RefreshValues();
    // Opens the pictures of row AIndex; the row count stands for the end of the rows.
    void OpenPopup(int AIndex);
    // Writes a number still being typed.
    void UpdateChange();

    const TEntries& Entries() const { return FGridEntries; }

private:
    TKWImageLayout& ImageLayout(int ARow);
    void ValueSelected(int AValue);
    void WriteRow(int ARow);

    TKWPopup& FPopup;
    TEntries FGridEntries;
    int FActiveIndex = -1;
    std::vector<QLineEdit*> FEditControls;
    std::vector<TKWImageLayout*> FImageLayouts;
    TKWMemTable& FData;
    std::function<void()> FOnChange;
    std::function<void()> FOnAutoPopupEnd;
    bool FIsRefreshing = false;
    int FLabelWidth = 200;
};

#pragma once

#include "KWGridEntry.h"
#include "KWUtils.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TKWMemTable;
class TKWPopup;

// A captioned two-column grid of questions (label | editor) built from row descriptions. Every
// accepted answer is written to the row's field at once; empty mandatory answers show red.
class TKWGridLayout final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWGridLayout)

public:
    // APopup may be null: then label taps and the free-text entry do nothing. Rows without a
    // table get AData.
    TKWGridLayout(QWidget* AOwner, TKWPopup* APopup, TKWMemTable& AData, const QString& ACaption,
                  const TGridEntryList& AEntries);

    // A secondary grid has a smaller caption and narrower editors; set before Init.
    void SetMainGrid(bool AIsMainGrid) { FIsMainGrid = AIsMainGrid; }
    // Called after a change was written, with the row's field name.
    void SetOnEditChange(TEditEvent AHandler) { FOnEditChange = std::move(AHandler); }

    // Builds caption and rows and takes the size they need.
    void Init();
    // Loads every editor from its field; sets colours and enabled states.
    void RefreshValues();
    // Every label becomes its translated text filled with AArguments (see KWFormat).
    void RefreshLabels(std::initializer_list<QVariant> AArguments);
    // Writes what the focused editor holds, as if it had changed, so a value typed but not yet
    // confirmed is not lost.
    void UpdateChange();
    // Shows and enables, or hides and disables, the labels and editors of a group.
    void SetGroupEnabled(const QString& AGroupID, bool AEnabled);
    // No mandatory row of this grid is missing.
    bool IsComplete() const;

    const TGridEntryList& Entries() const { return FGridEntries; }

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    QWidget* CreateEditor(int ARow);
    void ConnectEditor(int ARow, QWidget* AEditor);
    TKWMemTable& TableOf(const TGridEntry& AEntry) const;
    QString LabelText(const TGridEntry& AEntry, const QString& AText) const;
    void Write(int ARow, const QVariant& AValue);
    void WriteEditor(int ARow);
    void LoadEditor(int ARow);
    void LoadCodes(int ARow, const QString& AStored);
    void ShowHint(int ARow);
    void ShowSonstiges(int ARow);

    TKWPopup* FPopup;
    TKWMemTable& FData;
    QString FCaption;
    TGridEntryList FGridEntries;
    QLabel* FCaptionLabel = nullptr;
    QGridLayout* FGridPanelLayout = nullptr;
    std::vector<QLabel*> FLabelControls;
    std::vector<QWidget*> FEditControls;
    QHash<QString, std::vector<QWidget*>> FGroups;
    bool FIsMainGrid = true;
    bool FIsRefreshing = false;
    TEditEvent FOnEditChange;
    QPointer<QPlainTextEdit> FHintFeld;
    QPointer<QLineEdit> FSonstigesFeld;
};

#pragma once

#include "KWPageSelectionList.h"

#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;
class TKWSwitch;

// The frame of the page selection popup: quick buttons on the left, the research switch below
// them and the tree of recording pages and single-cow details on the right. The selection
// itself lives in a TKWPageSelectionList; the frame only shows it and takes the user's changes.
class TKWPageSelection final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWPageSelection)

public:
    explicit TKWPageSelection(QWidget* AOwner);

    // Builds the selection list; call once after creation.
    void Init();
    // Selects the entries and sets the switch from a selection text.
    void SetPageInfo(const QString& AText);
    // Rebuilds the tree from the selection list.
    void Enter();
    // The selection text of the entries and the switch.
    QString GetPageInfo() const;
    void Leave() {}

private:
    void QuickButtonClick(const QString& ATag);
    void TreeViewClick(QTreeWidgetItem* AItem);
    void TreeViewChangeCheck(QTreeWidgetItem* AItem);
    TListEntry& EntryOf(const QTreeWidgetItem* AItem);

    TKWSwitch* FSwitchPageDetailResearch;
    QTreeWidget* FTreeView;
    TKWPageSelectionList FListEntries;
    // True while the tree is filled, so the filling is not taken as the user's change.
    bool FIsRefreshing = false;
    // Check state of the item under the finger when it went down (see TreeViewClick).
    Qt::CheckState FPressedState = Qt::Unchecked;
};

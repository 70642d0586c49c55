#pragma once

#include "KWPage.h"
#include "KWUtils.h"

#include <QWidget>

#include <functional>

class QLabel;
class QListView;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QToolButton;
class TKWDataManagement;
class TKWDBUtil;
class TKWDialogService;

// Receives the chosen browser action and returns the result text of the operation the owner
// ran for it (empty means success).
using TActionSelectEvent = std::function<QString(TKWAction AAction)>;

// The farm and visit browser, page "Betriebsauswahl": the farms of the local database, the
// visits of the chosen farm and the actions on the chosen visit. It opens, saves and deletes
// nothing itself: it reports the chosen action to its owner.
class TKWBetriebsauswahl final : public QWidget, public IKWPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWBetriebsauswahl)

public:
    TKWBetriebsauswahl(TKWDataManagement& ADataManagement, TKWDialogService& ADialogs,
                       QWidget* AParent = nullptr);

    void Init() override;
    void Enter() override;
    bool Leave() override;

    // Re-reads farms and visits, clears every selection, hides the visit and action columns.
    void Refresh();
    void SetOnActionSelected(TActionSelectEvent AHandler) { FOnActionSelect = std::move(AHandler); }

    // For tests and the tour: the three lists and whether the two right columns are shown.
    QListView* BetriebList() const { return FListViewBetrieb; }
    QListView* BetriebsbesuchList() const { return FListViewBetriebsbesuch; }
    QListWidget* BearbeitungList() const { return FListViewBearbeitung; }
    bool BetriebsbesuchColumnVisible() const;
    bool BearbeitungColumnVisible() const;
    QToolButton* BetriebAddButton() const { return FButtonBetrieb; }
    QToolButton* BetriebsbesuchAddButton() const { return FButtonBetriebsbesuch; }
    int ListViewWidth() const { return FListViewWidth; }

protected:
    void resizeEvent(QResizeEvent* AEvent) override;

private:
    QWidget* CreateColumn(const QString& ATitle, QToolButton** AAddButton, QWidget* AList);
    void PlaceColumns();
    void BetriebClicked(const QModelIndex& AIndex);
    void BetriebsbesuchClicked(const QModelIndex& AIndex);
    void BearbeitungClicked(QListWidgetItem* AItem);
    bool IsExampleVisitSelected() const;
    void RefuseDeletion();
    void ReportAction(TKWAction AAction);
    void AskAndRun(const QString& AQuestion, TKWAction AAction);
    void AfterDelete(int AFarmRow);
    void AfterTransfer(int AFarmRow, const QString& AResult);
    void ReloadKeepingFarm(int AFarmRow);
    void ShowColumns(bool AVisits, bool AActions);

    TKWDataManagement& FDataManagement;
    TKWDBUtil& FDBUtil;
    TKWDialogService& FDialogs;
    int FListViewWidth = 300;
    QListView* FListViewBetrieb = nullptr;
    QListView* FListViewBetriebsbesuch = nullptr;
    QListWidget* FListViewBearbeitung = nullptr;
    QWidget* FColumnBetrieb = nullptr;
    QWidget* FColumnBetriebsbesuch = nullptr;
    QWidget* FColumnBearbeitung = nullptr;
    QToolButton* FButtonBetrieb = nullptr;
    QToolButton* FButtonBetriebsbesuch = nullptr;
    QListWidgetItem* FItemBearbeiten = nullptr;
    QListWidgetItem* FItemFolgeberatung = nullptr;
    QListWidgetItem* FItemLoeschen = nullptr;
    QListWidgetItem* FItemTransfer = nullptr;
    bool FActionIsRunning = false;
    TActionSelectEvent FOnActionSelect;
};

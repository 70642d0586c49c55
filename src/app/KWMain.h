#pragma once

#include "KWPageFactory.h"
#include "KWUtils.h"

#include <QHash>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>

class QLabel;
class QStackedWidget;
class QToolButton;
class TGVertScrollBox;
class TKWBetriebsauswahl;
class TKWDrawer;
class TKWGestureManager;
class TKWImpressumLayout;
class TKWMemTable;
class TKWPageSelection;
class TKWTabBar;

// What the main window works with; tests hand in their own database, dialogs and pages.
struct TKWMainFormSetup
{
    // The local database file of farms and visits.
    QString DatabasePath;
    // The dictionary to use ("EN"); empty shows every text as written (German).
    QString Language;
    // Not owned; nullptr shows message boxes over the window.
    TKWDialogService* Dialogs = nullptr;
    TKWPageFactory PageFactory = KWCreatePage;
};

// The one window of the application. It owns the visit management and one page object per
// catalogue page, shows one page at a time and moves the user between them: every move asks the
// shown page whether it may be left and saves the visit. The tool bar acts on the whole visit
// (save, page selection, comment, stopwatch, quick entry, information); the drawer and the tab
// bar below the pages lead to every enabled page.
class TMainForm final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMainForm)

public:
    // Size of the client area the pages are designed for.
    static constexpr QSize DesignSize{1101, 750};

    explicit TMainForm(TKWMainFormSetup ASetup);
    ~TMainForm() override;

    // One navigation request: leave the shown page, save the visit, show the target page. A
    // save error ends it on the shown page (the error reaches the caller).
    void CheckNPerformChangeTab(const QString& APageId);
    // Makes the page's tab the active one without leaving the shown page; the page switch runs.
    void SelectTab(const QString& APageId);
    // The page switch: marks the navigation, sets the tool buttons, enters the page.
    void TabControl1Change();
    // Carries out a browser action and returns its result text (empty means success).
    QString BetriebsauswahlActionSelected(TKWAction AAction);

    void BackButtonClick();
    // Saves the visit at once, complete or not.
    void UserButtonClick();
    void EnabledPagesButtonClick();
    void KommentarButtonClick();
    void ImpressumButtonClick();
    // The platform asks the program to save its state (suspend, logout).
    void FormSaveState();
    // On-screen keyboard shown at ABounds (screen coordinates), and hidden.
    void KeyBoardShown(const QRect& ABounds);
    void KeyBoardHidden();

    const QString& PageID() const { return FPageID; }
    TKWDataManagement& DataManagement() const { return *FDataManagement; }
    IKWPage* Page(const QString& APageId) const;
    QWidget* PageWidget(const QString& APageId) const;
    TKWPopup& Popup() const { return *FPopup; }
    TKWDrawer& Drawer() const { return *FMultiView1; }
    TKWTabBar& TabBar() const { return *FTabBar; }
    bool MenuIsShowing() const { return FMenuIsShowing; }
    QToolButton* BackPagesButton() const { return FBackPagesButton; }
    QToolButton* UserButton() const { return FUserButton; }
    QToolButton* ImpressumButton() const { return FImpressumButton; }
    QToolButton* EnabledPagesButton() const { return FEnabledPagesButton; }
    QToolButton* StoppuhrButton() const { return FStoppuhrButton; }
    QToolButton* QuickEditButton() const { return FQuickEditButton; }
    QToolButton* KommentarButton() const { return FKommentarButton; }
    QLabel* DetailTitleLabel() const { return FDetailTitleLabel; }
    QLabel* ToolTipLabel() const { return FToolTipLabel; }
    QPlainTextEdit* KommentarFeld() const { return FKommentarFeld; }
    TKWPageSelection* EnabledPagesLayout() const { return FEnabledPagesLayout; }
    TKWImpressumLayout* ImpressumLayout() const { return FImpressumLayout; }
    // How far the page area is moved up for the on-screen keyboard.
    int KeyboardOffset() const;

protected:
    // Saves the visit as FormSaveState does.
    void closeEvent(QCloseEvent* AEvent) override;
    void keyPressEvent(QKeyEvent* AEvent) override;
    void keyReleaseEvent(QKeyEvent* AEvent) override;

private:
    QWidget* CreateDetailToolBar();
    QToolButton* CreateToolButton(const QString& AName, const QString& AIcon,
                                  const QString& AHint);
    void CreateTabs();
    void CreateNavigation();
    void CreatePages();
    void CreatePage(const QString& APageId);
    void ConnectHandlers();
    void ShowToolButtons(const QString& APageId);
    void RefreshTitle();
    void MasterListItemMark(const QString& APageId);
    void ButtonListItemMark(const QString& APageId);
    void ButtonListEnable(bool AEnabled);
    void TellAboutExampleVisit();
    bool EnabledPagesCloseQuery();
    bool ImpressumCloseQuery();
    void KommentarChanged();
    TKWMemTable& KommentarData() const;
    void RecomputeKeyboardOffset();
    void ResetKeyboardOffset();
    int ActiveTabIndex() const;

    std::unique_ptr<TKWDialogService> FOwnDialogs;
    TKWDialogService& FDialogs;
    TKWPageFactory FPageFactory;

    QWidget* FDetailPanel = nullptr;
    QToolButton* FBackPagesButton = nullptr;
    QToolButton* FUserButton = nullptr;
    QToolButton* FImpressumButton = nullptr;
    QToolButton* FEnabledPagesButton = nullptr;
    QToolButton* FStoppuhrButton = nullptr;
    QToolButton* FQuickEditButton = nullptr;
    QToolButton* FKommentarButton = nullptr;
    QLabel* FDetailTitleLabel = nullptr;
    QLabel* FToolTipLabel = nullptr;
    TGVertScrollBox* FVertScrollBox1 = nullptr;
    QStackedWidget* FTabControl1 = nullptr;
    TKWTabBar* FTabBar = nullptr;
    TKWDrawer* FMultiView1 = nullptr;
    TKWGestureManager* FGestureManager = nullptr;

    // True while the comment field is filled from the visit, so the filling is not written back.
    bool FIsRefreshing = false;
    TKWPopup* FPopup = nullptr;
    std::unique_ptr<TKWTooltipLabel> FTooltipLabel;
    TKWPageSelection* FEnabledPagesLayout = nullptr;
    QPointer<QPlainTextEdit> FKommentarFeld;
    TKWImpressumLayout* FImpressumLayout = nullptr;
    bool FMenuIsShowing = false;
    // The open example visit has told the user that it is not saved.
    bool FExampleVisitTold = false;
    // The user chose to close although the visit could not be saved.
    bool FCloseWithoutSaving = false;
    QHash<QString, QWidget*> FTabItems;
    QHash<QString, TKWPageObject> FPages;
    TKWBetriebsauswahl* FBetriebsauswahl = nullptr;
    std::unique_ptr<TKWDataManagement> FDataManagement;
    // The on-screen keyboard in window coordinates; empty while none is shown.
    QRect FKBBounds;
    QString FPageID;
    // The tab for which the last full page change was carried out.
    int FActiveTabIndex = 0;
};

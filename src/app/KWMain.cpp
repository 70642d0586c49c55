#include "KWMain.h"

#include "KWBetriebsauswahl.h"
#include "KWCode.h"
#include "KWDBUtil.h"
#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWDrawer.h"
#include "KWElidedLabel.h"
#include "KWGestures.h"
#include "KWGuiUtil.h"
#include "KWImpressumLayout.h"
#include "KWMemTable.h"
#include "KWMessageBoxDialogService.h"
#include "KWNavigation.h"
#include "KWPage.h"
#include "KWPageSelection.h"
#include "KWPopup.h"
#include "KWScreenshotWriter.h"
#include "KWStyle.h"
#include "KWTabBar.h"
#include "KWTooltipLabel.h"
#include "KWTranslateUtil.h"
#include "KWUtilsGui.h"
#include "KWVertScrollBox.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Five buttons on the right; the left side (back and save) is given the same width, so that
// the title stays in the middle of the bar.
constexpr int ToolBarSideWidth = 5 * KWStyle::ToolButtonSize;
const QString Besuchsdaten = QStringLiteral("ErfassungBesuchsdaten");
const QString StallerhebungLiegebereich = QStringLiteral("ErfassungStallerhebungLiegebereich");
const QString Kommentar = QStringLiteral("Kommentar");
const QString PflichtFehlt = QStringLiteral("Es fehlen einige Pflichteingaben (rot).");

int CatalogueIndex(const QString& APageId)
{
    const auto& Catalogue = KWPageCatalogue();
    for (int Index = 0; Index < int(Catalogue.size()); ++Index)
        if (Catalogue[Index].PageId == APageId)
            return Index;
    return -1;
}

// Lines of a text edit's document, one per block.
QStringList Lines(const QPlainTextEdit& AEdit)
{
    QStringList Result;
    for (QTextBlock Block = AEdit.document()->begin(); Block.isValid(); Block = Block.next())
        Result.append(Block.text());
    return Result;
}

// The stored comment separates its lines with CR LF.
QString StoredText(const QPlainTextEdit& AEdit)
{
    return Lines(AEdit).join(QStringLiteral("\r\n"));
}

} // namespace

TMainForm::TMainForm(TKWMainFormSetup ASetup)
    : FOwnDialogs(ASetup.Dialogs ? nullptr : std::make_unique<TKWMessageBoxDialogService>(this)),
      FDialogs(ASetup.Dialogs ? *ASetup.Dialogs : *FOwnDialogs),
      FPageFactory(std::move(ASetup.PageFactory))
{
    KWLog(QStringLiteral("*** MainForm created ***"));
    TKWTranslateUtil::Open(ASetup.Language);
    KWLoadSharedBitmaps();
    TCodes::Init();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("qomvi"));
    setAutoFillBackground(true);
    setMinimumSize(KWStyle::WindowMinWidth, KWStyle::WindowMinHeight);
    resize(DesignSize);

    FDetailPanel = new QWidget(this);
    FDetailPanel->setObjectName(QStringLiteral("DetailPanel"));
    auto* PanelLayout = new QVBoxLayout(FDetailPanel);
    PanelLayout->setContentsMargins(0, 0, 0, 0);
    PanelLayout->setSpacing(0);
    PanelLayout->addWidget(CreateDetailToolBar());
    FVertScrollBox1 = new TGVertScrollBox(FDetailPanel);
    FVertScrollBox1->setObjectName(QStringLiteral("VertScrollBox1"));
    FVertScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PanelLayout->addWidget(FVertScrollBox1, 1);
    FTabBar = new TKWTabBar(FDetailPanel);
    PanelLayout->addWidget(FTabBar);
    auto* FormLayout = new QVBoxLayout(this);
    FormLayout->setContentsMargins(0, 0, 0, 0);
    FormLayout->addWidget(FDetailPanel);

    FPopup = new TKWPopup(this);
    FTooltipLabel = std::make_unique<TKWTooltipLabel>(FToolTipLabel);
    FGestureManager = new TKWGestureManager(this);
    KWAddSwipeGestures(FGestureManager, FVertScrollBox1);

    FDataManagement = std::make_unique<TKWDataManagement>(ASetup.DatabasePath);
    FDataManagement->ImportBetriebsbesuche();
    FDataManagement->StraightenBetriebsbesuche();

    CreateTabs();
    FMultiView1 = new TKWDrawer(this);
    CreateNavigation();
    CreatePages();
    ConnectHandlers();

    ShowToolButtons(KWPageBetriebsauswahl);
    FPageID = KWPageBetriebsauswahl;
    RefreshTitle();
    ButtonListItemMark(FPageID);
    MasterListItemMark(FPageID);
}

TMainForm::~TMainForm()
{
    // Focus and keyboard changes still arrive while the widget part goes down.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QGuiApplication::inputMethod(), nullptr, this, nullptr);
    // Whatever a page lent to the popup goes back to it first; the pages hold the visit's
    // tables and go before the visit management.
    FPopup->SetCloseQuery({});
    FPopup->close();
    FPages.clear();
    FTabItems.clear();
    delete FDetailPanel;
    FDataManagement.reset();
    FTooltipLabel.reset();
    KWFinishScreenshots();
    TCodes::Terminate();
    TKWTranslateUtil::Close();
    KWLog(QStringLiteral("*** MainForm destroyed ***"));
}

QWidget* TMainForm::CreateDetailToolBar()
{
    auto* ToolBar = new QWidget(FDetailPanel);
    ToolBar->setObjectName(QStringLiteral("DetailToolBar"));
    ToolBar->setFixedHeight(KWStyle::ToolBarHeight);
    ToolBar->setAttribute(Qt::WA_StyledBackground);
    ToolBar->setStyleSheet(QStringLiteral(
        "#DetailToolBar { background-color: rgba(255,255,255,170);"
        " border-bottom: 1px solid rgba(0,0,0,40); }"
        "#DetailToolBar QToolButton { border: none; border-radius: 6px; padding: 0 4px; }"
        "#DetailToolBar QToolButton:hover { background-color: rgba(0,0,0,18); }"
        "#DetailToolBar QToolButton:pressed { background-color: rgba(0,0,0,40); }"));

    FBackPagesButton = CreateToolButton(QStringLiteral("BackPagesButton"),
                                        QStringLiteral("ToolBack"), KWPageBetriebsauswahl);
    FBackPagesButton->setFixedWidth(KWStyle::BackButtonWidth);
    FBackPagesButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    FBackPagesButton->setText(u' ' + KWTranslate(KWPageBetriebsauswahl));
    FUserButton = CreateToolButton(QStringLiteral("UserButton"), QStringLiteral("ToolSave"),
                                   QStringLiteral("Beratung speichern"));
    FKommentarButton = CreateToolButton(QStringLiteral("KommentarButton"),
                                        QStringLiteral("ToolComment"), Kommentar);
    FQuickEditButton = CreateToolButton(QStringLiteral("QuickEditButton"),
                                        QStringLiteral("ToolAdd"),
                                        QStringLiteral("Schnellerfassung"));
    FStoppuhrButton = CreateToolButton(QStringLiteral("StoppuhrButton"),
                                       QStringLiteral("ToolTimer"), QStringLiteral("Stoppuhr"));
    FEnabledPagesButton = CreateToolButton(QStringLiteral("EnabledPagesButton"),
                                           QStringLiteral("ToolCompose"),
                                           QStringLiteral("Auswahl Erfassungsseiten"));
    FImpressumButton = CreateToolButton(QStringLiteral("ImpressumButton"),
                                        QStringLiteral("ToolInfo"), QStringLiteral("Information"));
    // The details these two buttons stand for (page selection).
    FStoppuhrButton->setProperty("Tag", KWDetailAbliegedauer);
    FQuickEditButton->setProperty("Tag", KWDetailLaufverhalten);

    auto* Left = new QHBoxLayout;
    Left->setSpacing(0);
    Left->addWidget(FBackPagesButton);
    Left->addWidget(FUserButton);
    Left->addStretch();
    auto* Right = new QHBoxLayout;
    Right->setSpacing(0);
    Right->addStretch();
    for (QToolButton* Button : {FKommentarButton, FQuickEditButton, FStoppuhrButton,
                                FEnabledPagesButton, FImpressumButton})
        Right->addWidget(Button);

    // The title takes what the buttons leave, up to its designed width; longer titles end
    // in "…" rather than run under the buttons.
    auto* TitleLayout = new QWidget(ToolBar);
    TitleLayout->setObjectName(QStringLiteral("TitleLayout"));
    TitleLayout->setMaximumWidth(KWStyle::TitleWidth);
    TitleLayout->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* TitleLines = new QVBoxLayout(TitleLayout);
    TitleLines->setContentsMargins(0, KWStyle::TitlePadding, 0, KWStyle::TitlePadding);
    TitleLines->setSpacing(0);
    FDetailTitleLabel = new TKWElidedLabel(TitleLayout);
    FDetailTitleLabel->setObjectName(QStringLiteral("DetailTitleLabel"));
    QFont TitleFont = KWScaledFont(FDetailTitleLabel->font(), KWStyle::TitleFontFactor);
    TitleFont.setBold(true);
    FDetailTitleLabel->setFont(TitleFont);
    FToolTipLabel = new TKWElidedLabel(TitleLayout);
    FToolTipLabel->setObjectName(QStringLiteral("ToolTipLabel"));
    for (QLabel* Label : {FDetailTitleLabel, FToolTipLabel}) {
        Label->setAlignment(Qt::AlignCenter);
        TitleLines->addWidget(Label);
    }

    auto* Grid = new QGridLayout(ToolBar);
    Grid->setContentsMargins(0, 0, 0, 0);
    Grid->setSpacing(0);
    Grid->addLayout(Left, 0, 0);
    Grid->addWidget(TitleLayout, 0, 1);
    Grid->addLayout(Right, 0, 2);
    for (int Side : {0, 2}) {
        Grid->setColumnMinimumWidth(Side, ToolBarSideWidth);
        Grid->setColumnStretch(Side, 1);
    }
    Grid->setColumnStretch(1, 2);
    return ToolBar;
}

// AFunction (German source text) is what the button does: its hint and its accessible name.
QToolButton* TMainForm::CreateToolButton(const QString& AName, const QString& AIcon,
                                         const QString& AFunction)
{
    auto* Button = new QToolButton(FDetailPanel);
    Button->setObjectName(AName);
    Button->setIcon(KWLoadIconResource(AIcon));
    Button->setIconSize({KWStyle::ToolIconSize, KWStyle::ToolIconSize});
    Button->setFixedSize(KWStyle::ToolButtonSize, KWStyle::ToolButtonSize);
    Button->setAutoRaise(true);
    Button->setFocusPolicy(Qt::NoFocus);
    const QString Function = KWTranslate(AFunction);
    Button->setToolTip(Function);
    Button->setAccessibleName(Function);
    return Button;
}

void TMainForm::CreateTabs()
{
    FTabControl1 = new QStackedWidget;
    FTabControl1->setObjectName(QStringLiteral("TabControl1"));
    for (const TKWPageInfo& Info : KWPageCatalogue()) {
        auto* Tab = new QWidget(FTabControl1);
        Tab->setObjectName(QStringLiteral("Tab_") + Info.PageId);
        auto* Layout = new QVBoxLayout(Tab);
        Layout->setContentsMargins(0, 0, 0, 0);
        FTabControl1->addWidget(Tab);
        FTabItems.insert(Info.PageId, Tab);
    }
    FVertScrollBox1->setWidget(FTabControl1);
    // The window's background colour shows through the page area.
    FVertScrollBox1->viewport()->setAutoFillBackground(false);
    FTabControl1->setAutoFillBackground(false);
}

void TMainForm::CreateNavigation()
{
    for (const TKWPageInfo& Info : KWPageCatalogue()) {
        if (Info.PageId == KWPageBetriebsauswahl)
            continue;
        for (const TKWPageGroup& Group : KWPageGroups())
            if (Group.FirstPageId == Info.PageId)
                FMultiView1->AddHeader(Group.Header, Group.Color);
        const quint32 Color = KWPageGroupColor(Info.PageId);
        FMultiView1->AddItem(Info.PageId, Info.ShortTitle, Color);
        FTabBar->AddPageButton(Info.PageId, Color, Info.ShortTitle);
    }
}

// The farm selection first, then the recording pages, the evaluation pages in the order of
// their keys and the advice pages.
void TMainForm::CreatePages()
{
    for (const TKWPageInfo& Info : KWPageCatalogue())
        if (!Info.PageId.startsWith(QLatin1String("Auswertung")) &&
            !Info.PageId.startsWith(QLatin1String("Beratung")))
            CreatePage(Info.PageId);
    for (const TKWAuswertungPage& Auswertung : KWAuswertungPages())
        CreatePage(Auswertung.PageId);
    for (const TKWPageInfo& Info : KWPageCatalogue())
        if (Info.PageId.startsWith(QLatin1String("Beratung")))
            CreatePage(Info.PageId);
}

void TMainForm::CreatePage(const QString& APageId)
{
    QWidget* Tab = FTabItems.value(APageId);
    const TKWPageContext Context{*FDataManagement, FDialogs, *FPopup, *FTooltipLabel};
    const TKWPageObject Object = FPageFactory(APageId, Context, Tab);
    // Assistive technology announces a page by the title the window shows for it.
    if (const TKWPageInfo* Info = KWFindPage(APageId); Info && Object.Widget->accessibleName().isEmpty())
        Object.Widget->setAccessibleName(KWTranslate(Info->Title));
    Object.Widget->resize(DesignSize.width(), Object.Widget->height());
    Object.Page->Init();
    Tab->layout()->addWidget(Object.Widget);
    // Swipes are recognised over recording and advice pages; they do not change the page.
    if (APageId != KWPageBetriebsauswahl && !APageId.startsWith(QLatin1String("Auswertung")))
        KWAddSwipeGestures(FGestureManager, Object.Widget);
    FPages.insert(APageId, Object);
    if (auto* Browser = qobject_cast<TKWBetriebsauswahl*>(Object.Widget)) {
        FBetriebsauswahl = Browser;
        Browser->SetOnActionSelected(
            [this](TKWAction AAction) { return BetriebsauswahlActionSelected(AAction); });
    }
}

void TMainForm::ConnectHandlers()
{
    connect(FTabControl1, &QStackedWidget::currentChanged, this, &TMainForm::TabControl1Change);
    connect(FBackPagesButton, &QToolButton::clicked, this, &TMainForm::BackButtonClick);
    connect(FUserButton, &QToolButton::clicked, this, &TMainForm::UserButtonClick);
    connect(FEnabledPagesButton, &QToolButton::clicked, this, &TMainForm::EnabledPagesButtonClick);
    connect(FKommentarButton, &QToolButton::clicked, this, &TMainForm::KommentarButtonClick);
    connect(FImpressumButton, &QToolButton::clicked, this, &TMainForm::ImpressumButtonClick);
    // The stopwatch and the quick entry open the walking page's popups; they come with it.
    connect(FTabBar, &TKWTabBar::PageButtonClicked, this, &TMainForm::CheckNPerformChangeTab);
    connect(FTabBar->MasterButton(), &QToolButton::clicked, FMultiView1, &TKWDrawer::Open);
    connect(FMultiView1, &TKWDrawer::ItemClicked, this, &TMainForm::CheckNPerformChangeTab);
    connect(FMultiView1, &TKWDrawer::Showing, this, [this] { FMenuIsShowing = true; });
    connect(FMultiView1, &TKWDrawer::Hidden, this, [this] { FMenuIsShowing = false; });
    connect(qApp, &QApplication::focusChanged, this, &TMainForm::RecomputeKeyboardOffset);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState AState) {
                if (AState == Qt::ApplicationSuspended)
                    FormSaveState();
            });
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TMainForm::FormSaveState);
    QInputMethod* Keyboard = QGuiApplication::inputMethod();
    connect(Keyboard, &QInputMethod::keyboardRectangleChanged, this, [this, Keyboard] {
        if (Keyboard->isVisible())
            KeyBoardShown(Keyboard->keyboardRectangle().toRect());
        else
            KeyBoardHidden();
    });
}

IKWPage* TMainForm::Page(const QString& APageId) const
{
    return FPages.value(APageId).Page;
}

QWidget* TMainForm::PageWidget(const QString& APageId) const
{
    return FPages.value(APageId).Widget;
}

int TMainForm::ActiveTabIndex() const
{
    return FTabControl1->currentIndex();
}

void TMainForm::CheckNPerformChangeTab(const QString& APageId)
{
    if (APageId == KWHeaderTag || CatalogueIndex(APageId) < 0)
        return;
    const bool ToBrowser = APageId == KWPageBetriebsauswahl;
    if (Page(FPageID)->Leave()) {
        FDataManagement->SaveBetriebsbesuch();
        TellAboutExampleVisit();
    } else if (!ToBrowser) {
        FDialogs.ShowMessage(dtError, {PflichtFehlt, QStringLiteral("Bitte füllen sie diese aus.")});
        return;
    } else {
        FDialogs.ShowMessage(dtWarning,
                             {PflichtFehlt, QStringLiteral("Die Beratung wird nicht gesichert.")});
    }
    SelectTab(APageId);
    FMultiView1->Close();
}

void TMainForm::SelectTab(const QString& APageId)
{
    const int Index = CatalogueIndex(APageId);
    if (Index >= 0)
        FTabControl1->setCurrentIndex(Index);
}

void TMainForm::TabControl1Change()
{
    const int Index = ActiveTabIndex();
    FPageID = KWPageCatalogue()[Index].PageId;
    ButtonListItemMark(FPageID);
    MasterListItemMark(FPageID);
    ShowToolButtons(FPageID);
    if (Index != FActiveTabIndex) {
        ResetKeyboardOffset();
        FTooltipLabel->HideTooltip();
        RefreshTitle();
        if (FPageID == KWPageBetriebsauswahl)
            FDataManagement->ClearData();
        FActiveTabIndex = Index;
    }
    Page(FPageID)->Enter();
}

QString TMainForm::BetriebsauswahlActionSelected(TKWAction AAction)
{
    // The last page's picture may still be on its way into the visit folder.
    KWFinishScreenshots();
    switch (AAction) {
    case aBeratungLoeschen:
        return FDataManagement->DeleteBetriebsbesuch(AAction);
    case aBeratungTransfer:
        return FDataManagement->TransferBetriebsbesuch(AAction);
    case aBetriebNeu:
    case aBeratungNeu:
    case aBeratungBearbeiten:
    case aFolgeberatung:
        break;
    }
    const QString Result = FDataManagement->LoadBetriebsbesuch(AAction);
    FExampleVisitTold = false;
    SelectTab(Besuchsdaten);
    return Result;
}

void TMainForm::ShowToolButtons(const QString& APageId)
{
    const TKWToolButtonsShown Shown = KWToolButtonsShown(APageId);
    FBackPagesButton->setVisible(Shown.Back);
    FUserButton->setVisible(Shown.Save);
    FEnabledPagesButton->setVisible(Shown.EnabledPages);
    FKommentarButton->setVisible(Shown.Kommentar);
    FStoppuhrButton->setVisible(Shown.Stoppuhr);
    FQuickEditButton->setVisible(Shown.QuickEdit);
    FImpressumButton->setVisible(Shown.Impressum);
    ButtonListEnable(Shown.TabBar);
}

void TMainForm::RefreshTitle()
{
    const TKWPageInfo& Info = KWPageCatalogue()[ActiveTabIndex()];
    const bool Browser = Info.PageId == KWPageBetriebsauswahl;
    QPalette Palette = palette();
    Palette.setColor(QPalette::Window, QColor::fromRgba(Browser ? KWStyle::BrowserBackground
                                                                : KWStyle::PageBackground));
    setPalette(Palette);
    FDetailTitleLabel->setText(KWTranslate(Info.Title));
    // A page without a hint keeps its title alone in the middle of the bar.
    if (Info.Hint.isEmpty())
        FTooltipLabel->HideTooltip();
    else
        FTooltipLabel->ShowTooltip(Info.Hint, !Browser);
}

void TMainForm::MasterListItemMark(const QString& APageId)
{
    FMultiView1->Mark(APageId);
}

void TMainForm::ButtonListItemMark(const QString& APageId)
{
    FTabBar->Mark(APageId);
}

void TMainForm::ButtonListEnable(bool AEnabled)
{
    FTabBar->setVisible(AEnabled);
}

void TMainForm::BackButtonClick()
{
    CheckNPerformChangeTab(KWPageBetriebsauswahl);
}

void TMainForm::UserButtonClick()
{
    FDataManagement->SaveBetriebsbesuch();
    TellAboutExampleVisit();
}

// An example visit stays as it is, which the user would otherwise find out only later.
void TMainForm::TellAboutExampleVisit()
{
    if (FExampleVisitTold || !FDataManagement->IsExampleVisit())
        return;
    FExampleVisitTold = true;
    FDialogs.ShowMessage(dtInformation,
                         {QStringLiteral("Beispielberatungen werden nicht gespeichert."),
                          QStringLiteral("Wenn Sie den Stall auf der ersten Seite umbenennen (ohne "
                                         "\"Demo\" am Anfang), wird daraus eine eigene "
                                         "Beratung.")});
}

// On a desktop the close request is the moment to save the state. A save that fails keeps the
// window open and asks, so that closing never loses a visit unnoticed.
void TMainForm::closeEvent(QCloseEvent* AEvent)
{
    if (FCloseWithoutSaving)
        return;
    try {
        FormSaveState();
    } catch (const std::exception& E) {
        AEvent->ignore();
        const QString Message = QString::fromUtf8(E.what());
        KWLog(QStringLiteral("TMainForm.FormCloseQuery - Exception"));
        KWLog(QStringLiteral("  Message: ") + Message);
        FDialogs.ConfirmText(KWActionErrorText(Message) + QStringLiteral("\r\n\r\n") +
                                 KWTranslate(QStringLiteral("Trotzdem schließen?")),
                             dbYes | dbNo, dbNo, [this](TKWDialogButton AAnswer) {
                                 if (AAnswer != dbYes)
                                     return;
                                 FCloseWithoutSaving = true;
                                 close();
                             });
    }
}

void TMainForm::FormSaveState()
{
    // Only this page keeps entries that are not yet in its table.
    if (FPageID == StallerhebungLiegebereich)
        Page(FPageID)->Leave();
    if (FDataManagement)
        FDataManagement->SaveBetriebsbesuch();
}

void TMainForm::EnabledPagesButtonClick()
{
    if (!FEnabledPagesLayout) {
        FEnabledPagesLayout = new TKWPageSelection(this);
        FEnabledPagesLayout->hide();
        FEnabledPagesLayout->Init();
    }
    FEnabledPagesLayout->SetPageInfo(KWEnabledPages);
    FEnabledPagesLayout->Enter();
    FPopup->SetCaption(QStringLiteral("Auswahl Erfassungsseiten"));
    FPopup->SetContent(FEnabledPagesLayout);
    FPopup->SetCloseQuery([this] { return EnabledPagesCloseQuery(); });
    FPopup->Show();
}

// The new selection applies at once: the shown page is entered again, so pages that depend on
// page details rebuild.
bool TMainForm::EnabledPagesCloseQuery()
{
    FPopup->SetCloseQuery({});
    KWEnabledPages = FEnabledPagesLayout->GetPageInfo();
    TabControl1Change();
    return true;
}

void TMainForm::KommentarButtonClick()
{
    delete FKommentarFeld;
    FKommentarFeld = new QPlainTextEdit(FPopup);
    FKommentarFeld->setObjectName(QStringLiteral("KommentarFeld"));
    FKommentarFeld->setAccessibleName(KWTranslate(Kommentar));
    QFont Font = KWScaledFont(FKommentarFeld->font(), KWStyle::KommentarFontFactor);
    Font.setBold(true);
    FKommentarFeld->setFont(Font);
    FKommentarFeld->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    FKommentarFeld->hide();

    FIsRefreshing = true;
    QString Text = KommentarData().FieldByName(Kommentar).AsString();
    FKommentarFeld->setPlainText(Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    const QString PageKey = KWTranslate(KWPageCatalogue()[ActiveTabIndex()].Title).toLower();
    const int Line = KWKommentarCaretLine(Lines(*FKommentarFeld), PageKey);
    FKommentarFeld->setTextCursor(
        QTextCursor(FKommentarFeld->document()->findBlockByNumber(Line)));
    FIsRefreshing = false;
    connect(FKommentarFeld, &QPlainTextEdit::textChanged, this, &TMainForm::KommentarChanged);

    FKommentarFeld->resize(width() - 100, height() / 2 - 100);
    FPopup->SetCaption(Kommentar);
    FPopup->SetContent(FKommentarFeld, paTop);
    FPopup->Show();
    // The page's heading stays in sight above the caret.
    FKommentarFeld->centerCursor();
}

void TMainForm::KommentarChanged()
{
    if (FIsRefreshing || !FKommentarFeld)
        return;
    TKWMemTable& Data = KommentarData();
    Data.Edit();
    Data.FieldByName(Kommentar).SetAsString(StoredText(*FKommentarFeld));
    Data.Post();
}

TKWMemTable& TMainForm::KommentarData() const
{
    return FDataManagement->DataStore().GetDataErfassung(Kommentar);
}

void TMainForm::ImpressumButtonClick()
{
    if (!FImpressumLayout) {
        FImpressumLayout = new TKWImpressumLayout(
            {KWGetDataPath(), FDataManagement->DBUtil().DatabasePath(), KWLogPath()}, this);
        FImpressumLayout->hide();
    }
    FPopup->SetCaption(QStringLiteral("Information"));
    FPopup->SetContent(FImpressumLayout);
    FPopup->SetCloseQuery([this] { return ImpressumCloseQuery(); });
    FPopup->Show();
}

bool TMainForm::ImpressumCloseQuery()
{
    FPopup->SetCloseQuery({});
    if (FPageID == KWPageBetriebsauswahl && FBetriebsauswahl)
        FBetriebsauswahl->Refresh();
    return true;
}

void TMainForm::keyPressEvent(QKeyEvent* AEvent)
{
    switch (AEvent->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // An entry field let the key pass: on to the next field.
        focusNextChild();
        return;
    case Qt::Key_Back:
        return;
    default:
        QWidget::keyPressEvent(AEvent);
    }
}

void TMainForm::keyReleaseEvent(QKeyEvent* AEvent)
{
    if (AEvent->key() != Qt::Key_Back)
        QWidget::keyReleaseEvent(AEvent);
}

void TMainForm::KeyBoardShown(const QRect& ABounds)
{
    FKBBounds = QRect(mapFromGlobal(ABounds.topLeft()), mapFromGlobal(ABounds.bottomRight()));
    RecomputeKeyboardOffset();
}

void TMainForm::KeyBoardHidden()
{
    FKBBounds = QRect();
    ResetKeyboardOffset();
}

int TMainForm::KeyboardOffset() const
{
    return FVertScrollBox1->verticalScrollBar()->value();
}

// The page area moves up until the focused field sits right above the keyboard; it grows by
// the keyboard's height so that it can move that far.
void TMainForm::RecomputeKeyboardOffset()
{
    QWidget* Focus = focusWidget();
    int Offset = 0;
    if (Focus && !FKBBounds.isEmpty() && FTabControl1->isAncestorOf(Focus)) {
        const QRect Control(Focus->mapTo(this, QPoint(0, KeyboardOffset())), Focus->size());
        Offset = KWKeyboardOffset(Control, FKBBounds);
    }
    if (Offset <= 0) {
        ResetKeyboardOffset();
        return;
    }
    FTabControl1->setMinimumHeight(FVertScrollBox1->viewport()->height() + height() -
                                   FKBBounds.top());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    FVertScrollBox1->verticalScrollBar()->setValue(Offset);
}

void TMainForm::ResetKeyboardOffset()
{
    FTabControl1->setMinimumHeight(0);
    FVertScrollBox1->verticalScrollBar()->setValue(0);
}

#include "KWMain.h"

#include "GuiTestSupport.h"
#include "KWDBResultSet.h"
#include "KWDBUtil.h"
#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWDrawer.h"
#include "KWGuiUtil.h"
#include "KWMemTable.h"
#include "KWTemporaryPage.h"
#include "KWPage.h"
#include "KWPageSelection.h"
#include "KWPopup.h"
#include "KWScriptedDialogService.h"
#include "KWTabBar.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

const QString Betriebsdaten = "ErfassungBetriebsdaten";

// A recording page with one mandatory entry: it may be left only when the entry is filled.
class TMandatoryPage final : public QWidget, public IKWPage
{
public:
    explicit TMandatoryPage(QWidget* AParent)
        : QWidget(AParent), FEntry(new QLineEdit(this)), FNext(new QLineEdit(this))
    {
        auto* Layout = new QVBoxLayout(this);
        Layout->addWidget(FEntry);
        Layout->addWidget(FNext);
    }
    void Init() override {}
    void Enter() override { ++FEntered; }
    bool Leave() override { return !FEntry->text().isEmpty(); }

    QLineEdit* FEntry;
    QLineEdit* FNext;
    int FEntered = 0;
};

class KWMainForm : public ::testing::Test
{
protected:
    void SetUp() override { Build(QString()); }
    // The window with the dictionary of ALanguage (empty: German as written).
    void Build(const QString& ALanguage)
    {
        FForm.reset();
        KWEnabledPages.clear();
        TKWMainFormSetup Setup;
        Setup.Language = ALanguage;
        Setup.DatabasePath = FFolder.filePath("kvd.s3db");
        Setup.Dialogs = &FDialogs;
        Setup.PageFactory = [this](const QString& APageId, const TKWPageContext& AContext,
                                   QWidget* AParent) {
            // The first page stands in plain, so the window's rules are tried on the page below.
            if (APageId == QLatin1String("ErfassungBesuchsdaten"))
                return KWPageObject(new TKWTemporaryPage(APageId, AParent));
            if (APageId != Betriebsdaten)
                return KWCreatePage(APageId, AContext, AParent);
            FMandatory = new TMandatoryPage(AParent);
            return KWPageObject(FMandatory);
        };
        FForm = std::make_unique<TMainForm>(Setup);
    }
    void TearDown() override
    {
        FForm.reset();
        KWEnabledPages.clear();
    }

    // A new farm, opened as the browser's add button does, and saved once on its first page.
    void OpenNewFarm()
    {
        EXPECT_EQ(FForm->BetriebsauswahlActionSelected(aBetriebNeu), "");
        ASSERT_EQ(FForm->PageID(), "ErfassungBesuchsdaten");
        FForm->CheckNPerformChangeTab(Betriebsdaten);
        ASSERT_EQ(FForm->PageID(), Betriebsdaten);
    }

    TKWMemTable& Farm() const
    {
        return FForm->DataManagement().DataStore().GetDataErfassung("Betriebsdaten");
    }
    void SetFarmName(const QString& AName)
    {
        Farm().Edit();
        Farm().FieldByName("Betriebsinhaber").SetAsString(AName);
        Farm().Post();
    }
    // The farm name the database holds for the open farm.
    QString StoredFarmName() const
    {
        TKWDBResultSet& Farms = FForm->DataManagement().DBUtil().BetriebSelectQuery();
        Farms.Refresh();
        if (!Farms.Locate("UUID", FForm->DataManagement().ActiveUUID()))
            return "<no farm>";
        return Farms.FieldValue("Name").toString();
    }

    // A file where the open visit's folder belongs makes every save fail; returns its path.
    QString BlockVisitFolder() const
    {
        const QString Folder =
            QDir(KWGetDataPath()).filePath(FForm->DataManagement().ActiveComposed());
        QDir(Folder).removeRecursively();
        QFile Blocker(Folder);
        EXPECT_TRUE(Blocker.open(QIODevice::WriteOnly));
        return Folder;
    }

    QTemporaryDir FFolder;
    TKWScriptedDialogService FDialogs;
    TMandatoryPage* FMandatory = nullptr;
    std::unique_ptr<TMainForm> FForm;
};

struct TLeaveCase
{
    const char* Target;
    bool Filled;
    const char* PageAfter;
    const char* Message;
    const char* StoredName;
};

class KWMainFormLeave : public KWMainForm, public ::testing::WithParamInterface<TLeaveCase>
{
};

// Towards a recording page the visit stays on the incomplete page; towards the farm selection
// it is left without saving; a complete page is saved on the way.
TEST_P(KWMainFormLeave, MandatoryEntriesDecideWhetherThePageIsLeftAndTheVisitSaved)
{
    const TLeaveCase& Case = GetParam();
    OpenNewFarm();
    ASSERT_EQ(StoredFarmName(), "");
    SetFarmName("Hof Neu");
    FMandatory->FEntry->setText(Case.Filled ? "x" : "");
    const qsizetype Asked = FDialogs.Requests().size();

    FForm->CheckNPerformChangeTab(Case.Target);

    EXPECT_EQ(FForm->PageID(), Case.PageAfter);
    const QStringList NewTexts = FDialogs.Texts().mid(Asked);
    if (QString(Case.Message).isEmpty()) {
        EXPECT_TRUE(NewTexts.isEmpty()) << NewTexts.join(" | ").toStdString();
    } else {
        ASSERT_EQ(NewTexts.size(), 1);
        EXPECT_EQ(NewTexts[0], Case.Message);
        EXPECT_EQ(FDialogs.Requests().last().Buttons, TKWDialogButtons(dbOK));
    }
    EXPECT_EQ(StoredFarmName(), Case.StoredName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KWMainFormLeave,
    ::testing::Values(
        TLeaveCase{"ErfassungHaltungManagementFunk", false, "ErfassungBetriebsdaten",
                   "Es fehlen einige Pflichteingaben (rot).\nBitte füllen sie diese aus.", ""},
        TLeaveCase{"Betriebsauswahl", false, "Betriebsauswahl",
                   "Es fehlen einige Pflichteingaben (rot).\nDie Beratung wird nicht gesichert.",
                   ""},
        TLeaveCase{"AuswertungSignale1", true, "AuswertungSignale1", "", "Hof Neu"},
        TLeaveCase{"Header", false, "ErfassungBetriebsdaten", "", ""}));

TEST_F(KWMainForm, WarningDialogIsAnErrorOnlyTowardsRecordingPages)
{
    OpenNewFarm();
    FForm->CheckNPerformChangeTab("ErfassungEinzelKuh");
    FForm->CheckNPerformChangeTab("Betriebsauswahl");
    ASSERT_EQ(FDialogs.Requests().size(), 2);
    EXPECT_EQ(FDialogs.Requests()[0].Type, dtError);
    EXPECT_EQ(FDialogs.Requests()[1].Type, dtWarning);
    EXPECT_EQ(FForm->DataManagement().DataState(), dsKeineDaten) << "the visit left memory";
}

TEST_F(KWMainForm, SaveButtonSavesEvenWithMissingMandatoryEntries)
{
    OpenNewFarm();
    SetFarmName("Hof Gespeichert");
    FForm->UserButton()->click();
    EXPECT_EQ(StoredFarmName(), "Hof Gespeichert");
    EXPECT_EQ(FForm->PageID(), Betriebsdaten);
    EXPECT_TRUE(FDialogs.Requests().isEmpty());
}

// A save that fails must not switch the page: the user stays where the entries are.
TEST_F(KWMainForm, FailedSaveKeepsThePage)
{
    OpenNewFarm();
    FMandatory->FEntry->setText("x");
    const QString Blocker = BlockVisitFolder();

    EXPECT_ANY_THROW(FForm->CheckNPerformChangeTab("ErfassungAufenthaltsortKuehe"));
    EXPECT_EQ(FForm->PageID(), Betriebsdaten);

    ASSERT_TRUE(QFile::remove(Blocker));
    FForm->CheckNPerformChangeTab("ErfassungAufenthaltsortKuehe");
    EXPECT_EQ(FForm->PageID(), "ErfassungAufenthaltsortKuehe");
}

std::vector<QListWidgetItem*> DrawerPageItems(TKWDrawer& ADrawer)
{
    std::vector<QListWidgetItem*> Items;
    for (int Row = 0; Row < ADrawer.MasterListBox()->count(); ++Row)
        if (ADrawer.MasterListBox()->item(Row)->data(Qt::UserRole) != "Header")
            Items.push_back(ADrawer.MasterListBox()->item(Row));
    return Items;
}

bool ItemEnabled(const QListWidgetItem* AItem)
{
    return AItem->flags().testFlag(Qt::ItemIsEnabled);
}

TEST_F(KWMainForm, FarmSelectionHidesTheNavigationAndAVisitShowsIt)
{
    EXPECT_EQ(FForm->PageID(), "Betriebsauswahl");
    EXPECT_TRUE(FForm->TabBar().isHidden());
    ASSERT_EQ(FForm->TabBar().PageButtons().size(), 28u);
    for (const TKWColorButton* Button : FForm->TabBar().PageButtons())
        EXPECT_FALSE(Button->isEnabled()) << Button->PageId().toStdString();
    const std::vector<QListWidgetItem*> Items = DrawerPageItems(FForm->Drawer());
    ASSERT_EQ(Items.size(), 28u);
    for (const QListWidgetItem* Item : Items)
        EXPECT_FALSE(ItemEnabled(Item)) << Item->text().toStdString();
    for (QToolButton* Button : {FForm->BackPagesButton(), FForm->UserButton(),
                                FForm->EnabledPagesButton(), FForm->KommentarButton(),
                                FForm->StoppuhrButton(), FForm->QuickEditButton()})
        EXPECT_TRUE(Button->isHidden()) << Button->objectName().toStdString();
    EXPECT_FALSE(FForm->ImpressumButton()->isHidden());
    EXPECT_EQ(FForm->DetailTitleLabel()->text(), "Betriebsauswahl");

    // Four coloured headers, each before the first page of its group.
    QStringList Headers;
    for (int Row = 0; Row < FForm->Drawer().MasterListBox()->count(); ++Row) {
        const QListWidgetItem* Item = FForm->Drawer().MasterListBox()->item(Row);
        if (Item->data(Qt::UserRole) == "Header")
            Headers.append(Item->text() + "@" + QString::number(Row));
    }
    EXPECT_EQ(Headers, QStringList({"Erfassung@0", "Auswertung@14", "Signale@26",
                                    "Beratung@29"}));

    OpenNewFarm();
    EXPECT_FALSE(FForm->TabBar().isHidden());
    for (const TKWColorButton* Button : FForm->TabBar().PageButtons())
        EXPECT_TRUE(Button->isEnabled()) << Button->PageId().toStdString();
    EXPECT_DOUBLE_EQ(FForm->TabBar().PageButton(Betriebsdaten)->Opacity(), 0.2);
    EXPECT_DOUBLE_EQ(FForm->TabBar().PageButton("AuswertungSignale1")->Rotation(), 45);
    EXPECT_EQ(FForm->Drawer().MasterListBox()->currentItem(), FForm->Drawer().Item(Betriebsdaten));
    for (QToolButton* Button : {FForm->BackPagesButton(), FForm->UserButton(),
                                FForm->EnabledPagesButton(), FForm->KommentarButton(),
                                FForm->StoppuhrButton(), FForm->QuickEditButton()})
        EXPECT_FALSE(Button->isHidden()) << Button->objectName().toStdString();
    EXPECT_TRUE(FForm->ImpressumButton()->isHidden());
    EXPECT_EQ(FForm->DetailTitleLabel()->text(), "Betriebsdaten - Allgemein");

    // Tapping a header does nothing; a drawer item moves like a tab-bar button.
    FForm->Drawer().Open();
    EXPECT_TRUE(FForm->MenuIsShowing());
    FMandatory->FEntry->setText("x");
    Q_EMIT FForm->Drawer().MasterListBox()->itemClicked(FForm->Drawer().MasterListBox()->item(0));
    EXPECT_EQ(FForm->PageID(), Betriebsdaten);
    Q_EMIT FForm->Drawer().MasterListBox()->itemClicked(FForm->Drawer().Item("BeratungUrsachen"));
    EXPECT_EQ(FForm->PageID(), "BeratungUrsachen");
    EXPECT_FALSE(FForm->MenuIsShowing()) << "the drawer closes after the move";
    EXPECT_TRUE(FForm->StoppuhrButton()->isHidden());
    EXPECT_TRUE(FForm->QuickEditButton()->isHidden());
    FForm->TabBar().PageButton("ErfassungLiegepositionKuehe")->click();
    EXPECT_EQ(FForm->PageID(), "ErfassungLiegepositionKuehe");
    EXPECT_EQ(FForm->ToolTipLabel()->text(), "Alle liegenden Kühe");
}

QTreeWidgetItem* TreeItem(QTreeWidget* ATree, const QString& AText)
{
    const QList<QTreeWidgetItem*> Found =
        ATree->findItems(AText, Qt::MatchExactly | Qt::MatchRecursive);
    return Found.isEmpty() ? nullptr : Found.first();
}

TEST_F(KWMainForm, PageSelectionPopupRemarksTheNavigationAndReentersTheShownPage)
{
    OpenNewFarm();
    const int Entered = FMandatory->FEntered;
    FForm->EnabledPagesButton()->click();
    ASSERT_TRUE(FForm->Popup().IsShowing());
    TKWPageSelection* Selection = FForm->EnabledPagesLayout();
    ASSERT_NE(Selection, nullptr);
    Selection->findChild<QPushButton*>("SpeedButton2")->click();
    auto* Tree = Selection->findChild<QTreeWidget*>("FTreeView");
    QTreeWidgetItem* Sauberkeit = TreeItem(Tree, "Sauberkeit (einseitig)");
    ASSERT_NE(Sauberkeit, nullptr);
    Sauberkeit->setCheckState(0, Qt::Checked);
    FForm->Popup().close();

    EXPECT_EQ(KWEnabledPages, "ErfassungEinzelKuh.Sauberkeit");
    EXPECT_EQ(FForm->PageID(), Betriebsdaten) << "the shown page stays, though not selected";
    EXPECT_EQ(FMandatory->FEntered, Entered + 1);
    const QStringList Enabled = {"ErfassungBesuchsdaten", "ErfassungEinzelKuh",
                                 "AuswertungSauberkeit",  "AuswertungTechnopathien",
                                 "AuswertungMCVerhalten", "AuswertungMCKlauen",
                                 "AuswertungSignale1",    "BeratungUrsachen",
                                 "BeratungMassnahmen"};
    for (const TKWColorButton* Button : FForm->TabBar().PageButtons()) {
        const bool Expected = Enabled.contains(Button->PageId());
        EXPECT_EQ(Button->isEnabled(), Expected) << Button->PageId().toStdString();
        EXPECT_EQ(ItemEnabled(FForm->Drawer().Item(Button->PageId())), Expected)
            << Button->PageId().toStdString();
    }
    EXPECT_TRUE(FForm->StoppuhrButton()->isHidden());
    EXPECT_TRUE(FForm->QuickEditButton()->isHidden());

    // Reopened, the popup shows the stored selection.
    FForm->EnabledPagesButton()->click();
    EXPECT_EQ(TreeItem(Tree, "Einzeltiererfassung")->checkState(0), Qt::Checked);
    EXPECT_EQ(TreeItem(Tree, "Klauenzustand")->checkState(0), Qt::Unchecked);
    EXPECT_EQ(TreeItem(Tree, "Betriebsdaten - Allgemein")->checkState(0), Qt::Unchecked);
    FForm->Popup().close();
}

TEST_F(KWMainForm, CommentPopupPutsTheCaretBelowThePageHeadingAndWritesEveryChange)
{
    OpenNewFarm();
    FMandatory->FEntry->setText("x");
    FForm->CheckNPerformChangeTab("ErfassungLiegepositionKuehe");
    TKWMemTable& Kommentar =
        FForm->DataManagement().DataStore().GetDataErfassung("Kommentar");
    const QStringList Lines = Kommentar.FieldByName("Kommentar").AsString().split("\r\n");
    const int Heading = int(Lines.indexOf("* Liegeposition der Kühe"));
    ASSERT_GT(Heading, 0) << "a new visit starts with the default comment";

    FForm->KommentarButton()->click();
    QPlainTextEdit* Feld = FForm->KommentarFeld();
    ASSERT_NE(Feld, nullptr);
    EXPECT_TRUE(FForm->Popup().IsShowing());
    EXPECT_EQ(Feld->textCursor().blockNumber(), Heading + 1);
    EXPECT_EQ(Feld->textCursor().positionInBlock(), 0);
    EXPECT_EQ(Kommentar.FieldByName("Kommentar").AsString(), Lines.join("\r\n"))
        << "opening changes nothing";

    Feld->textCursor().insertText("Boxen zu kurz");
    QStringList Expected = Lines;
    Expected[Heading + 1] = "Boxen zu kurz";
    EXPECT_EQ(Kommentar.FieldByName("Kommentar").AsString(), Expected.join("\r\n"));
    FForm->Popup().close();
}

TEST_F(KWMainForm, ReturnInAnEntryFieldMovesToTheNextField)
{
    OpenNewFarm();
    FForm->show();
    FForm->activateWindow();
    ASSERT_TRUE(WaitFor([this] { return FForm->isActiveWindow(); }, 2000));
    FMandatory->FEntry->setFocus();
    ASSERT_TRUE(FMandatory->FEntry->hasFocus());
    QKeyEvent Return(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(FMandatory->FEntry, &Return);
    EXPECT_TRUE(FMandatory->FNext->hasFocus());
}

template <typename T> T* Child(const QWidget& AParent, const char* AName)
{
    T* Found = AParent.findChild<T*>(QString::fromLatin1(AName));
    EXPECT_NE(Found, nullptr) << AName;
    return Found;
}

void Click(QWidget* AWidget)
{
    QTest::mouseClick(AWidget, Qt::LeftButton, {}, AWidget->rect().center());
}

// The window manager's close request: the open visit is saved, once, as it stands.
TEST_F(KWMainForm, ClosingTheWindowSavesTheOpenVisit)
{
    FForm->resize(1280, 800);
    FForm->show();
    Click(Child<QToolButton>(*FForm, "FButtonBetrieb"));
    ASSERT_EQ(FForm->PageID(), "ErfassungBesuchsdaten");
    Click(FForm->KommentarButton());
    QTest::keyClicks(Child<QPlainTextEdit>(*FForm, "KommentarFeld"), "Boxen zu kurz");
    Click(Child<QPushButton>(*FForm, "ButtonClose"));
    ResetLog();

    EXPECT_TRUE(FForm->close());

    EXPECT_EQ(StoredFarmName(), "") << "the new farm has its row";
    const QString Saved = KWReadTextFile(
        QDir(KWGetDataPath())
            .filePath(FForm->DataManagement().ActiveComposed() + "/BeratungVoll.json"));
    EXPECT_TRUE(Saved.contains("Boxen zu kurz"));
    EXPECT_EQ(ReadLogLines().filter("TKWDataManagement.SaveBetriebsbesuch").size(), 1);
    EXPECT_TRUE(FDialogs.Requests().isEmpty());
}

// A visit that cannot be saved does not vanish with the window: it stays open, and the user
// decides.
TEST_F(KWMainForm, AFailedSaveOnClosingKeepsTheWindowUntilTheUserSaysSo)
{
    FForm->show();
    OpenNewFarm();
    const QString Blocker = BlockVisitFolder();

    FDialogs.QueueAnswer(dbNo);
    EXPECT_FALSE(FForm->close());
    QCoreApplication::processEvents();
    EXPECT_TRUE(FForm->isVisible());
    ASSERT_EQ(FDialogs.Requests().size(), 1);
    EXPECT_TRUE(FDialogs.Requests()[0].Text.startsWith("Fehler bei der Aktion:\r\n\r\n"));
    EXPECT_TRUE(FDialogs.Requests()[0].Text.endsWith("Trotzdem schließen?"));
    EXPECT_EQ(FDialogs.Requests()[0].DefaultButton, dbNo);

    FDialogs.QueueAnswer(dbYes);
    EXPECT_FALSE(FForm->close());
    QCoreApplication::processEvents();
    EXPECT_FALSE(FForm->isVisible());
    ASSERT_TRUE(QFile::remove(Blocker));
}

// The example visit is never written back; leaving one of its pages says so, once.
TEST_F(KWMainForm, AnExampleVisitSaysOnceThatItIsNotSaved)
{
    Build("EN");
    FForm->resize(1280, 800);
    FForm->show();
    auto* Farms = Child<QListView>(*FForm, "FListViewBetrieb");
    TapRow(Farms, Farms->model()->index(0, Farms->modelColumn()));
    auto* Visits = Child<QListView>(*FForm, "FListViewBetriebsbesuch");
    TapRow(Visits, Visits->model()->index(0, 0));
    auto* Actions = Child<QListWidget>(*FForm, "FListViewBearbeitung");
    TapRow(Actions, Actions->model()->index(0, 0));
    ASSERT_TRUE(FForm->DataManagement().IsExampleVisit());

    Click(FForm->TabBar().PageButton("ErfassungAufenthaltsortKuehe"));
    Click(FForm->TabBar().PageButton("ErfassungLiegepositionKuehe"));
    Click(FForm->UserButton());
    EXPECT_EQ(FDialogs.Texts(),
              QStringList{"Example consultations are not saved.\nRename the barn on the first "
                          "page (without \"Demo\" at the start) to make it a consultation of "
                          "your own."});
    EXPECT_EQ(FForm->PageID(), "ErfassungLiegepositionKuehe");
}

// Screen readers and UI automation find every control by a name, as tests do by object name.
TEST_F(KWMainForm, EveryControlHasAnAccessibleName)
{
    FForm->show();
    OpenNewFarm();
    FMandatory->hide();
    FForm->ImpressumButtonClick();
    FForm->Popup().close();
    FForm->EnabledPagesButtonClick();
    FForm->Popup().close();
    FForm->KommentarButtonClick();
    FForm->Popup().close();

    for (QWidget* Control : FForm->findChildren<QWidget*>()) {
        const bool Named = qobject_cast<QAbstractButton*>(Control) ||
                           qobject_cast<QAbstractItemView*>(Control) ||
                           qobject_cast<QAbstractScrollArea*>(Control);
        if (!Named || FMandatory->isAncestorOf(Control) || qobject_cast<QHeaderView*>(Control) ||
            Control == FForm->findChild<QWidget*>("VertScrollBox1"))
            continue;
        QAccessibleInterface* Accessible = QAccessible::queryAccessibleInterface(Control);
        ASSERT_NE(Accessible, nullptr);
        EXPECT_FALSE(Accessible->text(QAccessible::Name).trimmed().isEmpty())
            << Control->metaObject()->className() << " " << Control->objectName().toStdString();
    }
    for (const TKWColorButton* Button : FForm->TabBar().PageButtons())
        EXPECT_EQ(Button->accessibleName(), FForm->Drawer().Item(Button->PageId())->text());
    EXPECT_EQ(FForm->UserButton()->accessibleName(), "Beratung speichern");
}

// A finger has no hover: the page a square stands for shows while it is held.
TEST_F(KWMainForm, APressedTabBarSquareShowsItsPage)
{
    FForm->resize(1280, 800);
    FForm->show();
    OpenNewFarm();
    FMandatory->FEntry->setText("x");
    TKWColorButton* Square = FForm->TabBar().PageButton("AuswertungVelkora");
    QLabel* Title = FForm->TabBar().PressedTitleLabel();
    EXPECT_FALSE(Title->isVisible());
    QTest::mousePress(Square, Qt::LeftButton, {}, Square->rect().center());
    EXPECT_TRUE(Title->isVisible());
    EXPECT_EQ(Title->text(), "Velkora - LKV Kennzahlen");
    EXPECT_LE(Title->geometry().bottom(), FForm->TabBar().geometry().top()) << "above the bar";
    QTest::mouseRelease(Square, Qt::LeftButton, {}, Square->rect().center());
    EXPECT_FALSE(Title->isVisible());
    EXPECT_EQ(FForm->PageID(), "AuswertungVelkora");
    EXPECT_GE(Square->width(), 40);
    EXPECT_GE(Square->height(), 40);
}

// A 1024 x 768 screen leaves about 1024 x 700 for the window; at that size and at the smallest
// the window allows, nothing is cut off and the title does not run under the buttons.
TEST_F(KWMainForm, TheWindowFitsA1024By768Screen)
{
    FForm->show();
    OpenNewFarm();
    EXPECT_LE(FForm->minimumSizeHint().width(), 1024);
    EXPECT_LE(FForm->minimumSize().width(), 1024);
    EXPECT_LE(FForm->minimumSize().height(), 700);
    for (const QSize Size : {QSize(1024, 700), FForm->minimumSize()}) {
        FForm->resize(Size);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        EXPECT_EQ(FForm->size(), Size);
        const QWidget* Title = FForm->findChild<QWidget*>("TitleLayout");
        const QRect TitleRect(Title->mapTo(FForm.get(), QPoint()), Title->size());
        for (QToolButton* Button : FForm->findChildren<QToolButton*>()) {
            if (!Button->isVisible())
                continue;
            const QRect Rect(Button->mapTo(FForm.get(), QPoint()), Button->size());
            EXPECT_TRUE(FForm->rect().contains(Rect)) << Button->objectName().toStdString();
            EXPECT_FALSE(Rect.intersects(TitleRect)) << Button->objectName().toStdString();
        }
        for (const TKWColorButton* Square : FForm->TabBar().PageButtons())
            EXPECT_LE(Square->geometry().right(), FForm->TabBar().width());
    }
    // The browser's three columns of at least 300 fit as well.
    FForm->CheckNPerformChangeTab("Betriebsauswahl");
    QWidget* Browser = FForm->PageWidget("Betriebsauswahl");
    EXPECT_GE(Browser->width(), 900);
}

} // namespace

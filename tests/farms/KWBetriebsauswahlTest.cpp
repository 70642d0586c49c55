#include "KWBetriebsauswahl.h"

#include "DataStoreServerProcess.h"
#include "GuiTestSupport.h"
#include "KWDBResultSet.h"
#include "KWDBUtil.h"
#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWMemTable.h"
#include "KWScriptedDialogService.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QImage>
#include <QDir>
#include <QListView>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class KWBetriebsauswahlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(KWGetDataPath()).removeRecursively();
        FDM = std::make_unique<TKWDataManagement>(FFolder.filePath("kvd.s3db"));
        FBrowser = std::make_unique<TKWBetriebsauswahl>(*FDM, FDialogs);
        FBrowser->resize(1200, 700);
        FBrowser->show();
        FBrowser->Init();
        // The owner's part, as the main window does it.
        FBrowser->SetOnActionSelected([this](TKWAction AAction) {
            FActions << AAction;
            switch (AAction) {
            case aBeratungLoeschen:
                return FDM->DeleteBetriebsbesuch(AAction);
            case aBeratungTransfer:
                return FDM->TransferBetriebsbesuch(AAction);
            default:
                return QString();
            }
        });
    }

    // A saved visit of a farm with this owner; returns its farm identifier.
    QString SaveVisit(const QString& AOwner, const QString& AStall, TKWAction AAction = aBetriebNeu)
    {
        FDM->LoadBetriebsbesuch(AAction);
        TKWMemTable& Farm = FDM->DataStore().GetDataErfassung("Betriebsdaten");
        Farm.Edit();
        Farm.FieldByName("Betriebsinhaber").SetAsString(AOwner);
        Farm.FieldByName("Stallname").SetAsString(AStall);
        Farm.Post();
        FDM->SaveBetriebsbesuch();
        FDM->ClearData();
        return FDM->ActiveUUID();
    }

    int RowOf(QListView* AList, const QString& AText)
    {
        for (int Row = 0; Row < AList->model()->rowCount(); ++Row)
            if (AList->model()->index(Row, AList->modelColumn()).data().toString().startsWith(AText))
                return Row;
        return -1;
    }

    void Tap(QListView* AList, const QString& AText)
    {
        const int Row = RowOf(AList, AText);
        ASSERT_GE(Row, 0) << AText.toStdString();
        const QModelIndex Index = AList->model()->index(Row, AList->modelColumn());
        AList->setCurrentIndex(Index);
        Q_EMIT AList->clicked(Index);
    }

    // A saved visit "Nord" of farm "Huber", chosen in the browser with its actions shown.
    void ShowActionsOfNewVisit()
    {
        SaveVisit("Huber", "Nord");
        FBrowser->Refresh();
        Tap(FBrowser->BetriebList(), "Huber");
        Tap(FBrowser->BetriebsbesuchList(), "Nord");
    }

    void TapAction(int ARow)
    {
        QListWidgetItem* Item = FBrowser->BearbeitungList()->item(ARow);
        Q_EMIT FBrowser->BearbeitungList()->itemClicked(Item);
    }

    void Answer() { QCoreApplication::processEvents(); }

    bool Columns(bool AVisits, bool AActions) const
    {
        return FBrowser->BetriebsbesuchColumnVisible() == AVisits &&
               FBrowser->BearbeitungColumnVisible() == AActions;
    }

    QTemporaryDir FFolder;
    TKWScriptedDialogService FDialogs;
    std::unique_ptr<TKWDataManagement> FDM;
    std::unique_ptr<TKWBetriebsauswahl> FBrowser;
    QList<TKWAction> FActions;
};

TEST_F(KWBetriebsauswahlTest, ColumnsFollowTheTaps)
{
    SaveVisit("Huber", "Nord");
    FBrowser->Refresh();
    EXPECT_TRUE(Columns(false, false));
    Tap(FBrowser->BetriebList(), "Huber");
    EXPECT_TRUE(Columns(true, false));
    EXPECT_EQ(FBrowser->BetriebsbesuchList()->model()->rowCount(), 1);
    EXPECT_TRUE(FBrowser->BetriebsbesuchList()->model()->index(0, 0).data().toString().startsWith("Nord\n"));
    Tap(FBrowser->BetriebsbesuchList(), "Nord");
    EXPECT_TRUE(Columns(true, true));
    TapAction(0);
    TapAction(1);
    EXPECT_EQ(FActions, (QList<TKWAction>{aBeratungBearbeiten})) << "a second tap waits for the first";
    FBrowser->Refresh();
    EXPECT_TRUE(Columns(false, false));
}

TEST_F(KWBetriebsauswahlTest, AddButtonsReportNewFarmAndNewVisit)
{
    Q_EMIT FBrowser->BetriebAddButton()->clicked();
    Q_EMIT FBrowser->BetriebsbesuchAddButton()->clicked();
    EXPECT_EQ(FActions, (QList<TKWAction>{aBetriebNeu, aBeratungNeu}));
}

TEST_F(KWBetriebsauswahlTest, NarrowPagesKeepColumnsOf300)
{
    FBrowser->resize(800, 600);
    EXPECT_EQ(FBrowser->ListViewWidth(), 300);
    FBrowser->resize(1500, 600);
    EXPECT_EQ(FBrowser->ListViewWidth(), 500);
}

TEST_F(KWBetriebsauswahlTest, DeletingTheOnlyVisitClearsEverything)
{
    ShowActionsOfNewVisit();
    FDialogs.QueueAnswer(dbYes);
    TapAction(2);
    TapAction(2); // asks only once
    Answer();
    EXPECT_EQ(FDialogs.Texts(), QStringList{"Beratung löschen?"});
    EXPECT_EQ(FActions, QList<TKWAction>{aBeratungLoeschen});
    EXPECT_EQ(RowOf(FBrowser->BetriebList(), "Huber"), -1);
    EXPECT_TRUE(Columns(false, false));
}

TEST_F(KWBetriebsauswahlTest, DeletingOneOfTwoVisitsKeepsTheFarm)
{
    SaveVisit("Huber", "Nord");
    FBrowser->Refresh();
    Tap(FBrowser->BetriebList(), "Huber");
    SaveVisit("Huber", "Süd", aBeratungNeu);
    FBrowser->Refresh();
    Tap(FBrowser->BetriebList(), "Huber");
    Tap(FBrowser->BetriebsbesuchList(), "Süd");
    FDialogs.QueueAnswer(dbYes);
    TapAction(2);
    Answer();
    EXPECT_TRUE(Columns(true, false));
    EXPECT_EQ(FBrowser->BetriebList()->currentIndex().row(), RowOf(FBrowser->BetriebList(), "Huber"));
    EXPECT_EQ(FBrowser->BetriebsbesuchList()->model()->rowCount(), 1);
    EXPECT_EQ(RowOf(FBrowser->BetriebsbesuchList(), "Nord"), 0);
}

TEST_F(KWBetriebsauswahlTest, AnsweringNoKeepsTheVisitSelected)
{
    ShowActionsOfNewVisit();
    for (int Row : {2, 3}) {
        FDialogs.QueueAnswer(dbNo);
        TapAction(Row);
        Answer();
        EXPECT_TRUE(Columns(true, true));
        EXPECT_TRUE(FBrowser->BearbeitungList()->selectedItems().isEmpty());
        EXPECT_TRUE(FBrowser->BetriebsbesuchList()->currentIndex().isValid());
    }
    EXPECT_TRUE(FActions.isEmpty());
    EXPECT_EQ(FDialogs.Requests().first().DefaultButton, dbNo);
}

TEST_F(KWBetriebsauswahlTest, ASuccessfulUploadShowsUploaded)
{
    QTemporaryDir Working;
    const QString Previous = QDir::currentPath();
    QDir::setCurrent(Working.path());
    TDataStoreServerProcess Server;
    const int Port = Server.Start(QStringLiteral(QOMVI_DATASTORE_EXE), Working.filePath("store.s3db"));
    ASSERT_NE(Port, 0);
    FDM->SetServerUrl(QStringLiteral("http://127.0.0.1:%1/qomvi/datastore").arg(Port));

    ShowActionsOfNewVisit();
    FDialogs.QueueAnswer(dbYes);
    TapAction(3);
    Answer();
    Answer();
    QDir::setCurrent(Previous);
    EXPECT_EQ(FDialogs.Texts(), (QStringList{"Beratung anonymisiert zum zentralen Server transferieren?",
                                            "Transfer erfolgreich abgeschlossen."}));
    EXPECT_TRUE(Columns(true, false));
    EXPECT_TRUE(FBrowser->BetriebsbesuchList()->model()->index(0, 0).data().toString().endsWith("  Uploaded"));
}

TEST_F(KWBetriebsauswahlTest, AFailedUploadShowsTheError)
{
    FDM->SetServerUrl(QStringLiteral("http://127.0.0.1:1/qomvi/datastore"));
    ShowActionsOfNewVisit();
    FDialogs.QueueAnswer(dbYes);
    TapAction(3);
    Answer();
    Answer();
    ASSERT_EQ(FDialogs.Requests().size(), 2);
    EXPECT_EQ(FDialogs.Requests()[1].Type, dtWarning);
    EXPECT_TRUE(FDialogs.Requests()[1].Text.startsWith("Fehler bei der Aktion:\r\n\r\nInternal Error: "));
}

// How many pixels of the row show AColor (within a small distance, for smoothed glyph edges).
int PixelsOfColor(const QImage& AImage, const QRect& ARow, const QColor& AColor)
{
    int Count = 0;
    for (int Y = ARow.top(); Y <= ARow.bottom(); ++Y)
        for (int X = ARow.left(); X <= ARow.right(); ++X) {
            const QColor Pixel = AImage.pixelColor(X, Y);
            if (std::abs(Pixel.red() - AColor.red()) + std::abs(Pixel.green() - AColor.green()) +
                    std::abs(Pixel.blue() - AColor.blue()) <
                60)
                ++Count;
        }
    return Count;
}

// While its question is open the chosen row is marked, and its text keeps its colour on the mark.
TEST_F(KWBetriebsauswahlTest, ChosenActionRowsKeepTheirTextColour)
{
    ShowActionsOfNewVisit();
    QListWidget* Actions = FBrowser->BearbeitungList();
    const std::pair<int, QColor> Rows[] = {{2, QColor(0xF4, 0x43, 0x36)},
                                           {3, QColor(0x36, 0x43, 0xF4)}};
    for (const auto& [Row, TextColour] : Rows) {
        FDialogs.QueueAnswer(dbNo);
        TapRow(Actions, Actions->model()->index(Row, 0));
        ASSERT_TRUE(Actions->item(Row)->isSelected());
        const QImage Shown = Actions->viewport()->grab().toImage();
        const QRect Rect = Actions->visualItemRect(Actions->item(Row));
        EXPECT_GT(PixelsOfColor(Shown, Rect, TextColour), 20) << Row;
        EXPECT_GT(PixelsOfColor(Shown, Rect, QColor(0xD8, 0xE6, 0xF3)), Rect.width() * 10)
            << "the row is marked";
        // The mark leaves a margin of 10 at both ends of the row.
        EXPECT_EQ(PixelsOfColor(Shown, Rect.adjusted(12, 1, -12, -1), Qt::white), 0)
            << "no white text on the mark";
        Answer();
    }
    EXPECT_EQ(FDialogs.Requests().size(), 2);
}

TEST_F(KWBetriebsauswahlTest, RowsAreFingerSized)
{
    ShowActionsOfNewVisit();
    for (QListView* List : std::initializer_list<QListView*>{
             FBrowser->BetriebList(), FBrowser->BetriebsbesuchList(), FBrowser->BearbeitungList()})
        for (int Row = 0; Row < List->model()->rowCount(); ++Row)
            EXPECT_GE(List->visualRect(List->model()->index(Row, List->modelColumn())).height(), 40)
                << List->objectName().toStdString() << " " << Row;
}

// The visit management refuses to delete an example visit; the user is told so, not asked.
TEST_F(KWBetriebsauswahlTest, ARefusedDeletionSaysWhy)
{
    FBrowser->Refresh();
    Tap(FBrowser->BetriebList(), "Beispielhof");
    Tap(FBrowser->BetriebsbesuchList(), "Demo");
    QListWidget* Actions = FBrowser->BearbeitungList();
    TapRow(Actions, Actions->model()->index(2, 0));
    Answer();
    EXPECT_EQ(FDialogs.Texts(), QStringList{"Beispielberatungen können nicht gelöscht werden.\n"
                                            "Ihr Stallname beginnt mit \"Demo\"."});
    EXPECT_EQ(FDialogs.Requests().first().Type, dtInformation);
    EXPECT_TRUE(FActions.isEmpty());
    EXPECT_TRUE(Actions->selectedItems().isEmpty());
    TapRow(Actions, Actions->model()->index(0, 0));
    EXPECT_EQ(FActions, QList<TKWAction>{aBeratungBearbeiten}) << "the rows answer again";
}

} // namespace

#include "KWPageSelection.h"

#include "GuiTestSupport.h"
#include "KWGuiUtil.h"
#include "KWTranslateUtil.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

namespace {

class KWPageSelectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FFrame.Init();
        FFrame.show();
    }

    // Opens the frame on a selection text, as the main window does each time.
    void Open(const QString& ASelection)
    {
        FFrame.SetPageInfo(ASelection);
        FFrame.Enter();
    }

    QTreeWidget* Tree() const { return FFrame.findChild<QTreeWidget*>("FTreeView"); }
    QAbstractButton* Switch() const
    {
        return FFrame.findChild<QAbstractButton*>("SwitchPageDetailResearch");
    }
    void Click(int AButton) const
    {
        FFrame.findChild<QPushButton*>(QString("SpeedButton%1").arg(AButton))->click();
    }

    // The texts of the checked tree items, children indented by two blanks.
    QStringList CheckedItems() const
    {
        QStringList Result;
        for (QTreeWidgetItemIterator It(Tree()); *It; ++It)
            if ((*It)->checkState(0) == Qt::Checked)
                Result.append(QString((*It)->parent() ? "  " : "") + (*It)->text(0));
        return Result;
    }

    QTreeWidgetItem* Item(const QString& AText) const
    {
        return Tree()->findItems(AText, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    }

    TKWPageSelection FFrame{nullptr};
};

TEST_F(KWPageSelectionTest, TextsAreTranslatedWhenTheFrameIsCreated)
{
    TKWTranslateUtil::Open("EN");
    TKWPageSelection Frame(nullptr);
    Frame.Init();
    TKWTranslateUtil::Close();
    Frame.SetPageInfo("");
    Frame.Enter();
    EXPECT_EQ(Frame.size(), QSize(720, 590));
    const std::pair<QString, QString> Labels[] = {{"LabelQuick", "Quick selection"},
                                                  {"Label1", "Further Settings"},
                                                  {"Label2", "Recording"},
                                                  {"Label4", "Scientific"},
                                                  {"LabelTree", "Direct selection"}};
    for (const auto& [Name, Text] : Labels)
        EXPECT_EQ(Frame.findChild<QLabel*>(Name)->text(), Text) << Name.toStdString();
    EXPECT_EQ(Frame.findChild<QPushButton*>("SpeedButton1")->text(), "Select all pages");
    EXPECT_EQ(Frame.findChild<QPushButton*>("SpeedButton5")->text(), "Cubicles - Check");
    const QTreeWidget* FrameTree = Frame.findChild<QTreeWidget*>("FTreeView");
    ASSERT_EQ(FrameTree->topLevelItemCount(), 12);
    EXPECT_EQ(FrameTree->topLevelItem(8)->text(0), "Barn survey: lying area");
    EXPECT_EQ(FrameTree->topLevelItem(11)->childCount(), 5);
    EXPECT_EQ(FrameTree->topLevelItem(11)->child(2)->text(0), "Cleanliness (one side)");
}

TEST_F(KWPageSelectionTest, ReopeningAfterOneDetailShowsItsPageCheckedAndTheOtherDetailsNot)
{
    Open("ErfassungEinzelKuh.Sauberkeit");
    EXPECT_EQ(CheckedItems(), (QStringList{"Einzeltiererfassung", "  Sauberkeit (einseitig)"}));
    EXPECT_FALSE(Switch()->isChecked());
    EXPECT_EQ(FFrame.GetPageInfo(), "ErfassungEinzelKuh,ErfassungEinzelKuh.Sauberkeit");
}

TEST_F(KWPageSelectionTest, CheckingAPageChecksItsDetailsButADetailLeavesItsPage)
{
    Open("ErfassungBetriebsdaten");
    Item("Einzeltiererfassung")->setCheckState(0, Qt::Checked);
    EXPECT_EQ(CheckedItems().size(), 7);
    Item("Einzeltiererfassung")->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(CheckedItems(), QStringList{"Betriebsdaten - Allgemein"});
    Item("Standing Score")->setCheckState(0, Qt::Checked);
    EXPECT_EQ(FFrame.GetPageInfo(), "ErfassungBetriebsdaten,ErfassungEinzelKuh.Standingscore");
}

TEST_F(KWPageSelectionTest, TappingTheItemTextTogglesItOnce)
{
    Open("ErfassungBetriebsdaten");
    QTreeWidgetItem* Target = Item("Zustand der Liegeboxen");
    QWidget* Viewport = Tree()->viewport();
    const QRect Row = Tree()->visualItemRect(Target);
    // On the text, right of the check box.
    SendClick(Viewport, QPoint(Row.left() + 120, Row.center().y()));
    EXPECT_EQ(FFrame.GetPageInfo(), "ErfassungBetriebsdaten,ErfassungZustandLiegeboxen");
    SendClick(Viewport, QPoint(Row.left() + 120, Row.center().y()));
    EXPECT_EQ(FFrame.GetPageInfo(), "ErfassungBetriebsdaten");
}

TEST_F(KWPageSelectionTest, QuickButtonsCheckAllNoneOrAddTheirGroup)
{
    Open("ErfassungBetriebsdaten");
    Click(6); // Mobility Check: adds to the selection, details without their page
    EXPECT_EQ(FFrame.GetPageInfo(),
              "ErfassungBetriebsdaten,ErfassungMobilityCheckVerhalten,"
              "ErfassungEinzelKuh.Standingscore,ErfassungEinzelKuh.Klauenzustand,"
              "ErfassungEinzelKuh.Locomotionscore");
    Click(2);
    EXPECT_EQ(FFrame.GetPageInfo(), "") << "nothing selected means every page is enabled";
    Click(3);
    EXPECT_EQ(
        FFrame.GetPageInfo(),
        "ErfassungBetriebsdaten,ErfassungHaltungManagementFunk,ErfassungHaltungManagementKoHy");
    Click(1);
    EXPECT_EQ(CheckedItems().size(), 17);
}

TEST_F(KWPageSelectionTest, ResearchSwitchFollowsTheSelectionTextAndEndsIt)
{
    Open("ErfassungEinzelKuh,PageDetailResearch");
    EXPECT_TRUE(Switch()->isChecked());
    Click(2);
    EXPECT_EQ(FFrame.GetPageInfo(), "PageDetailResearch");
    Switch()->setChecked(false);
    Open("");
    EXPECT_FALSE(Switch()->isChecked()) << "an empty selection leaves the research mode off";
    EXPECT_EQ(CheckedItems().size(), 17);
}

TEST_F(KWPageSelectionTest, EveryControlIsFingerSizedAndTheSwitchTogglesOnATap)
{
    Open("ErfassungBetriebsdaten");
    for (QTreeWidgetItemIterator It(Tree()); *It; ++It)
        EXPECT_GE(Tree()->visualItemRect(*It).height(), 40) << (*It)->text(0).toStdString();
    for (int Button = 1; Button <= 6; ++Button)
        EXPECT_GE(FFrame.findChild<QPushButton*>(QString("SpeedButton%1").arg(Button))->height(),
                  40);
    EXPECT_GE(Switch()->width(), 40);
    EXPECT_GE(Switch()->height(), 40);
    EXPECT_EQ(Switch()->accessibleName(), "Wissenschaftlich");

    QTest::mouseClick(Switch(), Qt::LeftButton);
    EXPECT_EQ(FFrame.GetPageInfo(), "ErfassungBetriebsdaten,PageDetailResearch");
    QTest::mouseClick(Switch(), Qt::LeftButton);
    EXPECT_EQ(FFrame.GetPageInfo(), "ErfassungBetriebsdaten");
}

} // namespace

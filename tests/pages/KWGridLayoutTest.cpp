#include "KWGridLayout.h"

#include "GuiTestSupport.h"
#include "KWCode.h"
#include "KWMemTable.h"
#include "KWPopup.h"
#include "KWSwitch.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

#include <gtest/gtest.h>

namespace {

QColor TextColor(const QWidget* AWidget)
{
    return AWidget->palette().color(QPalette::WindowText);
}

class KWGridLayoutTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { TCodes::Init(); }

    void SetUp() override
    {
        FRows.Add(etText, "Text", "Betriebsinhaber", true);
        FRows.Add(etNumber, "Zahl", "Anzahl Tiere");
        FRows.Add(etDate, "Datum", "Datum der Erfassung");
        FRows.Add(etTime, "Zeit", "Uhrzeit der Erfassung");
        FRows.AddCodes("Code", "Rasse", "RASSE", {"HF", "FV", "SONST"});
        FRows.Add(etNone, "", "Wasser");
        FRows.Add(etCheckBox, "Ja", "Wassercheck durchführen").Group = "W";
        FRows.Add(etText, "Label", "Brunnenwasser").Group = "W";
        FHost.resize(1100, 750);
        FGrid = new TKWGridLayout(&FHost, FPopup, FTable, "Basisdaten", FRows.List());
        FGrid->Init();
        FHost.show();
        FHost.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&FHost));
        FGrid->RefreshValues();
    }

    template <class TWidget> TWidget* Editor(const char* AID)
    {
        auto* Found = FGrid->findChild<TWidget*>(AID);
        EXPECT_NE(Found, nullptr) << AID;
        return Found;
    }

    // Types into an edit and confirms with Return, as a user does.
    void Type(const char* AID, const QString& AText)
    {
        QLineEdit* Edit = Editor<QLineEdit>(AID);
        Edit->setFocus();
        Edit->selectAll();
        if (AText.isEmpty())
            QTest::keyClick(Edit, Qt::Key_Delete);
        QTest::keyClicks(Edit, AText);
        QTest::keyClick(Edit, Qt::Key_Return);
    }

    TKWField& Field(const char* AName) { return FTable.FieldByName(AName); }

    TKWMemTable FTable{{{"Text", TKWFieldType::ftString, 40},
                        {"Zahl", TKWFieldType::ftInteger},
                        {"Datum", TKWFieldType::ftDate},
                        {"Zeit", TKWFieldType::ftTime},
                        {"Code", TKWFieldType::ftString, 40},
                        {"Ja", TKWFieldType::ftBoolean},
                        {"Label", TKWFieldType::ftString, 40}}};
    TGridEntries FRows;
    QWidget FHost;
    TKWPopup* FPopup = new TKWPopup(&FHost);
    TKWGridLayout* FGrid = nullptr;
};

TEST_F(KWGridLayoutTest, AMissingMandatoryAnswerIsRedUntilItIsGiven)
{
    const QLabel* Label = FGrid->findChild<QLabel*>("LabelText");
    EXPECT_EQ(Label->text(), "Betriebsinhaber  *");
    EXPECT_EQ(Editor<QLineEdit>("Text")->accessibleName(), "Betriebsinhaber") << "without the mark";
    EXPECT_EQ(TextColor(Label), QColor(Qt::red));
    EXPECT_FALSE(FGrid->IsComplete());
    Type("Text", "   ");
    FGrid->RefreshValues();
    EXPECT_EQ(TextColor(Label), QColor(Qt::red)) << "blanks are no answer";
    Type("Text", "Huber");
    EXPECT_EQ(Field("Text").AsString(), "Huber");
    EXPECT_EQ(TextColor(Label), QColor(Qt::black));
    EXPECT_TRUE(FGrid->IsComplete());
}

TEST_F(KWGridLayoutTest, NumberRowsTakeDigitsOnlyAndEmptyMeansNoValue)
{
    Type("Zahl", "12a3");
    EXPECT_EQ(Field("Zahl").AsInteger(), 123);
    Type("Zahl", "");
    EXPECT_TRUE(Field("Zahl").IsNull());
}

TEST_F(KWGridLayoutTest, ATypedValueIsWrittenWhenThePageAsksBeforeLeaving)
{
    QLineEdit* Edit = Editor<QLineEdit>("Text");
    Edit->setFocus();
    QTest::keyClicks(Edit, "Maier");
    EXPECT_TRUE(Field("Text").IsNull()) << "not confirmed yet";
    FGrid->UpdateChange();
    EXPECT_EQ(Field("Text").AsString(), "Maier");
}

TEST_F(KWGridLayoutTest, AnEmptyDateBecomesTodayAndMidnightIsStoredAsAnAnswer)
{
    EXPECT_EQ(Field("Datum").AsDate(), QDate::currentDate()) << "set by the first refresh";
    EXPECT_EQ(Editor<QDateEdit>("Datum")->date(), QDate::currentDate());

    QTimeEdit* Time = Editor<QTimeEdit>("Zeit");
    Time->setFocus();
    QTest::keyClicks(Time, "0830");
    EXPECT_EQ(Field("Zeit").AsTime(), QTime(8, 30));
    Time->setSelectedSection(QDateTimeEdit::HourSection);
    QTest::keyClicks(Time, "00");
    Time->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(Time, "00");
    EXPECT_EQ(Field("Zeit").AsTime(), QTime(0, 0, 0, 1));
}

TEST_F(KWGridLayoutTest, SonstigesTakesAFreeTextThatTheListShows)
{
    QComboBox* Combo = Editor<QComboBox>("Code");
    EXPECT_EQ(Combo->currentIndex(), -1) << "nothing chosen yet";
    Combo->setFocus();
    QTest::keyClick(Combo, Qt::Key_End);
    EXPECT_EQ(Field("Code").AsString(), "SONST");
    ASSERT_TRUE(FPopup->IsShowing());
    QLineEdit* Feld = FHost.findChild<QLineEdit*>("SonstigesFeld");
    ASSERT_NE(Feld, nullptr);
    QTest::keyClicks(Feld, "Weide");
    EXPECT_EQ(Field("Code").AsString(), "SONSTWeide");
    QTest::mouseClick(FPopup->findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_FALSE(FPopup->IsShowing());
    EXPECT_EQ(Combo->currentText(), "Sonstiges - Weide");

    QTest::keyClick(Combo, Qt::Key_Home);
    EXPECT_EQ(Field("Code").AsString(), "HF");
    EXPECT_EQ(Combo->itemText(2), "Sonstiges");
}

TEST_F(KWGridLayoutTest, AGroupIsHiddenAndShownAsAWhole)
{
    TKWSwitch* Switch = Editor<TKWSwitch>("Ja");
    QTest::mouseClick(Switch, Qt::LeftButton);
    EXPECT_TRUE(Field("Ja").AsBoolean());
    FGrid->SetGroupEnabled("W", false);
    EXPECT_FALSE(Switch->isVisible());
    EXPECT_FALSE(FGrid->findChild<QLabel*>("LabelLabel")->isVisible());
    EXPECT_TRUE(Editor<QLineEdit>("Text")->isVisible());
    FGrid->SetGroupEnabled("W", true);
    EXPECT_TRUE(Switch->isVisible());
    FGrid->SetGroupEnabled("Unbekannt", false);
}

TEST_F(KWGridLayoutTest, EditorsAreBigEnoughForAFinger)
{
    for (const char* ID : {"Text", "Zahl", "Datum", "Zeit", "Code", "Ja"})
        EXPECT_GE(FGrid->findChild<QWidget*>(ID)->height(), 40) << ID;
}

} // namespace

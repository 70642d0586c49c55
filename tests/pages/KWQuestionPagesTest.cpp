// The visit data, farm data and husbandry pages against real recording tables.
#include "KWBesuchsdaten.h"
#include "KWBetriebsdaten.h"
#include "KWCode.h"
#include "KWDataStore.h"
#include "KWGridLayout.h"
#include "KWHaltungManagementFunk.h"
#include "KWHaltungManagementKoHy.h"
#include "KWMemTable.h"
#include "KWPopup.h"
#include "KWSwitch.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class KWQuestionPagesTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { TCodes::Init(); }

    void SetUp() override
    {
        FHost.resize(1100, 750);
        FHost.show();
        FHost.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&FHost));
    }

    TKWMemTable& Area(const char* AName) { return FStore.GetDataErfassung(AName); }

    template <class TPage, class... TTables> TPage* MakePage(TTables&... ATables)
    {
        auto* Result = new TPage(&FHost, *FPopup, ATables...);
        Result->resize(FHost.size());
        Result->Init();
        Result->show();
        Result->Enter();
        return Result;
    }

    // Types into the page's edit of AField and confirms with Return, as a user does.
    static void Type(QWidget* APage, const char* AField, const QString& AText)
    {
        auto* Edit = APage->findChild<QLineEdit*>(AField);
        ASSERT_NE(Edit, nullptr) << AField;
        Edit->setFocus();
        Edit->selectAll();
        QTest::keyClick(Edit, Qt::Key_Delete);
        QTest::keyClicks(Edit, AText);
        QTest::keyClick(Edit, Qt::Key_Return);
    }

    static QWidget* Widget(QWidget* APage, const char* AName)
    {
        auto* Found = APage->findChild<QWidget*>(AName);
        EXPECT_NE(Found, nullptr) << AName;
        return Found;
    }

    TScopedLocale FGerman{QLocale::German, QLocale::Germany};
    TKWDataStore FStore;
    QWidget FHost;
    TKWPopup* FPopup = new TKWPopup(&FHost);
};

TEST_F(KWQuestionPagesTest, TheVisitDataPageFillsTheTimesOnceAndComputesPlacesAndRatios)
{
    auto* Page = MakePage<TKWBesuchsdaten>(Area("Betriebsdaten"), Area("HaltungManagement"),
                                       Area("StallerhebungFressLaufbereich"));
    TKWMemTable& Farm = Area("Betriebsdaten");
    const QTime Recording = Farm.FieldByName("UhrzeitErfassung").AsTime();
    EXPECT_LE(std::abs(Recording.secsTo(QTime::currentTime())), 5);
    EXPECT_EQ(Farm.FieldByName("UhrzeitFuttervorlage").AsTime().secsTo(Recording) % 86400, 3 * 3600);
    Farm.WriteValue("UhrzeitErfassung", QTime(6, 0));
    Page->Enter();
    EXPECT_EQ(Farm.FieldByName("UhrzeitErfassung").AsTime(), QTime(6, 0)) << "a second Enter keeps it";

    Type(Page, "AnzahlHochboxen", "3");
    Type(Page, "AnzahlTiefboxen", "2");
    Type(Page, "AnzahlHochverlegteTiefboxen", "1");
    EXPECT_EQ(Farm.FieldByName("AnzahlLiegeboxen").AsInteger(), 6);
    EXPECT_EQ(Farm.FieldByName("VerhaeltnisLiegeTier").AsFloat(), 0) << "no animals yet";
    Type(Page, "AnzahlTiereErfassungsgruppe", "12");
    EXPECT_EQ(Farm.FieldByName("VerhaeltnisLiegeTier").AsString(), "0,5");
    const auto Shown = [&](const char* AField) {
        for (auto* Edit : Page->findChildren<QLineEdit*>(AField))
            if (Edit->isReadOnly())
                return Edit->text();
        return QString();
    };
    EXPECT_EQ(Shown("AnzahlLiegeboxen"), "6");
    EXPECT_EQ(Shown("VerhaeltnisLiegeTier"), "0,5");
    Type(Page, "AnzahlFressplaetze", "9");
    EXPECT_EQ(Farm.FieldByName("AnzahlFressplaetze").AsInteger(), 9) << "the copy in the farm data";
    EXPECT_DOUBLE_EQ(Farm.FieldByName("VerhaeltnisFressTier").AsFloat(), 0.75);
}

TEST_F(KWQuestionPagesTest, TheVisitDataPageIsCompleteOnlyWithEveryAnswerIncludingBothSwitches)
{
    auto* Page = MakePage<TKWBesuchsdaten>(Area("Betriebsdaten"), Area("HaltungManagement"),
                                       Area("StallerhebungFressLaufbereich"));
    for (const auto& [Field, Text] :
         {std::pair{"Betriebsinhaber", "Huber"}, std::pair{"Stallname", "Nord"},
          std::pair{"AnzahlTiereErfassungsgruppe", "40"}, std::pair{"AnzahlFressplaetze", "40"},
          std::pair{"AnzahlHochboxen", "40"}, std::pair{"AnzahlTiefboxen", "0"},
          std::pair{"AnzahlHochverlegteTiefboxen", "0"}})
        Type(Page, Field, Text);
    for (const char* Combo : {"Stallsystem", "Melksystem", "ArtBegrenzung"}) {
        Widget(Page, Combo)->setFocus();
        QTest::keyClick(Widget(Page, Combo), Qt::Key_Home);
    }
    EXPECT_FALSE(Page->Leave()) << "the two switches were never answered";
    for (const char* Switch : {"ZuchtbulleFrei", "BeratungAngeortnet"}) {
        QTest::mouseClick(Widget(Page, Switch), Qt::LeftButton);
        QTest::mouseClick(Widget(Page, Switch), Qt::LeftButton);
    }
    EXPECT_FALSE(Area("Betriebsdaten").FieldByName("ZuchtbulleFrei").AsBoolean());
    EXPECT_TRUE(Page->Leave()) << "off is an answer";
}

TEST_F(KWQuestionPagesTest, TheFarmDataPageComputesTheDrinkingRatiosWhenLeftAndShowsTheBarnVariant)
{
    auto* Page = MakePage<TKWBetriebsdaten>(Area("Betriebsdaten"));
    TKWMemTable& Farm = Area("Betriebsdaten");
    const struct
    {
        const char* Drinkers;
        const char* Animals;
        const char* PerAnimal;
        const char* AnimalsPerDrinker;
    } Cases[] = {{"3", "40", "0,05", "20"}, {"1", "40", "0", "99"}, {"3", "0", "0", "99"}};
    for (const auto& Case : Cases) {
        Type(Page, "AnzahlTraenken", Case.Drinkers);
        Farm.WriteValue("AnzahlTiereErfassungsgruppe", Case.Animals);
        EXPECT_TRUE(Page->Leave());
        EXPECT_EQ(Farm.FieldByName("VerhaeltnisTraenkeTier").AsString(), Case.PerAnimal) << Case.Drinkers;
        EXPECT_EQ(Farm.FieldByName("VerhaeltnisTierTraenke").AsString(), Case.AnimalsPerDrinker);
    }
    for (const auto& [System, Shown, Hidden] :
         {std::tuple{"AB", "Stallboxentyp", "Stalltyp"}, std::tuple{"LL", "Stalltyp", "Stallboxentyp"}}) {
        Farm.WriteValue("Stallsystem", System);
        Page->Enter();
        EXPECT_TRUE(Widget(Page, Shown)->isVisible()) << System;
        EXPECT_FALSE(Widget(Page, Hidden)->isVisible()) << System;
    }
}

TEST_F(KWQuestionPagesTest, TheFunctionalAreasPageFollowsTheBarnAndTheWaterCheck)
{
    TKWMemTable& HM = Area("HaltungManagement");
    TKWMemTable& SF = Area("StallerhebungFressLaufbereich");
    TKWMemTable& Farm = Area("Betriebsdaten");
    Farm.WriteValue("Stallsystem", "AB");
    HM.WriteValue("AnzahlTiefboxen", 4);
    auto* Page = MakePage<TKWHaltungManagementFunk>(HM, SF, Farm);
    EXPECT_FALSE(Widget(Page, "ArtBodenFuttergang")->isEnabled()) << "no feed alley in a tie stall";
    EXPECT_TRUE(Widget(Page, "ArtBodenLaufgang")->isEnabled());
    QWidget* Hochbox = Widget(Page, "HochboxAlterBelag")->parentWidget();
    QWidget* Tiefbox = Widget(Page, "TiefboxGrundmaterial")->parentWidget();
    EXPECT_FALSE(Hochbox->isVisible());
    EXPECT_TRUE(Tiefbox->isVisible());
    EXPECT_EQ(Tiefbox->y(), Hochbox->y()) << "deep-bed cubicles take the high-bed grid's place";
    HM.WriteValue("AnzahlHochboxen", 2);
    Page->Enter();
    EXPECT_GT(Tiefbox->y(), Hochbox->y() + Hochbox->height() - 1);
    Farm.WriteValue("Stallsystem", "LL");
    Page->Enter();
    EXPECT_TRUE(Widget(Page, "ArtBodenFuttergang")->isEnabled());

    QWidget* Check = Widget(Page, "StallerhebungWassercheckVorhanden");
    EXPECT_FALSE(Widget(Page, "StallerhebungWassercheckTroglaenge")->isVisible());
    QTest::mouseClick(Check, Qt::LeftButton);
    EXPECT_TRUE(Widget(Page, "StallerhebungWassercheckTroglaenge")->isVisible());
    const struct
    {
        const char* Animals;
        const char* Length;
        double PerAnimal;
    } Troughs[] = {{"100", "250", 2}, {"100", "350", 4}, {"0", "350", 0}};
    for (const auto& Case : Troughs) {
        Farm.WriteValue("AnzahlTiereErfassungsgruppe", Case.Animals);
        Type(Page, "StallerhebungWassercheckTroglaenge", Case.Length);
        EXPECT_EQ(Farm.FieldByName("VerhaeltnisTrogLaengeTier").AsFloat(), Case.PerAnimal) << Case.Length;
    }
    Farm.WriteValue("VerhaeltnisTrogLaengeTier", 7);
    Type(Page, "StallerhebungWassercheckMehr", "2");
    Page->Enter();
    EXPECT_EQ(Farm.FieldByName("VerhaeltnisTrogLaengeTier").AsFloat(), 7) << "only the length changes it";
    QTest::mouseClick(Check, Qt::LeftButton);
    EXPECT_FALSE(Widget(Page, "StallerhebungWassercheckMehr")->isVisible());
    EXPECT_EQ(SF.FieldByName("StallerhebungWassercheckMehr").AsInteger(), 2) << "hidden answers stay";
}

TEST_F(KWQuestionPagesTest, PastureShowsWhenTickedAndPushesTheYardBelowIt)
{
    TKWMemTable& SKH = Area("StallerhebungKomfortHygiene");
    SKH.WriteValue("StallerhebungLaufhofVorhanden", true);
    auto* Page = MakePage<TKWHaltungManagementKoHy>(Area("HaltungManagement"), SKH);
    QWidget* Weide = Widget(Page, "StallerhebungWeideFlaeche")->parentWidget();
    QWidget* Laufhof = Widget(Page, "StallerhebungLaufhofTraenken")->parentWidget();
    EXPECT_FALSE(Weide->isVisible());
    EXPECT_EQ(Laufhof->y(), Weide->y());
    QTest::mouseClick(Widget(Page, "StallerhebungWeideVorhanden"), Qt::LeftButton);
    EXPECT_TRUE(Weide->isVisible());
    EXPECT_EQ(Laufhof->y(), Weide->y() + Weide->height());
    EXPECT_TRUE(Page->Leave());
}

} // namespace

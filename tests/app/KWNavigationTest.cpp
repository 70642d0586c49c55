#include "KWNavigation.h"

#include "KWGuiUtil.h"
#include "KWUtils.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Every case starts and ends with no page selection.
class KWNavigation : public ::testing::Test
{
protected:
    void SetUp() override { KWEnabledPages.clear(); }
    void TearDown() override { KWEnabledPages.clear(); }
};

TEST_F(KWNavigation, GroupColoursFollowTheCatalogueSections)
{
    EXPECT_EQ(KWPageGroupColor("Betriebsauswahl"), 0u);
    EXPECT_EQ(KWPageGroupColor("ErfassungBesuchsdaten"), 0xFF769733u);
    EXPECT_EQ(KWPageGroupColor("ErfassungEinzelKuh"), 0xFF769733u);
    EXPECT_EQ(KWPageGroupColor("AuswertungAufenthaltsortKuehe"), 0xFF7857A1u);
    EXPECT_EQ(KWPageGroupColor("AuswertungVelkora"), 0xFF7857A1u);
    EXPECT_EQ(KWPageGroupColor("AuswertungSignale1"), 0xFFFF7F27u);
    EXPECT_EQ(KWPageGroupColor("AuswertungSignale2"), 0xFFFF7F27u);
    EXPECT_EQ(KWPageGroupColor("BeratungMassnahmen"), 0xFFC43E3Bu);
    EXPECT_EQ(KWPageGroupColor("Unbekannt"), 0u);
}

TEST_F(KWNavigation, ButtonMarksDisableOnTheFarmSelectionFadeTheShownPageAndTurnRelatedPages)
{
    struct TCase
    {
        const char* Selection;
        const char* Shown;
        const char* Button;
        bool Enabled;
        qreal Opacity;
        qreal Rotation;
    };
    const TCase Cases[] = {
        {"", "Betriebsauswahl", "ErfassungBesuchsdaten", false, 1, 0},
        {"", "Betriebsauswahl", "BeratungUrsachen", false, 1, 0},
        {"", "ErfassungBesuchsdaten", "ErfassungBesuchsdaten", true, 0.2, 0},
        {"", "ErfassungBesuchsdaten", "AuswertungSignale1", true, 1, 45},
        {"", "ErfassungEinzelKuh", "AuswertungMCKlauen", true, 1, 45},
        {"", "ErfassungEinzelKuh", "AuswertungVelkora", true, 1, 0},
        {"", "AuswertungSignale2", "ErfassungStallerhebungLiegebereich", true, 1, 45},
        {"", "BeratungUrsachen", "AuswertungSignale1", true, 1, 0},
        // A page that is no longer selected stays shown, faded and disabled.
        {"ErfassungBetriebsdaten", "ErfassungZustandLiegeboxen", "ErfassungZustandLiegeboxen",
         false, 0.2, 0},
        {"ErfassungBetriebsdaten", "ErfassungZustandLiegeboxen", "AuswertungZustandLiegeboxen",
         false, 1, 45},
        {"ErfassungBetriebsdaten", "ErfassungBetriebsdaten", "AuswertungSignale1", true, 1, 45},
        {"ErfassungBetriebsdaten", "ErfassungBetriebsdaten", "BeratungMassnahmen", true, 1, 0},
    };
    for (const TCase& Case : Cases) {
        KWEnabledPages = Case.Selection;
        const TKWButtonMark Mark = KWButtonMark(Case.Shown, Case.Button);
        const std::string Where = std::string(Case.Shown) + " / " + Case.Button;
        EXPECT_EQ(Mark.Enabled, Case.Enabled) << Where;
        EXPECT_DOUBLE_EQ(Mark.Opacity, Case.Opacity) << Where;
        EXPECT_DOUBLE_EQ(Mark.Rotation, Case.Rotation) << Where;
        EXPECT_EQ(KWIsNavigationEnabled(Case.Shown, Case.Button), Case.Enabled) << Where;
    }
}

TEST_F(KWNavigation, StopwatchAndQuickEntryFollowTheWalkingPageOnRecordingPagesOnly)
{
    struct TCase
    {
        const char* Selection;
        const char* Page;
        bool Shown;
    };
    const TCase Cases[] = {
        {"", "ErfassungBesuchsdaten", true},
        {"", "ErfassungEinzelKuh", true},
        {"", "AuswertungAbliegedauer", false},
        {"", "BeratungMassnahmen", false},
        {"ErfassungLaufverhaltenAbliegedauer", "ErfassungBetriebsdaten", true},
        {"ErfassungBetriebsdaten,ErfassungLaufverhaltenAbliegedauer", "ErfassungBesuchsdaten",
         true},
        {"ErfassungBetriebsdaten", "ErfassungBesuchsdaten", false},
        {"ErfassungBetriebsdaten", "ErfassungLaufverhaltenAbliegedauer", false},
        {"PageDetailResearch", "ErfassungEinzelKuh", false},
    };
    for (const TCase& Case : Cases) {
        KWEnabledPages = Case.Selection;
        const TKWToolButtonsShown Shown = KWToolButtonsShown(Case.Page);
        EXPECT_EQ(Shown.Stoppuhr, Case.Shown) << Case.Selection << " / " << Case.Page;
        EXPECT_EQ(Shown.QuickEdit, Case.Shown) << Case.Selection << " / " << Case.Page;
        EXPECT_TRUE(Shown.Back && Shown.Save && Shown.EnabledPages && Shown.Kommentar &&
                    Shown.TabBar && !Shown.Impressum);
    }
    const TKWToolButtonsShown Browser = KWToolButtonsShown("Betriebsauswahl");
    EXPECT_TRUE(Browser.Impressum);
    EXPECT_FALSE(Browser.Back || Browser.Save || Browser.EnabledPages || Browser.Kommentar ||
                 Browser.Stoppuhr || Browser.QuickEdit || Browser.TabBar);
}

TEST_F(KWNavigation, PageButtonsSpreadAroundTheCentreOrShareTheRoomBesideTheMenuButton)
{
    // Wide bar: pitch 40 around the centre, the menu button counted as child 0.
    const std::vector<int> Wide = KWTabBarButtonLefts(1280, 28);
    ASSERT_EQ(Wide.size(), 28u);
    EXPECT_EQ(Wide.front(), 640 + (1 - 14) * 40 - 15);
    EXPECT_EQ(Wide.back(), 640 + (28 - 14) * 40 - 15);
    // Narrow bar: nothing under the menu button, nothing past the right edge, even spacing.
    const std::vector<int> Narrow = KWTabBarButtonLefts(1101, 28);
    ASSERT_EQ(Narrow.size(), 28u);
    EXPECT_GE(Narrow.front() - 5, KWStyle::MasterButtonWidth);
    EXPECT_LE(Narrow.back() + 30 + 5, 1101);
    EXPECT_NEAR(Narrow[1] - Narrow[0], Narrow[27] - Narrow[26], 1);
    EXPECT_TRUE(KWTabBarButtonLefts(1280, 0).empty());
}

TEST_F(KWNavigation, CommentCaretGoesBelowTheHeadingOfThePage)
{
    const QStringList Standard = KWLoadStringsResource("KommentarStandardText");
    const auto LineAfter = [&Standard](const QString& AHeading) {
        return int(Standard.indexOf(AHeading)) + 1;
    };
    struct TCase
    {
        const char* Title;
        QString Heading;
    };
    const TCase Cases[] = {
        {"Betriebsdaten - Einstieg", "* Betriebsdaten"},
        {"Haltung und Management - Funktionsbereiche", "* Haltung und Management"},
        {"Liegeposition der Kühe", "* Liegeposition der Kühe"},
        {"Einzeltiererfassung", "* Einzeltiererfassung"},
        {"Signale - Fress- und Liegebereich", "* Signale"},
        {"Maßnahmen", "* Maßnahmen"},
    };
    for (const TCase& Case : Cases) {
        ASSERT_GT(LineAfter(Case.Heading), 0) << Case.Title;
        EXPECT_EQ(KWKommentarCaretLine(Standard, QString(Case.Title).toLower()),
                  LineAfter(Case.Heading))
            << Case.Title;
    }
    // No heading of the page: the last line.
    EXPECT_EQ(KWKommentarCaretLine(Standard, "velkora - lkv kennzahlen"), Standard.size() - 1);
    EXPECT_EQ(KWKommentarCaretLine({"eins", "zwei", "drei"}, "einzeltiererfassung"), 2);
    // A heading on the last line, a comment of one line, an empty comment.
    EXPECT_EQ(KWKommentarCaretLine({"x", "* Sauberkeit"}, "sauberkeit der kühe"), 1);
    EXPECT_EQ(KWKommentarCaretLine({"* Sauberkeit"}, "sauberkeit der kühe"), 0);
    EXPECT_EQ(KWKommentarCaretLine({}, "sauberkeit der kühe"), 0);
    // A bare "*" names no page.
    EXPECT_EQ(KWKommentarCaretLine({"*", "a", "* Abliegedauer", "b", "c"}, "abliegedauer"), 3);
}

TEST_F(KWNavigation, KeyboardOffsetLiftsACoveredFieldRightAboveTheKeyboard)
{
    const QRect Keyboard(0, 500, 1100, 250);
    EXPECT_EQ(KWKeyboardOffset(QRect(10, 600, 200, 30), Keyboard), 130);
    EXPECT_EQ(KWKeyboardOffset(QRect(10, 480, 200, 30), Keyboard), 10);
    EXPECT_EQ(KWKeyboardOffset(QRect(10, 100, 200, 30), Keyboard), 0);
    EXPECT_EQ(KWKeyboardOffset(QRect(10, 600, 200, 30), QRect()), 0);
}

} // namespace

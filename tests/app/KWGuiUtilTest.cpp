#include "KWGuiUtil.h"

#include "TestSupport.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList PageIds()
{
    QStringList Ids;
    for (const TKWPageInfo& Page : KWPageCatalogue())
        Ids.append(Page.PageId);
    return Ids;
}

TEST(KWPageCatalogue, RowsAreUniqueInKindOrderAndRelateRecordingToEvaluation)
{
    const QStringList Ids = PageIds();
    ASSERT_EQ(Ids.size(), 29);
    EXPECT_EQ(QSet<QString>(Ids.begin(), Ids.end()).size(), 29);
    EXPECT_EQ(Ids.first(), "Betriebsauswahl");
    for (int Row = 1; Row < 29; ++Row) {
        const TKWPageInfo& Page = KWPageCatalogue()[Row];
        const QString Kind = Row <= 13 ? "Erfassung" : Row <= 26 ? "Auswertung" : "Beratung";
        EXPECT_TRUE(Page.PageId.startsWith(Kind)) << Row;
        EXPECT_FALSE(Page.Title.isEmpty() || Page.ShortTitle.isEmpty()) << Row;
        // Recording pages name the evaluation pages they feed and the other way round.
        const QString OtherKind = Kind == "Erfassung" ? "Auswertung" : "Erfassung";
        for (const QString& Related : Page.RelatedPages.split('|', Qt::SkipEmptyParts)) {
            EXPECT_TRUE(Ids.contains(Related)) << Related.toStdString();
            EXPECT_TRUE(Related.startsWith(OtherKind)) << Related.toStdString();
        }
    }
    EXPECT_EQ(KWFindPage("ErfassungAufenthaltsortKuehe")->Hint, "Alle Tiere der Erfassungsgruppe");
    EXPECT_EQ(KWFindPage("AuswertungMCVerhalten")->RelatedPages,
              "ErfassungMobilityCheckVerhalten|ErfassungEinzelKuh");
    EXPECT_EQ(KWFindPage("ErfassungEinzelKuh.Sauberkeit"), nullptr);
}

TEST(KWPageCatalogue, EveryEvaluationPageHasOneKey)
{
    QStringList KeyPages;
    for (const TKWAuswertungPage& Page : KWAuswertungPages()) {
        EXPECT_EQ(Page.PageId, "Auswertung" + Page.Key);
        KeyPages.append(Page.PageId);
    }
    QStringList CataloguePages = PageIds().filter(QRegularExpression("^Auswertung"));
    EXPECT_EQ(CataloguePages.size(), 13);
    CataloguePages.sort();
    KeyPages.sort();
    EXPECT_EQ(KeyPages, CataloguePages);
    EXPECT_EQ(KWAuswertungPages()[4].Key, "Sauberkeit");
    EXPECT_EQ(KWAuswertungPages()[6].Key, "Laufverhalten");
}

class KWEnabledPagesTest : public ::testing::Test
{
protected:
    void TearDown() override { KWEnabledPages.clear(); }

    static QStringList EnabledPages(const QString& ASelection)
    {
        KWEnabledPages = ASelection;
        QStringList Result;
        for (const QString& Id : PageIds())
            if (TKWGuiUtil::IsPageEnabledEffective(Id))
                Result.append(Id);
        return Result;
    }
};

const QStringList AlwaysEnabled{"Betriebsauswahl", "ErfassungBesuchsdaten", "AuswertungSignale1",
                                "BeratungUrsachen", "BeratungMassnahmen"};
const QStringList EinzelKuhDetails{
    "ErfassungEinzelKuh.Standingscore", "ErfassungEinzelKuh.Klauenzustand",
    "ErfassungEinzelKuh.Sauberkeit", "ErfassungEinzelKuh.Technopathien",
    "ErfassungEinzelKuh.Locomotionscore"};

TEST_F(KWEnabledPagesTest, EnabledPagesFollowTheSelectedRecordingPages)
{
    const std::pair<QString, QStringList> Cases[] = {
        {"PageDetailResearch", AlwaysEnabled},
        {"ErfassungEinzelKuh.Sauberkeit",
         AlwaysEnabled + QStringList{"ErfassungEinzelKuh", "AuswertungSauberkeit",
                                     "AuswertungTechnopathien", "AuswertungMCVerhalten",
                                     "AuswertungMCKlauen"}},
        {"ErfassungHaltungManagementKoHy",
         AlwaysEnabled + QStringList{"ErfassungHaltungManagementKoHy", "AuswertungVelkora",
                                     "AuswertungSignale2"}},
        {"ErfassungMobilityCheckVerhalten,ErfassungLaufverhaltenAbliegedauer",
         AlwaysEnabled + QStringList{"ErfassungLaufverhaltenAbliegedauer",
                                     "ErfassungMobilityCheckVerhalten", "AuswertungLaufverhalten",
                                     "AuswertungAbliegedauer", "AuswertungMCVerhalten"}},
    };
    for (const auto& [Selection, Expected] : Cases) {
        QStringList Sorted = Expected;
        Sorted.sort();
        QStringList Enabled = EnabledPages(Selection);
        Enabled.sort();
        EXPECT_EQ(Enabled, Sorted) << Selection.toStdString();
    }
    EXPECT_EQ(EnabledPages("  "), PageIds()) << "a blank selection restricts nothing";
}

TEST_F(KWEnabledPagesTest, DetailsNeedTheirOwnSelection)
{
    KWEnabledPages.clear();
    for (const QString& Detail : EinzelKuhDetails)
        EXPECT_TRUE(TKWGuiUtil::IsPageEnabledEffective(Detail)) << Detail.toStdString();
    EXPECT_FALSE(TKWGuiUtil::IsPageDetailEnabled("PageDetailResearch"));

    KWEnabledPages = "ErfassungBetriebsdaten,ErfassungEinzelKuh.Sauberkeit,PageDetailResearch";
    for (const QString& Detail : EinzelKuhDetails)
        EXPECT_EQ(TKWGuiUtil::IsPageEnabledEffective(Detail),
                  Detail == "ErfassungEinzelKuh.Sauberkeit")
            << Detail.toStdString();
    EXPECT_TRUE(TKWGuiUtil::IsPageDetailEnabled("PageDetailResearch"));
}

TEST_F(KWEnabledPagesTest, StopwatchAndQuickEntryFollowTheWalkingPage)
{
    for (const auto& [Selection, Expected] :
         {std::pair<QString, bool>{"ErfassungBetriebsdaten", false},
          {"ErfassungLaufverhaltenAbliegedauer", true},
          {"", true}}) {
        KWEnabledPages = Selection;
        EXPECT_EQ(TKWGuiUtil::IsPageEnabledEffective("DirekterfassungAbliegedauer"), Expected)
            << Selection.toStdString();
        EXPECT_EQ(TKWGuiUtil::IsPageEnabledEffective("DirekterfassungLaufverhalten"), Expected)
            << Selection.toStdString();
    }
}

} // namespace

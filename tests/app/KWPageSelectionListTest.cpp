#include "KWPageSelectionList.h"

#include "KWTranslateUtil.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

QStringList CombinedIds(const TKWPageSelectionList& AList)
{
    QStringList Ids;
    for (const TListEntry& Entry : AList.Entries())
        Ids.append(Entry.GetCombinedId());
    return Ids;
}

TEST(KWPageSelectionList, EntriesAreTheRecordingPagesWithTheSingleCowDetails)
{
    TKWTranslateUtil::Open("EN");
    TKWPageSelectionList List;
    List.Build();
    TKWTranslateUtil::Close();
    const QStringList Ids = CombinedIds(List);
    ASSERT_EQ(Ids.size(), 17);
    EXPECT_EQ(Ids.first(), "ErfassungBetriebsdaten") << "the visit data page is always recorded";
    EXPECT_EQ(
        Ids.mid(11),
        (QStringList{"ErfassungEinzelKuh", "ErfassungEinzelKuh.Standingscore",
                     "ErfassungEinzelKuh.Klauenzustand", "ErfassungEinzelKuh.Sauberkeit",
                     "ErfassungEinzelKuh.Technopathien", "ErfassungEinzelKuh.Locomotionscore"}));
    EXPECT_EQ(List.Entries()[11].Text, "Individual animal recording");
    EXPECT_EQ(List.Entries()[14].Text, "Cleanliness (one side)");
    EXPECT_EQ(List.Entries()[16].Text, "Locomotion analysis");
    for (const TListEntry& Entry : List.Entries())
        EXPECT_TRUE(Entry.IsEntrySelectable && !Entry.IsEntrySelected);
}

TEST(KWPageSelectionList, SelectionTextRoundTrip)
{
    TKWPageSelectionList List;
    List.Build();
    const QString All = CombinedIds(List).join(',');
    const std::pair<QString, QString> Cases[] = {
        {"", All},
        {" ", All},
        {"ErfassungBetriebsdaten,ErfassungLaufverhaltenAbliegedauer",
         "ErfassungBetriebsdaten,ErfassungLaufverhaltenAbliegedauer"},
        // One detail selects its page as well, because ids are found as parts of the text.
        {"ErfassungEinzelKuh.Sauberkeit", "ErfassungEinzelKuh,ErfassungEinzelKuh.Sauberkeit"},
        {"PageDetailResearch", ""},
    };
    for (const auto& [Text, Expected] : Cases) {
        List.SetPageInfo(Text);
        EXPECT_EQ(List.GetPageInfo(false), Expected) << Text.toStdString();
    }
    List.SetPageInfo("ErfassungBetriebsdaten");
    EXPECT_EQ(List.GetPageInfo(true), "ErfassungBetriebsdaten,PageDetailResearch");
    EXPECT_FALSE(TKWPageSelectionList::IsResearchSelected(" "));
    EXPECT_TRUE(
        TKWPageSelectionList::IsResearchSelected("ErfassungBetriebsdaten,PageDetailResearch"));
}

TEST(KWPageSelectionList, QuickButtonTagsDecideEachItem)
{
    const QString Group =
        KWQuickButtonTag({"ErfassungZustandLiegeboxen", "ErfassungEinzelKuh.Sauberkeit"});
    EXPECT_EQ(Group, "|ErfassungZustandLiegeboxen|ErfassungEinzelKuh.Sauberkeit|");
    const std::tuple<QString, QString, TKWQuickAction> Cases[] = {
        {"|*|", "ErfassungBetriebsdaten", qaCheck},
        {"|-|", "ErfassungBetriebsdaten", qaUncheck},
        {"", "ErfassungBetriebsdaten", qaUncheck},
        {Group, "ErfassungZustandLiegeboxen", qaCheck},
        {Group, "ErfassungEinzelKuh.Sauberkeit", qaCheck},
        // A detail in the group does not check its page.
        {Group, "ErfassungEinzelKuh", qaKeep},
        {Group, "ErfassungBetriebsdaten", qaKeep},
    };
    for (const auto& [Tag, Id, Expected] : Cases)
        EXPECT_EQ(KWQuickButtonAction(Tag, Id), Expected)
            << Tag.toStdString() << " " << Id.toStdString();
    EXPECT_EQ(KWQuickButtons()[0].Tag, "|*|");
    EXPECT_EQ(KWQuickButtons()[5].Tag,
              "|ErfassungMobilityCheckVerhalten|ErfassungEinzelKuh.Standingscore|"
              "ErfassungEinzelKuh.Klauenzustand|ErfassungEinzelKuh.Locomotionscore|");
}

} // namespace

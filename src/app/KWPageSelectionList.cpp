#include "KWPageSelectionList.h"

#include "KWGuiUtil.h"
#include "KWTranslateUtil.h"
#include "KWUtils.h"

namespace {

const QString EinzelKuh = QStringLiteral("ErfassungEinzelKuh");

} // namespace

QString TListEntry::GetCombinedId() const
{
    return PageSubId.isEmpty() ? PageId : PageId + u'.' + PageSubId;
}

const std::array<TKWQuickButton, KWQuickButtonCount>& KWQuickButtons()
{
    static const std::array<TKWQuickButton, KWQuickButtonCount> Buttons{{
        {" Alle Seiten auswählen", "|*|"},
        {" Keine Seite auswählen", "|-|"},
        {"Betriebsdaten, Hltng. u. Mngmnt.",
         KWQuickButtonTag({"ErfassungBetriebsdaten", "ErfassungHaltungManagementFunk",
                           "ErfassungHaltungManagementKoHy"})},
        {"Tierbezogene Merkmale ",
         KWQuickButtonTag({"ErfassungAufenthaltsortKuehe", "ErfassungLiegeboxenKomfortIndex",
                           "ErfassungLiegepositionKuehe", "ErfassungLaufverhaltenAbliegedauer",
                           "ErfassungEinzelKuh.Sauberkeit", "ErfassungEinzelKuh.Technopathien"})},
        {"Liegeboxen - Check",
         KWQuickButtonTag({"ErfassungAufenthaltsortKuehe", "ErfassungLiegeboxenKomfortIndex",
                           "ErfassungLiegepositionKuehe", "ErfassungZustandLiegeboxen",
                           "ErfassungStallerhebungLiegebereich",
                           "ErfassungStallerhebungFressLaufbereich"})},
        {"Mobility Check",
         KWQuickButtonTag({"ErfassungMobilityCheckVerhalten", "ErfassungEinzelKuh.Standingscore",
                           "ErfassungEinzelKuh.Klauenzustand",
                           "ErfassungEinzelKuh.Locomotionscore"})},
    }};
    return Buttons;
}

QString KWQuickButtonTag(const QStringList& AIds)
{
    return u'|' + AIds.join(u'|') + u'|';
}

TKWQuickAction KWQuickButtonAction(const QString& ATag, const QString& ACombinedId)
{
    if (ATag.isEmpty() || ATag.contains(QStringLiteral("|-|")))
        return qaUncheck;
    if (ATag.contains(QStringLiteral("|*|")) || ATag.contains(u'|' + ACombinedId + u'|'))
        return qaCheck;
    return qaKeep;
}

void TKWPageSelectionList::Build()
{
    static const std::pair<const char*, const char*> EinzelKuhDetails[] = {
        {"Standingscore", "Standing Score"},      {"Klauenzustand", "Klauenzustand"},
        {"Sauberkeit", "Sauberkeit (einseitig)"}, {"Technopathien", "Technopathien (einseitig)"},
        {"Locomotionscore", "Bewegungsanalyse"},
    };
    FEntries.clear();
    for (const TKWPageInfo& Page : KWPageCatalogue()) {
        if (!Page.PageId.startsWith(QStringLiteral("Erfassung")) ||
            Page.PageId == QStringLiteral("ErfassungBesuchsdaten"))
            continue;
        FEntries.push_back({Page.PageId, {}, KWTranslate(Page.ShortTitle)});
        if (Page.PageId != EinzelKuh)
            continue;
        for (const auto& [SubId, Text] : EinzelKuhDetails)
            FEntries.push_back(
                {EinzelKuh, QString::fromUtf8(SubId), KWTranslate(QString::fromUtf8(Text))});
    }
}

void TKWPageSelectionList::SetPageInfo(const QString& AText)
{
    for (TListEntry& Entry : FEntries)
        if (Entry.IsEntrySelectable)
            Entry.IsEntrySelected =
                KWTrim(AText).isEmpty() || AText.contains(Entry.GetCombinedId());
}

QString TKWPageSelectionList::GetPageInfo(bool AResearch) const
{
    QStringList Ids;
    for (const TListEntry& Entry : FEntries)
        if (Entry.IsEntrySelectable && Entry.IsEntrySelected)
            Ids.append(Entry.GetCombinedId());
    if (AResearch)
        Ids.append(KWPageDetailResearch);
    return Ids.join(u',');
}

bool TKWPageSelectionList::IsResearchSelected(const QString& AText)
{
    return !KWTrim(AText).isEmpty() && AText.contains(KWPageDetailResearch);
}

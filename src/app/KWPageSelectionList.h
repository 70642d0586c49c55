#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// One selectable page or page detail of the page selection.
struct TListEntry
{
    QString PageId;
    // Empty for a whole page, else the detail name.
    QString PageSubId;
    // Translated text shown in the tree.
    QString Text;
    bool IsEntrySelectable = true;
    bool IsEntrySelected = false;

    // PageId, or PageId + "." + PageSubId for a detail.
    QString GetCombinedId() const;
};

// What a quick button does to one tree item.
enum TKWQuickAction
{
    qaUncheck,
    qaCheck,
    qaKeep
};

// A quick button: its text (German source text) and its tag.
struct TKWQuickButton
{
    QString Text;
    QString Tag;
};

inline constexpr int KWQuickButtonCount = 6;

// The six quick buttons, top to bottom.
const std::array<TKWQuickButton, KWQuickButtonCount>& KWQuickButtons();
// The tag of a group button: "|" + ids joined by "|" + "|".
QString KWQuickButtonTag(const QStringList& AIds);
// What the button with tag ATag does to the item of ACombinedId.
TKWQuickAction KWQuickButtonAction(const QString& ATag, const QString& ACombinedId);

// The entries of the page selection and their conversion from and to the selection text.
class TKWPageSelectionList
{
public:
    // One entry per recording page except the visit data page, the single-cow details right
    // after their page; texts translated; nothing selected.
    void Build();

    std::vector<TListEntry>& Entries() { return FEntries; }
    const std::vector<TListEntry>& Entries() const { return FEntries; }

    // Selects the entries the selection text names (all of them when it is blank).
    void SetPageInfo(const QString& AText);
    // The selection text of the selected entries, followed by the research detail when on.
    QString GetPageInfo(bool AResearch) const;
    // Whether a selection text switches the research mode on.
    static bool IsResearchSelected(const QString& AText);

private:
    std::vector<TListEntry> FEntries;
};

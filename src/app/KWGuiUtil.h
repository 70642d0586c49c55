#pragma once

#include <QString>

#include <array>

// One page of the main window: its id, the texts shown for it (German source texts, translated
// when shown) and the ids of the pages it is related to, joined by "|".
struct TKWPageInfo
{
    QString PageId;
    QString Title;
    QString Hint;
    QString ShortTitle;
    QString RelatedPages;
};

// An evaluation page and the key under which the evaluation keeps its indicator list.
struct TKWAuswertungPage
{
    QString PageId;
    QString Key;
};

inline constexpr int KWPageCount = 29;
inline constexpr int KWAuswertungPageCount = 13;

// Every page, in the order of tabs, drawer entries and tab-bar buttons.
const std::array<TKWPageInfo, KWPageCount>& KWPageCatalogue();
// The evaluation pages in the order they are created.
const std::array<TKWAuswertungPage, KWAuswertungPageCount>& KWAuswertungPages();
// Catalogue row of a page id; nullptr when the id names no page.
const TKWPageInfo* KWFindPage(const QString& APageId);

// Detail ids that are not of the form page id + "." + detail name.
inline const QString KWPageDetailResearch = QStringLiteral("PageDetailResearch");
inline const QString KWDetailLaufverhalten = QStringLiteral("DirekterfassungLaufverhalten");
inline const QString KWDetailAbliegedauer = QStringLiteral("DirekterfassungAbliegedauer");

// The user's choice of pages and page details for this run, joined by ","; blank enables
// everything. It is not stored with a visit.
extern QString KWEnabledPages;

class TKWGuiUtil
{
public:
    // Whether a page (or one of the main window's two tool-button details) is enabled.
    static bool IsPageEnabledEffective(const QString& APageName);
    // Whether a page detail is explicitly selected; nothing is while the selection is blank.
    static bool IsPageDetailEnabled(const QString& APageDetail);
};

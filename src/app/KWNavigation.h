#pragma once

// What the main window shows of its navigation for a given page, computed without a window:
// the groups and colours of the drawer and the tab bar, how each page button is marked, which
// tool buttons appear, where the page buttons sit, where the comment caret goes and how far the
// page area moves up for the on-screen keyboard.

#include "KWStyle.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

inline const QString KWPageBetriebsauswahl = QStringLiteral("Betriebsauswahl");
// Tag of the drawer's group headers; a navigation request towards it does nothing.
inline const QString KWHeaderTag = QStringLiteral("Header");

// A group of pages in the drawer and the tab bar: the header text (German source text), the
// first page of the group and the group colour (ARGB).
struct TKWPageGroup
{
    QString Header;
    QString FirstPageId;
    quint32 Color;
};

inline constexpr int KWPageGroupCount = 4;

const std::array<TKWPageGroup, KWPageGroupCount>& KWPageGroups();
// The group colour of a catalogue page; 0 for "Betriebsauswahl" and unknown ids.
quint32 KWPageGroupColor(const QString& APageId);

// Whether the drawer item and the tab-bar button of APageId can be chosen while AShownPage is
// shown: never on the farm selection, otherwise when the page is enabled.
bool KWIsNavigationEnabled(const QString& AShownPage, const QString& APageId);

// How a tab-bar page button looks while AShownPage is shown.
struct TKWButtonMark
{
    bool Enabled = false;
    // The button of the shown page fades.
    qreal Opacity = 1;
    // Pages related to the shown one turn into diamonds.
    qreal Rotation = 0;
};

TKWButtonMark KWButtonMark(const QString& AShownPage, const QString& AButtonPage);

// Which tool buttons are shown, and whether the tab bar is, while APageId is shown.
struct TKWToolButtonsShown
{
    bool Back = false;
    bool Save = false;
    bool EnabledPages = false;
    bool Kommentar = false;
    bool Stoppuhr = false;
    bool QuickEdit = false;
    bool Impressum = false;
    bool TabBar = false;
};

TKWToolButtonsShown KWToolButtonsShown(const QString& APageId);

// Left edges of the coloured squares of AButtonCount page buttons on a bar of ABarWidth. The
// menu button and the page buttons are spread evenly around the bar's centre at a pitch of 40;
// where that would put a page button over the menu button or past the right edge, the page
// buttons share the room right of the menu button instead.
std::vector<int> KWTabBarButtonLefts(int ABarWidth, int AButtonCount);

// The line the caret goes to in the comment: the line after the first heading ("*" line) whose
// first word occurs in APageKey (the lower-case page title), at most the last line; the last
// line when no heading matches.
int KWKommentarCaretLine(const QStringList& ALines, const QString& APageKey);

// How far the page area has to move up so that the focused control (AControl, in window
// coordinates of the unmoved page area) is not covered by the on-screen keyboard (AKeyboard,
// window coordinates); 0 when it is not covered or no keyboard is shown.
int KWKeyboardOffset(const QRect& AControl, const QRect& AKeyboard);

#include "KWNavigation.h"

#include "KWGuiUtil.h"
#include "KWUtils.h"

#include <algorithm>
#include <cmath>

namespace {

// The touch area of a page button reaches this far beside its square.
constexpr int SquareGap = (KWStyle::TabBarPitch - KWStyle::TabBarSquare) / 2;

} // namespace

const std::array<TKWPageGroup, KWPageGroupCount>& KWPageGroups()
{
    static const std::array<TKWPageGroup, KWPageGroupCount> Groups{{
        {"Erfassung", "ErfassungBesuchsdaten", 0xFF769733},
        {"Auswertung", "AuswertungAufenthaltsortKuehe", 0xFF7857A1},
        {"Signale", "AuswertungSignale1", 0xFFFF7F27},
        {"Beratung", "BeratungUrsachen", 0xFFC43E3B},
    }};
    return Groups;
}

quint32 KWPageGroupColor(const QString& APageId)
{
    quint32 Color = 0;
    for (const TKWPageInfo& Page : KWPageCatalogue()) {
        for (const TKWPageGroup& Group : KWPageGroups())
            if (Group.FirstPageId == Page.PageId)
                Color = Group.Color;
        if (Page.PageId == APageId)
            return Color;
    }
    return 0;
}

bool KWIsNavigationEnabled(const QString& AShownPage, const QString& APageId)
{
    return AShownPage != KWPageBetriebsauswahl && TKWGuiUtil::IsPageEnabledEffective(APageId);
}

TKWButtonMark KWButtonMark(const QString& AShownPage, const QString& AButtonPage)
{
    const TKWPageInfo* Shown = KWFindPage(AShownPage);
    const QString Related = Shown ? Shown->RelatedPages : QString();
    TKWButtonMark Mark;
    Mark.Enabled = KWIsNavigationEnabled(AShownPage, AButtonPage);
    if (AButtonPage == AShownPage)
        Mark.Opacity = 0.2;
    if (!AButtonPage.isEmpty() && Related.contains(AButtonPage))
        Mark.Rotation = 45;
    return Mark;
}

TKWToolButtonsShown KWToolButtonsShown(const QString& APageId)
{
    TKWToolButtonsShown Shown;
    if (APageId == KWPageBetriebsauswahl) {
        Shown.Impressum = true;
        return Shown;
    }
    Shown.Back = Shown.Save = Shown.EnabledPages = Shown.Kommentar = Shown.TabBar = true;
    // Stopwatch and quick entry serve the walking page from any recording page.
    const bool Erfassung = APageId.startsWith(QLatin1String("Erfassung"));
    Shown.Stoppuhr = Erfassung && TKWGuiUtil::IsPageEnabledEffective(KWDetailAbliegedauer);
    Shown.QuickEdit = Erfassung && TKWGuiUtil::IsPageEnabledEffective(KWDetailLaufverhalten);
    return Shown;
}

std::vector<int> KWTabBarButtonLefts(int ABarWidth, int AButtonCount)
{
    std::vector<int> Lefts;
    if (AButtonCount <= 0)
        return Lefts;
    // The menu button counts as child 0 of the centred row.
    const double Centre = ABarWidth / 2.0;
    const double Middle = AButtonCount / 2.0;
    const auto Centred = [&](int AChild) {
        return Centre + (AChild - Middle) * KWStyle::TabBarPitch - KWStyle::TabBarSquare / 2.0;
    };
    const int MinLeft = KWStyle::MasterButtonWidth + SquareGap;
    const int MaxLeft = ABarWidth - SquareGap - KWStyle::TabBarSquare;
    const bool Fits = Centred(1) >= MinLeft && Centred(AButtonCount) <= MaxLeft;
    const double Pitch =
        AButtonCount > 1 ? double(MaxLeft - MinLeft) / (AButtonCount - 1) : 0;
    for (int Child = 1; Child <= AButtonCount; ++Child)
        Lefts.push_back(int(std::lround(Fits ? Centred(Child) : MinLeft + (Child - 1) * Pitch)));
    return Lefts;
}

int KWKommentarCaretLine(const QStringList& ALines, const QString& APageKey)
{
    qsizetype Stop = ALines.size();
    for (qsizetype Line = 0; Line < ALines.size(); ++Line) {
        if (!ALines[Line].startsWith(u'*'))
            continue;
        const QString Word = KWFirstWord(ALines[Line].mid(1)).toLower();
        if (!Word.isEmpty() && APageKey.contains(Word)) {
            Stop = Line;
            break;
        }
    }
    return int(std::max<qsizetype>(0, std::min(Stop + 1, ALines.size() - 1)));
}

int KWKeyboardOffset(const QRect& AControl, const QRect& AKeyboard)
{
    if (AKeyboard.isEmpty() || !AControl.intersects(AKeyboard))
        return 0;
    const int ControlBottom = AControl.y() + AControl.height();
    return std::max(0, ControlBottom - AKeyboard.y());
}

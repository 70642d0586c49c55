#include "KWTour.h"

#include "KWDBResultSet.h"
#include "KWDBUtil.h"
#include "KWDataManagement.h"
#include "KWGuiUtil.h"
#include "KWMain.h"
#include "KWNavigation.h"
#include "KWPopup.h"

#include <QDir>
#include <QEventLoop>
#include <QScopedValueRollback>
#include <QTimer>

namespace {

// Long enough for layouts, deferred paints and short animations to settle.
constexpr int SettleMs = 50;
// The page every opened visit starts on.
const QString FirstVisitPage = QStringLiteral("ErfassungBesuchsdaten");

void Settle()
{
    QEventLoop Loop;
    QTimer::singleShot(SettleMs, &Loop, &QEventLoop::quit);
    Loop.exec();
}

bool SavePicture(TMainForm& AForm, const QDir& AFolder, const QString& APageId, QString& AError)
{
    Settle();
    const QString Path = AFolder.filePath(APageId + QStringLiteral(".png"));
    if (AForm.grab().save(Path, "PNG"))
        return true;
    AError = QStringLiteral("The picture cannot be written: %1").arg(Path);
    return false;
}

// A popup of the tool bar: opened by ACommand and pictured as AName.
struct TPopupShot
{
    const char* Name;
    void (TMainForm::*Command)();
};

constexpr TPopupShot BrowserPopups[] = {{"PopupInformation", &TMainForm::ImpressumButtonClick}};
constexpr TPopupShot VisitPopups[] = {
    {"PopupSeitenauswahl", &TMainForm::EnabledPagesButtonClick},
    {"PopupKommentar", &TMainForm::KommentarButtonClick},
};

template <std::size_t N>
bool SavePopupPictures(TMainForm& AForm, const QDir& AFolder, const TPopupShot (&AShots)[N],
                       QString& AError)
{
    for (const TPopupShot& Shot : AShots) {
        (AForm.*Shot.Command)();
        const bool Saved = SavePicture(AForm, AFolder, QString::fromLatin1(Shot.Name), AError);
        AForm.Popup().close();
        if (!Saved)
            return false;
    }
    return true;
}

} // namespace

bool KWSelectDemoVisit(TKWDBUtil& ADBUtil)
{
    TKWDBResultSet& Betriebe = ADBUtil.BetriebSelectQuery();
    TKWDBResultSet& Besuche = ADBUtil.BetriebsbesuchSelectQuery();
    for (int Betrieb = 0; Betrieb < Betriebe.RecordCount(); ++Betrieb) {
        Betriebe.SetCurrentRow(Betrieb);
        for (int Besuch = 0; Besuch < Besuche.RecordCount(); ++Besuch) {
            Besuche.SetCurrentRow(Besuch);
            if (TKWDBUtil::IsDemoStall(Besuche.FieldValue(QStringLiteral("Stall")).toString()))
                return true;
        }
    }
    return false;
}

bool KWRunTour(TMainForm& AForm, const QString& AFolder, QString& AError)
{
    TKWDBUtil& DBUtil = AForm.DataManagement().DBUtil();
    if (!KWSelectDemoVisit(DBUtil)) {
        AError = QStringLiteral("No example visit (barn name starting with \"Demo\") in %1")
                     .arg(DBUtil.DatabasePath());
        return false;
    }
    const QDir Folder(AFolder);
    if (!Folder.mkpath(QStringLiteral("."))) {
        AError = QStringLiteral("The folder cannot be created: %1").arg(AFolder);
        return false;
    }
    if (!SavePicture(AForm, Folder, KWPageBetriebsauswahl, AError) ||
        !SavePopupPictures(AForm, Folder, BrowserPopups, AError))
        return false;
    // Closing the page selection stores its choice; the tour leaves the user's choice alone.
    const QScopedValueRollback KeepEnabledPages(KWEnabledPages);
    // The browser may have moved the rows while it was shown.
    KWSelectDemoVisit(DBUtil);
    AForm.BetriebsauswahlActionSelected(aBeratungBearbeiten);
    for (const TKWPageInfo& Page : KWPageCatalogue()) {
        if (Page.PageId == KWPageBetriebsauswahl)
            continue;
        AForm.SelectTab(Page.PageId);
        if (!SavePicture(AForm, Folder, Page.PageId, AError))
            return false;
        if (Page.PageId == FirstVisitPage && !SavePopupPictures(AForm, Folder, VisitPopups, AError))
            return false;
    }
    AForm.SelectTab(KWPageBetriebsauswahl);
    return true;
}

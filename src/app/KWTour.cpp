#include "KWTour.h"

#include "KWDBResultSet.h"
#include "KWDBUtil.h"
#include "KWDataManagement.h"
#include "KWGuiUtil.h"
#include "KWMain.h"
#include "KWNavigation.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>

namespace {

// Long enough for layouts, deferred paints and short animations to settle.
constexpr int SettleMs = 50;

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
    if (!SavePicture(AForm, Folder, KWPageBetriebsauswahl, AError))
        return false;
    // The browser may have moved the rows while it was shown.
    KWSelectDemoVisit(DBUtil);
    AForm.BetriebsauswahlActionSelected(aBeratungBearbeiten);
    for (const TKWPageInfo& Page : KWPageCatalogue()) {
        if (Page.PageId == KWPageBetriebsauswahl)
            continue;
        AForm.SelectTab(Page.PageId);
        if (!SavePicture(AForm, Folder, Page.PageId, AError))
            return false;
    }
    AForm.SelectTab(KWPageBetriebsauswahl);
    return true;
}

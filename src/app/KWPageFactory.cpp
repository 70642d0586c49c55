#include "KWPageFactory.h"

#include "KWBesuchsdaten.h"
#include "KWBetriebsauswahl.h"
#include "KWBetriebsdaten.h"
#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWHaltungManagementFunk.h"
#include "KWHaltungManagementKoHy.h"
#include "KWNavigation.h"
#include "KWTemporaryPage.h"

namespace {

using TKWCreatePage = TKWPageObject (*)(const TKWPageContext& AContext, QWidget* AParent);

struct TKWPageClass
{
    const char* PageId;
    TKWCreatePage Create;
};

// The page objects of the main window: for each page id, its class and what it receives (the
// recording areas and indicator lists come from the context). A page that is not listed yet is
// a temporary page.
const TKWPageClass PageClasses[] = {
    {"Betriebsauswahl",
     [](const TKWPageContext& C, QWidget* P) {
         return KWPageObject(new TKWBetriebsauswahl(C.DataManagement, C.Dialogs, P));
     }},
    {"ErfassungBesuchsdaten",
     [](const TKWPageContext& C, QWidget* P) {
         return KWPageObject(new TKWBesuchsdaten(P, C.Popup, C.Area("Betriebsdaten"), C.Area("HaltungManagement"),
                                                 C.Area("StallerhebungFressLaufbereich")));
     }},
    {"ErfassungBetriebsdaten",
     [](const TKWPageContext& C, QWidget* P) {
         return KWPageObject(new TKWBetriebsdaten(P, C.Popup, C.Area("Betriebsdaten")));
     }},
    {"ErfassungHaltungManagementFunk",
     [](const TKWPageContext& C, QWidget* P) {
         return KWPageObject(new TKWHaltungManagementFunk(P, C.Popup, C.Area("HaltungManagement"),
                                                          C.Area("StallerhebungFressLaufbereich"),
                                                          C.Area("Betriebsdaten")));
     }},
    {"ErfassungHaltungManagementKoHy",
     [](const TKWPageContext& C, QWidget* P) {
         return KWPageObject(new TKWHaltungManagementKoHy(P, C.Popup, C.Area("HaltungManagement"),
                                                          C.Area("StallerhebungKomfortHygiene")));
     }},
};

} // namespace

TKWDataStore& TKWPageContext::Visit() const
{
    return DataManagement.DataStore();
}

TKWMemTable& TKWPageContext::Area(const char* AName) const
{
    return Visit().GetDataErfassung(QString::fromLatin1(AName));
}

const TKWIndikatorList& TKWPageContext::Indikatoren(const QString& AKey) const
{
    return Visit().GetDataIndikatoren(AKey);
}

TKWPageObject KWCreatePage(const QString& APageId, const TKWPageContext& AContext,
                           QWidget* AParent)
{
    for (const TKWPageClass& Class : PageClasses)
        if (APageId == QLatin1String(Class.PageId))
            return Class.Create(AContext, AParent);
    return KWPageObject(new TKWTemporaryPage(APageId, AParent));
}

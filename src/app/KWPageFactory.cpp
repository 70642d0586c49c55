#include "KWPageFactory.h"

#include "KWBetriebsauswahl.h"
#include "KWDataManagement.h"
#include "KWDataStore.h"
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

#include "KWPageFactory.h"

#include "KWBetriebsauswahl.h"
#include "KWNavigation.h"
#include "KWTemporaryPage.h"

TKWPageObject KWCreatePage(const QString& APageId, const TKWPageContext& AContext,
                           QWidget* AParent)
{
    if (APageId == KWPageBetriebsauswahl)
        return KWPageObject(
            new TKWBetriebsauswahl(AContext.DataManagement, AContext.Dialogs, AParent));
    return KWPageObject(new TKWTemporaryPage(APageId, AParent));
}

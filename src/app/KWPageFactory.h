#pragma once

#include "KWDataStoreAuswertung.h"

#include <QString>

#include <functional>

class IKWPage;
class QWidget;
class TKWDataManagement;
class TKWDataStore;
class TKWMemTable;
class TKWDialogService;
class TKWPopup;
class TKWTooltipLabel;

// What the main window hands to the pages it creates; everything lives as long as the window.
// The tables and lists it gives out are emptied between visits, never re-created, so pages may
// keep references to them.
struct TKWPageContext
{
    TKWDataManagement& DataManagement;
    TKWDialogService& Dialogs;
    TKWPopup& Popup;
    TKWTooltipLabel& TooltipLabel;

    // The one visit document of the run.
    TKWDataStore& Visit() const;
    // A recording area table by area name.
    TKWMemTable& Area(const char* AName) const;
    // The indicators of an evaluation key.
    const TKWIndikatorList& Indikatoren(const QString& AKey) const;
};

// A page object: the widget the window shows and the page protocol it follows (one object).
struct TKWPageObject
{
    QWidget* Widget = nullptr;
    IKWPage* Page = nullptr;
};

template <class TPage>
TKWPageObject KWPageObject(TPage* APage)
{
    return {APage, APage};
}

// Creates the page object of a catalogue page as a child of AParent; Init is the caller's.
using TKWPageFactory = std::function<TKWPageObject(const QString& APageId,
                                                   const TKWPageContext& AContext,
                                                   QWidget* AParent)>;

// The program's pages, made from the page objects table.
TKWPageObject KWCreatePage(const QString& APageId, const TKWPageContext& AContext,
                           QWidget* AParent);

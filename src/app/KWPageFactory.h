#pragma once

#include <QString>

#include <functional>

class IKWPage;
class QWidget;
class TKWDataManagement;
class TKWDialogService;
class TKWPopup;
class TKWTooltipLabel;

// What the main window hands to the pages it creates; everything lives as long as the window.
struct TKWPageContext
{
    TKWDataManagement& DataManagement;
    TKWDialogService& Dialogs;
    TKWPopup& Popup;
    TKWTooltipLabel& TooltipLabel;
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

// The program's pages: the farm and visit browser for "Betriebsauswahl", a temporary page for
// every page that is not built yet.
TKWPageObject KWCreatePage(const QString& APageId, const TKWPageContext& AContext,
                           QWidget* AParent);

#pragma once

#include <QSize>
#include <QString>

class TKWDBUtil;
class TMainForm;

// The window size of the tour's pictures: a landscape tablet.
inline constexpr QSize KWTourWindowSize{1280, 800};

// Makes the first visit whose barn starts with "Demo" the selected farm and visit; false when
// the database holds no example visit.
bool KWSelectDemoVisit(TKWDBUtil& ADBUtil);

// Opens the example visit for editing, shows every catalogue page in order and saves a picture
// of the whole window for each into AFolder ("<page id>.png"), and of the tool bar's popups
// ("PopupInformation.png" over the farm selection, "PopupSeitenauswahl.png" and
// "PopupKommentar.png" over the first page of the visit), then returns to the farm selection
// without saving the visit. Returns false with the reason in AError when there is no
// example visit or a picture cannot be written.
bool KWRunTour(TMainForm& AForm, const QString& AFolder, QString& AError);

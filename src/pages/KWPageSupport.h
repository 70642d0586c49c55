#pragma once

#include <QScopedValueRollback>
#include <QString>

class QWidget;
class TKWVertScrollBox;

// Set while a page or widget loads values into its controls, so their change events are not
// written back. Scoped: however the loading ends, even by an exception, the flag is reset.
using TKWRefreshGuard = QScopedValueRollback<bool>;

// What every page does at the end of Leave: when its mandatory entries are complete, it saves
// its screenshot into the visit folder. Returns AComplete.
bool KWFinishLeave(QWidget* APage, const QString& APageId, bool AComplete = true);

// Pages place their controls at computed coordinates on the scroll box's content; the content
// then takes the size those controls cover (plus the margin), so the box scrolls over all of them.
void KWFitContent(TKWVertScrollBox& APage);

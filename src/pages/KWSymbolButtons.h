#pragma once

#include <QIcon>

class QToolButton;
class QWidget;

// The small symbols of the counters and record navigators, drawn at whatever size a button
// asks for: a green disc with a plus, a red disc with a minus, chevrons up and down. Disabled
// buttons draw them grey.
QIcon KWPlusIcon();
QIcon KWMinusIcon();
QIcon KWUpIcon();
QIcon KWDownIcon();

// A button that shows only a symbol: ASize square, the symbol AIconSize square, object name
// AName, accessible name and tooltip the translation of AText.
QToolButton* KWCreateSymbolButton(QWidget* AParent, const QString& AName, const QIcon& AIcon,
                                  int AIconSize, int ASize, const QString& AText);

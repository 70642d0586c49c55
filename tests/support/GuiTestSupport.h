#pragma once

#include <QPoint>

#include <functional>

class QAbstractItemView;
class QModelIndex;
class QWidget;

// Processes events until ACondition holds or ATimeoutMs have passed; returns ACondition().
bool WaitFor(const std::function<bool()>& ACondition, int ATimeoutMs);
// A left-button drag from AFrom to ATo (in AWidget's coordinates), as press, move and release.
void SendDrag(QWidget* AWidget, QPoint AFrom, QPoint ATo);
// A left-button click at APos (in AWidget's coordinates).
void SendClick(QWidget* AWidget, QPoint APos);
// A click (through QTest) in the middle of the row of AIndex.
void TapRow(QAbstractItemView* AView, const QModelIndex& AIndex);

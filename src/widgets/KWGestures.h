#pragma once

#include <QObject>
#include <QPointF>
#include <QSwipeGesture>

class QWidget;

// The least horizontal travel, in device-independent units, that makes a swipe.
inline constexpr qreal KWSwipeMinDistance = 80;

// The direction of a one-finger (or mouse) movement from AStart to AEnd taken as a swipe:
// Left or Right when it travels far enough and mainly sideways, else NoDirection.
QSwipeGesture::SwipeDirection KWSwipeDirection(QPointF AStart, QPointF AEnd);

// The program's one-finger swipe (Qt's own swipe needs three fingers). A widget that grabs
// this type receives it for movements over itself and its children; the movement itself still
// reaches the widgets under it, so scrolling and clicking keep working.
Qt::GestureType KWSwipeGestureType();

// The swipe of a gesture event, or nullptr when the event carries none.
QSwipeGesture* KWSwipeOf(QEvent* AEvent);

// Receives the left and right swipes of the controls attached to it (KWAddSwipeGestures).
class TKWGestureManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWGestureManager)

public:
    explicit TKWGestureManager(QObject* AParent);

Q_SIGNALS:
    void Swiped(QWidget* AControl, QSwipeGesture::SwipeDirection ADirection);

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;
};

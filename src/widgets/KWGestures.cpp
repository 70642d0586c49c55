#include "KWGestures.h"

#include <QGestureEvent>
#include <QGestureRecognizer>
#include <QMouseEvent>
#include <QTouchEvent>
#include <QWidget>

#include <cmath>
#include <optional>

namespace {

// A swipe in progress remembers where the finger went down.
class TKWSwipeGesture final : public QSwipeGesture
{
public:
    std::optional<QPointF> FStart;
};

// Follows one finger or the left mouse button from press to release and classifies the path
// at its end. Mouse events that the system made from touches are skipped, so a touch is not
// counted twice.
class TKWSwipeRecognizer final : public QGestureRecognizer
{
public:
    QGesture* create(QObject* ATarget) override
    {
        if (ATarget && ATarget->isWidgetType())
            static_cast<QWidget*>(ATarget)->setAttribute(Qt::WA_AcceptTouchEvents);
        return new TKWSwipeGesture;
    }

    Result recognize(QGesture* AState, QObject* AWatched, QEvent* AEvent) override
    {
        auto* Swipe = static_cast<TKWSwipeGesture*>(AState);
        const std::optional<QPointF> Point = PointOf(AEvent);
        if (!Point)
            return Ignore;
        switch (AEvent->type()) {
        case QEvent::TouchBegin:
        case QEvent::MouseButtonPress:
            Swipe->FStart = Point;
            return MayBeGesture;
        case QEvent::TouchUpdate:
        case QEvent::MouseMove:
            return Swipe->FStart ? MayBeGesture : Ignore;
        case QEvent::TouchEnd:
        case QEvent::MouseButtonRelease:
            return Finish(Swipe, *Point);
        default:
            return Ignore;
        }
    }

    void reset(QGesture* AState) override
    {
        static_cast<TKWSwipeGesture*>(AState)->FStart.reset();
        QGestureRecognizer::reset(AState);
    }

private:
    static std::optional<QPointF> PointOf(QEvent* AEvent)
    {
        switch (AEvent->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd: {
            const auto* Touch = static_cast<QTouchEvent*>(AEvent);
            if (Touch->points().size() != 1)
                return std::nullopt;
            return Touch->points().first().globalPosition();
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            const auto* Mouse = static_cast<QMouseEvent*>(AEvent);
            const bool LeftButton =
                Mouse->button() == Qt::LeftButton || Mouse->buttons().testFlag(Qt::LeftButton);
            if (Mouse->source() != Qt::MouseEventNotSynthesized || !LeftButton)
                return std::nullopt;
            return Mouse->globalPosition();
        }
        default:
            return std::nullopt;
        }
    }

    static Result Finish(TKWSwipeGesture* ASwipe, QPointF AEnd)
    {
        if (!ASwipe->FStart)
            return Ignore;
        const QSwipeGesture::SwipeDirection Direction = KWSwipeDirection(*ASwipe->FStart, AEnd);
        if (Direction == QSwipeGesture::NoDirection)
            return CancelGesture;
        ASwipe->setSwipeAngle(Direction == QSwipeGesture::Right ? 0 : 180);
        return FinishGesture;
    }
};

} // namespace

QSwipeGesture::SwipeDirection KWSwipeDirection(QPointF AStart, QPointF AEnd)
{
    const QPointF Travel = AEnd - AStart;
    if (std::abs(Travel.x()) < KWSwipeMinDistance ||
        std::abs(Travel.x()) < 2 * std::abs(Travel.y()))
        return QSwipeGesture::NoDirection;
    return Travel.x() > 0 ? QSwipeGesture::Right : QSwipeGesture::Left;
}

Qt::GestureType KWSwipeGestureType()
{
    // The application takes ownership of the recogniser.
    static const Qt::GestureType Type =
        QGestureRecognizer::registerRecognizer(new TKWSwipeRecognizer);
    return Type;
}

QSwipeGesture* KWSwipeOf(QEvent* AEvent)
{
    if (AEvent->type() != QEvent::Gesture)
        return nullptr;
    return static_cast<QSwipeGesture*>(
        static_cast<QGestureEvent*>(AEvent)->gesture(KWSwipeGestureType()));
}

TKWGestureManager::TKWGestureManager(QObject* AParent) : QObject(AParent) {}

bool TKWGestureManager::eventFilter(QObject* AWatched, QEvent* AEvent)
{
    QSwipeGesture* Swipe = KWSwipeOf(AEvent);
    if (!Swipe)
        return QObject::eventFilter(AWatched, AEvent);
    static_cast<QGestureEvent*>(AEvent)->accept(Swipe);
    if (Swipe->state() == Qt::GestureFinished)
        Q_EMIT Swiped(static_cast<QWidget*>(AWatched), Swipe->horizontalDirection());
    return true;
}

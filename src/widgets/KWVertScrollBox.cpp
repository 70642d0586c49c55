#include "KWVertScrollBox.h"

#include "KWGestures.h"

#include <QGestureEvent>
#include <QScroller>

namespace {

void SetUpVertical(QScrollArea* ABox)
{
    ABox->setFrameShape(QFrame::NoFrame);
    ABox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ABox->setWidgetResizable(true);
    ABox->grabGesture(KWSwipeGestureType());
}

// A scroll area takes every gesture it is offered as handled, which would stop a swipe here.
// Ignoring it lets the application offer it to the parents that grabbed swipes.
bool PassOnSwipe(QEvent* AEvent)
{
    QSwipeGesture* Swipe = KWSwipeOf(AEvent);
    if (!Swipe)
        return false;
    auto* Event = static_cast<QGestureEvent*>(AEvent);
    Event->ignore(Swipe);
    Event->ignore();
    return true;
}

} // namespace

TKWVertScrollBox::TKWVertScrollBox(QWidget* AOwner) : QScrollArea(AOwner)
{
    SetUpVertical(this);
    setWidget(new QWidget(this));
    QScroller::grabGesture(viewport(), QScroller::TouchGesture);
}

bool TKWVertScrollBox::event(QEvent* AEvent)
{
    return PassOnSwipe(AEvent) ? false : QScrollArea::event(AEvent);
}

TGVertScrollBox::TGVertScrollBox(QWidget* AOwner) : QScrollArea(AOwner)
{
    SetUpVertical(this);
}

bool TGVertScrollBox::event(QEvent* AEvent)
{
    return PassOnSwipe(AEvent) ? false : QScrollArea::event(AEvent);
}

#include "KWSwitch.h"

#include "KWStyle.h"

#include <QPainter>

namespace {

constexpr QSizeF TrackSize{48, 26};
constexpr qreal KnobMargin = 3;
const QColor OffColor{0xBD, 0xBD, 0xBD};

} // namespace

TKWSwitch::TKWSwitch(QWidget* AParent) : QAbstractButton(AParent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setMinimumSize(sizeHint());
    resize(sizeHint());
}

QSize TKWSwitch::sizeHint() const
{
    return {int(TrackSize.width()) + 2 * KWStyle::Margin, KWStyle::TouchTarget};
}

void TKWSwitch::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);
    QRectF Track(QPointF(), TrackSize);
    Track.moveCenter(QRectF(rect()).center());
    QColor Fill = isChecked() ? QColor::fromRgba(KWStyle::SwitchOnColor) : OffColor;
    if (!isEnabled())
        Fill = Fill.lighter(130);
    else if (isDown())
        Fill = Fill.darker(115);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Fill);
    const qreal Radius = Track.height() / 2;
    Painter.drawRoundedRect(Track, Radius, Radius);
    const qreal Knob = Track.height() - 2 * KnobMargin;
    const qreal KnobLeft =
        isChecked() ? Track.right() - KnobMargin - Knob : Track.left() + KnobMargin;
    Painter.setBrush(Qt::white);
    Painter.drawEllipse(QRectF(KnobLeft, Track.top() + KnobMargin, Knob, Knob));
    if (hasFocus()) { // where the keyboard is
        Painter.setPen(QPen(palette().highlight(), 2));
        Painter.setBrush(Qt::NoBrush);
        Painter.drawRoundedRect(Track.adjusted(-3, -3, 3, 3), Radius + 3, Radius + 3);
    }
}

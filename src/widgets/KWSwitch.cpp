#include "KWSwitch.h"

#include "KWStyle.h"

#include <QPainter>

namespace {

constexpr quint32 TrackOff = 0xFFBDBDBD;
constexpr quint32 Knob = 0xFFFFFFFF;
constexpr int TrackHeight = 24;
constexpr int TrackWidth = 48;

} // namespace

TKWSwitch::TKWSwitch(QWidget* AParent) : QAbstractButton(AParent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setMinimumSize(sizeHint());
}

QSize TKWSwitch::sizeHint() const
{
    return {TrackWidth + 2 * KWStyle::Margin, KWStyle::TouchTarget};
}

void TKWSwitch::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);
    const QRectF Track((width() - TrackWidth) / 2.0, (height() - TrackHeight) / 2.0, TrackWidth,
                       TrackHeight);
    QColor TrackColor = KWStyle::Color(isChecked() ? KWStyle::ErfassungColor : TrackOff);
    if (!isEnabled())
        TrackColor.setAlpha(90);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(TrackColor);
    Painter.drawRoundedRect(Track, TrackHeight / 2.0, TrackHeight / 2.0);
    const qreal KnobSize = TrackHeight - 4;
    const qreal KnobX = isChecked() ? Track.right() - KnobSize - 2 : Track.left() + 2;
    Painter.setBrush(KWStyle::Color(Knob));
    Painter.drawEllipse(QRectF(KnobX, Track.top() + 2, KnobSize, KnobSize));
    if (hasFocus()) {
        Painter.setPen(QPen(palette().highlight(), 2));
        Painter.setBrush(Qt::NoBrush);
        Painter.drawRoundedRect(Track.adjusted(-3, -3, 3, 3), TrackHeight / 2.0 + 3, TrackHeight / 2.0 + 3);
    }
}

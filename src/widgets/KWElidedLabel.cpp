#include "KWElidedLabel.h"

#include <QPainter>

TKWElidedLabel::TKWElidedLabel(QWidget* AParent) : QLabel(AParent)
{
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QSize TKWElidedLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

QString TKWElidedLabel::ShownText() const
{
    const QRect Room = contentsRect().marginsRemoved(QMargins(margin(), 0, margin(), 0));
    return fontMetrics().elidedText(text(), Qt::ElideRight, Room.width());
}

void TKWElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    Painter.setPen(palette().color(foregroundRole()));
    Painter.drawText(contentsRect(), int(alignment()) | Qt::TextSingleLine, ShownText());
}

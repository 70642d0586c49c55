#include "KWImageFrame.h"

#include "KWImageGeometry.h"
#include "KWStyle.h"

#include <QPainter>
#include <QVariantAnimation>

TKWImageFrame::TKWImageFrame(TKWImageScale AScale, QWidget* AParent)
    : QAbstractButton(AParent), FScale(AScale), FAnimation(new QVariantAnimation(this))
{
    FAnimation->setDuration(KWStyle::FlashDuration);
    connect(FAnimation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& AValue) { SetFrameColor(AValue.value<QColor>()); });
    connect(FAnimation, &QVariantAnimation::finished, this, [this] {
        SetFrameColor(Qt::transparent);
        Q_EMIT FlashFinished();
    });
}

void TKWImageFrame::SetPicture(const QImage& APicture)
{
    FPicture.SetPicture(APicture);
    update();
}

void TKWImageFrame::SetPictureOpacity(qreal AOpacity)
{
    if (qFuzzyCompare(FPictureOpacity, AOpacity))
        return;
    FPictureOpacity = AOpacity;
    update();
}

void TKWImageFrame::Flash(const QColor& AColor)
{
    FAnimation->stop();
    // The colour stays from start to end; the animation only times the flash.
    FAnimation->setStartValue(AColor);
    FAnimation->setEndValue(AColor);
    SetFrameColor(AColor);
    FAnimation->start();
}

bool TKWImageFrame::IsFlashing() const
{
    return FAnimation->state() == QAbstractAnimation::Running;
}

void TKWImageFrame::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    if (!FPicture.IsNull()) {
        Painter.setOpacity(FPictureOpacity);
        const QRect Inside = PictureRect();
        const QPixmap& Scaled =
            FPicture.Scaled(Inside.size(), devicePixelRatioF(), FScale == TKWImageScale::isFit);
        const QSize Shown = Scaled.deviceIndependentSize().toSize();
        Painter.drawPixmap(Inside.x() + (Inside.width() - Shown.width()) / 2,
                           Inside.y() + (Inside.height() - Shown.height()) / 2, Scaled);
        Painter.setOpacity(1);
    }
    if (FFrameColor.alpha() > 0) {
        const qreal Half = KWImageFrameStroke / 2.0;
        Painter.setPen(QPen(FFrameColor, KWImageFrameStroke));
        Painter.drawRect(QRectF(rect()).adjusted(Half, Half, -Half, -Half));
    }
    if (hasFocus()) {
        Painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        Painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TKWImageFrame::SetFrameColor(const QColor& AColor)
{
    if (FFrameColor == AColor)
        return;
    FFrameColor = AColor;
    update();
}

QRect TKWImageFrame::PictureRect() const
{
    return rect().marginsRemoved(
        QMargins(KWImageFrameStroke, KWImageFrameStroke, KWImageFrameStroke, KWImageFrameStroke));
}

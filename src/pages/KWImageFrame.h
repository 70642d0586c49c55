#pragma once

#include "KWScaledPicture.h"

#include <QAbstractButton>
#include <QColor>
#include <QImage>

class QVariantAnimation;

// How a picture fills its frame.
enum class TKWImageScale
{
    // Proportions kept, centred.
    isFit,
    // Stretched over the whole inside of the frame.
    isStretch
};

// A tappable picture in a frame: a 3 wide stroke, transparent at rest, with the picture inside
// it. Choosing or counting makes the frame flash in a colour for a moment. A button, so it is
// reached and pressed by the keyboard and by assistive technology like any other button.
class TKWImageFrame final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWImageFrame)

public:
    TKWImageFrame(TKWImageScale AScale, QWidget* AParent);

    // The picture is copied; the caller keeps its own.
    void SetPicture(const QImage& APicture);
    const QImage& Picture() const { return FPicture.Picture(); }
    void SetPictureOpacity(qreal AOpacity);
    qreal PictureOpacity() const { return FPictureOpacity; }

    // The frame shows AColor for the flash duration, then turns transparent again and reports
    // FlashFinished. A flash during another one replaces it.
    void Flash(const QColor& AColor);
    bool IsFlashing() const;
    QColor FrameColor() const { return FFrameColor; }

Q_SIGNALS:
    void FlashFinished();

protected:
    void paintEvent(QPaintEvent* AEvent) override;

private:
    void SetFrameColor(const QColor& AColor);
    QRect PictureRect() const;

    TKWImageScale FScale;
    TKWScaledPicture FPicture;
    qreal FPictureOpacity = 1;
    QColor FFrameColor = Qt::transparent;
    QVariantAnimation* FAnimation;
};

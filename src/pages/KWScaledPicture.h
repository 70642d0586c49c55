#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

// A picture and its copy at the size it is shown at, made once per size and pixel ratio, so
// a widget repaints without scaling the picture again.
class TKWScaledPicture
{
public:
    void SetPicture(const QImage& APicture);
    const QImage& Picture() const { return FPicture; }
    bool IsNull() const { return FPicture.isNull(); }
    // The picture fitted into ASize (proportions kept when AKeepAspect, else stretched), for a
    // device of ARatio.
    const QPixmap& Scaled(QSize ASize, qreal ARatio, bool AKeepAspect);

private:
    QImage FPicture;
    QPixmap FScaled;
    QSize FScaledFor;
    qreal FRatio = 0;
};

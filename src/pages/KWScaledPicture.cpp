#include "KWScaledPicture.h"

void TKWScaledPicture::SetPicture(const QImage& APicture)
{
    FPicture = APicture;
    FScaled = QPixmap();
}

const QPixmap& TKWScaledPicture::Scaled(QSize ASize, qreal ARatio, bool AKeepAspect)
{
    if (FScaled.isNull() || ASize != FScaledFor || ARatio != FRatio) {
        FScaledFor = ASize;
        FRatio = ARatio;
        FScaled = QPixmap();
        if (!FPicture.isNull() && !ASize.isEmpty()) {
            const Qt::AspectRatioMode Mode =
                AKeepAspect ? Qt::KeepAspectRatio : Qt::IgnoreAspectRatio;
            FScaled =
                QPixmap::fromImage(FPicture.scaled(ASize * ARatio, Mode, Qt::SmoothTransformation));
            FScaled.setDevicePixelRatio(ARatio);
        }
    }
    return FScaled;
}

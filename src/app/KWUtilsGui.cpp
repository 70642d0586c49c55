#include "KWUtilsGui.h"

#include "KWException.h"
#include "KWGestures.h"
#include "KWScreenshotWriter.h"
#include "KWUtils.h"

#include <QDir>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>

QImage KWBitmapBoxDeepSkyBlue;
QImage KWBitmapBoxSkyBlue;
QImage KWBitmapIndikatorSchwachstelle;

namespace {

bool IsSvg(const QString& APath)
{
    return APath.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
}

QString PicturePath(const QString& AName)
{
    const QString Path = KWResourcePath(AName);
    if (Path.isEmpty())
        throw EKWException(QStringLiteral("Resource not found: %1").arg(AName));
    return Path;
}

// An empty ASize draws the picture at its own size.
QImage RenderSvg(const QString& APath, QSize ASize)
{
    QSvgRenderer Renderer(APath);
    if (!Renderer.isValid())
        return {};
    QImage Image(ASize.isEmpty() ? Renderer.defaultSize() : ASize,
                 QImage::Format_ARGB32_Premultiplied);
    Image.fill(Qt::transparent);
    QPainter Painter(&Image);
    Renderer.render(&Painter);
    return Image;
}

QImage CheckedPicture(const QImage& AImage, const QString& AName)
{
    if (AImage.isNull())
        throw EKWException(QStringLiteral("Resource is no readable picture: %1").arg(AName));
    return AImage;
}

} // namespace

QImage KWLoadBitmapResource(const QString& AName)
{
    const QString Path = PicturePath(AName);
    return CheckedPicture(IsSvg(Path) ? RenderSvg(Path, {}) : QImage(Path), AName);
}

QImage KWLoadBitmapResource(const QString& AName, const QSize& ASize, qreal APixelRatio)
{
    static QHash<QString, QImage> Cache;
    const QString Key = QStringLiteral("%1|%2x%3|%4")
                            .arg(AName.toLower())
                            .arg(ASize.width())
                            .arg(ASize.height())
                            .arg(APixelRatio);
    if (const auto Found = Cache.constFind(Key); Found != Cache.constEnd())
        return *Found;
    const QString Path = PicturePath(AName);
    const QSize Pixels = (QSizeF(ASize) * APixelRatio).toSize().expandedTo(QSize(1, 1));
    QImage Image = CheckedPicture(
        IsSvg(Path) ? RenderSvg(Path, Pixels)
                    : QImage(Path).scaled(Pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
        AName);
    Image.setDevicePixelRatio(APixelRatio);
    Cache.insert(Key, Image);
    return Image;
}

QSize KWBitmapResourceSize(const QString& AName)
{
    const QString Path = PicturePath(AName);
    if (IsSvg(Path))
        return QSvgRenderer(Path).defaultSize();
    return CheckedPicture(QImage(Path), AName).size();
}

QIcon KWLoadIconResource(const QString& AName)
{
    return QIcon(PicturePath(AName));
}

void KWLoadSharedBitmaps()
{
    KWBitmapBoxDeepSkyBlue = KWLoadBitmapResource(QStringLiteral("BoxDeepSkyBlue"));
    KWBitmapBoxSkyBlue = KWLoadBitmapResource(QStringLiteral("BoxSkyBlue"));
    KWBitmapIndikatorSchwachstelle = KWLoadBitmapResource(QStringLiteral("IndikatorSchwachstelle"));
}

void KWMakeScreenshot(QWidget* AControl, const QString& AName)
{
    if (!AControl || !AControl->isVisible())
        return;
    QString Path;
    try {
        Path = QDir(KWGetDataPath()).filePath(KWActiveVisitFolder);
        if (!QDir().mkpath(Path))
            throw EKWException(QStringLiteral("The folder cannot be created."));
        Path = QDir(Path).filePath(AName + QStringLiteral(".png"));
        // Only the grab needs this thread; encoding and writing take longer and happen aside.
        TKWScreenshotWriter::Instance().Write(Path, AControl->grab().toImage());
    } catch (const std::exception& E) {
        KWLog(QStringLiteral("KWUtils.KWMakeScreenshot - Exception"));
        KWLog(QStringLiteral("  Name:    ") + Path);
        KWLog(QStringLiteral("  Message: ") + QString::fromUtf8(E.what()));
    }
}

QFont KWScaledFont(QFont AFont, qreal AFactor)
{
    if (AFont.pointSizeF() > 0)
        AFont.setPointSizeF(AFont.pointSizeF() * AFactor);
    else
        AFont.setPixelSize(qRound(AFont.pixelSize() * AFactor));
    return AFont;
}

void KWShowMaximized(QWidget* AWindow)
{
    AWindow->setGeometry(AWindow->screen()->availableGeometry());
    AWindow->showMaximized();
}

void KWAddSwipeGestures(TKWGestureManager* AManager, QWidget* AControl)
{
    AControl->grabGesture(KWSwipeGestureType());
    AControl->installEventFilter(AManager);
}

#include "KWUtilsGui.h"

#include "KWException.h"
#include "KWGestures.h"
#include "KWScreenshotWriter.h"
#include "KWUtils.h"

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>

QImage KWBitmapBoxDeepSkyBlue;
QImage KWBitmapBoxSkyBlue;
QImage KWBitmapIndikatorSchwachstelle;

namespace {

QImage RenderSvg(const QString& APath)
{
    QSvgRenderer Renderer(APath);
    if (!Renderer.isValid())
        return {};
    QImage Image(Renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    Image.fill(Qt::transparent);
    QPainter Painter(&Image);
    Renderer.render(&Painter);
    return Image;
}

} // namespace

QImage KWLoadBitmapResource(const QString& AName)
{
    const QString Path = KWResourcePath(AName);
    if (Path.isEmpty())
        throw EKWException(QStringLiteral("Resource not found: %1").arg(AName));
    const QImage Image =
        Path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ? RenderSvg(Path) : QImage(Path);
    if (Image.isNull())
        throw EKWException(QStringLiteral("Resource is no readable picture: %1").arg(AName));
    return Image;
}

QIcon KWLoadIconResource(const QString& AName)
{
    const QString Path = KWResourcePath(AName);
    if (Path.isEmpty())
        throw EKWException(QStringLiteral("Resource not found: %1").arg(AName));
    return QIcon(Path);
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

#include "KWPictureSheet.h"

#include "KWUtils.h"
#include "KWUtilsGui.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSaveFile>

namespace {

// Each picture is drawn into a cell that keeps its proportions; large drawings get two cells.
constexpr int CellWidth = 300;
constexpr int CellHeight = 220;
constexpr int CaptionHeight = 34;
constexpr int Gap = 12;
constexpr int Columns = 6;

QStringList PictureNames()
{
    QStringList Names;
    for (const QString& Path : KWResourcePaths())
        if (Path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ||
            Path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
            Names.append(QFileInfo(Path).completeBaseName());
    return Names;
}

QSize FittedSize(QSize APicture, QSize ABox)
{
    return APicture.scaled(ABox, Qt::KeepAspectRatio);
}

} // namespace

QString KWWritePictureSheet(const QString& APath)
{
    const QStringList Names = PictureNames();
    const int Rows = int((Names.size() + Columns - 1) / Columns);
    QImage Sheet(Gap + Columns * (CellWidth + Gap), Gap + Rows * (CellHeight + CaptionHeight + Gap),
                 QImage::Format_RGB32);
    Sheet.fill(QColor(0xE0E0E0));
    QPainter Painter(&Sheet);
    QFont Font = Painter.font();
    Font.setPixelSize(12);
    Painter.setFont(Font);
    for (qsizetype I = 0; I < Names.size(); ++I) {
        const QRect Cell(Gap + int(I % Columns) * (CellWidth + Gap),
                         Gap + int(I / Columns) * (CellHeight + CaptionHeight + Gap), CellWidth,
                         CellHeight);
        const QSize Size = FittedSize(KWBitmapResourceSize(Names[I]), Cell.size());
        const QImage Picture = KWLoadBitmapResource(Names[I], Size, 1.0);
        Painter.fillRect(Cell, Qt::white);
        Painter.drawImage(Cell.x() + (CellWidth - Size.width()) / 2,
                          Cell.y() + (CellHeight - Size.height()) / 2, Picture);
        const QRect Caption(Cell.x(), Cell.bottom() + 2, CellWidth, CaptionHeight - 2);
        Painter.drawText(Caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere, Names[I]);
    }
    Painter.end();
    QSaveFile File(APath);
    if (!File.open(QIODevice::WriteOnly) || !Sheet.save(&File, "PNG") || !File.commit())
        return File.errorString();
    return {};
}

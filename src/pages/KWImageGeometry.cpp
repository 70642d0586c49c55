#include "KWImageGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

const TKWImageSetMetrics PortraitMetrics{3, {200, 270}, {206, 276}, 200, 2};
const TKWImageSetMetrics LandscapeMetrics{2, {270, 180}, {276, 186}, 300, 2};

constexpr int SpinnerMaxWidth = 250;
constexpr int SpinnerMinWidth = 200;
// Room around each counter in its grid cell: 10 left and right, 5 above, 20 below.
constexpr int SpinnerCellPadX = 10;
constexpr int SpinnerCellPadTop = 5;
constexpr int SpinnerCellPadBottom = 20;
// The grid's own padding: 10 left and right, 5 top, 20 bottom.
constexpr int SpinnerGridPadX = 10;
constexpr int SpinnerGridPadTop = 5;
constexpr int SpinnerGridPadBottom = 20;

int CeilDiv(int A, int B)
{
    return (A + B - 1) / B;
}

int SpinnerWidthFor(int AWidth, int AColumns)
{
    return (AWidth - 2 * SpinnerGridPadX - 2 * SpinnerCellPadX * AColumns) / AColumns;
}

} // namespace

const TKWImageSetMetrics& KWImageSetMetrics(TImageOrientation AOrientation)
{
    return AOrientation == TImageOrientation::Portrait ? PortraitMetrics : LandscapeMetrics;
}

int KWImageSetLabelHeight(TImageOrientation AOrientation, int APixelSize)
{
    return static_cast<int>(
        std::lround(APixelSize * 1.5 * KWImageSetMetrics(AOrientation).LabelHeightFactor));
}

TKWImageSetGeometry::TKWImageSetGeometry(TImageOrientation AOrientation, int AImageCount,
                                         int ALabelHeight, int AButtonCount)
    : FMetrics(KWImageSetMetrics(AOrientation)), FImageCount(std::max(AImageCount, 0)),
      FLabelHeight(ALabelHeight), FButtonCount(std::max(AButtonCount, 0))
{
}

QRect TKWImageSetGeometry::FrameRect(int AIndex) const
{
    const int Row = AIndex / FMetrics.ImagesInRow;
    const int Column = AIndex % FMetrics.ImagesInRow;
    const QSize Frame = FMetrics.FrameSize;
    const int X = Column * (Frame.width() + KWImageSetGapX);
    const int Y = PicturesTop() + Row * (FLabelHeight + Frame.height() + KWImageSetGapY);
    return {X, Y + FLabelHeight, Frame.width(), Frame.height()};
}

QRect TKWImageSetGeometry::LabelRect(int AIndex) const
{
    const QRect Frame = FrameRect(AIndex);
    const int X = Frame.x() + std::max(Frame.width() / 2 - FMetrics.LabelWidth / 2, 0);
    return {X, Frame.y() - FLabelHeight, FMetrics.LabelWidth, FLabelHeight};
}

QRect TKWImageSetGeometry::ButtonRect(int AIndex) const
{
    const int X = AIndex * (KWImageSetGapX + FMetrics.FrameSize.width()) + KWImageFrameStroke;
    return {QPoint(X, 0), KWImageSetButtonSize};
}

QSize TKWImageSetGeometry::Size() const
{
    int Width = 0;
    int Height = PicturesTop();
    if (FImageCount > 0) {
        const int Rows = CeilDiv(FImageCount, FMetrics.ImagesInRow);
        const int Columns = Rows == 1 ? FImageCount : FMetrics.ImagesInRow;
        Width = Columns * FMetrics.FrameSize.width() + (Columns - 1) * KWImageSetGapX +
                KWImageFrameStroke;
        Height += Rows * (FLabelHeight + FMetrics.FrameSize.height()) +
                  (Rows - 1) * KWImageSetGapY + 2 * KWImageFrameStroke;
        for (int I = 0; I < std::min(FImageCount, Columns); ++I)
            Width = std::max(Width, LabelRect(I).right() + 1);
    }
    if (FButtonCount > 0)
        Width = std::max(Width, ButtonRect(FButtonCount - 1).right() + 1 + KWImageFrameStroke);
    return {Width, Height};
}

int TKWImageSetGeometry::PicturesTop() const
{
    return FButtonCount > 0 ? KWImageSetButtonSize.height() + KWImageSetGapX : 0;
}

qreal KWSpinnerFrameHeight(qreal AWidth, qreal AAspectRatio)
{
    return (AWidth - 2 * KWImageFrameStroke) / AAspectRatio + 2 * KWImageFrameStroke;
}

qreal KWSpinnerHeight(qreal AWidth, qreal AAspectRatio)
{
    return (AWidth - 2 * KWImageFrameStroke) / AAspectRatio + KWSpinnerHeightControls;
}

TKWSpinnerGridGeometry TKWSpinnerGridGeometry::Compute(int AWidth, int AEntryCount)
{
    TKWSpinnerGridGeometry Result;
    // No entries still make one (empty) column, so nothing divides by zero.
    Result.Columns = std::max(AEntryCount, 1);
    Result.SpinnerWidth = SpinnerWidthFor(AWidth, Result.Columns);
    if (Result.SpinnerWidth > SpinnerMaxWidth) {
        Result.SpinnerWidth = SpinnerMaxWidth;
    } else if (Result.SpinnerWidth < SpinnerMinWidth) {
        const int CellWidth = SpinnerMinWidth + 2 * SpinnerCellPadX;
        Result.Columns = std::max((AWidth - 2 * SpinnerGridPadX) / CellWidth, 1);
        Result.SpinnerWidth = SpinnerWidthFor(AWidth, Result.Columns);
    }
    Result.Rows = CeilDiv(std::max(AEntryCount, 0), Result.Columns);
    return Result;
}

QPoint TKWSpinnerGridGeometry::SpinnerPos(int AIndex, qreal ASpinnerHeight) const
{
    const int Column = AIndex % Columns;
    const int Row = AIndex / Columns;
    const qreal CellHeight = ASpinnerHeight + SpinnerCellPadTop + SpinnerCellPadBottom;
    const int X = SpinnerGridPadX + Column * (SpinnerWidth + 2 * SpinnerCellPadX) + SpinnerCellPadX;
    const qreal Y = SpinnerGridPadTop + Row * CellHeight + SpinnerCellPadTop;
    return {X, qRound(Y)};
}

int TKWSpinnerGridGeometry::Height(qreal ASpinnerHeight) const
{
    const qreal CellHeight = ASpinnerHeight + SpinnerCellPadTop + SpinnerCellPadBottom;
    return qRound(Rows * CellHeight + SpinnerGridPadTop + SpinnerGridPadBottom);
}

qreal KWAnnotatedImageHeight(qreal AWidth, QSize APixelSize)
{
    return APixelSize.width() > 0 ? AWidth / APixelSize.width() * APixelSize.height() : 0;
}

QPointF KWAnnotationCentre(QSizeF AShownSize, QSize APixelSize, QPoint APosition)
{
    if (APixelSize.isEmpty())
        return {};
    return {AShownSize.width() * APosition.x() / APixelSize.width(),
            AShownSize.height() * APosition.y() / APixelSize.height()};
}

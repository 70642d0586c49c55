#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSizeF>

// Where the parts of the picture widgets lie. Plain arithmetic on sizes: the widgets place
// their controls at these coordinates, tests check them without a window.

// How the pictures of a set are arranged.
enum class TImageOrientation
{
    Portrait,
    Landscape
};

// The fixed sizes of a picture set of one orientation.
struct TKWImageSetMetrics
{
    int ImagesInRow;
    QSize ImageSize;
    // The picture and 3 on each side.
    QSize FrameSize;
    int LabelWidth;
    // Caption lines: the caption is this many times 1.5 times the font size high.
    int LabelHeightFactor;
};

const TKWImageSetMetrics& KWImageSetMetrics(TImageOrientation AOrientation);

// Width of a frame's stroke, which is also the margin of the picture inside the frame.
inline constexpr int KWImageFrameStroke = 3;
inline constexpr int KWImageSetGapX = 5;
inline constexpr int KWImageSetGapY = 15;
// Text buttons of a picture set. The look is 28 high; a finger needs 40.
inline constexpr QSize KWImageSetButtonSize{100, 40};

// The height of a picture set's captions for a font of APixelSize.
int KWImageSetLabelHeight(TImageOrientation AOrientation, int APixelSize);

// A picture set: an optional row of text buttons along the top, below it rows of pictures,
// each with its caption above its frame. The widget cannot draw outside itself, so the
// buttons get their own row (they do not reach above the set), and the set is wide enough for
// captions wider than their frames.
class TKWImageSetGeometry
{
public:
    TKWImageSetGeometry(TImageOrientation AOrientation, int AImageCount, int ALabelHeight,
                        int AButtonCount);

    const TKWImageSetMetrics& Metrics() const { return FMetrics; }
    QRect FrameRect(int AIndex) const;
    QRect LabelRect(int AIndex) const;
    QRect ButtonRect(int AIndex) const;
    QSize Size() const;

private:
    int PicturesTop() const;

    const TKWImageSetMetrics& FMetrics;
    int FImageCount;
    int FLabelHeight;
    int FButtonCount;
};

// A picture counter, top to bottom: caption, framed picture, input row (minus, value, plus).
inline constexpr int KWSpinnerCaptionHeight = 34;
// The look is 22 high; the buttons and the value field need a finger's 40.
inline constexpr int KWSpinnerInputRowHeight = 40;
inline constexpr int KWSpinnerHeightControls =
    KWSpinnerInputRowHeight + 10 + KWSpinnerCaptionHeight;
inline constexpr qreal KWSpinnerDefaultAspectRatio = 1.5;

// Frame and whole height of a counter AWidth wide whose picture has AAspectRatio (width over
// height, positive).
qreal KWSpinnerFrameHeight(qreal AWidth, qreal AAspectRatio);
qreal KWSpinnerHeight(qreal AWidth, qreal AAspectRatio);

// A grid of counters in a layout AWidth wide: how many columns, how wide each counter, how
// many rows, and where each counter sits.
struct TKWSpinnerGridGeometry
{
    int Columns = 1;
    int Rows = 0;
    int SpinnerWidth = 0;

    static TKWSpinnerGridGeometry Compute(int AWidth, int AEntryCount);
    // Top left corner of counter AIndex for counters ASpinnerHeight high.
    QPoint SpinnerPos(int AIndex, qreal ASpinnerHeight) const;
    // The grid's own height.
    int Height(qreal ASpinnerHeight) const;
};

// A drawing with fields on it: the height at which a picture of APixelSize shown AWidth wide
// keeps its proportions, and the centre of the field whose point (in pixels of the picture
// file) is APosition, on the picture shown at AShownSize.
qreal KWAnnotatedImageHeight(qreal AWidth, QSize APixelSize);
QPointF KWAnnotationCentre(QSizeF AShownSize, QSize APixelSize, QPoint APosition);

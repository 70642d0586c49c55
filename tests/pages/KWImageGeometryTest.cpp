#include "KWImageGeometry.h"

#include <gtest/gtest.h>

namespace {

constexpr int LabelHeight = 39;

TEST(KWImageSetGeometry, PortraitPlacesThreeCaptionedFramesPerRow)
{
    const TKWImageSetGeometry Geometry(TImageOrientation::Portrait, 5, LabelHeight, 0);
    // Caption above the frame, 3 in from the frame's left edge (206 / 2 - 200 / 2).
    EXPECT_EQ(Geometry.LabelRect(0), QRect(3, 0, 200, 39));
    EXPECT_EQ(Geometry.FrameRect(0), QRect(0, 39, 206, 276));
    EXPECT_EQ(Geometry.FrameRect(2), QRect(422, 39, 206, 276));
    // Second row: one caption and frame height plus the gap of 15 further down.
    EXPECT_EQ(Geometry.LabelRect(4), QRect(214, 330, 200, 39));
    EXPECT_EQ(Geometry.FrameRect(4), QRect(211, 369, 206, 276));
    EXPECT_EQ(Geometry.Size(), QSize(3 * 206 + 2 * 5 + 3, 2 * (39 + 276) + 15 + 6));
}

TEST(KWImageSetGeometry, SizeOfOneRowCountsOnlyTheShownColumns)
{
    const std::tuple<TImageOrientation, int, QSize> Cases[] = {
        {TImageOrientation::Portrait, 1, {209, 321}},
        {TImageOrientation::Portrait, 2, {420, 321}},
        {TImageOrientation::Portrait, 3, {631, 321}},
        // A landscape caption (300) is wider than its frame (276): the set widens so the
        // caption of the right column is not cut off.
        {TImageOrientation::Landscape, 1, {300, 231}},
        {TImageOrientation::Landscape, 2, {581, 231}},
        {TImageOrientation::Landscape, 3, {581, 2 * 225 + 15 + 6}},
    };
    for (const auto& [Orientation, Count, Size] : Cases)
        EXPECT_EQ(TKWImageSetGeometry(Orientation, Count, LabelHeight, 0).Size(), Size) << Count;
}

TEST(KWImageSetGeometry, TextButtonsStandInTheirOwnRowAboveThePictures)
{
    const TKWImageSetGeometry Geometry(TImageOrientation::Portrait, 2, LabelHeight, 2);
    EXPECT_EQ(Geometry.ButtonRect(0), QRect(3, 0, 100, 40));
    EXPECT_EQ(Geometry.ButtonRect(1), QRect(214, 0, 100, 40));
    EXPECT_EQ(Geometry.LabelRect(0).top(), 45);
    EXPECT_EQ(Geometry.FrameRect(0).top(), 84);
    EXPECT_EQ(Geometry.Size(), QSize(420, 45 + 321));
    // Buttons alone (a choice without pictures) still get room.
    EXPECT_EQ(TKWImageSetGeometry(TImageOrientation::Landscape, 0, LabelHeight, 3).Size(),
              QSize(2 * 281 + 103 + 3, 45));
}

TEST(KWImageSetGeometry, CaptionHeightFollowsTheFont)
{
    EXPECT_EQ(KWImageSetLabelHeight(TImageOrientation::Portrait, 13), 39);
    EXPECT_EQ(KWImageSetLabelHeight(TImageOrientation::Landscape, 12), 36);
}

TEST(KWImageSpinnerGeometry, HeightFollowsWidthAndAspectRatio)
{
    EXPECT_DOUBLE_EQ(KWSpinnerFrameHeight(250, 1.5), 244 / 1.5 + 6);
    EXPECT_DOUBLE_EQ(KWSpinnerHeight(250, 1.5), 244 / 1.5 + KWSpinnerHeightControls);
    EXPECT_DOUBLE_EQ(KWSpinnerHeight(206, 1.0), 200 + KWSpinnerHeightControls);
    EXPECT_EQ(KWSpinnerHeightControls, 84);
}

TEST(KWSpinnerGridGeometry, ColumnRuleAtTheContentWidth)
{
    struct TCase
    {
        int Width;
        int Entries;
        int Columns;
        int Rows;
        int SpinnerWidth;
    };
    const TCase Cases[] = {
        {1100, 1, 1, 1, 250},
        {1100, 2, 2, 1, 250},
        {1100, 3, 3, 1, 250},
        {1100, 4, 4, 1, 250},
        {1100, 5, 4, 2, 250},
        {1100, 8, 4, 2, 250},
        {1100, 9, 4, 3, 250},
        // Narrower layouts: fewer columns of at least 200 where they fit.
        {700, 4, 3, 2, 206},
        {500, 3, 2, 2, 220},
        {200, 2, 1, 2, 160},
        // No entries: one empty column, no division by zero.
        {1100, 0, 1, 0, 250},
    };
    for (const TCase& Case : Cases) {
        const auto Geometry = TKWSpinnerGridGeometry::Compute(Case.Width, Case.Entries);
        EXPECT_EQ(Geometry.Columns, Case.Columns) << Case.Width << "/" << Case.Entries;
        EXPECT_EQ(Geometry.Rows, Case.Rows) << Case.Width << "/" << Case.Entries;
        EXPECT_EQ(Geometry.SpinnerWidth, Case.SpinnerWidth) << Case.Width << "/" << Case.Entries;
    }
}

TEST(KWSpinnerGridGeometry, CountersSitInCellsRowByRow)
{
    const auto Geometry = TKWSpinnerGridGeometry::Compute(1100, 5);
    const qreal Height = 250;
    EXPECT_EQ(Geometry.SpinnerPos(0, Height), QPoint(20, 10));
    EXPECT_EQ(Geometry.SpinnerPos(3, Height), QPoint(830, 10));
    EXPECT_EQ(Geometry.SpinnerPos(4, Height), QPoint(20, 285));
    EXPECT_EQ(Geometry.Height(Height), 2 * 275 + 25);
}

TEST(KWAnnotationPlacement, FieldsFollowTheShownPicture)
{
    EXPECT_DOUBLE_EQ(KWAnnotatedImageHeight(600, {1200, 800}), 400);
    EXPECT_EQ(KWAnnotationCentre({600, 400}, {1200, 800}, {300, 200}), QPointF(150, 100));
    EXPECT_EQ(KWAnnotationCentre({1200, 800}, {1200, 800}, {1200, 0}), QPointF(1200, 0));
}

} // namespace

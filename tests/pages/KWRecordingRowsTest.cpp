#include "KWRecordingRows.h"

#include <gtest/gtest.h>

namespace {

TEST(KWRecordingRows, CounterTextsThatAreNoWholeNumberCountAsZero)
{
    const std::pair<QString, int> Cases[] = {
        {"0", 0}, {"17", 17}, {"+5", 5},  {"-3", -3},         {"", 0},
        {"-", 0}, {"+", 0},   {"1-2", 0}, {"99999999999", 0},
    };
    for (const auto& [Text, Value] : Cases)
        EXPECT_EQ(KWCounterValue(Text), Value) << Text.toStdString();
}

TEST(KWRecordingRows, AStoredZeroShowsAsAnEmptyAnnotation)
{
    const std::pair<QString, QString> Cases[] = {
        {"0", ""}, {" 0 ", ""}, {"", ""}, {"00", "00"}, {"120", "120"}, {"0,5", "0,5"},
    };
    for (const auto& [Stored, Shown] : Cases)
        EXPECT_EQ(KWAnnotationDisplayText(Stored), Shown) << Stored.toStdString();
}

TEST(KWRecordingRows, CreateSpinnerGridEntryTakesItsArgumentsInOrder)
{
    const auto Entry = TSpinnerGridEntry::CreateSpinnerGridEntry("LiegenBox", "Liegen in Box",
                                                                 false, "BoxSkyBlue");
    EXPECT_EQ(Entry.ID, "LiegenBox");
    EXPECT_EQ(Entry.Text, "Liegen in Box");
    EXPECT_EQ(Entry.ImageName, "BoxSkyBlue");
    EXPECT_FALSE(Entry.Enabled);
}

} // namespace

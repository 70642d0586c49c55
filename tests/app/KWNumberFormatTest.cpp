#include "KWNumberFormat.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(KWNumberFormat, FormatsFillPlaceholdersInTheUsersNumberFormat)
{
    const TScopedLocale German(QLocale::German, QLocale::Germany);
    const struct
    {
        QString Format;
        std::initializer_list<QVariant> Arguments;
        QString Expected;
    } Cases[] = {
        {"Tier %d von %d", {2, 3}, "Tier 2 von 3"},
        {"LKI Block %d: %f %%", {4, 85.5}, "LKI Block 4: 85,50 %"},
        {"%.0f %%  (Referenz: %.0f %%)", {12.4, 53}, "12 %  (Referenz: 53 %)"},
        {"%s  (Ziel: %s)", {"ja", "nein"}, "ja  (Ziel: nein)"},
        {"%.2f", {0.5}, "0,50"},
        {"%g", {2.25}, "2,25"},
        {"(%d von %d erfasst)", {12345}, "(12345 von %d erfasst)"}, // no argument left
        {"100 %", {}, "100 %"},
        {"Ende %", {1}, "Ende %"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(KWFormat(Case.Format, Case.Arguments), Case.Expected) << Case.Format.toStdString();
}

} // namespace

#include "KWTooltipLabel.h"

#include "KWTranslateUtil.h"
#include "TestSupport.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

struct TLook
{
    bool Bold;
    QColor Color;
};

TLook LookOf(const QLabel& ALabel)
{
    return {ALabel.font().bold(), ALabel.palette().color(QPalette::WindowText)};
}

TEST(KWTooltipLabel, EmphasisSwitchesBetweenBoldRedAndRegularBlack)
{
    QLabel Label;
    QFont Font = Label.font();
    Font.setPointSizeF(20);
    Label.setFont(Font);
    Label.show();

    TKWTooltipLabel Tooltip(&Label);
    EXPECT_DOUBLE_EQ(Label.font().pointSizeF(), 18);
    EXPECT_TRUE(LookOf(Label).Bold);
    EXPECT_EQ(LookOf(Label).Color, QColor(0xFF0000));
    EXPECT_TRUE(Label.isHidden());

    TKWTranslateUtil::Open("EN");
    Tooltip.ShowTooltip("Einzeltiererfassung", true);
    EXPECT_TRUE(LookOf(Label).Bold);
    EXPECT_EQ(LookOf(Label).Color, QColor(0xFF0000));
    Tooltip.ShowTooltip("Einzeltiererfassung", false);
    TKWTranslateUtil::Close();
    EXPECT_FALSE(LookOf(Label).Bold);
    EXPECT_EQ(LookOf(Label).Color, QColor(Qt::black));
    EXPECT_EQ(Label.text(), "Individual animal recording");
    EXPECT_TRUE(Label.isVisible());
    EXPECT_DOUBLE_EQ(Label.font().pointSizeF(), 18) << "the size shrinks once, not per call";

    Tooltip.HideTooltip();
    EXPECT_TRUE(Label.isHidden());
}

} // namespace

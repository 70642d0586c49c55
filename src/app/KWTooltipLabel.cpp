#include "KWTooltipLabel.h"

#include "KWTranslateUtil.h"
#include "KWUtilsGui.h"

#include <QLabel>

namespace {

constexpr qreal SizeFactor = 0.9;

} // namespace

TKWTooltipLabel::TKWTooltipLabel(QLabel* ALabel) : FLabel(ALabel)
{
    FLabel->setFont(KWScaledFont(FLabel->font(), SizeFactor));
    SetLook(true, Qt::red);
    FLabel->hide();
}

void TKWTooltipLabel::ShowTooltip(const QString& AText, bool AEmphasize)
{
    SetLook(AEmphasize, AEmphasize ? Qt::red : Qt::black);
    FLabel->setText(KWTranslate(AText));
    FLabel->show();
}

void TKWTooltipLabel::HideTooltip()
{
    FLabel->hide();
}

void TKWTooltipLabel::SetLook(bool ABold, Qt::GlobalColor AColor)
{
    QFont Font = FLabel->font();
    Font.setBold(ABold);
    FLabel->setFont(Font);
    QPalette Palette = FLabel->palette();
    Palette.setColor(QPalette::WindowText, AColor);
    FLabel->setPalette(Palette);
}

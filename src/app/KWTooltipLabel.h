#pragma once

#include <QString>

class QLabel;

// Drives a label that shows a page hint, in bold red when it must catch the eye.
class TKWTooltipLabel
{
public:
    // Sets the label to 0.9 of its font size, bold and red, and hides it. The label stays
    // with its owner.
    explicit TKWTooltipLabel(QLabel* ALabel);

    // Shows the translation of AText, bold red when AEmphasize, else regular black.
    void ShowTooltip(const QString& AText, bool AEmphasize);
    void HideTooltip();

private:
    void SetLook(bool ABold, Qt::GlobalColor AColor);

    QLabel* FLabel;
};

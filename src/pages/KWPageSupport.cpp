#include "KWPageSupport.h"

#include "KWStyle.h"
#include "KWUtilsGui.h"
#include "KWVertScrollBox.h"

bool KWFinishLeave(QWidget* APage, const QString& APageId, bool AComplete)
{
    if (AComplete)
        KWMakeScreenshot(APage, APageId);
    return AComplete;
}

void KWFitContent(TKWVertScrollBox& APage)
{
    QWidget* Content = APage.Content();
    QRect Covered;
    for (const QWidget* Child : Content->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!Child->isHidden())
            Covered |= Child->geometry();
    Content->setMinimumSize(Covered.right() + KWStyle::Margin, Covered.bottom() + KWStyle::Margin);
}

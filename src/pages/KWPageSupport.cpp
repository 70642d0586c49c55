#include "KWPageSupport.h"

#include "KWUtilsGui.h"

bool KWFinishLeave(QWidget* APage, const QString& APageId, bool AComplete)
{
    if (AComplete)
        KWMakeScreenshot(APage, APageId);
    return AComplete;
}

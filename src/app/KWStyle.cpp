#include "KWStyle.h"

QString KWStyle::Css(quint32 AColor)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg((AColor >> 16) & 0xFF)
        .arg((AColor >> 8) & 0xFF)
        .arg(AColor & 0xFF)
        .arg(AColor >> 24);
}

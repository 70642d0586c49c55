#include "KWCode.h"

#include <QHash>

namespace {

QHash<QString, QString>& Labels()
{
    static QHash<QString, QString> Map;
    return Map;
}

} // namespace

void TCodes::Init()
{
    Labels() = {{QStringLiteral("BRE"), QStringLiteral("Brett")},
                {QStringLiteral("KEIN"), QStringLiteral("keiner")},
                {QStringLiteral("2T"), QStringLiteral("2x täglich")},
                {QStringLiteral("SONST"), QStringLiteral("Sonstige")}};
}

QString TCodes::Search(const QString& Code)
{
    return Labels().value(Code, Code);
}

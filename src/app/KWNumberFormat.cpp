#include "KWNumberFormat.h"

#include <QLocale>

namespace {

QLocale UserLocale()
{
    QLocale Locale;
    Locale.setNumberOptions(Locale.numberOptions() | QLocale::OmitGroupSeparator);
    return Locale;
}

} // namespace

QString KWFloatToStr(double AValue)
{
    return UserLocale().toString(AValue, 'g', 15);
}

QString KWFormatFloat(double AValue, int ADecimals)
{
    return UserLocale().toString(AValue, 'f', ADecimals);
}

bool KWTryStrToInt(const QString& AText, int& AValue)
{
    bool Ok = false;
    const int Value = UserLocale().toInt(AText.trimmed(), &Ok);
    if (Ok)
        AValue = Value;
    return Ok;
}

bool KWTryStrToFloat(const QString& AText, double& AValue)
{
    bool Ok = false;
    const double Value = UserLocale().toDouble(AText.trimmed(), &Ok);
    if (Ok)
        AValue = Value;
    return Ok;
}

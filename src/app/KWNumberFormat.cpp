#include "KWNumberFormat.h"

#include <QLocale>

#include <optional>

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

namespace {

// One placeholder's text, or nothing when AType is not a placeholder type.
std::optional<QString> FormatArgument(QChar AType, int APrecision, const QVariant& AValue)
{
    switch (AType.unicode()) {
    case u'd':
        return UserLocale().toString(AValue.toLongLong());
    case u's':
        return AValue.toString();
    case u'f':
        return KWFormatFloat(AValue.toDouble(), APrecision < 0 ? 2 : APrecision);
    case u'g':
        return KWFloatToStr(AValue.toDouble());
    default:
        return std::nullopt;
    }
}

} // namespace

QString KWFormat(const QString& AFormat, std::initializer_list<QVariant> AArguments)
{
    QString Result;
    auto Argument = AArguments.begin();
    for (qsizetype I = 0; I < AFormat.size(); ++I) {
        if (AFormat[I] != u'%' || I + 1 >= AFormat.size()) {
            Result += AFormat[I];
            continue;
        }
        if (AFormat[I + 1] == u'%') {
            Result += u'%';
            ++I;
            continue;
        }
        qsizetype End = I + 1;
        int Precision = -1;
        if (AFormat[End] == u'.') {
            qsizetype Digits = End + 1;
            while (Digits < AFormat.size() && AFormat[Digits].isDigit())
                ++Digits;
            Precision = AFormat.mid(End + 1, Digits - End - 1).toInt();
            End = Digits;
        }
        const std::optional<QString> Text =
            End < AFormat.size() && Argument != AArguments.end()
                ? FormatArgument(AFormat[End], Precision, *Argument)
                : std::nullopt;
        if (!Text) {
            Result += AFormat[I];
            continue;
        }
        Result += *Text;
        ++Argument;
        I = End;
    }
    return Result;
}

#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>

// Numbers shown to the user are written and read in the user's number format (QLocale()),
// without thousands separators, so a text written by these helpers reads back unchanged.

// General format with up to 15 significant digits.
QString KWFloatToStr(double AValue);
// Fixed format with ADecimals decimals.
QString KWFormatFloat(double AValue, int ADecimals);
// Parse a whole number or a floating-point number; leading and trailing blanks are ignored.
bool KWTryStrToInt(const QString& AText, int& AValue);
bool KWTryStrToFloat(const QString& AText, double& AValue);

// Fills a format text the way the design writes formats ("Tier %d von %d", "LKI Block %d: %f %%",
// "%.0f %%  (Referenz: %.0f %%)", "%s  (Ziel: %s)"): %d a whole number, %s a text, %f a number
// with two decimals, %.Nf with N decimals, %g in general format, %% a percent sign. Numbers use
// the user's number format. A placeholder without argument stays as it is. Translate the format
// first, then fill it.
QString KWFormat(const QString& AFormat, std::initializer_list<QVariant> AArguments);

#pragma once

#include <QString>

// Numbers shown to the user are written and read in the user's number format (QLocale()),
// without thousands separators, so a text written by these helpers reads back unchanged.

// General format with up to 15 significant digits.
QString KWFloatToStr(double AValue);
// Fixed format with ADecimals decimals.
QString KWFormatFloat(double AValue, int ADecimals);
// Parse a whole number or a floating-point number; leading and trailing blanks are ignored.
bool KWTryStrToInt(const QString& AText, int& AValue);
bool KWTryStrToFloat(const QString& AText, double& AValue);

#pragma once

#include "KWException.h"
#include "KWJson.h"

#include <string_view>

// Containers deeper than this are refused while parsing. The program itself never writes more
// than five levels; the limit keeps every later walk over a document bounded.
constexpr int KWJsonMaxDepth = 64;

class EKWJsonError : public EKWException
{
public:
    using EKWException::EKWException;
};

enum class TKWJsonDuplicates
{
    jdLastWins, // the value of the last duplicate member stays, at the place of the first
    jdRefuse    // a duplicate member name refuses the whole document
};

// The one door through which stored and received documents enter the program. Reading costs
// time linear in the size of the text, whatever its shape, and it never recurses; a text that
// is no JSON, is nested deeper than KWJsonMaxDepth or (if asked) repeats a member name raises
// EKWJsonError with the reason.
TKWJson KWParseJson(std::string_view AText,
                    TKWJsonDuplicates ADuplicates = TKWJsonDuplicates::jdLastWins);
TKWJson KWParseJson(const QString& AText,
                    TKWJsonDuplicates ADuplicates = TKWJsonDuplicates::jdLastWins);

// A short description of a value for messages: scalars as written (long texts cut), containers
// by their kind and size. Never walks into a container.
QString KWJsonExcerpt(const TKWJson& AValue);

// The text of a value as a reader of stored documents takes it: a string its content, a number
// its digits, true, false and null their words, an object or array nothing.
QString KWJsonValueText(const TKWJson& AValue);

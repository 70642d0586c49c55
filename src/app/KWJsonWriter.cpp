#include "KWJsonWriter.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstdio>


void TKWJsonWriter::BeforeValue()
{
    if (FNeedsComma)
        FText += ',';
    FNeedsComma = true;
}

void TKWJsonWriter::BeginObject()
{
    BeforeValue();
    FText += '{';
    FNeedsComma = false;
}

void TKWJsonWriter::EndObject()
{
    FText += '}';
    FNeedsComma = true;
}

void TKWJsonWriter::BeginArray()
{
    BeforeValue();
    FText += '[';
    FNeedsComma = false;
}

void TKWJsonWriter::EndArray()
{
    FText += ']';
    FNeedsComma = true;
}

void TKWJsonWriter::Key(std::string_view AName)
{
    BeforeValue();
    Escaped(AName);
    FText += ':';
    FNeedsComma = false;
}

void TKWJsonWriter::String(std::string_view AUtf8)
{
    BeforeValue();
    Escaped(AUtf8);
}

void TKWJsonWriter::String(QStringView AText)
{
    // Most texts of a visit are short ASCII codes and numbers: those need no conversion beyond
    // narrowing, done in a buffer that is reused.
    if (std::all_of(AText.begin(), AText.end(), [](QChar C) { return C.unicode() < 0x80; })) {
        FAscii.resize(static_cast<std::size_t>(AText.size()));
        std::transform(AText.begin(), AText.end(), FAscii.begin(),
                       [](QChar C) { return static_cast<char>(C.unicode()); });
        String(FAscii);
        return;
    }
    const QByteArray Utf8 = AText.toUtf8();
    String(std::string_view(Utf8.constData(), static_cast<std::size_t>(Utf8.size())));
}

void TKWJsonWriter::Integer(long long AValue)
{
    BeforeValue();
    char Digits[24];
    const auto End = std::to_chars(Digits, Digits + sizeof Digits, AValue).ptr;
    FText.append(Digits, End);
}

void TKWJsonWriter::Float(double AValue)
{
    BeforeValue();
    if (!std::isfinite(AValue)) {
        FText += "null";
        return;
    }
    // The library's own conversion, so that the text is the one dump() gives.
    char Digits[64];
    char* End = nlohmann::detail::to_chars(Digits, Digits + sizeof Digits, AValue);
    FText.append(Digits, End);
}

void TKWJsonWriter::Boolean(bool AValue)
{
    BeforeValue();
    FText += AValue ? "true" : "false";
}

void TKWJsonWriter::Null()
{
    BeforeValue();
    FText += "null";
}

void TKWJsonWriter::Value(const TKWJson& AValue)
{
    BeforeValue();
    FText += AValue.dump();
}

// The library's escapes without forcing ASCII: quote, backslash and the control characters;
// every other character, multi-byte UTF-8 included, stays as it is. Runs of characters that
// need no escape are copied whole.
void TKWJsonWriter::Escaped(std::string_view AUtf8)
{
    FText += '"';
    std::size_t Run = 0;
    for (std::size_t I = 0; I < AUtf8.size(); ++I) {
        const auto Char = static_cast<unsigned char>(AUtf8[I]);
        if (Char >= 0x20 && Char != '"' && Char != '\\')
            continue;
        FText.append(AUtf8.data() + Run, I - Run);
        Run = I + 1;
        switch (Char) {
        case '"': FText += "\\\""; break;
        case '\\': FText += "\\\\"; break;
        case '\b': FText += "\\b"; break;
        case '\f': FText += "\\f"; break;
        case '\n': FText += "\\n"; break;
        case '\r': FText += "\\r"; break;
        case '\t': FText += "\\t"; break;
        default: {
            char Code[8];
            std::snprintf(Code, sizeof Code, "\\u%04x", Char);
            FText += Code;
        }
        }
    }
    FText.append(AUtf8.data() + Run, AUtf8.size() - Run);
    FText += '"';
}

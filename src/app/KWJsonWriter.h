#pragma once

#include "KWJson.h"

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

// Writes JSON text straight into UTF-8, exactly as the JSON library's compact dump() writes the
// same values (member order as written, the library's number forms and string escapes), without
// building a tree first. Commas between members and elements are placed by the writer.
class TKWJsonWriter
{
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The name of the next member; its value follows.
    void Key(std::string_view AName);

    void String(std::string_view AUtf8);
    void String(QStringView AText);
    void Integer(long long AValue);
    // As the library writes a floating-point value: shortest round-trip digits, a whole value
    // with ".0", and null for values that are not finite.
    void Float(double AValue);
    void Boolean(bool AValue);
    void Null();
    // A value that is already a tree.
    void Value(const TKWJson& AValue);

    const std::string& Text() const { return FText; }
    std::string TakeText() { return std::move(FText); }

private:
    void BeforeValue();
    void Escaped(std::string_view AUtf8);

    std::string FText;
    std::string FAscii;
    bool FNeedsComma = false;
};

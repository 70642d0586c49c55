#include "KWRequestHead.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view cLineEnd = "\r\n";
constexpr std::string_view cHeadEnd = "\r\n\r\n";
// The methods whose requests carry a body, as the HTTP library reads them.
const std::string_view cBodyMethods[] = {"POST", "PUT", "PATCH", "PRI"};

bool IsTokenChar(char AChar)
{
    return std::isalnum(static_cast<unsigned char>(AChar)) ||
           std::string_view("!#$%&'*+-.^_`|~").find(AChar) != std::string_view::npos;
}

bool IsToken(std::string_view AText)
{
    return !AText.empty() && std::all_of(AText.begin(), AText.end(), IsTokenChar);
}

bool IsName(std::string_view AText, std::string_view AName)
{
    return std::equal(AText.begin(), AText.end(), AName.begin(), AName.end(), [](char A, char B) {
        return std::tolower(static_cast<unsigned char>(A)) ==
               std::tolower(static_cast<unsigned char>(B));
    });
}

std::string_view Trim(std::string_view AText)
{
    const auto First = AText.find_first_not_of(" \t");
    if (First == std::string_view::npos)
        return {};
    return AText.substr(First, AText.find_last_not_of(" \t") - First + 1);
}

// The lines of the head without the blank line that ends it. A bare CR or LF, or a NUL, would
// let this reading and the HTTP library's see different fields, so such a head has no lines.
std::vector<std::string_view> HeadLines(std::string_view AHead)
{
    if (AHead.size() < cHeadEnd.size() || AHead.substr(AHead.size() - cHeadEnd.size()) != cHeadEnd)
        return {};
    AHead.remove_suffix(cHeadEnd.size());
    std::vector<std::string_view> Lines;
    for (;;) {
        const auto End = AHead.find(cLineEnd);
        const std::string_view Line = AHead.substr(0, End);
        if (Line.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
            return {};
        Lines.push_back(Line);
        if (End == std::string_view::npos)
            return Lines;
        AHead.remove_prefix(End + cLineEnd.size());
    }
}

// Method and path from "METHOD TARGET HTTP/x.y"; false when the line has another form.
bool ReadRequestLine(std::string_view ALine, TKWRequestHead& AHead)
{
    const auto FirstBlank = ALine.find(' ');
    if (FirstBlank == std::string_view::npos)
        return false;
    const auto SecondBlank = ALine.find(' ', FirstBlank + 1);
    if (SecondBlank == std::string_view::npos ||
        ALine.find(' ', SecondBlank + 1) != std::string_view::npos)
        return false;
    const std::string_view Method = ALine.substr(0, FirstBlank);
    const std::string_view Target = ALine.substr(FirstBlank + 1, SecondBlank - FirstBlank - 1);
    if (!IsToken(Method) || Target.empty() || !ALine.substr(SecondBlank + 1).starts_with("HTTP/"))
        return false;
    AHead.Method = std::string(Method);
    AHead.Path = std::string(Target.substr(0, Target.find('?')));
    return true;
}

std::optional<std::uint64_t> ReadLength(std::string_view AValue)
{
    std::uint64_t Length = 0;
    const auto [End, Error] = std::from_chars(AValue.data(), AValue.data() + AValue.size(), Length);
    if (AValue.empty() || Error != std::errc() || End != AValue.data() + AValue.size())
        return std::nullopt;
    return Length;
}

TKWRequestHead Refuse(TKWRequestHead AHead, int AStatus, std::string AReason)
{
    AHead.Status = AStatus;
    AHead.Reason = std::move(AReason);
    return AHead;
}

} // namespace

TKWRequestHead KWCheckRequestHead(std::string_view AHead)
{
    TKWRequestHead Head;
    const std::vector<std::string_view> Lines = HeadLines(AHead);
    if (Lines.empty())
        return Refuse(Head, 400, "malformed request head");
    if (!ReadRequestLine(Lines.front(), Head))
        return Refuse(Head, 400, "malformed request line");
    if (Lines.size() - 1 > cMaxRequestHeaderFields)
        return Refuse(Head, 431,
                      "more than " + std::to_string(cMaxRequestHeaderFields) + " header fields");

    int LengthFields = 0;
    std::optional<std::uint64_t> Length;
    bool TransferEncoding = false;
    bool ContentEncoding = false;
    for (auto Line = Lines.begin() + 1; Line != Lines.end(); ++Line) {
        const auto Colon = Line->find(':');
        const std::string_view Name = Line->substr(0, Colon);
        if (Colon == std::string_view::npos || !IsToken(Name))
            return Refuse(Head, 400, "malformed header field");
        const std::string_view Value = Trim(Line->substr(Colon + 1));
        if (IsName(Name, "Content-Length")) {
            ++LengthFields;
            Length = ReadLength(Value);
        }
        TransferEncoding = TransferEncoding || IsName(Name, "Transfer-Encoding");
        ContentEncoding = ContentEncoding || IsName(Name, "Content-Encoding");
    }

    if (TransferEncoding)
        return Refuse(Head, 411, "Transfer-Encoding refused: send the body with Content-Length");
    if (ContentEncoding)
        return Refuse(Head, 415, "Content-Encoding refused: send the body unencoded");
    if (LengthFields > 1 || (LengthFields == 1 && !Length))
        return Refuse(Head, 400, "malformed Content-Length");
    const bool CarriesBody = std::find(std::begin(cBodyMethods), std::end(cBodyMethods),
                                       Head.Method) != std::end(cBodyMethods);
    if (CarriesBody && !Length)
        return Refuse(Head, 411, "Content-Length required");
    Head.BodyLength = Length.value_or(0);
    return Head;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Bounds of one request head (request line and header fields up to the blank line): far above
// what any HTTP client sends, low enough that a hostile one cannot fill the memory.
constexpr std::size_t cMaxRequestHeadLength = 32 * 1024;
constexpr std::size_t cMaxRequestHeaderFields = 100;

// What the data store makes of a request head before it reads any byte of the body.
struct TKWRequestHead
{
    // 0 when the request may be served; otherwise the status it is refused with.
    int Status = 0;
    std::string Reason;
    std::string Method;
    // The request target without its query, for the log.
    std::string Path;
    // The number of body bytes the request declares; the server reads no more than that.
    std::uint64_t BodyLength = 0;
};

// Checks a complete head (ending with the blank line). A body must declare its length: chunked
// and length-less bodies are refused with 411, encoded bodies with 415, more than
// cMaxRequestHeaderFields fields with 431, and a head that is not plain HTTP/1.x syntax (or whose
// length cannot be read unambiguously) with 400.
TKWRequestHead KWCheckRequestHead(std::string_view AHead);

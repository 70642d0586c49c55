#include "KWRequestHead.h"

#include <gtest/gtest.h>

namespace {

std::string Head(const std::string& ARequestLine, const std::string& AFields)
{
    return ARequestLine + "\r\n" + AFields + "\r\n";
}

std::string Fields(int ACount)
{
    std::string Result;
    for (int I = 0; I < ACount; ++I)
        Result += "X-Field-" + std::to_string(I) + ": a\r\n";
    return Result;
}

struct THeadCase
{
    const char* Name;
    std::string Head;
    int Status;
    const char* ReasonPart;
    std::uint64_t BodyLength;
};

void PrintTo(const THeadCase& ACase, std::ostream* AStream)
{
    *AStream << ACase.Name;
}

class KWRequestHeadTest : public ::testing::TestWithParam<THeadCase>
{
};

TEST_P(KWRequestHeadTest, AnswersWithStatusReasonAndLength)
{
    const TKWRequestHead Verdict = KWCheckRequestHead(GetParam().Head);
    EXPECT_EQ(Verdict.Status, GetParam().Status) << Verdict.Reason;
    EXPECT_NE(Verdict.Reason.find(GetParam().ReasonPart), std::string::npos) << Verdict.Reason;
    if (GetParam().Status == 0) {
        EXPECT_EQ(Verdict.BodyLength, GetParam().BodyLength);
    }
}

const char* const cPost = "POST /qomvi/datastore HTTP/1.1";
const char* const cGet = "GET /qomvi/datastore/health HTTP/1.1";

INSTANTIATE_TEST_SUITE_P(
    Served, KWRequestHeadTest,
    ::testing::Values(
        THeadCase{"GetWithoutLength", Head(cGet, "Host: a\r\n"), 0, "", 0},
        THeadCase{"PostWithLength", Head(cPost, "Content-Length: 42\r\n"), 0, "", 42},
        THeadCase{"NameInAnyCase", Head(cPost, "content-LENGTH: 7\r\n"), 0, "", 7},
        THeadCase{"BlanksAroundValue", Head(cPost, "Content-Length: \t 7 \t\r\n"), 0, "", 7},
        THeadCase{"HundredFields", Head(cPost, "Content-Length: 1\r\n" + Fields(99)), 0, "", 1}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    BodyFraming, KWRequestHeadTest,
    ::testing::Values(
        THeadCase{"Chunked", Head(cPost, "Transfer-Encoding: chunked\r\n"), 411,
                  "Transfer-Encoding", 0},
        // A length next to a transfer coding is not to be trusted either.
        THeadCase{"ChunkedWithLength",
                  Head(cPost, "Content-Length: 5\r\nTransfer-Encoding: gzip, chunked\r\n"), 411,
                  "Transfer-Encoding", 0},
        THeadCase{"Gzip", Head(cPost, "Content-Length: 5\r\nContent-Encoding: gzip\r\n"), 415,
                  "Content-Encoding", 0},
        THeadCase{"PostWithoutLength", Head(cPost, "Host: a\r\n"), 411, "Content-Length required",
                  0},
        THeadCase{"OldHttpWithoutLength", Head("PUT /qomvi/datastore HTTP/1.0", ""), 411,
                  "Content-Length required", 0},
        THeadCase{"TwoLengths", Head(cPost, "Content-Length: 5\r\nContent-Length: 5\r\n"), 400,
                  "Content-Length", 0},
        // The HTTP library decodes "%35" to "5": both readings must see the same length.
        THeadCase{"EncodedLength", Head(cPost, "Content-Length: %35\r\n"), 400, "Content-Length",
                  0},
        THeadCase{"NegativeLength", Head(cPost, "Content-Length: -1\r\n"), 400, "Content-Length",
                  0},
        THeadCase{"LengthOverflows", Head(cPost, "Content-Length: 18446744073709551616\r\n"), 400,
                  "Content-Length", 0},
        THeadCase{"EmptyLength", Head(cPost, "Content-Length:\r\n"), 400, "Content-Length", 0}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Malformed, KWRequestHeadTest,
    ::testing::Values(
        THeadCase{"HundredAndOneFields", Head(cGet, Fields(101)), 431, "100 header fields", 0},
        THeadCase{"NoTarget", Head("GET HTTP/1.1", ""), 400, "request line", 0},
        THeadCase{"NotHttp", Head("GET / FTP/1.0", ""), 400, "request line", 0},
        THeadCase{"NoBlankLine", std::string(cGet) + "\r\nHost: a\r\n", 400, "request head", 0},
        // A bare line feed ends a field for some readers and not for others.
        THeadCase{"BareLineFeed", Head(cPost, "X: a\nContent-Length: 5\r\n"), 400, "request head",
                  0},
        THeadCase{"FieldWithoutColon", Head(cGet, "Host\r\n"), 400, "header field", 0},
        THeadCase{"BlankBeforeColon", Head(cPost, "Content-Length : 5\r\n"), 400, "header field",
                  0},
        THeadCase{"FoldedField", Head(cGet, "X: a\r\n b\r\n"), 400, "header field", 0}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

} // namespace

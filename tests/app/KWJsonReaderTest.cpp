#include "KWJsonReader.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace {

std::string Nested(int ADepth, const char* AOpen, const char* AClose)
{
    std::string Text;
    for (int I = 0; I < ADepth; ++I)
        Text += AOpen;
    for (int I = 0; I < ADepth; ++I)
        Text += AClose;
    return Text;
}

std::string WideObject(int AMembers)
{
    std::string Text = "{";
    for (int I = 0; I < AMembers; ++I)
        Text += (I ? ",\"m" : "\"m") + std::to_string(I) + "\":" + std::to_string(I);
    return Text + "}";
}

} // namespace

TEST(KWJsonReader, ReadsWhatTheLibraryReadsWithMemberOrderKept)
{
    const std::string Text =
        R"({"z":1,"a":[true,null,-3,18446744073709551615,2.5,"ä\n"],"m":{"y":{},"b":[]}})";
    const TKWJson Parsed = KWParseJson(Text);
    EXPECT_EQ(Parsed, TKWJson::parse(Text));
    EXPECT_EQ(Parsed.dump(), Text);
}

TEST(KWJsonReader, RefusesWhatIsNoJson)
{
    for (const char* Text : {"", "{", "{\"a\":1,}", "[1] 2", "{\"a\":1e999}", "nul"})
        EXPECT_THROW(KWParseJson(std::string_view(Text)), EKWJsonError) << Text;
}

TEST(KWJsonReader, AcceptsTheDepthLimitAndRefusesOneLevelMore)
{
    EXPECT_NO_THROW(KWParseJson(Nested(KWJsonMaxDepth, "[", "]")));
    const std::string Mixed = Nested(KWJsonMaxDepth / 2, "{\"a\":[", "]}");
    EXPECT_NO_THROW(KWParseJson(Mixed));
    EXPECT_THROW(KWParseJson(Nested(KWJsonMaxDepth + 1, "[", "]")), EKWJsonError);
    EXPECT_THROW(KWParseJson("[" + Mixed + "]"), EKWJsonError);
}

// A deeply nested document used to overflow the stack of every reader that walked it.
TEST(KWJsonReader, RefusesEightyThousandLevelsWithoutCrashing)
{
    const std::string Text = R"({"Erfassung":{"SauberkeitTechnopathien":)" + Nested(80000, "[", "]") + "}}";
    try {
        KWParseJson(Text);
        FAIL() << "accepted";
    } catch (const EKWJsonError& E) {
        EXPECT_TRUE(E.Message().contains(QStringLiteral("nested deeper than 64"))) << E.what();
    }
}

TEST(KWJsonReader, DuplicateMembersKeepTheLastValueAtTheFirstPlaceOrAreRefused)
{
    // Small objects are searched directly, large ones through an index: both paths.
    for (const int Before : {1, 40}) {
        std::string Text = WideObject(Before);
        Text.pop_back();
        Text += R"(,"m0":"last","x":2})";
        const TKWJson Parsed = KWParseJson(Text);
        EXPECT_EQ(Parsed.size(), static_cast<std::size_t>(Before + 1));
        EXPECT_EQ(Parsed.begin().key(), "m0");
        EXPECT_EQ(Parsed.at("m0"), "last");
        EXPECT_THROW(KWParseJson(Text, TKWJsonDuplicates::jdRefuse), EKWJsonError) << Before;
    }
    EXPECT_THROW(KWParseJson(std::string_view(R"({"E":{"B":{"n":"Hof","n":""}}})"),
                             TKWJsonDuplicates::jdRefuse),
                 EKWJsonError);
    EXPECT_NO_THROW(KWParseJson(std::string_view(R"({"a":{"n":1},"b":{"n":1}})"),
                                TKWJsonDuplicates::jdRefuse));
}

// The ordered tree looks names up linearly; building it by lookups cost quadratic time, so a
// file of 200,000 members took minutes.
TEST(KWJsonReader, ReadsAWideObjectInLinearTime)
{
    const std::string Text = WideObject(200000);
    QElapsedTimer Watch;
    Watch.start();
    const TKWJson Parsed = KWParseJson(Text, TKWJsonDuplicates::jdRefuse);
    EXPECT_LT(Watch.elapsed(), 1000);
    ASSERT_EQ(Parsed.size(), 200000u);
    EXPECT_EQ(Parsed.back(), 199999);
}

TEST(KWJsonReader, ExcerptsNeverWalkIntoContainers)
{
    EXPECT_EQ(KWJsonExcerpt(KWParseJson(Nested(60, "[", "]"))), QStringLiteral("an array of 1 elements"));
    EXPECT_EQ(KWJsonExcerpt(TKWJson::object()), QStringLiteral("an object of 0 members"));
    EXPECT_EQ(KWJsonExcerpt(TKWJson(5)), QStringLiteral("5"));
    EXPECT_EQ(KWJsonExcerpt(TKWJson(std::string(1000, 'x'))),
              u'"' + QString(40, u'x') + QStringLiteral("…\""));
}

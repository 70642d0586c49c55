#include "KWUtils.h"

#include "KWException.h"
#include "KWJSONUtil.h"
#include "TestSupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

class KWLogTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetLog(); }
};

TEST_F(KWLogTest, LinesEndInCrLfAndLineBreaksSplitTheText)
{
    KWLog("Heading - Info/Error\n  Name:    x\r\n  Message: y");
    KWLog("Ende");
    EXPECT_EQ(ReadLogLines(), (QStringList{"Heading - Info/Error", "  Name:    x", "  Message: y", "Ende"}));
}

TEST_F(KWLogTest, ASecondRunAppends)
{
    KWLogStarted();
    KWLog("erster Lauf");
    KWLogClose();
    KWLogStarted();
    const QStringList Lines = ReadLogLines();
    ASSERT_EQ(Lines.size(), 5);
    const QRegularExpression TimeLine(R"(^  \d{4}-\d\d-\d\d \d\d:\d\d:\d\d$)");
    for (int Start : {0, 3}) {
        EXPECT_EQ(Lines[Start], "*** Started ***");
        EXPECT_TRUE(TimeLine.match(Lines[Start + 1]).hasMatch()) << Lines[Start + 1].toStdString();
    }
    EXPECT_EQ(Lines[2], "erster Lauf");
}

TEST(KWUtils, DataFolderLivesUnderTheSharedDataLocation)
{
    const QString Expected =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Agrivex/qomvi/Data";
    QDir(Expected).removeRecursively();
    EXPECT_EQ(KWGetDataPath(), Expected);
    EXPECT_TRUE(QDir(Expected).exists()) << "the folder is created on every call";
    EXPECT_TRUE(KWGetAppPath().endsWith('/'));
}

TEST(KWUtils, FirstWord)
{
    const std::pair<QString, QString> Cases[] = {
        {"  zwei Wörter ", "zwei"}, {"", ""}, {"\t\x01Wort\r\n", "Wort"}, {"   ", ""}, {"eins", "eins"}};
    for (const auto& [Text, Expected] : Cases)
        EXPECT_EQ(KWFirstWord(Text), Expected) << Text.toStdString();
}

TEST(KWUtils, StringsResourcesAreFoundWithoutRegardToCase)
{
    const QStringList Lines = KWLoadStringsResource("kommentarstandardtext");
    ASSERT_EQ(Lines.size(), 37);
    EXPECT_EQ(Lines.first(), "* Betriebsdaten") << "the byte-order mark is not part of the text";
    EXPECT_EQ(Lines[30], "* Maßnahmen");
    EXPECT_EQ(KWLoadStringsResource("KommentarStandardText_EN")[30], "* Measures");
    EXPECT_THROW(KWLoadStringsResource("GibtEsNicht"), EKWException);
}

TEST(KWUtils, ComfortIndexExplanationKeepsItsLayout)
{
    const QStringList Lines = KWLoadStringsResource("LiegeboxenKomfortIndexErklaerung");
    ASSERT_EQ(Lines.size(), 16);
    EXPECT_EQ(Lines[3], "LKI % = " + QString(64, '-') + "  x 100");
    EXPECT_TRUE(Lines[2].startsWith(QString(23, ' ') + "Anzahl"));
    EXPECT_TRUE(Lines[4].startsWith(QString(22, ' ') + "Gesamtzahl"));
    for (int Index : {4, 8, 9, 12})
        EXPECT_TRUE(Lines[Index].endsWith(' ')) << Index;
    EXPECT_EQ(Lines[14], " ");
    EXPECT_EQ(Lines[15], "Ziel > 85%");
}

class KWJSONUtilTest : public ::testing::Test
{
protected:
    TKWJson FObject = TKWJson::parse(R"({
        "Betriebsdaten": {"Name": "A", "Datum": "2024-01-01", "Frei": 1},
        "Kuehe": [{"Nr": 1}],
        "Haltung": {"Boxen": 3},
        "Unbekannt": true
    })");
    TKWNameLists FPossible = {{"Erfassung", {"Betriebsdaten", "Kuehe", "Haltung"}},
                              {"Betriebsdaten", {"Name", "Datum"}}};
};

TEST_F(KWJSONUtilTest, RemovesListedMembersThatAreNotKeptAndDescends)
{
    const TKWNameLists Keep = {{"Erfassung", {"Betriebsdaten"}}, {"Betriebsdaten", {"Name"}}};
    TKWJSONUtil::RemoveData(FObject, "Erfassung", FPossible, Keep);
    EXPECT_EQ(FObject.dump(), R"({"Betriebsdaten":{"Name":"A","Frei":1},"Unbekannt":true})");
}

TEST_F(KWJSONUtilTest, AnIdOnlyOneMapKnowsChangesNothing)
{
    const TKWJson Before = FObject;
    TKWJSONUtil::RemoveData(FObject, "Erfassung", FPossible, {{"Betriebsdaten", {}}});
    TKWJSONUtil::RemoveData(FObject, "Kuehe", FPossible, {{"Kuehe", {}}});
    EXPECT_EQ(FObject, Before);
}

} // namespace

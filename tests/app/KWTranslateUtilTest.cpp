#include "KWTranslateUtil.h"

#include "KWUtils.h"
#include "TestSupport.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

class KWTranslateUtilTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetLog(); }
    void TearDown() override { TKWTranslateUtil::Close(); }
};

TEST_F(KWTranslateUtilTest, WithoutLanguageTextsStayGermanAndNothingIsLogged)
{
    TKWTranslateUtil::Open("");
    EXPECT_EQ(KWTranslate("Weitere Einstellungen"), "Weitere Einstellungen");
    EXPECT_EQ(TKWTranslateUtil::TranslateFilename("KommentarStandardText"), "KommentarStandardText");
    TKWTranslateUtil::Close();
    EXPECT_TRUE(ReadLogLines().isEmpty());
}

TEST_F(KWTranslateUtilTest, EnglishLookupsAreTrimmedAndCaseFolded)
{
    TKWTranslateUtil::Open("EN");
    const std::pair<QString, QString> Cases[] = {
        {"Weitere Einstellungen", "Further Settings"},
        {"  Weitere Einstellungen \t", "Further Settings"},
        {"weitere einstellungen", "Further Settings"},
        {"#Ja", "#yes"},
        {"#Nein", "#no"},
        {"%.0f %%  (Referenz: %.0f %%)", "%.0f %%  (Reference: %.0f %%)"},
        {"%s  (Ziel: %s)", "%s (Goal: %s)"},
        {"(%d erfasst)", "(%d recorded)"},
        {"(%d von %d erfasst)", "(%d of %d recorded)"},
        {"Als %s speichern", "save as %s"},
        {"Block %d von %d", "block %d of %d"},
        {"1+0 Reiher", "1+0 rows"},
        {"Tier %d von %d\n(3 erfasst)", "animal %d of %d"},
        {"GIBT ES NICHT", "GIBT ES NICHT"},
    };
    for (const auto& [German, English] : Cases)
        EXPECT_EQ(KWTranslate(German), English) << German.toStdString();
    EXPECT_EQ(TKWTranslateUtil::TranslateFilename("KommentarStandardText"), "KommentarStandardText_en");
}

TEST_F(KWTranslateUtilTest, UnknownTextsAreReportedOnceInOrderOnClose)
{
    TKWTranslateUtil::Open("EN");
    KWTranslate("Zebra");
    KWTranslate("Affe");
    KWTranslate("Zebra");
    TKWTranslateUtil::TranslateFilename("Bild");
    ResetLog();
    TKWTranslateUtil::Close();
    EXPECT_EQ(ReadLogLines(),
              (QStringList{"-- Translate: Unknown Entries ----------------------------------------",
                           "CurrentLanguage: EN", QString("Affe").leftJustified(60) + "  unknown",
                           QString("Bild").leftJustified(60) + "  unknown filename",
                           QString("Zebra").leftJustified(60) + "  unknown", QString(70, '-')}));
}

TEST_F(KWTranslateUtilTest, OpeningLogsTheDictionaryLoad)
{
    TKWTranslateUtil::Open("EN");
    EXPECT_EQ(ReadLogLines(),
              (QStringList{"-- Translate: Load Dictionary ----------------------------------------",
                           "CurrentLanguage: EN", QString(70, '-')}));
}

TEST_F(KWTranslateUtilTest, AMissingDictionaryIsLoggedAndLeavesTextsGerman)
{
    TKWTranslateUtil::Open("XX");
    const QStringList Lines = ReadLogLines();
    ASSERT_EQ(Lines.size(), 5);
    EXPECT_EQ(Lines[2], "Dictionary wurde nicht geladen: >Dictionary_XX<");
    EXPECT_EQ(KWTranslate("Weitere Einstellungen"), "Weitere Einstellungen");
}

TEST_F(KWTranslateUtilTest, AnUnreadableLineIsLoggedAndSkipped)
{
    TKWTranslateUtil::Open("ZZ");
    EXPECT_EQ(KWTranslate("Haus"), "house");
    EXPECT_EQ(KWTranslate("Baum"), "tree");
    const QStringList Lines = ReadLogLines();
    ASSERT_EQ(Lines.size(), 5);
    EXPECT_TRUE(Lines[2].startsWith("DictionaryEntry wurde nicht geladen: >K")) << Lines[2].toStdString();
    EXPECT_TRUE(Lines[2].endsWith(";cheese<"));
}

// The dictionary is an external file layout: padded columns, two sections, German texts in a
// fixed order, and format patterns that keep their placeholders.
TEST(KWDictionaryResource, LayoutAndPlaceholders)
{
    const QStringList Lines = KWLoadStringsResource("Dictionary_EN");
    ASSERT_GE(Lines.size(), 5);
    EXPECT_EQ(Lines[0], "'--- Filename Original                            ;'--- Filename für englischen Inhalt");
    EXPECT_EQ(Lines[1], "KommentarStandardText                             ;KommentarStandardText_en");
    EXPECT_EQ(Lines[2], ";");
    EXPECT_EQ(Lines[3], ";");
    EXPECT_EQ(Lines[4], "'--- Original                                                   ;--- Englisch");

    const QRegularExpression Placeholder("%(?:%|[-0-9.]*[dsf])");
    int Entries = 1;
    QStringList Seen;
    for (int I = 5; I < Lines.size(); ++I) {
        const QString& Line = Lines[I];
        if (Line == ";")
            continue;
        ++Entries;
        const int Separator = Line.indexOf(';');
        ASSERT_GE(Separator, 64) << Line.toStdString();
        if (Separator > 64) {
            EXPECT_NE(Line[63], ' ') << "only short texts are padded: " << Line.toStdString();
        }
        const QString German = Line.left(Separator).trimmed();
        const QString English = Line.mid(Separator + 1);
        EXPECT_FALSE(English.trimmed().isEmpty()) << German.toStdString();
        EXPECT_FALSE(Seen.contains(German)) << German.toStdString();
        Seen << German;
        QStringList GermanPlaceholders, EnglishPlaceholders;
        for (auto M = Placeholder.globalMatch(German); M.hasNext();)
            GermanPlaceholders << M.next().captured();
        for (auto M = Placeholder.globalMatch(English); M.hasNext();)
            EnglishPlaceholders << M.next().captured();
        EXPECT_EQ(GermanPlaceholders, EnglishPlaceholders) << German.toStdString();
    }
    // The 622 entries of the design come first, in their order; the program's own texts
    // (accessible names of symbol buttons and the like) follow them.
    EXPECT_GE(Entries, 622);
    EXPECT_EQ(Seen.value(0), "#Brett, Beton");
    EXPECT_EQ(Seen.indexOf("Wissenschaftlich"), 620);
}

} // namespace

#include "KWUtilsGui.h"

#include "KWException.h"
#include "KWScreenshotWriter.h"
#include "KWUtils.h"
#include "TestSupport.h"

#include <QDir>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

TEST(KWUtilsGui, PicturesAreFoundByNameWithoutRegardToCase)
{
    EXPECT_EQ(KWLoadBitmapResource("splash").size(), QSize(1024, 768));
    EXPECT_THROW(KWLoadBitmapResource("GibtEsNicht"), EKWException);

    KWLoadSharedBitmaps();
    EXPECT_EQ(KWBitmapBoxDeepSkyBlue.pixelColor(16, 16), QColor(0x00BFFF));
    EXPECT_EQ(KWBitmapBoxSkyBlue.pixelColor(16, 16), QColor(0x87CEEB));
    EXPECT_EQ(KWBitmapIndikatorSchwachstelle.pixelColor(16, 26), QColor(0xF44336));
}

class KWMakeScreenshotTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetLog();
        FLabel.resize(120, 40);
        FLabel.setText("Bild");
    }
    void TearDown() override { KWActiveVisitFolder.clear(); }

    static QString DataFile(const QString& AName) { return QDir(KWGetDataPath()).filePath(AName); }

    QLabel FLabel;
};

TEST_F(KWMakeScreenshotTest, HiddenControlWritesNothing)
{
    KWMakeScreenshot(&FLabel, "Verborgen");
    EXPECT_FALSE(QFile::exists(DataFile("Verborgen.png")));
    EXPECT_TRUE(ReadLogLines().isEmpty());
}

TEST_F(KWMakeScreenshotTest, PictureGoesIntoTheActiveVisitFolderOrTheDataFolder)
{
    FLabel.show();
    KWMakeScreenshot(&FLabel, "ErfassungBetriebsdaten");
    KWFinishScreenshots();
    EXPECT_EQ(QImage(DataFile("ErfassungBetriebsdaten.png")).size(), FLabel.grab().size());

    KWActiveVisitFolder = "Hof Linde 2024-05-02 10_15_00";
    KWMakeScreenshot(&FLabel, "ErfassungEinzelKuh");
    KWFinishScreenshots();
    EXPECT_FALSE(QImage(DataFile(KWActiveVisitFolder + "/ErfassungEinzelKuh.png")).isNull());
    EXPECT_TRUE(ReadLogLines().isEmpty());
}

TEST_F(KWMakeScreenshotTest, FailureIsLoggedAndGoesNoFurther)
{
    FLabel.show();
    // A folder where the picture should be makes the save fail.
    ASSERT_TRUE(QDir().mkpath(DataFile("Besetzt.png")));
    KWMakeScreenshot(&FLabel, "Besetzt");
    KWFinishScreenshots();
    const QStringList Lines = ReadLogLines();
    ASSERT_EQ(Lines.size(), 3);
    EXPECT_EQ(Lines[0], "KWUtils.KWMakeScreenshot - Exception");
    EXPECT_EQ(Lines[1], "  Name:    " + DataFile("Besetzt.png"));
    EXPECT_TRUE(Lines[2].startsWith("  Message: ")) << Lines[2].toStdString();
    EXPECT_GT(Lines[2].size(), QString("  Message: ").size());
}

// The pictures are written aside; the last one taken of a page is the one that stays, however
// quickly they follow each other.
TEST_F(KWMakeScreenshotTest, TheNewestPictureOfAPageWins)
{
    FLabel.show();
    for (const char* Text : {"eins", "zwei", "drei"}) {
        FLabel.setText(Text);
        KWMakeScreenshot(&FLabel, "ErfassungLiegepositionKuehe");
    }
    KWFinishScreenshots();
    EXPECT_EQ(QImage(DataFile("ErfassungLiegepositionKuehe.png")),
              FLabel.grab().toImage().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(ReadLogLines().isEmpty());
}

} // namespace

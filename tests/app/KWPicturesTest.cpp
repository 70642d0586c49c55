// The reference pictures the recording pages ask for by name, the way they are loaded, the
// review sheet and the program icon.
#include "KWException.h"
#include "KWPictureNames.h"
#include "KWPictureSheet.h"
#include "KWUtils.h"
#include "KWUtilsGui.h"

#include <QApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Qt Svg only warns about what it cannot draw (filters, masks, CSS it does not know); such a
// picture would look different on screen from the one that was reviewed.
QStringList SvgWarnings;

void CollectSvgWarnings(QtMsgType AType, const QMessageLogContext& AContext, const QString& AText)
{
    if (AType != QtDebugMsg && QByteArray(AContext.category).startsWith("qt.svg"))
        SvgWarnings.append(AText);
}

bool HasVisiblePixels(const QImage& AImage)
{
    for (int Y = 0; Y < AImage.height(); Y += 4)
        for (int X = 0; X < AImage.width(); X += 4)
            if (AImage.pixelColor(X, Y).alpha() > 0)
                return true;
    return false;
}

TEST(KWPictureNames, EveryPictureTheRecordingPagesAskForIsCarried)
{
    const QStringList Names = KWAllPictureNames();
    EXPECT_EQ(Names.size(), 132);
    QStringList Missing;
    for (const QString& Name : Names)
        if (KWResourcePath(Name).isEmpty())
            Missing.append(Name);
    EXPECT_TRUE(Missing.isEmpty()) << Missing.join(", ").toStdString();
}

TEST(KWPictureNames, NamesFollowTheNamingRulesOfThePages)
{
    EXPECT_EQ(KWCounterPictureName("ZustandLiegeboxen", "HochboxVereinzelt"),
              "ZustandLiegeboxenHochboxVereinzelt");
    EXPECT_EQ(KWEinzelKuhScorePicture("SauberkeitKreuz").PictureNames().first(),
              "SauberkeitTechnopathienSauberkeitKreuzSauber");
    const TKWScorePictures& Wirbelsaeule = KWEinzelKuhScorePicture("TechnopathienWirbelsaeule");
    ASSERT_EQ(Wirbelsaeule.Choices.size(), 3);
    EXPECT_EQ(Wirbelsaeule.Choices[1].Value, 3);
    EXPECT_EQ(Wirbelsaeule.PictureNames()[1],
              "SauberkeitTechnopathienTechnopathienWirbelsaeuleUmfangsvermehrung");
    EXPECT_TRUE(KWAllPictureNames().contains("MobilityCheckVerhaltenEntlasten"));
    EXPECT_THROW(KWEinzelKuhScorePicture("Kuhnummer"), EKWException);
}

// Qt Svg drops filters, masks, clip paths and style sheets without a word, so they are looked
// for in the text; what it cannot resolve it reports while rendering.
TEST(KWPictures, EveryPictureRendersWithinWhatQtSvgDraws)
{
    static const QRegularExpression Unsupported(
        QStringLiteral("<(filter|mask|clipPath|style|text)\\b|\\s(style|class|clip-path)=\""));
    for (const QString& Name : KWAllPictureNames())
        EXPECT_FALSE(KWReadTextFile(KWResourcePath(Name)).contains(Unsupported))
            << Name.toStdString();
    SvgWarnings.clear();
    const QtMessageHandler Previous = qInstallMessageHandler(CollectSvgWarnings);
    QStringList Empty;
    for (const QString& Name : KWAllPictureNames() + QStringList{"qomvi"}) {
        const QSize Size = KWBitmapResourceSize(Name);
        if (!HasVisiblePixels(KWLoadBitmapResource(Name, Size / 2, 1.0)))
            Empty.append(Name);
    }
    qInstallMessageHandler(Previous);
    EXPECT_TRUE(SvgWarnings.isEmpty()) << SvgWarnings.join("\n").toStdString();
    EXPECT_TRUE(Empty.isEmpty()) << Empty.join(", ").toStdString();
}

// The annotated drawings place their input fields at pixel positions of the picture file, so
// the pictures must have exactly that size.
TEST(KWPictures, DrawingsHaveThePixelSizeTheirFieldPositionsReferTo)
{
    EXPECT_EQ(KWBitmapResourceSize("StallerhebungFressLaufbereichFressplatzFressgitter"),
              QSize(1200, 600));
    EXPECT_EQ(KWBitmapResourceSize("StallerhebungFressLaufbereichFressplatzNackenrohr"),
              QSize(1200, 600));
    EXPECT_EQ(KWBitmapResourceSize("stallerhebungliegebereichebox"), QSize(1200, 850));
    EXPECT_EQ(KWLoadBitmapResource("StallerhebungLiegebereicheBox").size(), QSize(1200, 850));
}

TEST(KWPictures, ScorePicturesFitTheirFrames)
{
    // Portrait frames are 200 x 270, landscape frames 270 x 180.
    for (const TKWScorePictures& Row : KWEinzelKuhScorePictures())
        for (const QString& Name : Row.PictureNames()) {
            const QSize Size = KWBitmapResourceSize(Name);
            const double Aspect = double(Size.width()) / Size.height();
            EXPECT_TRUE(qAbs(Aspect - 1.5) < 0.01 || qAbs(Aspect - 200.0 / 270.0) < 0.01)
                << Name.toStdString() << " " << Aspect;
            EXPECT_GE(Size.width(), 2 * (Aspect > 1 ? 270 : 200)) << Name.toStdString();
        }
}

TEST(KWPictures, PicturesAreRenderedForTheSizeAndPixelRatioTheyAreShownAt)
{
    const QImage Sharp = KWLoadBitmapResource("StandingscoreRueckenGerade", QSize(270, 180), 2.0);
    EXPECT_EQ(Sharp.size(), QSize(540, 360));
    EXPECT_EQ(Sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(Sharp.deviceIndependentSize(), QSizeF(270, 180));
    // A second request of the same name, size and ratio is served from the cache.
    EXPECT_EQ(KWLoadBitmapResource("standingscoreRUECKENgerade", QSize(270, 180), 2.0).cacheKey(),
              Sharp.cacheKey());
    EXPECT_NE(KWLoadBitmapResource("StandingscoreRueckenGerade", QSize(270, 180), 1.0).cacheKey(),
              Sharp.cacheKey());
    EXPECT_THROW(KWLoadBitmapResource("GibtEsNicht", QSize(10, 10), 1.0), EKWException);
}

TEST(KWPictures, SheetShowsEveryPicture)
{
    QTemporaryDir Folder;
    const QString Path = Folder.filePath("sheet.png");
    EXPECT_EQ(KWWritePictureSheet(Path), "");
    const QImage Sheet(Path);
    ASSERT_FALSE(Sheet.isNull());
    EXPECT_GT(Sheet.height(), 20 * 200) << "every picture has its cell";
    EXPECT_NE(KWWritePictureSheet(Folder.filePath("missing/sheet.png")), "");
}

TEST(KWPictures, ProgramIconIsTheWindowIconAtSmallAndLargeSizes)
{
    const QIcon Icon = QApplication::windowIcon();
    ASSERT_FALSE(Icon.isNull());
    EXPECT_EQ(Icon.pixmap(16, 16).size(), QSize(16, 16));
    EXPECT_EQ(Icon.pixmap(256, 256).size(), QSize(256, 256));
    EXPECT_TRUE(HasVisiblePixels(Icon.pixmap(16, 16).toImage()));
}

} // namespace

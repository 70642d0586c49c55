// Program entry: the first log lines, the application object, the command line, and then the
// start screen handing over to the main window, or the tour through every page.
#include "KWApplication.h"
#include "KWDBUtil.h"
#include "KWMain.h"
#include "KWPictureSheet.h"
#include "KWStartScreen.h"
#include "KWTour.h"
#include "KWUtils.h"
#include "KWUtilsGui.h"

#include <QCommandLineParser>

#include <cstdio>
#include <exception>

namespace {

void PrintError(const QString& AText)
{
    std::fprintf(stderr, "qomvi: %s\n", qPrintable(AText));
}

int RunTour(const TKWMainFormSetup& ASetup, const QString& AFolder)
{
    TMainForm Form(ASetup);
    Form.resize(KWTourWindowSize);
    Form.show();
    QString Error;
    if (KWRunTour(Form, AFolder, Error))
        return 0;
    PrintError(Error);
    return 1;
}

int RunPictureSheet(const QString& AFile)
{
    const QString Error = KWWritePictureSheet(AFile);
    if (Error.isEmpty())
        return 0;
    PrintError(QStringLiteral("%1: %2").arg(AFile, Error));
    return 1;
}

int RunWindow(const TKWMainFormSetup& ASetup)
{
    TStartScreen StartScreen([ASetup] { return std::make_unique<TMainForm>(ASetup); });
    KWShowMaximized(&StartScreen);
    return TKWApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    QCommandLineParser Parser;
    Parser.setApplicationDescription(
        QStringLiteral("Records and evaluates farm visits on dairy farms."));
    const QCommandLineOption Help = Parser.addHelpOption();
    const QCommandLineOption Language(
        QStringLiteral("language"),
        QStringLiteral("Starts with the dictionary of LANGUAGE active (EN)."),
        QStringLiteral("LANGUAGE"));
    const QCommandLineOption Tour(
        QStringLiteral("tour"),
        QStringLiteral("Opens the example visit, saves a picture of every page into FOLDER "
                       "and ends."),
        QStringLiteral("FOLDER"));
    const QCommandLineOption PictureSheet(
        QStringLiteral("picture-sheet"),
        QStringLiteral("Draws every picture the program carries, each with its name, into the "
                       "PNG file FILE and ends."),
        QStringLiteral("FILE"));
    Parser.addOptions({Language, Tour, PictureSheet});
    // Read before the application object exists: asking for help or mistyping an option needs
    // no display and starts nothing.
    QStringList Arguments;
    for (int Index = 0; Index < argc; ++Index)
        Arguments << QString::fromLocal8Bit(argv[Index]);
    if (!Parser.parse(Arguments)) {
        PrintError(Parser.errorText());
        return 1;
    }
    if (Parser.isSet(Help) || Parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object the parser does not know the program's name.
        std::fputs(qPrintable(Parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                        QStringLiteral("qomvi"))),
                   stdout);
        return 0;
    }

    // The picture sheet opens no window, so it needs no display: unless told otherwise it draws
    // on the offscreen platform.
    if (Parser.isSet(PictureSheet) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    KWLogStarted();
    int Result = 1;
    try {
        TKWApplication App(argc, argv);
        const TKWMainFormSetup Setup{TKWDBUtil::DefaultDatabasePath(), Parser.value(Language)};
        if (Parser.isSet(PictureSheet)) {
            Result = RunPictureSheet(Parser.value(PictureSheet));
        } else if (!Setup.Language.isEmpty() &&
                   KWResourcePath(QStringLiteral("Dictionary_") + Setup.Language).isEmpty()) {
            PrintError(QStringLiteral("No dictionary for the language %1").arg(Setup.Language));
            Result = 2;
        } else {
            Result = Parser.isSet(Tour) ? RunTour(Setup, Parser.value(Tour)) : RunWindow(Setup);
        }
    } catch (const std::exception& E) {
        KWLog(QString::fromUtf8(E.what()));
        PrintError(QString::fromUtf8(E.what()));
    }
    KWLogClose();
    return Result;
}

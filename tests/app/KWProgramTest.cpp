// The qomvi program itself, run as a user runs it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct TRun
{
    int Exit = -1;
    QString Out;
    QString Err;
};

// Runs AProgram with a data folder of its own below AHome; AEnvironment adds to (or, when a
// value is empty, removes from) the test's environment.
TRun RunProgram(const QString& AProgram, const QStringList& AArgs, const QTemporaryDir& AHome,
                const QList<std::pair<QString, QString>>& AEnvironment)
{
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert("XDG_DATA_HOME", AHome.filePath("share"));
    for (const auto& [Name, Value] : AEnvironment) {
        if (Value.isEmpty())
            Environment.remove(Name);
        else
            Environment.insert(Name, Value);
    }
    QProcess Process;
    Process.setProcessEnvironment(Environment);
    Process.start(AProgram, AArgs);
    TRun Result;
    if (!Process.waitForFinished(60000) || Process.exitStatus() != QProcess::NormalExit)
        return Result;
    Result.Exit = Process.exitCode();
    Result.Out = QString::fromLocal8Bit(Process.readAllStandardOutput());
    Result.Err = QString::fromLocal8Bit(Process.readAllStandardError());
    return Result;
}

QString LogPath(const QTemporaryDir& AHome)
{
    return AHome.filePath("share/Agrivex/qomvi/Data/log.txt");
}

// The lines of the log's report of texts without translation, between its heading and the
// language line and the closing ruler.
QStringList UnknownTexts(const QString& ALogPath, bool& AFound)
{
    QFile Log(ALogPath);
    AFound = false;
    if (!Log.open(QIODevice::ReadOnly))
        return {};
    const QStringList Lines = QString::fromUtf8(Log.readAll()).split("\r\n");
    const qsizetype Heading =
        Lines.indexOf("-- Translate: Unknown Entries ----------------------------------------");
    if (Heading < 0)
        return {};
    AFound = true;
    QStringList Result;
    for (qsizetype Line = Heading + 2; Line < Lines.size() && Lines[Line] != QString(70, '-');
         ++Line)
        Result << Lines[Line];
    return Result;
}

TEST(KWProgram, HelpNeedsNoDisplayAndStartsNothing)
{
    QTemporaryDir Home;
    const TRun Help =
        RunProgram(QOMVI_EXE, {"--help"}, Home,
                   {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
    EXPECT_EQ(Help.Exit, 0) << Help.Err.toStdString();
    EXPECT_TRUE(Help.Out.startsWith("Usage: qomvi [options]")) << Help.Out.toStdString();
    for (const char* Option : {"--language", "--tour"})
        EXPECT_TRUE(Help.Out.contains(Option)) << Option;
    EXPECT_FALSE(QFile::exists(LogPath(Home))) << "asking for help is no run of the program";

    const TRun Wrong = RunProgram(QOMVI_EXE, {"--sprache", "EN"}, Home, {{"DISPLAY", ""}});
    EXPECT_EQ(Wrong.Exit, 1);
    EXPECT_TRUE(Wrong.Err.contains("sprache")) << Wrong.Err.toStdString();
}

// Every text the tour shows in English has its translation; later pages join the tour, and
// so this test, by themselves.
TEST(KWProgram, EnglishTourLeavesNoTextWithoutTranslation)
{
    QTemporaryDir Home;
    // The program keeps its database next to itself: a copy of it starts with a fresh one,
    // which holds the example visit.
    const QString Program = Home.filePath("qomvi");
    ASSERT_TRUE(QFile::copy(QOMVI_EXE, Program));
    const QString Pictures = Home.filePath("tour");

    const TRun Tour = RunProgram(Program, {"--tour", Pictures, "--language", "EN"}, Home,
                                 {{"QT_QPA_PLATFORM", "offscreen"}});
    ASSERT_EQ(Tour.Exit, 0) << Tour.Err.toStdString();
    EXPECT_TRUE(QFile::exists(QDir(Pictures).filePath("BeratungMassnahmen.png")));
    bool Found = false;
    const QStringList Unknown = UnknownTexts(LogPath(Home), Found);
    EXPECT_TRUE(Found) << "the log reports on the dictionary when the program ends";
    EXPECT_TRUE(Unknown.isEmpty()) << Unknown.join("\n").toStdString();
}

} // namespace

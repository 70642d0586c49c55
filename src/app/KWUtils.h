#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

// The browser's actions; they also select what a loaded visit keeps.
enum TKWAction
{
    aBetriebNeu,
    aBeratungNeu,
    aBeratungBearbeiten,
    aFolgeberatung,
    aBeratungLoeschen,
    aBeratungTransfer
};

// Pages report a changed value to their owner through these.
using TValueEvent = std::function<void(int AValue)>;
using TEditEvent = std::function<void(const QString& AValue)>;

// Width of the wide content layouts, in device-independent units.
inline constexpr int KWContentWidth = 1100;

// Composed name of the active visit; visit management sets it.
extern QString KWActiveVisitFolder;
// Every entry field the pages create gives up its focus on Return.
extern bool KWReturnEndsEditing;

// Appends the text to "log.txt" in the data folder; a text with line breaks gives several
// lines. When the file cannot be opened the text is dropped and the next call tries again.
void KWLog(const QString& AText);
// The log file: "log.txt" in the data folder.
QString KWLogPath();
// The first two lines of every run.
void KWLogStarted();
// Closes the log file; the next KWLog opens it again. The program calls it last.
void KWLogClose();

// Data folder (created with its parents on every call), program folder with a trailing
// separator, and the user's download folder.
QString KWGetDataPath();
QString KWGetAppPath();
QString KWGetDownloadPath();

// Writes the text as UTF-8 without byte-order mark, replacing the file only once the whole text
// is on disk (a crash never leaves half a file). Raises when the file cannot be written.
void KWSaveTextFile(const QString& APath, const QString& AText);
void KWSaveTextFile(const QString& APath, const QByteArray& AUtf8);
// The length in UTF-16 code units (the program's characters) of a UTF-8 text.
qsizetype KWUtf16Length(QByteArrayView AUtf8);

// Reads a UTF-8 text file; a leading byte-order mark is dropped. Raises when it cannot be read.
QString KWReadTextFile(const QString& APath);

// Resource path for a name, found by base name without regard to case; empty when unknown.
QString KWResourcePath(const QString& AName);
// Paths of every resource the program carries, sorted.
QStringList KWResourcePaths();
// The text resource as lines (UTF-8, byte-order mark removed). A missing resource raises.
QStringList KWLoadStringsResource(const QString& AName);

// Removes blanks and control characters from both ends.
QString KWTrim(const QString& AText);
// Trims blanks and control characters at both ends and returns the first blank-separated word.
QString KWFirstWord(const QString& AText);

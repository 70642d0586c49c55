#include "KWUtils.h"

#include "KWException.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <memory>

QString KWActiveVisitFolder;
bool KWReturnEndsEditing = true;

namespace {

std::unique_ptr<QFile> LogWriter;

QStringList SplitLines(const QString& AText)
{
    static const QRegularExpression LineBreak(QStringLiteral("\r\n|\n|\r"));
    return AText.split(LineBreak);
}

bool OpenLog()
{
    if (LogWriter)
        return true;
    auto File = std::make_unique<QFile>(KWLogPath());
    if (!File->open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    LogWriter = std::move(File);
    return true;
}

const QHash<QString, QString>& ResourceIndex()
{
    static const QHash<QString, QString> Index = [] {
        QHash<QString, QString> Result;
        QDirIterator It(QStringLiteral(":/qomvi"), QDir::Files, QDirIterator::Subdirectories);
        while (It.hasNext()) {
            const QString Path = It.next();
            Result.insert(QFileInfo(Path).completeBaseName().toLower(), Path);
        }
        return Result;
    }();
    return Index;
}

} // namespace

QString KWLogPath()
{
    return QDir(KWGetDataPath()).filePath(QStringLiteral("log.txt"));
}

void KWLog(const QString& AText)
{
    if (!OpenLog())
        return;
    for (const QString& Line : SplitLines(AText)) {
        LogWriter->write(Line.toUtf8());
        LogWriter->write("\r\n");
    }
    LogWriter->flush();
}

void KWLogStarted()
{
    KWLog(QStringLiteral("*** Started ***"));
    KWLog(QStringLiteral("  ") +
          QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

void KWLogClose()
{
    LogWriter.reset();
}

QString KWGetDataPath()
{
    const QString Path = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                             .filePath(QStringLiteral("Agrivex/qomvi/Data"));
    QDir().mkpath(Path);
    return Path;
}

QString KWGetAppPath()
{
    const QString Path =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return Path + QLatin1Char('/');
}

QString KWGetDownloadPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}

void KWSaveTextFile(const QString& APath, const QString& AText)
{
    KWSaveTextFile(APath, AText.toUtf8());
}

void KWSaveTextFile(const QString& APath, const QByteArray& AUtf8)
{
    QSaveFile File(APath);
    if (!File.open(QIODevice::WriteOnly) || File.write(AUtf8) < 0 || !File.commit())
        throw EKWException(QStringLiteral("%1: %2").arg(APath, File.errorString()));
}

qsizetype KWUtf16Length(QByteArrayView AUtf8)
{
    qsizetype Length = 0;
    // Every character starts with a byte that does not continue one; one beyond the basic
    // plane (a four-byte lead) takes two UTF-16 units.
    for (const char Byte : AUtf8) {
        const auto Unit = static_cast<unsigned char>(Byte);
        Length += ((Unit & 0xC0) != 0x80) + (Unit >= 0xF0);
    }
    return Length;
}

QString KWResourcePath(const QString& AName)
{
    return ResourceIndex().value(AName.toLower());
}

QStringList KWResourcePaths()
{
    QStringList Paths = ResourceIndex().values();
    Paths.sort();
    return Paths;
}

QString KWReadTextFile(const QString& APath)
{
    QFile File(APath);
    if (!File.open(QIODevice::ReadOnly))
        throw EKWException(QStringLiteral("%1: %2").arg(APath, File.errorString()));
    QString Text = QString::fromUtf8(File.readAll());
    if (Text.startsWith(QChar(0xFEFF)))
        Text.remove(0, 1);
    return Text;
}

QStringList KWLoadStringsResource(const QString& AName)
{
    const QString Path = KWResourcePath(AName);
    if (Path.isEmpty())
        throw EKWException(QStringLiteral("Resource not found: %1").arg(AName));
    QStringList Lines = SplitLines(KWReadTextFile(Path));
    if (!Lines.isEmpty() && Lines.last().isEmpty())
        Lines.removeLast(); // the line break that ends the last line starts no new line
    return Lines;
}

QString KWTrim(const QString& AText)
{
    qsizetype Begin = 0;
    qsizetype End = AText.size();
    while (Begin < End && AText[Begin].unicode() <= u' ')
        ++Begin;
    while (End > Begin && AText[End - 1].unicode() <= u' ')
        --End;
    return AText.mid(Begin, End - Begin);
}

QString KWFirstWord(const QString& AText)
{
    return KWTrim(AText).section(QLatin1Char(' '), 0, 0);
}

#include "TestSupport.h"

#include "KWUtils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

QString LogPath()
{
    return QDir(KWGetDataPath()).filePath(QStringLiteral("log.txt"));
}

} // namespace

void UseTemporaryHome(const QTemporaryDir& AHome)
{
    const QByteArray Path = AHome.path().toUtf8();
    setenv("HOME", Path.constData(), 1);
    setenv("XDG_DATA_HOME", (Path + "/share").constData(), 1);
    setenv("XDG_CONFIG_HOME", (Path + "/config").constData(), 1);
}

QStringList ReadLogLines()
{
    QFile File(LogPath());
    if (!File.open(QIODevice::ReadOnly))
        return {};
    QStringList Lines = QString::fromUtf8(File.readAll()).split(QStringLiteral("\r\n"));
    if (!Lines.isEmpty() && Lines.last().isEmpty())
        Lines.removeLast();
    return Lines;
}

void ResetLog()
{
    KWLogClose();
    QFile::remove(LogPath());
}

TScopedLocale::TScopedLocale(QLocale::Language ALanguage, QLocale::Country ACountry)
{
    QLocale::setDefault(QLocale(ALanguage, ACountry));
}

TScopedLocale::~TScopedLocale()
{
    QLocale::setDefault(FPrevious);
}

void PrintTo(const QString& AText, std::ostream* AStream)
{
    *AStream << '"' << AText.toStdString() << '"';
}

void PrintTo(const QStringList& ATexts, std::ostream* AStream)
{
    *AStream << '{';
    for (const QString& Text : ATexts) {
        PrintTo(Text, AStream);
        *AStream << ' ';
    }
    *AStream << '}';
}

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <ostream>

class QTemporaryDir;

// Points HOME and the XDG data and config folders into AHome; call before the application
// object exists.
void UseTemporaryHome(const QTemporaryDir& AHome);

// The lines of "log.txt" in the data folder (CR LF line ends removed).
QStringList ReadLogLines();
// Removes "log.txt" and closes the writer, so a test starts with an empty log.
void ResetLog();

// Sets the default locale for the lifetime of the object.
class TScopedLocale
{
public:
    explicit TScopedLocale(QLocale::Language ALanguage, QLocale::Country ACountry);
    ~TScopedLocale();

private:
    QLocale FPrevious;
};

// Readable test failures for Qt texts.
void PrintTo(const QString& AText, std::ostream* AStream);
void PrintTo(const QStringList& ATexts, std::ostream* AStream);

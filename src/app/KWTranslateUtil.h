#pragma once

#include <QString>

// The translation dictionary. Without an active language every text is returned unchanged.
class TKWTranslateUtil
{
public:
    // Empties both maps and loads the dictionary "Dictionary_" + ALanguage (none when blank).
    static void Open(const QString& ALanguage);
    static QString Translate(const QString& AText);
    static QString TranslateFilename(const QString& AFilename);
    // Logs the texts that found no translation (when a language is active) and frees the maps.
    static void Close();
};

QString KWTranslate(const QString& AText);

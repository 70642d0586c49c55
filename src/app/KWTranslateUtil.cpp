#include "KWTranslateUtil.h"

#include "KWException.h"
#include "KWUtils.h"

#include <QHash>

#include <map>
#include <optional>

namespace {

const QString Ruler = QString(70, u'-');

QString CurrentLanguage;
std::optional<QHash<QString, QString>> Dictionary;
std::optional<std::map<QString, QString>> UnknownTexts;

// Only the letters A to Z are folded; umlauts and every other character stay as they are.
QString LowerAZ(const QString& AText)
{
    QString Result = AText;
    for (QChar& Char : Result)
        if (Char >= u'A' && Char <= u'Z')
            Char = QChar(Char.unicode() + (u'a' - u'A'));
    return Result;
}

QString LookupKey(const QString& AText)
{
    QString Key = AText;
    if (Key.contains(u'\n')) {
        const QStringList Pieces = Key.split(u'\n', Qt::SkipEmptyParts);
        Key = Pieces.isEmpty() ? QString() : Pieces.first();
    }
    return LowerAZ(KWTrim(Key));
}

void Remember(const QString& AText, const QString& ANote)
{
    if (UnknownTexts)
        UnknownTexts->emplace(AText, ANote);
}

void AddEntry(const QString& ALine)
{
    if (ALine.contains(QChar::ReplacementCharacter))
        throw EKWException(QStringLiteral("The line is not valid UTF-8 text."));
    const QStringList Pieces = ALine.split(u';', Qt::SkipEmptyParts);
    if (Pieces.size() < 2)
        return;
    const QString Key = LowerAZ(KWTrim(Pieces[0]));
    if (!Dictionary->contains(Key))
        Dictionary->insert(Key, KWTrim(Pieces[1]));
}

void LoadDictionary(const QString& AResourceName)
{
    QStringList Lines;
    try {
        Lines = KWLoadStringsResource(AResourceName);
    } catch (const EKWException& E) {
        KWLog(QStringLiteral("Dictionary wurde nicht geladen: >") + AResourceName + u'<');
        KWLog(E.Message());
        return;
    }
    for (const QString& Line : Lines) {
        try {
            AddEntry(Line);
        } catch (const EKWException& E) {
            KWLog(QStringLiteral("DictionaryEntry wurde nicht geladen: >") + Line + u'<');
            KWLog(E.Message());
        }
    }
}

} // namespace

void TKWTranslateUtil::Open(const QString& ALanguage)
{
    Dictionary.emplace();
    UnknownTexts.emplace();
    CurrentLanguage = ALanguage;
    if (CurrentLanguage.trimmed().isEmpty())
        return;
    KWLog(QStringLiteral("-- Translate: Load Dictionary ----------------------------------------"));
    KWLog(QStringLiteral("CurrentLanguage: ") + CurrentLanguage);
    LoadDictionary(QStringLiteral("Dictionary_") + CurrentLanguage);
    KWLog(Ruler);
}

QString TKWTranslateUtil::Translate(const QString& AText)
{
    if (AText.isEmpty())
        return AText; // nothing to translate, and nothing to report
    if (Dictionary) {
        const auto Found = Dictionary->constFind(LookupKey(AText));
        if (Found != Dictionary->constEnd())
            return *Found;
    }
    Remember(AText, QStringLiteral("unknown"));
    return AText;
}

QString TKWTranslateUtil::TranslateFilename(const QString& AFilename)
{
    if (Dictionary) {
        const auto Found = Dictionary->constFind(LowerAZ(AFilename));
        if (Found != Dictionary->constEnd())
            return *Found;
    }
    Remember(AFilename, QStringLiteral("unknown filename"));
    return AFilename;
}

void TKWTranslateUtil::Close()
{
    if (!CurrentLanguage.trimmed().isEmpty() && UnknownTexts) {
        KWLog(QStringLiteral("-- Translate: Unknown Entries ----------------------------------------"));
        KWLog(QStringLiteral("CurrentLanguage: ") + CurrentLanguage);
        for (const auto& [Text, Note] : *UnknownTexts)
            KWLog(Text.leftJustified(60) + QStringLiteral("  ") + Note);
        KWLog(Ruler);
    }
    Dictionary.reset();
    UnknownTexts.reset();
    CurrentLanguage.clear();
}

QString KWTranslate(const QString& AText)
{
    return TKWTranslateUtil::Translate(AText);
}

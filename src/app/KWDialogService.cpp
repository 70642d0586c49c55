#include "KWDialogService.h"

#include "KWTranslateUtil.h"

namespace {

QString TranslateLines(const QStringList& ALines)
{
    QStringList Lines;
    Lines.reserve(ALines.size());
    for (const QString& Line : ALines)
        Lines.append(KWTranslate(Line));
    return Lines.join(u'\n');
}

} // namespace

// The heading is translated on its own: a pattern of several lines would be replaced as a
// whole by the translation of its first line, and the detail would be lost.
QString KWActionErrorText(const QString& ADetail)
{
    return KWTranslate(QStringLiteral("Fehler bei der Aktion:")) + QStringLiteral("\r\n\r\n") +
           ADetail;
}

void TKWDialogService::ShowMessage(TKWDialogType AType, const QStringList& ALines,
                                   TKWDialogCallback ACallback)
{
    ShowText(AType, TranslateLines(ALines), std::move(ACallback));
}

void TKWDialogService::Confirm(const QStringList& ALines, TKWDialogButtons AButtons,
                               TKWDialogButton ADefault, TKWDialogCallback ACallback)
{
    ConfirmText(TranslateLines(ALines), AButtons, ADefault, std::move(ACallback));
}

void TKWDialogService::ShowText(TKWDialogType AType, const QString& AText,
                                TKWDialogCallback ACallback)
{
    Execute({AType, AText, dbOK, dbOK}, std::move(ACallback));
}

void TKWDialogService::ConfirmText(const QString& AText, TKWDialogButtons AButtons,
                                   TKWDialogButton ADefault, TKWDialogCallback ACallback)
{
    Execute({dtConfirmation, AText, AButtons, ADefault}, std::move(ACallback));
}

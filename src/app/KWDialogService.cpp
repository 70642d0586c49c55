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

void TKWDialogService::ShowMessage(TKWDialogType AType, const QStringList& ALines,
                                   TKWDialogCallback ACallback)
{
    Execute({AType, TranslateLines(ALines), dbOK, dbOK}, std::move(ACallback));
}

void TKWDialogService::Confirm(const QStringList& ALines, TKWDialogButtons AButtons,
                               TKWDialogButton ADefault, TKWDialogCallback ACallback)
{
    Execute({dtConfirmation, TranslateLines(ALines), AButtons, ADefault}, std::move(ACallback));
}

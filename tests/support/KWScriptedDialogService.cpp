#include "KWScriptedDialogService.h"

#include <QCoreApplication>
#include <QMetaObject>

void TKWScriptedDialogService::QueueAnswer(TKWDialogButton AAnswer)
{
    FAnswers.push_back(AAnswer);
}

QStringList TKWScriptedDialogService::Texts() const
{
    QStringList Result;
    for (const TKWDialogRequest& Request : FRequests)
        Result.append(Request.Text);
    return Result;
}

void TKWScriptedDialogService::Execute(const TKWDialogRequest& ARequest,
                                       TKWDialogCallback ACallback)
{
    FRequests.append(ARequest);
    TKWDialogButton Answer = ARequest.DefaultButton;
    if (!FAnswers.empty()) {
        Answer = FAnswers.front();
        FAnswers.pop_front();
    }
    if (!ACallback)
        return;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [Answer, Callback = std::move(ACallback)] { Callback(Answer); }, Qt::QueuedConnection);
}

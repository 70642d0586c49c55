#pragma once

#include "KWDialogService.h"

#include <QList>

#include <deque>

// Answers dialogs from a queue instead of asking anyone, and records what it was asked. Like a
// real dialog it answers later, on the event loop: process events to receive the answers.
class TKWScriptedDialogService final : public TKWDialogService
{
public:
    // The answer to the next unanswered request; requests beyond the queue get their default.
    void QueueAnswer(TKWDialogButton AAnswer);
    const QList<TKWDialogRequest>& Requests() const { return FRequests; }
    // The texts of all requests, in order.
    QStringList Texts() const;

protected:
    void Execute(const TKWDialogRequest& ARequest, TKWDialogCallback ACallback) override;

private:
    std::deque<TKWDialogButton> FAnswers;
    QList<TKWDialogRequest> FRequests;
};

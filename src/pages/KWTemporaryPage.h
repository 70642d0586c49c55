#pragma once

#include "KWPage.h"

#include <QWidget>

// TEMPORARY: stands in for a recording, evaluation or advice page that is not built yet. It
// shows the page's title and follows the page protocol, so the window can already move through
// every page. Each real page replaces it in the page factory (KWPageFactory) when it arrives.
class TKWTemporaryPage final : public QWidget, public IKWPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWTemporaryPage)

public:
    // APageId names a catalogue page.
    TKWTemporaryPage(const QString& APageId, QWidget* AParent);

    void Init() override;
    void Enter() override {}
    // Saves the page's screenshot; there is nothing to check.
    bool Leave() override;

private:
    QString FPageId;
};

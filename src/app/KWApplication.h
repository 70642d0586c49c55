#pragma once

#include <QApplication>

#include <memory>

class TKWDialogService;

// The application object. An error that an event handler lets escape is logged with its
// message text and shown to the user; the program goes on, and the action that failed ends
// there. Qt does not allow errors to pass through its event loop.
class TKWApplication final : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWApplication)

public:
    TKWApplication(int& AArgc, char** AArgv);
    ~TKWApplication() override;

    bool notify(QObject* AReceiver, QEvent* AEvent) override;

private:
    std::unique_ptr<TKWDialogService> FDialogService;
};

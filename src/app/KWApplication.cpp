#include "KWApplication.h"

#include "KWMessageBoxDialogService.h"
#include "KWUtils.h"

TKWApplication::TKWApplication(int& AArgc, char** AArgv)
    : QApplication(AArgc, AArgv),
      FDialogService(std::make_unique<TKWMessageBoxDialogService>(nullptr))
{
}

TKWApplication::~TKWApplication() = default;

bool TKWApplication::notify(QObject* AReceiver, QEvent* AEvent)
{
    try {
        return QApplication::notify(AReceiver, AEvent);
    } catch (const std::exception& E) {
        const QString Message = QString::fromUtf8(E.what());
        KWLog(Message);
        FDialogService->ShowText(dtError, Message);
    }
    return false;
}

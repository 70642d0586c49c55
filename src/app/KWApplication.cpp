#include "KWApplication.h"

#include "KWMessageBoxDialogService.h"
#include "KWUtils.h"
#include "KWUtilsGui.h"

TKWApplication::TKWApplication(int& AArgc, char** AArgv)
    : QApplication(AArgc, AArgv),
      FDialogService(std::make_unique<TKWMessageBoxDialogService>(nullptr))
{
    // Every window of the program shows it; the SVG is drawn only at the sizes asked for.
    setWindowIcon(KWLoadIconResource(QStringLiteral("qomvi")));
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

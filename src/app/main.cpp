// Program entry: the first log lines, the application object and the start screen.
#include "KWApplication.h"
#include "KWStartScreen.h"
#include "KWTemporaryMainWindow.h"
#include "KWUtils.h"
#include "KWUtilsGui.h"

#include <exception>

int main(int argc, char** argv)
{
    KWLogStarted();
    int Result = 1;
    try {
        TKWApplication App(argc, argv);
        // TEMPORARY: the stand-in window gives way to the main window when it exists.
        TStartScreen StartScreen([] { return std::make_unique<TKWTemporaryMainWindow>(); });
        KWShowMaximized(&StartScreen);
        Result = TKWApplication::exec();
    } catch (const std::exception& E) {
        KWLog(QString::fromUtf8(E.what()));
    }
    KWLogClose();
    return Result;
}

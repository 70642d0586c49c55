#pragma once

#include <QWidget>

// TEMPORARY: stands in for the main window until the application shell exists, so the program
// already starts, shows its start screen and hands over to a window. Remove it together with
// its use in main.cpp when the main window arrives.
class TKWTemporaryMainWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWTemporaryMainWindow)

public:
    TKWTemporaryMainWindow();
};

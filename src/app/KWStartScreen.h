#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QTimer;

// Creates the main window when the start screen hands over.
using TKWMainWindowFactory = std::function<std::unique_ptr<QWidget>()>;

// The first window: the splash picture on black, without border. Two seconds after it is
// created it creates the main window, maximises and shows it, and hides itself. It keeps the
// main window, so the main window is destroyed before the program's last log line; closing the
// main window closes the start screen, which ends the program.
class TStartScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TStartScreen)

public:
    explicit TStartScreen(TKWMainWindowFactory AMainWindowFactory);
    ~TStartScreen() override;

    static constexpr int StartDelayMs = 2000;

    QWidget* MainWindow() const { return FMainWindow.get(); }

protected:
    void paintEvent(QPaintEvent* AEvent) override;
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    void TimerTimer();

    TKWMainWindowFactory FMainWindowFactory;
    QImage FSplash;
    QTimer* FTimer;
    std::unique_ptr<QWidget> FMainWindow;
};

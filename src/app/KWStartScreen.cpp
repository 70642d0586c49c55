#include "KWStartScreen.h"

#include "KWUtilsGui.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

TStartScreen::TStartScreen(TKWMainWindowFactory AMainWindowFactory)
    : QWidget(nullptr, Qt::FramelessWindowHint), FMainWindowFactory(std::move(AMainWindowFactory)),
      FSplash(KWLoadBitmapResource(QStringLiteral("Splash"))), FTimer(new QTimer(this))
{
    setWindowTitle(QStringLiteral("Start Screen"));
    setObjectName(QStringLiteral("StartScreen"));
    FTimer->setObjectName(QStringLiteral("Timer1"));
    FTimer->setInterval(StartDelayMs);
    connect(FTimer, &QTimer::timeout, this, &TStartScreen::TimerTimer);
    FTimer->start();
}

// The main window goes first: its destruction still writes to the log.
TStartScreen::~TStartScreen()
{
    if (FMainWindow)
        FMainWindow->removeEventFilter(this);
    FMainWindow.reset();
}

void TStartScreen::TimerTimer()
{
    FTimer->stop();
    FMainWindow = FMainWindowFactory();
    FMainWindow->installEventFilter(this);
    KWShowMaximized(FMainWindow.get());
    hide();
}

void TStartScreen::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    Painter.fillRect(rect(), Qt::black);
    // Scaled to the window; the black shows where the proportions differ.
    QRect Target(QPoint(), FSplash.size().scaled(size(), Qt::KeepAspectRatio));
    Target.moveCenter(rect().center());
    Painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Painter.drawImage(Target, FSplash);
}

bool TStartScreen::eventFilter(QObject* AWatched, QEvent* AEvent)
{
    // The main window may refuse to close; only a close it went through ends the program.
    if (AWatched == FMainWindow.get() && AEvent->type() == QEvent::Close)
        QTimer::singleShot(0, this, [this] {
            if (FMainWindow && !FMainWindow->isVisible())
                close();
        });
    return QWidget::eventFilter(AWatched, AEvent);
}

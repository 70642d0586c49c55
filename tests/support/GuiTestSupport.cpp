#include "GuiTestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace {

void SendMouse(QWidget* AWidget, QEvent::Type AType, QPoint APos, Qt::MouseButton AButton,
               Qt::MouseButtons AButtons)
{
    QMouseEvent Event(AType, APos, AWidget->mapTo(AWidget->window(), APos),
                      AWidget->mapToGlobal(APos), AButton, AButtons, Qt::NoModifier);
    QApplication::sendEvent(AWidget, &Event);
}

} // namespace

bool WaitFor(const std::function<bool()>& ACondition, int ATimeoutMs)
{
    QElapsedTimer Timer;
    Timer.start();
    while (!ACondition() && Timer.elapsed() < ATimeoutMs)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return ACondition();
}

void SendDrag(QWidget* AWidget, QPoint AFrom, QPoint ATo)
{
    SendMouse(AWidget, QEvent::MouseButtonPress, AFrom, Qt::LeftButton, Qt::LeftButton);
    SendMouse(AWidget, QEvent::MouseMove, (AFrom + ATo) / 2, Qt::NoButton, Qt::LeftButton);
    SendMouse(AWidget, QEvent::MouseButtonRelease, ATo, Qt::LeftButton, Qt::NoButton);
}

void SendClick(QWidget* AWidget, QPoint APos)
{
    SendMouse(AWidget, QEvent::MouseButtonPress, APos, Qt::LeftButton, Qt::LeftButton);
    SendMouse(AWidget, QEvent::MouseButtonRelease, APos, Qt::LeftButton, Qt::NoButton);
}

void TapRow(QAbstractItemView* AView, const QModelIndex& AIndex)
{
    AView->scrollTo(AIndex);
    QTest::mouseClick(AView->viewport(), Qt::LeftButton, {}, AView->visualRect(AIndex).center());
}

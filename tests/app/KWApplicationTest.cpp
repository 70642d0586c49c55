#include "KWApplication.h"

#include "KWException.h"
#include "TestSupport.h"

#include <QMessageBox>

#include <gtest/gtest.h>

namespace {

class TFailingHandler final : public QObject
{
protected:
    bool event(QEvent* AEvent) override
    {
        if (AEvent->type() == QEvent::User)
            throw EKWException("Die Datenbank ist gesperrt.");
        return QObject::event(AEvent);
    }
};

// Qt must never see an error pass through its event loop; the user sees it and goes on.
TEST(KWApplication, ErrorsOfEventHandlersAreLoggedAndShown)
{
    ResetLog();
    TFailingHandler Handler;
    QEvent Event(QEvent::User);
    QCoreApplication::sendEvent(&Handler, &Event);
    EXPECT_EQ(ReadLogLines(), QStringList{"Die Datenbank ist gesperrt."});
    QMessageBox* Shown = nullptr;
    for (QWidget* Window : QApplication::topLevelWidgets())
        if (auto* Box = qobject_cast<QMessageBox*>(Window); Box && Box->isVisible())
            Shown = Box;
    ASSERT_NE(Shown, nullptr);
    EXPECT_EQ(Shown->text(), "Die Datenbank ist gesperrt.");
    EXPECT_EQ(Shown->icon(), QMessageBox::Critical);
    Shown->accept();
}

} // namespace

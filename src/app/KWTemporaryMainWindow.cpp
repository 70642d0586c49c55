#include "KWTemporaryMainWindow.h"

#include "KWTranslateUtil.h"

#include <QLabel>
#include <QVBoxLayout>

TKWTemporaryMainWindow::TKWTemporaryMainWindow()
{
    setWindowTitle(QStringLiteral("qomvi"));
    auto* Layout = new QVBoxLayout(this);
    auto* Label =
        new QLabel(KWTranslate(QStringLiteral("Die Anwendungsoberfläche folgt in Kürze.")), this);
    Label->setAlignment(Qt::AlignCenter);
    Layout->addWidget(Label);
}

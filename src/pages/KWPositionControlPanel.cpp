#include "KWPositionControlPanel.h"

#include "KWRecordNavigator.h"
#include "KWStyle.h"
#include "KWSymbolButtons.h"

#include <QBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {

constexpr int BarPadding = 10;
constexpr int ArrowSize = 64;

} // namespace

TKWPositionControlPanel::TKWPositionControlPanel(QWidget* AOwner)
    : QWidget(AOwner), FControlBar(new QWidget(this)), FControlLayout(new QWidget(FControlBar)),
      FPreviousButton(CreateButton(QStringLiteral("PreviousButton"), KWUpIcon(),
                                   QStringLiteral("Vorheriger Eintrag"))),
      FNextButton(CreateButton(QStringLiteral("NextButton"), KWDownIcon(),
                               QStringLiteral("Nächster Eintrag"))),
      FPositionLabel(new QLabel(FControlLayout)), FContentLayout(new QWidget(this))
{
    FContentLayout->setObjectName(QStringLiteral("ContentLayout"));
    FControlBar->setObjectName(QStringLiteral("ControlBar"));
    FPositionLabel->setObjectName(QStringLiteral("PositionLabel"));
    FPositionLabel->setAlignment(Qt::AlignCenter);
    FPositionLabel->setWordWrap(false);

    auto* Controls = new QVBoxLayout(FControlLayout);
    Controls->setContentsMargins(0, 0, 0, 0);
    Controls->setSpacing(0);
    Controls->addWidget(FPreviousButton, 0, Qt::AlignHCenter);
    Controls->addWidget(FPositionLabel);
    Controls->addWidget(FNextButton, 0, Qt::AlignHCenter);

    auto* Bar = new QVBoxLayout(FControlBar);
    Bar->setContentsMargins(BarPadding, 0, BarPadding, 0);
    Bar->addStretch();
    Bar->addWidget(FControlLayout);
    Bar->addStretch();

    auto* Panel = new QHBoxLayout(this);
    Panel->setContentsMargins(0, 0, 0, 0);
    Panel->setSpacing(0);
    Panel->addWidget(FContentLayout, 1);
    Panel->addWidget(FControlBar);

    connect(FNextButton, &QToolButton::clicked, this, [this] {
        MoveNext();
        RefreshPositionText();
    });
    connect(FPreviousButton, &QToolButton::clicked, this, [this] {
        MovePrevious();
        RefreshPositionText();
    });
}

void TKWPositionControlPanel::Init()
{
    // The widest text the position can take decides the bar's width, so it never jumps.
    FPositionLabel->setText(KWPositionText(GetPositionFormat(), 999, 999));
    const QSize Widest = FPositionLabel->sizeHint();
    const int ButtonWidth = std::max(FPreviousButton->width(), FNextButton->width());
    FControlBar->setFixedWidth(std::max(Widest.width(), ButtonWidth) + 2 * BarPadding);
    FControlLayout->setFixedHeight(Widest.height() + FPreviousButton->height() +
                                   FNextButton->height());
    RefreshPositionText();
}

void TKWPositionControlPanel::RefreshPositionText()
{
    FPositionLabel->setText(KWPositionText(GetPositionFormat(), GetPosition(), GetCount()));
}

QToolButton* TKWPositionControlPanel::CreateButton(const QString& AName, const QIcon& AIcon,
                                                   const QString& AText)
{
    QToolButton* Button = KWCreateSymbolButton(FControlLayout, AName, AIcon, ArrowSize,
                                               KWStyle::NavigatorButtonSize, AText);
    // A tap takes the focus, so a value still being typed is committed before the record moves.
    Button->setFocusPolicy(Qt::StrongFocus);
    return Button;
}

#include "KWTabBar.h"

#include "KWNavigation.h"
#include "KWStyle.h"
#include "KWTranslateUtil.h"
#include "KWUtilsGui.h"

#include <QLabel>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr qreal CornerRadius = 4;
constexpr qreal PenWidth = 2;
// A square turned into a diamond is drawn smaller, so its corners stay inside the bar.
constexpr qreal DiamondSide = (KWStyle::TabBarHeight - PenWidth) / 1.41421356;
constexpr int PressedTitleGap = 4;

} // namespace

TKWColorButton::TKWColorButton(const QString& APageId, quint32 AColor, QWidget* AParent)
    : QAbstractButton(AParent), FPageId(APageId), FColor(QColor::fromRgba(AColor))
{
    setObjectName(QStringLiteral("ColorButton_") + APageId);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
}

void TKWColorButton::SetMark(bool AEnabled, qreal AOpacity, qreal ARotation)
{
    setVisible(true);
    setEnabled(AEnabled);
    FOpacity = AOpacity;
    FRotation = ARotation;
    update();
}

QSize TKWColorButton::sizeHint() const
{
    return {KWStyle::TabBarPitch, KWStyle::TabBarHeight};
}

void TKWColorButton::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.translate(QRectF(rect()).center());
    Painter.rotate(FRotation);
    Painter.setOpacity(FOpacity);
    const qreal Side = FRotation == 0 ? KWStyle::TabBarSquare : DiamondSide;
    const QRectF Square(-Side / 2, -Side / 2, Side, Side);
    QColor Fill = FColor;
    if (!isEnabled())
        Fill = Qt::white;
    else if (isDown())
        Fill = FColor.darker(130);
    else if (underMouse())
        Fill = FColor.lighter(115);
    Painter.setPen(QPen(isEnabled() ? FColor.darker(115) : FColor.lighter(140), PenWidth));
    Painter.setBrush(Fill);
    Painter.drawRoundedRect(Square, CornerRadius, CornerRadius);
}

TKWTabBar::TKWTabBar(QWidget* AParent)
    : QWidget(AParent), FMasterButton(new QToolButton(this)),
      FPressedTitleLabel(new QLabel(AParent))
{
    setObjectName(QStringLiteral("TabBar"));
    setFixedHeight(KWStyle::TabBarHeight);
    FMasterButton->setObjectName(QStringLiteral("MasterButton"));
    FMasterButton->setIcon(KWLoadIconResource(QStringLiteral("ToolDetails")));
    FMasterButton->setIconSize({28, 28});
    FMasterButton->setAutoRaise(true);
    const QString MasterName = KWTranslate(QStringLiteral("Seitenauswahl"));
    FMasterButton->setToolTip(MasterName);
    FMasterButton->setAccessibleName(MasterName);
    FMasterButton->setGeometry(0, 0, KWStyle::MasterButtonWidth, KWStyle::TabBarHeight);
    FPressedTitleLabel->setObjectName(QStringLiteral("PressedTitleLabel"));
    FPressedTitleLabel->setStyleSheet(QStringLiteral(
        "background-color: #455A64; color: white; border-radius: 4px; padding: 6px 10px;"));
    FPressedTitleLabel->hide();
}

void TKWTabBar::AddPageButton(const QString& APageId, quint32 AColor, const QString& ATitle)
{
    auto* Button = new TKWColorButton(APageId, AColor, this);
    const QString Title = KWTranslate(ATitle);
    Button->setToolTip(Title);
    Button->setAccessibleName(Title);
    connect(Button, &QAbstractButton::clicked, this,
            [this, APageId] { Q_EMIT PageButtonClicked(APageId); });
    connect(Button, &QAbstractButton::pressed, this, [this, Button] { ShowPressedTitle(Button); });
    connect(Button, &QAbstractButton::released, FPressedTitleLabel, &QWidget::hide);
    FPageButtons.push_back(Button);
    PlaceButtons();
}

TKWColorButton* TKWTabBar::PageButton(const QString& APageId) const
{
    for (TKWColorButton* Button : FPageButtons)
        if (Button->PageId() == APageId)
            return Button;
    return nullptr;
}

void TKWTabBar::Mark(const QString& AShownPage)
{
    for (TKWColorButton* Button : FPageButtons) {
        const TKWButtonMark Mark = KWButtonMark(AShownPage, Button->PageId());
        Button->SetMark(Mark.Enabled, Mark.Opacity, Mark.Rotation);
    }
}

void TKWTabBar::resizeEvent(QResizeEvent* AEvent)
{
    QWidget::resizeEvent(AEvent);
    PlaceButtons();
}

void TKWTabBar::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    Painter.fillRect(rect(), QColor(255, 255, 255, 170));
    Painter.setPen(QColor(0, 0, 0, 40));
    Painter.drawLine(0, 0, width(), 0);
}

// Centred above the button, kept inside the window.
void TKWTabBar::ShowPressedTitle(const TKWColorButton* AButton)
{
    FPressedTitleLabel->setText(AButton->accessibleName());
    FPressedTitleLabel->adjustSize();
    QWidget* Window = FPressedTitleLabel->parentWidget();
    const QPoint Top = AButton->mapTo(Window, QPoint(AButton->width() / 2, 0));
    const int Left = std::clamp(Top.x() - FPressedTitleLabel->width() / 2, 0,
                                std::max(0, Window->width() - FPressedTitleLabel->width()));
    FPressedTitleLabel->move(Left, Top.y() - FPressedTitleLabel->height() - PressedTitleGap);
    FPressedTitleLabel->raise();
    FPressedTitleLabel->show();
}

// Recomputed on every resize: the window is maximised only after the bar was built.
void TKWTabBar::PlaceButtons()
{
    const std::vector<int> Lefts = KWTabBarButtonLefts(width(), int(FPageButtons.size()));
    const int Gap = (KWStyle::TabBarPitch - KWStyle::TabBarSquare) / 2;
    for (std::size_t Index = 0; Index < FPageButtons.size(); ++Index)
        FPageButtons[Index]->move(Lefts[Index] - Gap, 0);
}

#include "KWTabBar.h"

#include "KWNavigation.h"
#include "KWTranslateUtil.h"
#include "KWUtilsGui.h"

#include <QPainter>
#include <QToolButton>

namespace {

// Drawn a little smaller than the square's place, so the diamond fits into the bar.
constexpr qreal DrawnSquare = 26;
constexpr qreal CornerRadius = 4;

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
    return {KWTabBarPitch, KWTabBarHeight};
}

void TKWColorButton::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.translate(QRectF(rect()).center());
    Painter.rotate(FRotation);
    Painter.setOpacity(FOpacity);
    const QRectF Square(-DrawnSquare / 2, -DrawnSquare / 2, DrawnSquare, DrawnSquare);
    QColor Fill = FColor;
    if (!isEnabled())
        Fill = Qt::white;
    else if (isDown())
        Fill = FColor.darker(130);
    else if (underMouse())
        Fill = FColor.lighter(115);
    Painter.setPen(QPen(isEnabled() ? FColor.darker(115) : FColor.lighter(140), 2));
    Painter.setBrush(Fill);
    Painter.drawRoundedRect(Square, CornerRadius, CornerRadius);
}

TKWTabBar::TKWTabBar(QWidget* AParent) : QWidget(AParent), FMasterButton(new QToolButton(this))
{
    setObjectName(QStringLiteral("TabBar"));
    setFixedHeight(KWTabBarHeight);
    FMasterButton->setObjectName(QStringLiteral("MasterButton"));
    FMasterButton->setIcon(KWLoadIconResource(QStringLiteral("ToolDetails")));
    FMasterButton->setIconSize({28, 28});
    FMasterButton->setAutoRaise(true);
    FMasterButton->setToolTip(KWTranslate(QStringLiteral("Seitenauswahl")));
    FMasterButton->setGeometry(0, 0, KWMasterButtonWidth, KWTabBarHeight);
}

void TKWTabBar::AddPageButton(const QString& APageId, quint32 AColor, const QString& AHint)
{
    auto* Button = new TKWColorButton(APageId, AColor, this);
    Button->setToolTip(KWTranslate(AHint));
    connect(Button, &QAbstractButton::clicked, this,
            [this, APageId] { Q_EMIT PageButtonClicked(APageId); });
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

// Recomputed on every resize: the window is maximised only after the bar was built.
void TKWTabBar::PlaceButtons()
{
    const std::vector<int> Lefts = KWTabBarButtonLefts(width(), int(FPageButtons.size()));
    const int Gap = (KWTabBarPitch - KWTabBarSquare) / 2;
    for (std::size_t Index = 0; Index < FPageButtons.size(); ++Index)
        FPageButtons[Index]->move(Lefts[Index] - Gap, 0);
}

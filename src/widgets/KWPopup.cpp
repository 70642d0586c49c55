#include "KWPopup.h"

#include "KWTranslateUtil.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr QSize CloseButtonSize{KWStyle::PopupCloseButtonWidth, KWStyle::TouchTarget};
constexpr int CaptionSideMargin = 10;
constexpr int CloseButtonTop = (KWPopupCaptionHeight - KWStyle::TouchTarget) / 2;

} // namespace

QSize KWPopupPanelSize(QSize AContentSize)
{
    return {std::max(AContentSize.width() + KWPopupContentMargins.left() +
                         KWPopupContentMargins.right(),
                     KWPopupMinWidth),
            KWPopupCaptionHeight + AContentSize.height() + KWPopupContentMargins.bottom()};
}

QRect KWPopupPanelRect(QSize AOwnerSize, QSize APanelSize, TKWPopupAlign AAlign)
{
    const QRect Inner = QRect(QPoint(0, 0), AOwnerSize) - KWPopupPanelMargins;
    switch (AAlign) {
    case paTop:
        return {Inner.left(), Inner.top(), Inner.width(), APanelSize.height()};
    case paBottom:
        return {Inner.left(), Inner.bottom() + 1 - APanelSize.height(), Inner.width(),
                APanelSize.height()};
    case paClient:
        return Inner;
    case paCenter:
        break;
    }
    return {QPoint((AOwnerSize.width() - APanelSize.width()) / 2,
                   (AOwnerSize.height() - APanelSize.height()) / 2),
            APanelSize};
}

QRect KWPopupContentRect(QSize APanelSize)
{
    const QRect Below(0, KWPopupCaptionHeight, APanelSize.width(),
                      APanelSize.height() - KWPopupCaptionHeight);
    return Below - KWPopupContentMargins;
}

TKWPopup::TKWPopup(QWidget* AOwner)
    : QWidget(AOwner), FPanelPopup(new QWidget(this)), FPanelCaption(new QWidget(FPanelPopup)),
      FLabelCaption(new QLabel(FPanelCaption)),
      FButtonClose(new QPushButton(KWTranslate(QStringLiteral("Schließen")), FPanelCaption))
{
    setObjectName(QStringLiteral("FormPopup"));
    FPanelPopup->setObjectName(QStringLiteral("PanelPopup"));
    FPanelPopup->setAttribute(Qt::WA_StyledBackground);
    FPanelPopup->setStyleSheet(
        QStringLiteral("#PanelPopup { background-color: white; border-radius: 10px; }"));
    // A click on the panel is not a click on the dimmed area around it.
    FPanelPopup->setAttribute(Qt::WA_NoMousePropagation);
    FLabelCaption->setObjectName(QStringLiteral("LabelCaption"));
    FLabelCaption->setAlignment(Qt::AlignCenter);
    QFont CaptionFont = FLabelCaption->font();
    CaptionFont.setBold(true);
    FLabelCaption->setFont(CaptionFont);
    FLabelCaption->setText(QStringLiteral("Information"));
    FButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    connect(FButtonClose, &QPushButton::clicked, this, &QWidget::close);
    AOwner->installEventFilter(this);
    hide();
}

void TKWPopup::SetCaption(const QString& ACaption)
{
    FLabelCaption->setText(KWTranslate(ACaption));
}

void TKWPopup::SetContent(QWidget* AContent, TKWPopupAlign AContentAlign)
{
    FContent = AContent;
    FContentAlign = AContentAlign;
}

void TKWPopup::SetCloseQuery(TKWCloseQuery AQuery)
{
    FCloseQuery = std::move(AQuery);
}

void TKWPopup::Show()
{
    // What an earlier showing left inside goes back first: only one content at a time.
    if (FAttached && FAttached != FContent)
        Detach();
    if (FContent && FAttached != FContent)
        Attach(FContent);
    FPanelSize = KWPopupPanelSize(ContentSize());
    FIsShowing = true;
    PlacePanel();
    show();
    raise();
    // Keys go to the popup, not to the window below it.
    QWidget* FocusTarget = FAttached ? FAttached.data() : FButtonClose;
    if (FAttached)
        FAttached->show();
    FocusTarget->setFocus(Qt::PopupFocusReason);
}

void TKWPopup::Attach(QWidget* AContent)
{
    FAttachedParent = AContent->parentWidget();
    FAttached = AContent;
    // A control never sized by its owner takes the size its layout asks for.
    if (!AContent->testAttribute(Qt::WA_Resized))
        AContent->adjustSize();
    const QSize Size = AContent->size();
    AContent->setParent(FPanelPopup);
    AContent->resize(Size);
}

void TKWPopup::Detach()
{
    if (FAttached) {
        FAttached->hide();
        FAttached->clearFocus();
        FAttached->setParent(FAttachedParent);
    }
    FAttached = nullptr;
    FAttachedParent = nullptr;
}

QSize TKWPopup::ContentSize() const
{
    if (!FAttached)
        return {0, 0};
    // A tab control inside decides the size, as the content itself may not be sized.
    const auto* FirstChild = FAttached->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (const auto* Tabs = qobject_cast<const QTabWidget*>(FirstChild))
        return Tabs->size();
    return FAttached->size();
}

void TKWPopup::PlacePanel()
{
    setGeometry(parentWidget()->rect());
    const QRect Panel = KWPopupPanelRect(size(), FPanelSize, FContentAlign);
    FPanelPopup->setGeometry(Panel);
    FPanelCaption->setGeometry(CaptionSideMargin, 0, Panel.width() - 2 * CaptionSideMargin,
                               KWPopupCaptionHeight);
    FLabelCaption->setGeometry(FPanelCaption->rect());
    FButtonClose->setGeometry(QRect(
        QPoint(FPanelCaption->width() - CloseButtonSize.width(), CloseButtonTop), CloseButtonSize));
    if (FAttached)
        FAttached->setGeometry(KWPopupContentRect(Panel.size()));
}

void TKWPopup::closeEvent(QCloseEvent* AEvent)
{
    if (!FIsShowing)
        return;
    // Copied, because the query may remove itself.
    const TKWCloseQuery Query = FCloseQuery;
    if (Query && !Query()) {
        AEvent->ignore();
        return;
    }
    Detach();
    FContent = nullptr;
    FIsShowing = false;
}

void TKWPopup::mousePressEvent(QMouseEvent* AEvent)
{
    if (!FPanelPopup->geometry().contains(AEvent->position().toPoint()))
        close();
}

// The popup stands for a window of its own: keys its content leaves alone end here and never
// reach the owner window. This also swallows the hardware back key, so it does not close the
// popup either.
void TKWPopup::keyPressEvent(QKeyEvent* AEvent)
{
    AEvent->accept();
}

void TKWPopup::keyReleaseEvent(QKeyEvent* AEvent)
{
    AEvent->accept();
}

void TKWPopup::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor::fromRgba(KWStyle::OverlayColor));
}

bool TKWPopup::eventFilter(QObject* AWatched, QEvent* AEvent)
{
    if (AWatched == parentWidget() && AEvent->type() == QEvent::Resize && FIsShowing)
        PlacePanel();
    return QWidget::eventFilter(AWatched, AEvent);
}

// Tab moves the focus around the popup's own controls, never to the window below.
bool TKWPopup::focusNextPrevChild(bool ANext)
{
    QWidget* Current = focusWidget() ? focusWidget() : this;
    for (QWidget* Next = ANext ? Current->nextInFocusChain() : Current->previousInFocusChain();
         Next != Current; Next = ANext ? Next->nextInFocusChain() : Next->previousInFocusChain()) {
        if (isAncestorOf(Next) && Next->isVisibleTo(this) && Next->isEnabled() &&
            (Next->focusPolicy() & Qt::TabFocus)) {
            Next->setFocus(ANext ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

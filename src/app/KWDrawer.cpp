#include "KWDrawer.h"

#include "KWNavigation.h"
#include "KWStyle.h"
#include "KWTranslateUtil.h"
#include "KWUtilsGui.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScroller>
#include <QVBoxLayout>

namespace {

constexpr int TagRole = Qt::UserRole;
constexpr int ColorRole = Qt::UserRole + 1;
constexpr int SlideMs = 180;
constexpr int DrawerWidth = KWStyle::DrawerWidth;
constexpr QSize ItemSize{DrawerWidth, KWStyle::DrawerItemHeight};

// Group headers and the drawer title.
QFont HeadingFont(const QFont& AFont)
{
    QFont Font = KWScaledFont(AFont, KWStyle::HeadingFontFactor);
    Font.setBold(true);
    return Font;
}

} // namespace

TKWDrawer::TKWDrawer(QWidget* AOwner)
    : QWidget(AOwner), FPanel(new QWidget(this)), FMasterTitleLabel(new QLabel(FPanel)),
      FMasterListBox(new QListWidget(FPanel)), FSlide(new QPropertyAnimation(FPanel, "pos", this))
{
    setObjectName(QStringLiteral("MultiView1"));
    FPanel->setObjectName(QStringLiteral("MasterPanel"));
    FPanel->setAttribute(Qt::WA_StyledBackground);
    FPanel->setStyleSheet(QStringLiteral("#MasterPanel { background-color: white; }"));
    auto* Layout = new QVBoxLayout(FPanel);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);

    FMasterTitleLabel->setObjectName(QStringLiteral("MasterTitleLabel"));
    FMasterTitleLabel->setText(KWTranslate(QStringLiteral("Seitenauswahl")));
    FMasterTitleLabel->setFont(HeadingFont(FMasterTitleLabel->font()));
    FMasterTitleLabel->setStyleSheet(
        QStringLiteral("color: %1; padding-left: 16px; border-bottom: 1px solid #DDDDDD;")
            .arg(KWStyle::Css(KWStyle::HeadingColor)));
    FMasterTitleLabel->setFixedHeight(KWStyle::ToolBarHeight);
    Layout->addWidget(FMasterTitleLabel);

    FMasterListBox->setObjectName(QStringLiteral("MasterListBox"));
    FMasterListBox->setFrameShape(QFrame::NoFrame);
    FMasterListBox->setUniformItemSizes(true);
    FMasterListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FMasterListBox->setAccessibleName(FMasterTitleLabel->text());
    FMasterListBox->setFont(KWScaledFont(FMasterListBox->font(), KWStyle::DrawerFontFactor));
    FMasterListBox->setFocusPolicy(Qt::NoFocus);
    QScroller::grabGesture(FMasterListBox->viewport(), QScroller::TouchGesture);
    // The shown page's item keeps dark text on a light mark, whatever its group colour.
    FMasterListBox->setStyleSheet(
        QStringLiteral("QListWidget { outline: 0; }"
                       "QListWidget::item { padding-left: 16px; border-bottom: 1px solid #EEEEEE; }"
                       "QListWidget::item:selected { background-color: %1; color: %2; }")
            .arg(KWStyle::Css(KWStyle::SelectionBackground), KWStyle::Css(KWStyle::SelectionText)));
    Layout->addWidget(FMasterListBox);
    connect(FMasterListBox, &QListWidget::itemClicked, this, [this](QListWidgetItem* AItem) {
        if (AItem->flags().testFlag(Qt::ItemIsEnabled))
            Q_EMIT ItemClicked(AItem->data(TagRole).toString());
    });

    AOwner->installEventFilter(this);
    hide();
}

void TKWDrawer::AddHeader(const QString& AText, quint32 AColor)
{
    auto* Item = new QListWidgetItem(KWTranslate(AText), FMasterListBox);
    Item->setData(TagRole, KWHeaderTag);
    Item->setFlags(Qt::ItemIsEnabled);
    Item->setFont(HeadingFont(FMasterListBox->font()));
    Item->setForeground(QColor::fromRgba(AColor));
    Item->setSizeHint(ItemSize);
}

void TKWDrawer::AddItem(const QString& APageId, const QString& AText, quint32 AColor)
{
    auto* Item = new QListWidgetItem(KWTranslate(AText), FMasterListBox);
    Item->setData(TagRole, APageId);
    Item->setData(ColorRole, AColor);
    Item->setSizeHint(ItemSize);
    SetItemLook(Item, true);
}

void TKWDrawer::Mark(const QString& AShownPage)
{
    FMasterListBox->setCurrentItem(nullptr);
    for (int Row = 0; Row < FMasterListBox->count(); ++Row) {
        QListWidgetItem* Item = FMasterListBox->item(Row);
        const QString Tag = Item->data(TagRole).toString();
        if (Tag != KWHeaderTag)
            SetItemLook(Item, KWIsNavigationEnabled(AShownPage, Tag));
    }
    if (QListWidgetItem* Shown = Item(AShownPage))
        FMasterListBox->setCurrentItem(Shown, QItemSelectionModel::ClearAndSelect);
}

QListWidgetItem* TKWDrawer::Item(const QString& APageId) const
{
    for (int Row = 0; Row < FMasterListBox->count(); ++Row)
        if (FMasterListBox->item(Row)->data(TagRole).toString() == APageId)
            return FMasterListBox->item(Row);
    return nullptr;
}

void TKWDrawer::SetItemLook(QListWidgetItem* AItem, bool AEnabled)
{
    const Qt::ItemFlags Selectable = Qt::ItemIsSelectable;
    AItem->setFlags(AEnabled ? Qt::ItemIsEnabled | Selectable : Selectable);
    AItem->setForeground(AEnabled ? QColor::fromRgba(AItem->data(ColorRole).toUInt())
                                  : QColor::fromRgba(KWStyle::DisabledColor));
}

void TKWDrawer::Open()
{
    if (IsOpen())
        return;
    Q_EMIT Showing();
    setGeometry(parentWidget()->rect());
    FPanel->setGeometry(-DrawerWidth, 0, DrawerWidth, height());
    show();
    raise();
    FSlide->stop();
    FSlide->setDuration(SlideMs);
    FSlide->setStartValue(QPoint(-DrawerWidth, 0));
    FSlide->setEndValue(QPoint(0, 0));
    FSlide->start();
    FMasterListBox->setFocus(Qt::PopupFocusReason);
}

void TKWDrawer::Close()
{
    if (!IsOpen())
        return;
    FSlide->stop();
    hide();
    Q_EMIT Hidden();
}

void TKWDrawer::mousePressEvent(QMouseEvent* AEvent)
{
    if (!FPanel->geometry().contains(AEvent->position().toPoint()))
        Close();
}

void TKWDrawer::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor::fromRgba(KWStyle::OverlayColor));
}

bool TKWDrawer::eventFilter(QObject* AWatched, QEvent* AEvent)
{
    if (AWatched == parentWidget() && AEvent->type() == QEvent::Resize && IsOpen()) {
        setGeometry(parentWidget()->rect());
        FPanel->resize(DrawerWidth, height());
    }
    return QWidget::eventFilter(AWatched, AEvent);
}

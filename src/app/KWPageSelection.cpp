#include "KWPageSelection.h"

#include "KWGuiUtil.h"
#include "KWStyle.h"
#include "KWSwitch.h"
#include "KWTranslateUtil.h"

#include <QApplication>
#include <QFrame>
#include <QProxyStyle>
#include <QLabel>
#include <QPushButton>
#include <QScroller>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

constexpr QSize FrameSize{720, 590};
constexpr int HeadingPixelSize = 14;
constexpr QSize QuickButtonSize{257, KWStyle::TouchTarget};
constexpr std::array<int, KWQuickButtonCount> QuickButtonTops{8, 56, 112, 160, 208, 256};
constexpr int EntryRole = Qt::UserRole;
// Quick buttons look like the entries of a list.
const QString QuickButtonStyle =
    QStringLiteral("QPushButton { text-align: left; padding-left: 6px; border: none;"
                   " border-bottom: 1px solid #DDDDDD; background-color: white; }"
                   "QPushButton:pressed { background-color: #E3F2FD; }");
constexpr int TreeCheckBoxSize = 24;

// Check boxes a finger can hit, with the text moved aside to make room for them.
class TTouchTreeStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric AMetric, const QStyleOption* AOption,
                    const QWidget* AWidget) const override
    {
        if (AMetric == PM_IndicatorWidth || AMetric == PM_IndicatorHeight)
            return TreeCheckBoxSize;
        return QProxyStyle::pixelMetric(AMetric, AOption, AWidget);
    }
};

QFrame* WhitePanel(QWidget* AParent, const QString& AName, const QRect& AGeometry)
{
    auto* Panel = new QFrame(AParent);
    Panel->setObjectName(AName);
    Panel->setGeometry(AGeometry);
    Panel->setStyleSheet(
        QStringLiteral("#%1 { background-color: white; border: 1px solid grey; }").arg(AName));
    return Panel;
}

QLabel* Label(QWidget* AParent, const QString& AName, const QString& AText, const QRect& AGeometry,
              bool AHeading)
{
    auto* Result = new QLabel(KWTranslate(AText), AParent);
    Result->setObjectName(AName);
    Result->setGeometry(AGeometry);
    if (AHeading) {
        QFont Font = Result->font();
        Font.setPixelSize(HeadingPixelSize);
        Result->setFont(Font);
    }
    return Result;
}

} // namespace

TKWPageSelection::TKWPageSelection(QWidget* AOwner)
    : QWidget(AOwner), FSwitchPageDetailResearch(new TKWSwitch(this)),
      FTreeView(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("PageSelection"));
    resize(FrameSize);
    Label(this, QStringLiteral("LabelQuick"), QStringLiteral("Schnellauswahl"), {8, 8, 273, 16},
          true);
    QFrame* QuickView = WhitePanel(this, QStringLiteral("FQuickView"), {8, 24, 273, 305});
    for (int Index = 0; Index < KWQuickButtonCount; ++Index) {
        const TKWQuickButton& Quick = KWQuickButtons()[Index];
        auto* Button = new QPushButton(KWTranslate(Quick.Text), QuickView);
        Button->setObjectName(QStringLiteral("SpeedButton%1").arg(Index + 1));
        Button->setGeometry(QRect(QPoint(8, QuickButtonTops[Index]), QuickButtonSize));
        Button->setStyleSheet(QuickButtonStyle);
        connect(Button, &QPushButton::clicked, this,
                [this, Tag = Quick.Tag] { QuickButtonClick(Tag); });
    }
    Label(this, QStringLiteral("Label1"), QStringLiteral("Weitere Einstellungen"),
          {8, 352, 273, 16}, true);
    WhitePanel(this, QStringLiteral("Rectangle1"), {8, 368, 273, 217});
    Label(this, QStringLiteral("Label2"), QStringLiteral("Erfassung"), {16, 376, 257, 20}, false);
    QLabel* Label4 = Label(this, QStringLiteral("Label4"), QStringLiteral("Wissenschaftlich"),
                           {16, 400, 145, KWStyle::TouchTarget}, false);
    Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FSwitchPageDetailResearch->setObjectName(QStringLiteral("SwitchPageDetailResearch"));
    FSwitchPageDetailResearch->setAccessibleName(Label4->text());
    FSwitchPageDetailResearch->move(168, 400);
    FSwitchPageDetailResearch->raise();
    Label(this, QStringLiteral("LabelTree"), QStringLiteral("Direktauswahl"), {288, 8, 425, 16},
          true);
    FTreeView->setObjectName(QStringLiteral("FTreeView"));
    FTreeView->setGeometry(288, 24, 425, 561);
    FTreeView->setAccessibleName(KWTranslate(QStringLiteral("Direktauswahl")));
    FTreeView->setHeaderHidden(true);
    auto* TreeStyle = new TTouchTreeStyle(QApplication::style()->name());
    TreeStyle->setParent(FTreeView);
    FTreeView->setStyle(TreeStyle);
    FTreeView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Finger-sized rows need more room than the tree has: it scrolls by dragging.
    FTreeView->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    FTreeView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QScroller::grabGesture(FTreeView->viewport(), QScroller::TouchGesture);
    connect(FTreeView, &QTreeWidget::itemPressed, this,
            [this](QTreeWidgetItem* AItem) { FPressedState = AItem->checkState(0); });
    connect(FTreeView, &QTreeWidget::itemClicked, this, &TKWPageSelection::TreeViewClick);
    connect(FTreeView, &QTreeWidget::itemChanged, this, &TKWPageSelection::TreeViewChangeCheck);
}

void TKWPageSelection::Init()
{
    FListEntries.Build();
}

void TKWPageSelection::SetPageInfo(const QString& AText)
{
    FListEntries.SetPageInfo(AText);
    FSwitchPageDetailResearch->setChecked(TKWPageSelectionList::IsResearchSelected(AText));
}

void TKWPageSelection::Enter()
{
    FIsRefreshing = true;
    FTreeView->clear();
    QTreeWidgetItem* LastTop = nullptr;
    const std::vector<TListEntry>& Entries = FListEntries.Entries();
    for (int Index = 0; Index < int(Entries.size()); ++Index) {
        const TListEntry& Entry = Entries[Index];
        auto* Item = Entry.PageSubId.isEmpty() || !LastTop ? new QTreeWidgetItem(FTreeView)
                                                           : new QTreeWidgetItem(LastTop);
        if (Entry.PageSubId.isEmpty())
            LastTop = Item;
        Item->setText(0, Entry.Text);
        Item->setData(0, EntryRole, Index);
        Item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        Item->setCheckState(0, Entry.IsEntrySelected ? Qt::Checked : Qt::Unchecked);
        // A tap anywhere on the row toggles it, so the row is the finger's target.
        Item->setSizeHint(0, {0, KWStyle::TouchTarget});
    }
    FTreeView->expandAll();
    FIsRefreshing = false;
}

QString TKWPageSelection::GetPageInfo() const
{
    return FListEntries.GetPageInfo(FSwitchPageDetailResearch->isChecked());
}

void TKWPageSelection::QuickButtonClick(const QString& ATag)
{
    for (QTreeWidgetItemIterator It(FTreeView); *It; ++It) {
        QTreeWidgetItem* Item = *It;
        switch (KWQuickButtonAction(ATag, EntryOf(Item).GetCombinedId())) {
        case qaUncheck:
            Item->setCheckState(0, Qt::Unchecked);
            break;
        case qaCheck:
            Item->setCheckState(0, Qt::Checked);
            break;
        case qaKeep:
            break;
        }
    }
}

// A tap on the item's text toggles it too. A tap on the check box has toggled it already
// between press and click; then the state differs from the one at the press and stays.
void TKWPageSelection::TreeViewClick(QTreeWidgetItem* AItem)
{
    if (AItem->checkState(0) == FPressedState)
        AItem->setCheckState(0, FPressedState == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void TKWPageSelection::TreeViewChangeCheck(QTreeWidgetItem* AItem)
{
    if (FIsRefreshing)
        return;
    const Qt::CheckState State = AItem->checkState(0);
    EntryOf(AItem).IsEntrySelected = State == Qt::Checked;
    // Each child's own change handler carries the state on to its children.
    for (int Child = 0; Child < AItem->childCount(); ++Child)
        AItem->child(Child)->setCheckState(0, State);
}

TListEntry& TKWPageSelection::EntryOf(const QTreeWidgetItem* AItem)
{
    return FListEntries.Entries().at(AItem->data(0, EntryRole).toInt());
}

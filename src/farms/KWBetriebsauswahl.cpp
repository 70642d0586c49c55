#include "KWBetriebsauswahl.h"

#include "KWDBResultSet.h"
#include "KWDBUtil.h"
#include "KWDataManagement.h"
#include "KWDialogService.h"
#include "KWStyle.h"
#include "KWTranslateUtil.h"
#include "KWUtilsGui.h"

#include <QHBoxLayout>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int HeaderHeight = KWStyle::TouchTarget;
constexpr int MinColumnWidth = 300;
constexpr qreal RowHeightFactor = 1.2;
constexpr qreal ActionRowHeightFactor = 1.5;

// A visit row shows its barn and, below it, the timestamp and status.
class TVisitRows final : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& AIndex, int ARole) const override
    {
        const auto* Visits = static_cast<const TKWDBResultSet*>(sourceModel());
        if (ARole != Qt::DisplayRole || !Visits)
            return QIdentityProxyModel::data(AIndex, ARole);
        const QModelIndex Row = AIndex.siblingAtColumn(0);
        auto Field = [&](const char* AName) {
            return sourceModel()
                ->index(Row.row(), Visits->FieldIndex(QString::fromLatin1(AName)))
                .data()
                .toString();
        };
        return Field("Stall") + u'\n' + Field("Detail");
    }
};

// Rows with larger text, more height (at least a finger's) and the accessory arrow on the
// right. A row with a text colour of its own keeps it when selected.
class TArrowRows final : public QStyledItemDelegate
{
public:
    TArrowRows(double AHeightFactor, bool AArrow, QObject* AParent)
        : QStyledItemDelegate(AParent), FHeightFactor(AHeightFactor), FArrow(AArrow)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& AOption, const QModelIndex& AIndex) const override
    {
        QSize Size = QStyledItemDelegate::sizeHint(AOption, AIndex);
        Size.setHeight(
            std::max(static_cast<int>(Size.height() * FHeightFactor) + 8, KWStyle::TouchTarget));
        return Size;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* AOption, const QModelIndex& AIndex) const override
    {
        QStyledItemDelegate::initStyleOption(AOption, AIndex);
        const QVariant Foreground = AIndex.data(Qt::ForegroundRole);
        AOption->palette.setBrush(QPalette::HighlightedText,
                                  Foreground.isValid()
                                      ? qvariant_cast<QBrush>(Foreground)
                                      : QBrush(QColor::fromRgba(KWStyle::SelectionText)));
        AOption->palette.setColor(QPalette::Highlight,
                                  QColor::fromRgba(KWStyle::SelectionBackground));
    }

public:
    void paint(QPainter* APainter, const QStyleOptionViewItem& AOption,
               const QModelIndex& AIndex) const override
    {
        QStyleOptionViewItem Option = AOption;
        Option.rect.adjust(10, 0, FArrow ? -30 : -10, 0);
        QStyledItemDelegate::paint(APainter, Option, AIndex);
        if (!FArrow)
            return;
        const QRect Row = AOption.rect;
        const QPoint Tip(Row.right() - 14, Row.center().y());
        APainter->save();
        APainter->setRenderHint(QPainter::Antialiasing);
        APainter->setPen(QPen(QColor(0x99, 0x99, 0x99), 2));
        APainter->drawPolyline(QPolygon({Tip + QPoint(-6, -7), Tip, Tip + QPoint(-6, 7)}));
        APainter->restore();
    }

private:
    double FHeightFactor;
    bool FArrow;
};

void EnlargeFont(QWidget* AWidget, double AFactor)
{
    AWidget->setFont(KWScaledFont(AWidget->font(), AFactor));
}

QListView* CreateListView(QWidget* AParent, const QString& AName)
{
    auto* List = new QListView(AParent);
    List->setObjectName(AName);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setFrameShape(QFrame::NoFrame);
    List->setUniformItemSizes(false);
    // Long names end in "…" within the column instead of scrolling sideways.
    List->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    EnlargeFont(List, KWStyle::ListFontFactor);
    List->setItemDelegate(new TArrowRows(RowHeightFactor, true, List));
    return List;
}

// The look ("addtoolbutton") is shared; the name and the function tell the two apart.
void NameAddButton(QToolButton* AButton, const QString& AName, const QString& AFunction)
{
    const QString Function = KWTranslate(AFunction);
    AButton->setObjectName(AName);
    AButton->setToolTip(Function);
    AButton->setAccessibleName(Function);
}

} // namespace

TKWBetriebsauswahl::TKWBetriebsauswahl(TKWDataManagement& ADataManagement, TKWDialogService& ADialogs,
                                       QWidget* AParent)
    : QWidget(AParent), FDataManagement(ADataManagement), FDBUtil(ADataManagement.DBUtil()),
      FDialogs(ADialogs)
{
}

void TKWBetriebsauswahl::Init()
{
    FListViewBetrieb = CreateListView(this, QStringLiteral("FListViewBetrieb"));
    FListViewBetrieb->setModel(&FDBUtil.BetriebSelectQuery());
    FListViewBetrieb->setModelColumn(FDBUtil.BetriebSelectQuery().FieldIndex(QStringLiteral("Name")));

    FListViewBetriebsbesuch = CreateListView(this, QStringLiteral("FListViewBetriebsbesuch"));
    auto* Visits = new TVisitRows(FListViewBetriebsbesuch);
    Visits->setSourceModel(&FDBUtil.BetriebsbesuchSelectQuery());
    FListViewBetriebsbesuch->setModel(Visits);

    FListViewBearbeitung = new QListWidget(this);
    FListViewBearbeitung->setObjectName(QStringLiteral("FListViewBearbeitung"));
    FListViewBearbeitung->setAccessibleName(KWTranslate(QStringLiteral("Aktionen")));
    FListViewBearbeitung->setFrameShape(QFrame::NoFrame);
    EnlargeFont(FListViewBearbeitung, KWStyle::ListFontFactor);
    FListViewBearbeitung->setItemDelegate(
        new TArrowRows(ActionRowHeightFactor, false, FListViewBearbeitung));
    auto AddAction = [&](const char* AText, const QColor& AColor) {
        auto* Item = new QListWidgetItem(KWTranslate(QString::fromUtf8(AText)), FListViewBearbeitung);
        if (AColor.isValid())
            Item->setForeground(AColor);
        return Item;
    };
    FItemBearbeiten = AddAction("Bearbeiten", {});
    FItemFolgeberatung = AddAction("Folgeberatung", {});
    FItemLoeschen = AddAction("Löschen", QColor::fromRgba(KWStyle::DeleteColor));
    FItemTransfer = AddAction("Upload zum Server", QColor::fromRgba(KWStyle::UploadColor));

    FColumnBetrieb = CreateColumn(QStringLiteral("Betrieb"), &FButtonBetrieb, FListViewBetrieb);
    FColumnBetriebsbesuch =
        CreateColumn(QStringLiteral("Beratung"), &FButtonBetriebsbesuch, FListViewBetriebsbesuch);
    NameAddButton(FButtonBetrieb, QStringLiteral("FButtonBetrieb"),
                  QStringLiteral("Neuer Betrieb"));
    NameAddButton(FButtonBetriebsbesuch, QStringLiteral("FButtonBetriebsbesuch"),
                  QStringLiteral("Neue Beratung"));
    FColumnBearbeitung = CreateColumn(QString(), nullptr, FListViewBearbeitung);

    connect(FListViewBetrieb, &QListView::clicked, this, &TKWBetriebsauswahl::BetriebClicked);
    connect(FListViewBetriebsbesuch, &QListView::clicked, this,
            &TKWBetriebsauswahl::BetriebsbesuchClicked);
    connect(FListViewBearbeitung, &QListWidget::itemClicked, this,
            &TKWBetriebsauswahl::BearbeitungClicked);
    connect(FButtonBetrieb, &QToolButton::clicked, this, [this] { ReportAction(aBetriebNeu); });
    connect(FButtonBetriebsbesuch, &QToolButton::clicked, this, [this] { ReportAction(aBeratungNeu); });
    PlaceColumns();
    Refresh();
}

QWidget* TKWBetriebsauswahl::CreateColumn(const QString& ATitle, QToolButton** AAddButton, QWidget* AList)
{
    auto* Column = new QWidget(this);
    Column->setObjectName(QStringLiteral("pushpanel"));
    Column->setAttribute(Qt::WA_StyledBackground);
    Column->setStyleSheet(QStringLiteral("#pushpanel { background: white; border-right: 1px solid #c8d8c4; }"));
    auto* Layout = new QVBoxLayout(Column);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);

    auto* Header = new QWidget(Column);
    Header->setFixedHeight(HeaderHeight);
    Header->setAttribute(Qt::WA_StyledBackground);
    Header->setStyleSheet(QStringLiteral("background: #eef4ec; border-bottom: 1px solid #c8d8c4;"));
    auto* HeaderLayout = new QHBoxLayout(Header);
    HeaderLayout->setContentsMargins(0, 0, 0, 0);
    HeaderLayout->addSpacing(HeaderHeight);
    auto* Title = new QLabel(ATitle.isEmpty() ? QString() : KWTranslate(ATitle), Header);
    if (!ATitle.isEmpty())
        AList->setAccessibleName(Title->text());
    Title->setAlignment(Qt::AlignCenter);
    QFont TitleFont = Title->font();
    TitleFont.setBold(true);
    Title->setFont(TitleFont);
    HeaderLayout->addWidget(Title, 1);
    if (AAddButton) {
        *AAddButton = new QToolButton(Header);
        (*AAddButton)->setObjectName(QStringLiteral("addtoolbutton"));
        (*AAddButton)->setFixedSize(HeaderHeight, HeaderHeight);
        (*AAddButton)->setText(QStringLiteral("+"));
        (*AAddButton)->setAutoRaise(true);
        EnlargeFont(*AAddButton, 1.6);
        HeaderLayout->addWidget(*AAddButton);
    } else {
        HeaderLayout->addSpacing(HeaderHeight);
    }
    Layout->addWidget(Header);
    AList->setParent(Column);
    Layout->addWidget(AList, 1);
    return Column;
}

void TKWBetriebsauswahl::PlaceColumns()
{
    if (!FColumnBetrieb)
        return;
    FListViewWidth = std::max(width() / 3, MinColumnWidth);
    int Left = 0;
    for (QWidget* Column : {FColumnBetrieb, FColumnBetriebsbesuch, FColumnBearbeitung}) {
        Column->setGeometry(Left, 0, FListViewWidth, height());
        Left += FListViewWidth;
    }
}

void TKWBetriebsauswahl::resizeEvent(QResizeEvent* AEvent)
{
    QWidget::resizeEvent(AEvent);
    PlaceColumns();
}

void TKWBetriebsauswahl::Enter()
{
    Refresh();
}

bool TKWBetriebsauswahl::Leave()
{
    return true;
}

void TKWBetriebsauswahl::Refresh()
{
    FDBUtil.BetriebSelectQuery().Refresh();
    FListViewBetrieb->clearSelection();
    FListViewBetriebsbesuch->clearSelection();
    FListViewBearbeitung->clearSelection();
    ShowColumns(false, false);
}

bool TKWBetriebsauswahl::BetriebsbesuchColumnVisible() const
{
    return FColumnBetriebsbesuch && !FColumnBetriebsbesuch->isHidden();
}

bool TKWBetriebsauswahl::BearbeitungColumnVisible() const
{
    return FColumnBearbeitung && !FColumnBearbeitung->isHidden();
}

void TKWBetriebsauswahl::ShowColumns(bool AVisits, bool AActions)
{
    FColumnBetriebsbesuch->setVisible(AVisits);
    FColumnBearbeitung->setVisible(AActions);
    FActionIsRunning = false;
}

void TKWBetriebsauswahl::BetriebClicked(const QModelIndex& AIndex)
{
    FDBUtil.BetriebSelectQuery().SetCurrentRow(AIndex.row());
    FListViewBetriebsbesuch->clearSelection();
    FListViewBearbeitung->clearSelection();
    ShowColumns(true, false);
}

void TKWBetriebsauswahl::BetriebsbesuchClicked(const QModelIndex& AIndex)
{
    FDBUtil.BetriebsbesuchSelectQuery().SetCurrentRow(AIndex.row());
    FListViewBearbeitung->clearSelection();
    ShowColumns(true, true);
}

void TKWBetriebsauswahl::BearbeitungClicked(QListWidgetItem* AItem)
{
    if (FActionIsRunning)
        return;
    FActionIsRunning = true;
    if (AItem == FItemBearbeiten)
        ReportAction(aBeratungBearbeiten);
    else if (AItem == FItemFolgeberatung)
        ReportAction(aFolgeberatung);
    else if (AItem == FItemLoeschen && IsExampleVisitSelected())
        RefuseDeletion();
    else if (AItem == FItemLoeschen)
        AskAndRun(QStringLiteral("Beratung löschen?"), aBeratungLoeschen);
    else if (AItem == FItemTransfer)
        AskAndRun(QStringLiteral("Beratung anonymisiert zum zentralen Server transferieren?"),
                  aBeratungTransfer);
}

bool TKWBetriebsauswahl::IsExampleVisitSelected() const
{
    return TKWDBUtil::IsDemoStall(
        FDBUtil.BetriebsbesuchSelectQuery().FieldValue(QStringLiteral("Stall")).toString());
}

// The visit management would refuse it silently; the user learns why instead of being asked.
void TKWBetriebsauswahl::RefuseDeletion()
{
    FDialogs.ShowMessage(dtInformation, {QStringLiteral("Beispielberatungen können nicht "
                                                        "gelöscht werden."),
                                         QStringLiteral("Ihr Stallname beginnt mit \"Demo\".")});
    FListViewBearbeitung->clearSelection();
    FActionIsRunning = false;
}

void TKWBetriebsauswahl::ReportAction(TKWAction AAction)
{
    if (FOnActionSelect)
        FOnActionSelect(AAction);
}

void TKWBetriebsauswahl::AskAndRun(const QString& AQuestion, TKWAction AAction)
{
    FDialogs.Confirm({AQuestion}, dbYes | dbNo, dbNo, [this, AAction](TKWDialogButton AAnswer) {
        if (AAnswer != dbYes) {
            FListViewBearbeitung->clearSelection();
            FActionIsRunning = false; // the action rows answer again
            return;
        }
        const int FarmRow = FDBUtil.BetriebSelectQuery().CurrentRow();
        const QString Result = FOnActionSelect ? FOnActionSelect(AAction) : QString();
        if (AAction == aBeratungLoeschen)
            AfterDelete(FarmRow);
        else
            AfterTransfer(FarmRow, Result);
    });
}

void TKWBetriebsauswahl::AfterDelete(int AFarmRow)
{
    const QString Farm = FDataManagement.ActiveUUID();
    FDBUtil.BetriebSelectQuery().Refresh();
    if (!FDBUtil.BetriebSelectQuery().Locate(QStringLiteral("UUID"), Farm)) {
        Refresh(); // the farm went with its only visit
        return;
    }
    ReloadKeepingFarm(AFarmRow);
}

void TKWBetriebsauswahl::AfterTransfer(int AFarmRow, const QString& AResult)
{
    if (AResult.isEmpty())
        FDialogs.ShowMessage(dtInformation, {QStringLiteral("Transfer erfolgreich abgeschlossen.")});
    else
        FDialogs.ShowText(dtWarning, KWActionErrorText(AResult));
    FDBUtil.BetriebSelectQuery().Refresh();
    ReloadKeepingFarm(AFarmRow);
}

void TKWBetriebsauswahl::ReloadKeepingFarm(int AFarmRow)
{
    TKWDBResultSet& Farms = FDBUtil.BetriebSelectQuery();
    const int Row = std::clamp(AFarmRow, 0, Farms.RecordCount() - 1);
    Farms.SetCurrentRow(Row);
    FListViewBetrieb->setCurrentIndex(FListViewBetrieb->model()->index(Row, FListViewBetrieb->modelColumn()));
    FListViewBetriebsbesuch->clearSelection();
    FListViewBearbeitung->clearSelection();
    ShowColumns(true, false);
}

#include "KWGridLayout.h"

#include "KWCode.h"
#include "KWMemTable.h"
#include "KWNumberFormat.h"
#include "KWPageSupport.h"
#include "KWPopup.h"
#include "KWStyle.h"
#include "KWSwitch.h"
#include "KWTranslateUtil.h"
#include "KWUtilsGui.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

constexpr qreal MainCaptionScale = 1.5;
constexpr qreal WideEditors = 1.5;
constexpr int MinEditorWidth = 100;
// A long code label is shortened in its list rather than pushing the grid off the page.
constexpr int MaxEditorWidth = 360;
constexpr quint32 Black = 0xFF000000;
constexpr quint32 Red = 0xFFFF0000;
const QString MandatoryMark = QStringLiteral("  *");

void SetTextColor(QWidget* AWidget, quint32 AColor)
{
    QPalette Palette = AWidget->palette();
    Palette.setColor(QPalette::WindowText, QColor::fromRgba(AColor));
    Palette.setColor(QPalette::Text, QColor::fromRgba(AColor));
    AWidget->setPalette(Palette);
}

bool ShowsTextColor(TEditType AType)
{
    return AType == etText || AType == etNumber || AType == etDate || AType == etTime;
}

QLineEdit* NewLineEdit(QWidget* AParent, bool ADigitsOnly)
{
    auto* Edit = new QLineEdit(AParent);
    if (ADigitsOnly) {
        Edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit));
        Edit->setInputMethodHints(Qt::ImhDigitsOnly);
    }
    return Edit;
}

} // namespace

TKWGridLayout::TKWGridLayout(QWidget* AOwner, TKWPopup* APopup, TKWMemTable& AData,
                             const QString& ACaption, const TGridEntryList& AEntries)
    : QWidget(AOwner), FPopup(APopup), FData(AData), FCaption(ACaption), FGridEntries(AEntries)
{
    for (TGridEntry* Entry : FGridEntries)
        if (!Entry->MemData)
            Entry->MemData = &FData;
}

TKWMemTable& TKWGridLayout::TableOf(const TGridEntry& AEntry) const
{
    return AEntry.MemData ? *AEntry.MemData : FData;
}

QString TKWGridLayout::LabelText(const TGridEntry& AEntry, const QString& AText) const
{
    return AEntry.Mandatory ? AText + MandatoryMark : AText;
}

void TKWGridLayout::Init()
{
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(KWStyle::Margin, KWStyle::Margin, KWStyle::Margin, KWStyle::Margin);
    FCaptionLabel = new QLabel(KWTranslate(FCaption), this);
    FCaptionLabel->setObjectName(QStringLiteral("Caption"));
    QFont CaptionFont = FIsMainGrid ? KWScaledFont(font(), MainCaptionScale) : font();
    CaptionFont.setBold(true);
    CaptionFont.setUnderline(true);
    FCaptionLabel->setFont(CaptionFont);
    Layout->addWidget(FCaptionLabel);

    FGridPanelLayout = new QGridLayout;
    FGridPanelLayout->setContentsMargins(KWStyle::Margin, KWStyle::Margin, KWStyle::Margin, KWStyle::Margin);
    FGridPanelLayout->setHorizontalSpacing(2 * KWStyle::Margin);
    Layout->addLayout(FGridPanelLayout);
    Layout->addStretch();

    qreal WidthFactor = FIsMainGrid ? WideEditors : 1.0;
    for (int Row = 0; Row < static_cast<int>(FGridEntries.size()); ++Row) {
        const TGridEntry& Entry = *FGridEntries[static_cast<std::size_t>(Row)];
        auto* Label = new QLabel(LabelText(Entry, KWTranslate(Entry.Text)), this);
        Label->setAccessibleName(KWTranslate(Entry.Text));
        Label->setMinimumHeight(KWStyle::TouchTarget);
        Label->installEventFilter(this);
        FLabelControls.push_back(Label);
        QWidget* Editor = nullptr;
        if (Entry.EditType == etNone) {
            Label->setObjectName(QStringLiteral("Heading%1").arg(Row));
            QFont Heading = Label->font();
            Heading.setBold(true);
            Heading.setUnderline(true);
            Label->setFont(Heading);
            FGridPanelLayout->addWidget(Label, Row, 0, 1, 2);
        } else {
            Label->setObjectName(QStringLiteral("Label") + Entry.ID);
            Editor = CreateEditor(Row);
            if (Entry.EditType == etComboBox)
                WidthFactor = WideEditors;
            // Free texts (names, addresses) get room to be read whole.
            const int Width = std::max(Editor->sizeHint().width(),
                                       Entry.EditType == etText ? 2 * MinEditorWidth : MinEditorWidth);
            Editor->setMinimumWidth(Entry.EditType == etCheckBox
                                        ? Width
                                        : std::min(qRound(Width * WidthFactor), MaxEditorWidth));
            Editor->setMaximumWidth(std::max(Editor->minimumWidth(), MaxEditorWidth));
            Editor->setEnabled(Entry.Enabled);
            FGridPanelLayout->addWidget(Label, Row, 0, Qt::AlignLeft | Qt::AlignVCenter);
            FGridPanelLayout->addWidget(Editor, Row, 1, Qt::AlignLeft | Qt::AlignVCenter);
            ConnectEditor(Row, Editor);
        }
        FEditControls.push_back(Editor);
        if (!Entry.Group.isEmpty()) {
            FGroups[Entry.Group].push_back(Label);
            if (Editor)
                FGroups[Entry.Group].push_back(Editor);
        }
    }
    adjustSize();
}

QWidget* TKWGridLayout::CreateEditor(int ARow)
{
    const TGridEntry& Entry = *FGridEntries[static_cast<std::size_t>(ARow)];
    QWidget* Editor = nullptr;
    switch (Entry.EditType) {
    case etText:
    case etNumber:
    case etLabel: {
        QLineEdit* Edit = NewLineEdit(this, Entry.EditType == etNumber);
        Edit->setReadOnly(Entry.EditType == etLabel);
        if (Entry.Mandatory) {
            Edit->setPlaceholderText(KWTranslate(QStringLiteral("Pflichtfeld")));
            Edit->setToolTip(KWTranslate(QStringLiteral("Pflichtfeld")));
        }
        Editor = Edit;
        break;
    }
    case etDate: {
        auto* Date = new QDateEdit(this);
        Date->setCalendarPopup(true);
        Editor = Date;
        break;
    }
    case etTime: {
        auto* Time = new QTimeEdit(this);
        Time->setDisplayFormat(QStringLiteral("hh:mm"));
        Editor = Time;
        break;
    }
    case etComboBox: {
        auto* Combo = new QComboBox(this);
        for (const TCode* Code : Entry.Values)
            Combo->addItem(Code->FCode == KWSonstCode ? KWTranslate(QStringLiteral("Sonstiges"))
                                                      : KWTranslate(Code->FName),
                           Code->FCode);
        Combo->setCurrentIndex(-1);
        Editor = Combo;
        break;
    }
    case etCheckBox:
        Editor = new TKWSwitch(this);
        break;
    case etNone:
        break;
    }
    Editor->setObjectName(Entry.ID);
    Editor->setAccessibleName(KWTranslate(Entry.Text));
    Editor->setMinimumHeight(KWStyle::TouchTarget);
    return Editor;
}

void TKWGridLayout::ConnectEditor(int ARow, QWidget* AEditor)
{
    if (auto* Edit = qobject_cast<QLineEdit*>(AEditor)) {
        connect(Edit, &QLineEdit::editingFinished, this, [this, ARow, Edit] {
            if (Edit->isModified())
                WriteEditor(ARow);
        });
    } else if (auto* Date = qobject_cast<QDateEdit*>(AEditor)) {
        connect(Date, &QDateEdit::dateChanged, this, [this, ARow] { WriteEditor(ARow); });
    } else if (auto* Time = qobject_cast<QTimeEdit*>(AEditor)) {
        connect(Time, &QTimeEdit::timeChanged, this, [this, ARow] { WriteEditor(ARow); });
    } else if (auto* Combo = qobject_cast<QComboBox*>(AEditor)) {
        connect(Combo, &QComboBox::activated, this, [this, ARow] { WriteEditor(ARow); });
    } else if (auto* Switch = qobject_cast<TKWSwitch*>(AEditor)) {
        connect(Switch, &TKWSwitch::toggled, this, [this, ARow] { WriteEditor(ARow); });
    }
}

void TKWGridLayout::Write(int ARow, const QVariant& AValue)
{
    const TGridEntry& Entry = *FGridEntries[static_cast<std::size_t>(ARow)];
    TableOf(Entry).WriteValue(Entry.ID, AValue);
    if (FOnEditChange)
        FOnEditChange(Entry.ID);
}

void TKWGridLayout::WriteEditor(int ARow)
{
    if (FIsRefreshing)
        return;
    const TGridEntry& Entry = *FGridEntries[static_cast<std::size_t>(ARow)];
    QWidget* Editor = FEditControls[static_cast<std::size_t>(ARow)];
    switch (Entry.EditType) {
    case etText:
    case etNumber: {
        auto* Edit = static_cast<QLineEdit*>(Editor);
        Edit->setModified(false);
        Write(ARow, Edit->text());
        break;
    }
    case etDate:
        Write(ARow, static_cast<QDateEdit*>(Editor)->date());
        break;
    case etTime: {
        // Midnight would read as "no time"; a millisecond later it is an answer.
        const QTime Time = static_cast<QTimeEdit*>(Editor)->time();
        Write(ARow, Time == QTime(0, 0) ? QTime(0, 0, 0, 1) : Time);
        break;
    }
    case etComboBox: {
        const QString Code = static_cast<QComboBox*>(Editor)->currentData().toString();
        Write(ARow, Code);
        if (Code == KWSonstCode)
            ShowSonstiges(ARow);
        break;
    }
    case etCheckBox:
        Write(ARow, static_cast<TKWSwitch*>(Editor)->isChecked());
        break;
    case etLabel:
    case etNone:
        return;
    }
    TKWRefreshGuard Guard(FIsRefreshing, true);
    LoadEditor(ARow);
}

void TKWGridLayout::RefreshValues()
{
    TKWRefreshGuard Guard(FIsRefreshing, true);
    for (int Row = 0; Row < static_cast<int>(FGridEntries.size()); ++Row)
        LoadEditor(Row);
}

// Shows the field's value, the row's enabled state and the red mark of a missing answer.
void TKWGridLayout::LoadEditor(int ARow)
{
    const TGridEntry& Entry = *FGridEntries[static_cast<std::size_t>(ARow)];
    QWidget* Editor = FEditControls[static_cast<std::size_t>(ARow)];
    if (!Editor)
        return;
    TKWMemTable& Table = TableOf(Entry);
    const TKWField& Field = Table.FieldByName(Entry.ID);
    switch (Entry.EditType) {
    case etText:
    case etNumber:
    case etLabel: {
        auto* Edit = static_cast<QLineEdit*>(Editor);
        Edit->setText(Field.AsString());
        Edit->setModified(false);
        break;
    }
    case etDate:
        if (Field.IsNull())
            Table.WriteValue(Entry.ID, QDateTime::currentDateTime());
        static_cast<QDateEdit*>(Editor)->setDate(Field.AsDate());
        break;
    case etTime:
        static_cast<QTimeEdit*>(Editor)->setTime(Field.IsNull() ? QTime(0, 0) : Field.AsTime());
        break;
    case etComboBox:
        LoadCodes(ARow, Field.AsString());
        break;
    case etCheckBox:
        static_cast<TKWSwitch*>(Editor)->setChecked(Field.AsBoolean());
        break;
    case etNone:
        break;
    }
    QLabel* Label = FLabelControls[static_cast<std::size_t>(ARow)];
    SetTextColor(Label, Black);
    if (ShowsTextColor(Entry.EditType))
        SetTextColor(Editor, Black);
    if (Entry.EditType == etLabel)
        return;
    Editor->setEnabled(Entry.Enabled);
    if (KWIsRowMissing(Entry, FData)) {
        SetTextColor(Label, Red);
        if (ShowsTextColor(Entry.EditType))
            SetTextColor(Editor, Red);
    }
}

void TKWGridLayout::LoadCodes(int ARow, const QString& AStored)
{
    const TGridEntry& Entry = *FGridEntries[static_cast<std::size_t>(ARow)];
    auto* Combo = static_cast<QComboBox*>(FEditControls[static_cast<std::size_t>(ARow)]);
    const TKWSonstValue Value = KWSplitSonst(AStored);
    int Selected = -1;
    for (int I = 0; I < Combo->count(); ++I) {
        const TCode& Code = *Entry.Values[static_cast<std::size_t>(I)];
        const QString Label = Code.FCode == KWSonstCode ? KWTranslate(QStringLiteral("Sonstiges"))
                                                        : KWTranslate(Code.FName);
        Combo->setItemText(I, Label);
        if (Code.FCode == Value.Code) {
            Selected = I;
            Combo->setItemText(I, KWSonstItemText(Label, Value.FreeText));
        }
    }
    Combo->setCurrentIndex(Selected);
}

void TKWGridLayout::RefreshLabels(std::initializer_list<QVariant> AArguments)
{
    TKWRefreshGuard Guard(FIsRefreshing, true);
    for (std::size_t Row = 0; Row < FGridEntries.size(); ++Row) {
        const TGridEntry& Entry = *FGridEntries[Row];
        const QString Text = KWFormat(KWTranslate(Entry.Text), AArguments);
        FLabelControls[Row]->setText(LabelText(Entry, Text));
        FLabelControls[Row]->setAccessibleName(Text);
        if (FEditControls[Row])
            FEditControls[Row]->setAccessibleName(Text);
    }
}

void TKWGridLayout::UpdateChange()
{
    const QWidget* Focused = QApplication::focusWidget();
    if (!Focused)
        return;
    for (std::size_t Row = 0; Row < FEditControls.size(); ++Row) {
        QWidget* Editor = FEditControls[Row];
        if (Editor && (Editor == Focused || Editor->isAncestorOf(Focused))) {
            if (auto* Edit = qobject_cast<QLineEdit*>(Editor); Edit && !Edit->isModified())
                return;
            WriteEditor(static_cast<int>(Row));
            return;
        }
    }
}

void TKWGridLayout::SetGroupEnabled(const QString& AGroupID, bool AEnabled)
{
    const auto Group = FGroups.constFind(AGroupID);
    if (Group == FGroups.constEnd())
        return;
    for (QWidget* Member : *Group) {
        Member->setEnabled(AEnabled);
        Member->setVisible(AEnabled);
    }
}

bool TKWGridLayout::IsComplete() const
{
    return KWIsComplete(FGridEntries, FData);
}

bool TKWGridLayout::eventFilter(QObject* AWatched, QEvent* AEvent)
{
    if (AEvent->type() == QEvent::MouseButtonRelease) {
        const auto Label = std::find(FLabelControls.begin(), FLabelControls.end(), AWatched);
        if (Label != FLabelControls.end())
            ShowHint(static_cast<int>(Label - FLabelControls.begin()));
    }
    return QWidget::eventFilter(AWatched, AEvent);
}

void TKWGridLayout::ShowHint(int ARow)
{
    if (!FPopup)
        return;
    const TGridEntry& Entry = *FGridEntries[static_cast<std::size_t>(ARow)];
    delete FHintFeld;
    FHintFeld = new QPlainTextEdit(this);
    FHintFeld->setObjectName(QStringLiteral("HintFeld"));
    FHintFeld->setReadOnly(true);
    FHintFeld->setPlainText(KWTranslate(QStringLiteral("Hallo dies ist ein Hinweis:")) +
                            QStringLiteral("\r\n") + Entry.ID);
    FHintFeld->hide();
    FPopup->SetCaption(QStringLiteral("Hinweis - ") + Entry.Text);
    FPopup->SetContent(FHintFeld);
    FPopup->Show();
}

// The free text of "Sonstiges" is written with every change, so that it is never lost however
// the popup ends; when the popup closes the grid shows it.
void TKWGridLayout::ShowSonstiges(int ARow)
{
    if (!FPopup)
        return;
    TGridEntry* Entry = FGridEntries[static_cast<std::size_t>(ARow)];
    delete FSonstigesFeld;
    FSonstigesFeld = new QLineEdit(this);
    FSonstigesFeld->setObjectName(QStringLiteral("SonstigesFeld"));
    FSonstigesFeld->setPlaceholderText(KWTranslate(QStringLiteral("Anmerkung")));
    FSonstigesFeld->setAccessibleName(KWTranslate(QStringLiteral("Anmerkung")));
    FSonstigesFeld->setMinimumHeight(KWStyle::TouchTarget);
    FSonstigesFeld->hide();
    connect(FSonstigesFeld, &QLineEdit::textEdited, this, [this, Entry](const QString& AText) {
        try {
            TableOf(*Entry).WriteValue(Entry->ID, KWJoinSonst(AText));
        } catch (const std::exception& E) {
            KWLog(QStringLiteral("TKWGridLayout.SonstigesFeldChange - Exception >") +
                  QString::fromUtf8(E.what()) + u'<');
        }
    });
    QPointer<QLineEdit> Feld = FSonstigesFeld;
    FPopup->SetCaption(QStringLiteral("Sonstiges"));
    FPopup->SetContent(FSonstigesFeld, paTop);
    FPopup->SetCloseQuery([this, Feld] {
        FPopup->SetCloseQuery({}); // this showing only
        if (Feld && !FIsRefreshing)
            RefreshValues();
        return true;
    });
    FPopup->Show();
}

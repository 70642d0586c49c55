#include "KWGridLayoutPopup.h"

#include "KWImageLayout.h"
#include "KWMemTable.h"
#include "KWPageSupport.h"
#include "KWPopup.h"
#include "KWStyle.h"
#include "KWTranslateUtil.h"
#include "KWUtilsGui.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

using KWGridLayoutPopup::TGridEntry;

std::unique_ptr<TGridEntry> TGridEntry::CreateGridEntry(const QString& AID, const QString& AText,
                                                        const QList<int>& AValues, const QStringList& ASuffixes,
                                                        const QStringList& ATexts, TImageOrientation AOrientation,
                                                        int AImageCount, const QString& ABaseName)
{
    auto Entry = std::make_unique<TGridEntry>();
    Entry->ID = AID;
    Entry->Text = AText;
    Entry->ImageValues = AValues;
    Entry->ImageTexts = ATexts;
    for (const QString& Suffix : ASuffixes)
        Entry->ImageNames << ABaseName + Suffix;
    Entry->ImageCount = AImageCount;
    Entry->ImageOrientation = AOrientation;
    return Entry;
}

std::unique_ptr<TGridEntry> TGridEntry::CreateGridEntry(const QString& AID, const QString& AText,
                                                        const QList<int>& AValues, const QStringList& ASuffixes,
                                                        const QStringList& ATexts, TImageOrientation AOrientation,
                                                        const QList<int>& AUsed, int AImageCount,
                                                        const QString& ABaseName)
{
    auto Entry = std::make_unique<TGridEntry>();
    Entry->ID = AID;
    Entry->Text = AText;
    for (int I = 0; I < AImageCount; ++I) {
        const int K = AUsed.at(I);
        Entry->ImageTexts << ATexts.at(K);
        Entry->ImageValues << AValues.at(K);
        Entry->ImageNames << ABaseName + ASuffixes.at(K);
    }
    Entry->ImageCount = AImageCount;
    Entry->ImageOrientation = AOrientation;
    return Entry;
}

TKWGridLayoutPopup::TKWGridLayoutPopup(QWidget* AOwner, TKWPopup& APopup, TKWMemTable& AData, TEntries AEntries)
    : QWidget(AOwner), FPopup(APopup), FGridEntries(std::move(AEntries)), FData(AData)
{
}

void TKWGridLayoutPopup::Init()
{
    auto* Grid = new QGridLayout(this);
    Grid->setContentsMargins(KWStyle::Margin, KWStyle::Margin, KWStyle::Margin, KWStyle::Margin);
    Grid->setHorizontalSpacing(KWStyle::Margin);
    for (int Row = 0; Row < static_cast<int>(FGridEntries.size()); ++Row) {
        const TGridEntry& Entry = *FGridEntries[static_cast<std::size_t>(Row)];
        const QString Text = KWTranslate(Entry.Text);
        auto* Label = new QLabel(Text, this);
        Label->setObjectName(QStringLiteral("Label") + Entry.ID);
        Label->setFixedWidth(FLabelWidth);
        auto* Edit = new QLineEdit(this);
        Edit->setObjectName(Entry.ID);
        Edit->setAccessibleName(Text);
        Edit->setAlignment(Qt::AlignCenter);
        Edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit));
        Edit->setInputMethodHints(Qt::ImhDigitsOnly);
        Edit->setMinimumHeight(KWStyle::TouchTarget);
        Edit->setFixedWidth(2 * KWStyle::TouchTarget);
        connect(Edit, &QLineEdit::editingFinished, this, [this, Row, Edit] {
            if (Edit->isModified())
                WriteRow(Row);
        });
        auto* Button = new QPushButton(KWTranslate(QStringLiteral("Score ...")), this);
        Button->setObjectName(QStringLiteral("Score") + Entry.ID);
        Button->setAccessibleName(Text + QStringLiteral(": ") + Button->text());
        Button->setFocusPolicy(Qt::ClickFocus); // skipped by the Tab key
        Button->setMinimumHeight(KWStyle::TouchTarget);
        connect(Button, &QPushButton::clicked, this, [this, Row] { OpenPopup(Row); });
        Grid->addWidget(Label, Row, 0);
        Grid->addWidget(Edit, Row, 1);
        Grid->addWidget(Button, Row, 2);
        FEditControls.push_back(Edit);
    }
    FImageLayouts.assign(FGridEntries.size(), nullptr);
    FActiveIndex = -1;
    adjustSize();
}

void TKWGridLayoutPopup::RefreshValues()
{
    TKWRefreshGuard Guard(FIsRefreshing, true);
    for (std::size_t Row = 0; Row < FGridEntries.size(); ++Row) {
        FEditControls[Row]->setText(FData.FieldByName(FGridEntries[Row]->ID).AsString());
        FEditControls[Row]->setModified(false);
    }
}

TKWImageLayout& TKWGridLayoutPopup::ImageLayout(int ARow)
{
    TKWImageLayout*& Layout = FImageLayouts[static_cast<std::size_t>(ARow)];
    if (Layout)
        return *Layout;
    const TGridEntry& Entry = *FGridEntries[static_cast<std::size_t>(ARow)];
    Layout = new TKWImageLayout(this, Entry.ImageOrientation, Entry.ImageCount);
    Layout->setObjectName(QStringLiteral("Pictures") + Entry.ID);
    Layout->hide();
    for (int I = 0; I < Entry.ImageTexts.size(); ++I) {
        if (I < Entry.ImageCount)
            Layout->SetContent(I, Entry.ID, Entry.ImageValues.at(I), KWLoadBitmapResource(Entry.ImageNames.at(I)),
                               Entry.ImageTexts.at(I));
        else
            Layout->AddButton(I, Entry.ID, Entry.ImageValues.at(I), Entry.ImageTexts.at(I));
    }
    Layout->RecalcSize();
    connect(Layout, &TKWImageLayout::OnValueSelect, this, [this](const QString&, int AValue) { ValueSelected(AValue); });
    return *Layout;
}

void TKWGridLayoutPopup::OpenPopup(int AIndex)
{
    FActiveIndex = AIndex >= static_cast<int>(FGridEntries.size()) ? -1 : AIndex;
    if (FActiveIndex < 0) {
        if (FOnAutoPopupEnd)
            FOnAutoPopupEnd();
        return;
    }
    FPopup.SetCaption(FGridEntries[static_cast<std::size_t>(FActiveIndex)]->Text);
    FPopup.SetContent(&ImageLayout(FActiveIndex));
    FPopup.Show();
}

void TKWGridLayoutPopup::ValueSelected(int AValue)
{
    FPopup.close();
    if (FActiveIndex < 0)
        return;
    FEditControls[static_cast<std::size_t>(FActiveIndex)]->setText(QString::number(AValue));
    WriteRow(FActiveIndex);
    OpenPopup(FActiveIndex + 1);
}

// A number that is not one of the row's scores shows bold red, so a typing slip stands out.
void TKWGridLayoutPopup::WriteRow(int ARow)
{
    if (FIsRefreshing)
        return;
    const TGridEntry& Entry = *FGridEntries[static_cast<std::size_t>(ARow)];
    QLineEdit* Edit = FEditControls[static_cast<std::size_t>(ARow)];
    Edit->setModified(false);
    FData.WriteValue(Entry.ID, Edit->text());
    const bool Allowed = Entry.ImageValues.contains(FData.FieldByName(Entry.ID).AsInteger());
    QPalette Palette = Edit->palette();
    Palette.setColor(QPalette::Text, Allowed ? Qt::black : Qt::red);
    Edit->setPalette(Palette);
    QFont Font = Edit->font();
    Font.setBold(!Allowed);
    Edit->setFont(Font);
    if (FOnChange)
        FOnChange();
}

void TKWGridLayoutPopup::UpdateChange()
{
    const QWidget* Focused = QApplication::focusWidget();
    for (std::size_t Row = 0; Row < FEditControls.size(); ++Row)
        if (FEditControls[Row] == Focused && FEditControls[Row]->isModified())
            WriteRow(static_cast<int>(Row));
}

#include "KWAnnotatableImage.h"

#include "KWException.h"
#include "KWImageGeometry.h"
#include "KWMemTable.h"
#include "KWPageSupport.h"
#include "KWStyle.h"
#include "KWTooltipLabel.h"
#include "KWTranslateUtil.h"
#include "KWUtils.h"
#include "KWUtilsGui.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>

namespace {

constexpr int EditWidth = 50;

} // namespace

TKWAnnotatableImage::TKWAnnotatableImage(QWidget* AOwner, TKWTooltipLabel* ATooltipLabel,
                                         TKWMemTable& AData, TImageInfo AImageInfo)
    : QWidget(AOwner), FImageInfo(std::move(AImageInfo)), FData(AData), FTooltipLabel(ATooltipLabel)
{
}

void TKWAnnotatableImage::Init()
{
    const QImage Picture = KWLoadBitmapResource(FImageInfo.Imagename);
    FOriginalImageWidth = Picture.width();
    FOriginalImageHeight = Picture.height();
    FImage.SetPicture(Picture);
    update();
    for (const TAnnotation& Annotation : FImageInfo.Annotations)
        FEditControls.push_back(CreateEdit(Annotation));
    PlaceControls();
}

void TKWAnnotatableImage::RefreshValues()
{
    TKWRefreshGuard Guard(FIsRefreshing, true);
    for (size_t I = 0; I < FEditControls.size(); ++I) {
        const QString Stored = FData.FieldByName(FImageInfo.Annotations[I].ID).AsString();
        FEditControls[I]->setText(KWAnnotationDisplayText(Stored));
    }
}

void TKWAnnotatableImage::UpdateChange()
{
    for (size_t I = 0; I < FEditControls.size(); ++I)
        EditChange(static_cast<int>(I));
}

void TKWAnnotatableImage::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    Painter.drawPixmap(0, 0, FImage.Scaled(size(), devicePixelRatioF(), false));
}

void TKWAnnotatableImage::resizeEvent(QResizeEvent* AEvent)
{
    PlaceControls();
    QWidget::resizeEvent(AEvent);
}

bool TKWAnnotatableImage::eventFilter(QObject* AWatched, QEvent* AEvent)
{
    const QEvent::Type Type = AEvent->type();
    if (!FTooltipLabel || (Type != QEvent::FocusIn && Type != QEvent::FocusOut))
        return QWidget::eventFilter(AWatched, AEvent);
    const auto Found = std::find(FEditControls.begin(), FEditControls.end(), AWatched);
    if (Found != FEditControls.end() && Type == QEvent::FocusIn)
        FTooltipLabel->ShowTooltip(FImageInfo.Annotations[Found - FEditControls.begin()].Text,
                                   true);
    else if (Found != FEditControls.end())
        FTooltipLabel->HideTooltip();
    return QWidget::eventFilter(AWatched, AEvent);
}

QLineEdit* TKWAnnotatableImage::CreateEdit(const TAnnotation& AAnnotation)
{
    auto* Edit = new QLineEdit(this);
    const int Index = static_cast<int>(FEditControls.size());
    Edit->setObjectName(AAnnotation.ID);
    Edit->setPlaceholderText(KWTranslate(AAnnotation.TextPrompt));
    Edit->setAccessibleName(
        KWTranslate(AAnnotation.Text.isEmpty() ? AAnnotation.TextPrompt : AAnnotation.Text));
    Edit->setInputMethodHints(AAnnotation.KeyboardType);
    Edit->setAlignment(Qt::AlignCenter);
    Edit->resize(EditWidth, KWStyle::TouchTarget);
    if (!AAnnotation.FilterChar.isEmpty())
        Edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(
                QStringLiteral("[%1]*").arg(QRegularExpression::escape(AAnnotation.FilterChar))),
            Edit));
    connect(Edit, &QLineEdit::editingFinished, this, [this, Index] { EditChange(Index); });
    if (AAnnotation.KillFocusByReturn)
        connect(Edit, &QLineEdit::returnPressed, Edit, &QLineEdit::clearFocus);
    Edit->installEventFilter(this);
    Edit->show();
    return Edit;
}

void TKWAnnotatableImage::EditChange(int AIndex)
{
    QLineEdit* Edit = FEditControls[AIndex];
    // Leaving a field without typing writes nothing: a stored 0 shown empty stays 0.
    if (FIsRefreshing || !Edit->isModified())
        return;
    Edit->setModified(false);
    const QString& FieldName = FImageInfo.Annotations[AIndex].ID;
    try {
        FData.WriteValue(FieldName, Edit->text());
    } catch (const EKWException& E) {
        KWLog(QStringLiteral("TKWAnnotatableImage.EditChange - Exception"));
        KWLog(QStringLiteral("  Name:    ") + FieldName);
        KWLog(QStringLiteral("  Message: ") + E.Message());
        TKWRefreshGuard Guard(FIsRefreshing, true);
        Edit->setText(KWAnnotationDisplayText(FData.FieldByName(FieldName).AsString()));
        return;
    }
    Q_EMIT OnEditChange(FieldName);
}

void TKWAnnotatableImage::PlaceControls()
{
    const QSize PixelSize = OriginalImageSize();
    const QSize Shown(width(), qRound(KWAnnotatedImageHeight(width(), PixelSize)));
    // The height follows the width, so the drawing keeps its proportions.
    setFixedHeight(Shown.height());
    for (size_t I = 0; I < FEditControls.size(); ++I) {
        QLineEdit* Edit = FEditControls[I];
        const QPointF Centre =
            KWAnnotationCentre(Shown, PixelSize, FImageInfo.Annotations[I].Position);
        Edit->move(qRound(Centre.x() - Edit->width() / 2.0),
                   qRound(Centre.y() - Edit->height() / 2.0));
    }
}

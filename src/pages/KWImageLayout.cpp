#include "KWImageLayout.h"

#include "KWImageFrame.h"
#include "KWStyle.h"
#include "KWTranslateUtil.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>

TKWImageLayout::TKWImageLayout(QWidget* AOwner, TImageOrientation AOrientation, int AImageCount)
    : QWidget(AOwner), FImageOrientation(AOrientation),
      FLabelHeight(KWImageSetLabelHeight(AOrientation, QFontInfo(font()).pixelSize()))
{
    for (int I = 0; I < AImageCount; ++I) {
        auto* Label = new QLabel(this);
        Label->setObjectName(QStringLiteral("ImageLabel%1").arg(I));
        Label->setAlignment(Qt::AlignCenter);
        Label->setWordWrap(true);
        FImageLabels.push_back(Label);

        auto* Image = new TKWImageFrame(TKWImageScale::isFit, this);
        Image->setObjectName(QStringLiteral("Image%1").arg(I));
        connect(Image, &TKWImageFrame::clicked, this, [this, I] { ImageClicked(I); });
        connect(Image, &TKWImageFrame::FlashFinished, this, [this, I] { ImageFlashFinished(I); });
        FImages.push_back(Image);
    }
    FChoices.resize(FImages.size());
    RecalcSize();
}

void TKWImageLayout::SetContent(int AIndex, const QString& AID, int AValue, const QImage& APicture,
                                const QString& AText)
{
    FChoices.at(AIndex) = {AID, AValue};
    FImages.at(AIndex)->SetPicture(APicture);
    SetCaption(AIndex, KWTranslate(AText));
}

void TKWImageLayout::AddButton(int AIndex, const QString& AID, int AValue, const QString& AText)
{
    auto* Button = new QPushButton(KWTranslate(AText), this);
    Button->setObjectName(QStringLiteral("Button%1").arg(AIndex));
    Button->setAccessibleName(Button->text());
    Button->setFocusPolicy(Qt::ClickFocus);
    const TChoice Choice{AID, AValue};
    connect(Button, &QPushButton::clicked, this, [this, Choice] { ButtonClicked(Choice); });
    FButtons.push_back(Button);
    Button->show();
    RecalcSize();
}

void TKWImageLayout::SetImageText(int AIndex, const QString& AText)
{
    SetCaption(AIndex, AText);
}

void TKWImageLayout::RecalcSize()
{
    const TKWImageSetGeometry Geometry(FImageOrientation, ImageCount(), FLabelHeight,
                                       static_cast<int>(FButtons.size()));
    for (int I = 0; I < ImageCount(); ++I) {
        FImageLabels[I]->setGeometry(Geometry.LabelRect(I));
        FImages[I]->setGeometry(Geometry.FrameRect(I));
    }
    for (size_t J = 0; J < FButtons.size(); ++J)
        FButtons[J]->setGeometry(Geometry.ButtonRect(static_cast<int>(J)));
    setFixedSize(Geometry.Size());
}

void TKWImageLayout::ImageClicked(int AIndex)
{
    if (FIsAnimating)
        return;
    FIsAnimating = true;
    FImages[AIndex]->Flash(QColor::fromRgba(KWStyle::FlashPlusColor));
}

void TKWImageLayout::ImageFlashFinished(int AIndex)
{
    // Cleared before reporting: whatever the receiver does, the set takes the next choice.
    FIsAnimating = false;
    const TChoice Choice = FChoices[AIndex];
    Q_EMIT OnValueSelect(Choice.ID, Choice.Value);
}

void TKWImageLayout::ButtonClicked(const TChoice& AChoice)
{
    // A button tapped while a picture's choice is still pending would report a second value.
    if (FIsAnimating)
        return;
    Q_EMIT OnValueSelect(AChoice.ID, AChoice.Value);
}

void TKWImageLayout::SetCaption(int AIndex, const QString& AText)
{
    FImageLabels.at(AIndex)->setText(AText);
    FImages[AIndex]->setAccessibleName(AText);
    FImages[AIndex]->setAccessibleDescription(AText);
}

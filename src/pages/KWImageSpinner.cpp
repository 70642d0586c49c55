#include "KWImageSpinner.h"

#include "KWClickSound.h"
#include "KWImageFrame.h"
#include "KWImageGeometry.h"
#include "KWRecordingRows.h"
#include "KWStyle.h"
#include "KWSymbolButtons.h"
#include "KWTranslateUtil.h"
#include "KWUtils.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace {

// The look of the plus and minus buttons: 22 wide symbols in a finger-sized touch area.
constexpr int SymbolSize = 22;
constexpr int InputRowMargin = 10;
constexpr int CaptionMarginLeft = 3;

static_assert(KWSpinnerInputRowHeight >= KWStyle::TouchTarget);

} // namespace

TKWImageSpinner::TKWImageSpinner(QWidget* AOwner)
    : QWidget(AOwner),
      FPlusButton(CreateButton(QStringLiteral("PlusButton"), KWPlusIcon(), "Plus")),
      FMinusButton(CreateButton(QStringLiteral("MinusButton"), KWMinusIcon(), "Minus")),
      FValueField(new QLineEdit(QStringLiteral("0"), this)),
      FImage(new TKWImageFrame(TKWImageScale::isStretch, this)), FImageLabel(new QLabel(this)),
      FAspectRatio(KWSpinnerDefaultAspectRatio)
{
    // Loads the click with the first counter, so a missing sound is logged when the pages are
    // built rather than at the first tap.
    TKWClickSound::Instance();

    connect(FPlusButton, &QToolButton::clicked, this, &TKWImageSpinner::IncreaseValue);
    connect(FMinusButton, &QToolButton::clicked, this, &TKWImageSpinner::DecreaseValue);

    FValueField->setObjectName(QStringLiteral("ValueField"));
    FValueField->setAlignment(Qt::AlignCenter);
    FValueField->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    FValueField->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[-+0-9]*")), FValueField));
    connect(FValueField, &QLineEdit::textChanged, this, &TKWImageSpinner::ValueTextChanged);
    connect(FValueField, &QLineEdit::returnPressed, this, [this] {
        if (KWReturnEndsEditing)
            FValueField->clearFocus();
    });

    FImage->setObjectName(QStringLiteral("Image"));
    FImage->setFocusPolicy(Qt::NoFocus);
    connect(FImage, &TKWImageFrame::clicked, this, &TKWImageSpinner::IncreaseValue);

    FImageLabel->setObjectName(QStringLiteral("ImageLabel"));
    FImageLabel->setAlignment(Qt::AlignCenter);
    FImageLabel->setWordWrap(true);

    setAccessibleDescription(FValueField->text());
    SetWidth(width());
}

int TKWImageSpinner::Value() const
{
    return KWCounterValue(FValueField->text());
}

void TKWImageSpinner::SetValue(int AValue)
{
    FValueField->setText(QString::number(AValue));
}

QString TKWImageSpinner::ImageText() const
{
    return FImageLabel->text();
}

void TKWImageSpinner::SetImageText(const QString& AText)
{
    const QString Caption = KWTranslate(AText);
    FImageLabel->setText(Caption);
    setAccessibleName(Caption);
    FImage->setAccessibleName(Caption);
    FImage->setAccessibleDescription(Caption);
    FValueField->setAccessibleName(Caption);
}

void TKWImageSpinner::SetImage(const QImage& AImage)
{
    FImage->SetPicture(AImage);
}

void TKWImageSpinner::SetAspectRatio(qreal AAspectRatio)
{
    FAspectRatio = AAspectRatio;
    SetWidth(width());
}

void TKWImageSpinner::SetWidth(int AWidth)
{
    setFixedSize(AWidth, qRound(KWSpinnerHeight(AWidth, FAspectRatio)));
}

void TKWImageSpinner::IncreaseValue()
{
    TKWClickSound::Instance().Play();
    FImage->Flash(QColor::fromRgba(KWStyle::FlashPlusColor));
    SetValue(Value() + 1);
}

void TKWImageSpinner::DecreaseValue()
{
    FImage->Flash(QColor::fromRgba(KWStyle::FlashMinusColor));
    SetValue(std::max(Value() - 1, 0));
}

void TKWImageSpinner::RefreshSettings()
{
    FImage->SetPictureOpacity(isEnabled() ? 1 : KWStyle::DisabledPictureOpacity);
}

void TKWImageSpinner::resizeEvent(QResizeEvent* AEvent)
{
    PlaceControls();
    QWidget::resizeEvent(AEvent);
}

QToolButton* TKWImageSpinner::CreateButton(const QString& AName, const QIcon& AIcon,
                                           const QString& AText)
{
    QToolButton* Button =
        KWCreateSymbolButton(this, AName, AIcon, SymbolSize, KWStyle::TouchTarget, AText);
    Button->setAutoRaise(true);
    Button->setFocusPolicy(Qt::NoFocus);
    return Button;
}

void TKWImageSpinner::ValueTextChanged(const QString& AText)
{
    setAccessibleDescription(AText);
    Q_EMIT OnChange();
}

void TKWImageSpinner::PlaceControls()
{
    const int Width = width();
    FImageLabel->setGeometry(CaptionMarginLeft, 0, Width - CaptionMarginLeft,
                             KWSpinnerCaptionHeight);
    FImage->setGeometry(0, KWSpinnerCaptionHeight, Width,
                        qRound(KWSpinnerFrameHeight(Width, FAspectRatio)));
    const int RowTop = height() - KWSpinnerInputRowHeight;
    const int Button = KWStyle::TouchTarget;
    FMinusButton->move(InputRowMargin, RowTop);
    FPlusButton->move(Width - InputRowMargin - Button, RowTop);
    const int FieldLeft = 2 * InputRowMargin + Button;
    FValueField->setGeometry(FieldLeft, RowTop, std::max(Width - 2 * FieldLeft, 0),
                             KWSpinnerInputRowHeight);
}

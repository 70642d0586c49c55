#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;
class TKWImageFrame;

// A picture counter: caption, framed picture, and below them minus, value and plus. A tap on
// the picture or on plus counts one up (with a click and a green flash), minus one down to no
// less than 0 (red flash). Every tap counts at once, however fast they follow: the flash only
// shows it. The value can also be typed; a text that is no whole number counts as 0.
//
// Children by object name: "Image", "ImageLabel", "MinusButton", "ValueField", "PlusButton".
// The counter and its value field carry the caption as accessible name; the counter's
// accessible description is its value, and the value field sets it.
class TKWImageSpinner final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWImageSpinner)

public:
    explicit TKWImageSpinner(QWidget* AOwner);

    int Value() const;
    void SetValue(int AValue);
    QString ImageText() const;
    // Shows the translation of AText as caption.
    void SetImageText(const QString& AText);
    // The picture is copied; the caller keeps its own.
    void SetImage(const QImage& AImage);
    qreal AspectRatio() const { return FAspectRatio; }
    // Width over height of the picture (positive); the counter's height follows.
    void SetAspectRatio(qreal AAspectRatio);
    // Sets the width; frame and height follow the aspect ratio.
    void SetWidth(int AWidth);

    void IncreaseValue();
    void DecreaseValue();
    // Shows the picture faded out while the counter is disabled.
    void RefreshSettings();

Q_SIGNALS:
    // The value text changed, by a tap, by typing or by SetValue.
    void OnChange();

protected:
    void resizeEvent(QResizeEvent* AEvent) override;

private:
    QToolButton* CreateButton(const QString& AName, const QIcon& AIcon, const QString& AText);
    void ValueTextChanged(const QString& AText);
    void PlaceControls();

    QToolButton* FPlusButton;
    QToolButton* FMinusButton;
    QLineEdit* FValueField;
    TKWImageFrame* FImage;
    QLabel* FImageLabel;
    qreal FAspectRatio;
};

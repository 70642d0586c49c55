#pragma once

#include "KWImageGeometry.h"

#include <QString>
#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class TKWImageFrame;

// A set of reference pictures (and optional text buttons) of which one is chosen, as in the
// score popups. A tap on a picture flashes its frame green for a moment and then reports the
// picture's id and value through OnValueSelect; while a frame flashes further taps are
// ignored, so one choice reports one value. A text button reports at once.
//
// Children are found by object name: "Image<i>" (the tappable picture), "ImageLabel<i>" (its
// caption) and "Button<index>" (a text button). Each picture is a button whose accessible name
// and description are its caption.
class TKWImageLayout final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWImageLayout)

public:
    // AImageCount pictures arranged by AOrientation; their content comes with SetContent.
    TKWImageLayout(QWidget* AOwner, TImageOrientation AOrientation, int AImageCount);

    // Place AIndex shows a copy of APicture, captioned with the translation of AText, and
    // reports AID and AValue when chosen.
    void SetContent(int AIndex, const QString& AID, int AValue, const QImage& APicture,
                    const QString& AText);
    // Appends a text button (caption the translation of AText, named "Button<AIndex>") that
    // reports AID and AValue; the set grows to hold it.
    void AddButton(int AIndex, const QString& AID, int AValue, const QString& AText);
    // Sets the caption of place AIndex as given (not translated).
    void SetImageText(int AIndex, const QString& AText);
    // Places every part again and takes the size of the whole set.
    void RecalcSize();

    int ImageCount() const { return static_cast<int>(FImages.size()); }
    // True from a picture tap until its flash is over and the choice is reported.
    bool IsAnimating() const { return FIsAnimating; }

Q_SIGNALS:
    void OnValueSelect(const QString& AValueID, int AValue);

private:
    struct TChoice
    {
        QString ID;
        int Value = 0;
    };

    void ImageClicked(int AIndex);
    void ImageFlashFinished(int AIndex);
    void ButtonClicked(const TChoice& AChoice);
    void SetCaption(int AIndex, const QString& AText);

    TImageOrientation FImageOrientation;
    int FLabelHeight;
    std::vector<TKWImageFrame*> FImages;
    std::vector<QLabel*> FImageLabels;
    std::vector<TChoice> FChoices;
    std::vector<QPushButton*> FButtons;
    bool FIsAnimating = false;
};

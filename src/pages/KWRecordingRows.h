#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

#include <vector>

// Row descriptions of the picture widgets and the rules on their values. Plain values: the pages
// describe their counters and annotated drawings with them (designated initializers name what
// is set, the rest keeps its default), the widgets build from them.

// One counter of a counter grid, bound to an integer field of the grid's table.
struct TSpinnerGridEntry
{
    // Field name.
    QString ID{};
    // German caption, translated when shown.
    QString Text{};
    // Picture resource.
    QString ImageName{};
    bool Enabled = true;

    static TSpinnerGridEntry CreateSpinnerGridEntry(const QString& AID, const QString& AText,
                                                    bool AEnabled, const QString& AImageName);
};

// An entry field placed on a drawing, bound to one field of the drawing's table.
struct TAnnotation
{
    // Field name.
    QString ID{};
    // German hint shown while the field has the focus.
    QString Text{};
    // German grey prompt of the empty field.
    QString TextPrompt{};
    // What the on-screen keyboard offers.
    Qt::InputMethodHints KeyboardType = Qt::ImhNone;
    // Return leaves the field.
    bool KillFocusByReturn = true;
    // The characters the field accepts; empty accepts any.
    QString FilterChar{};
    // Centre of the field, in pixels of the picture file.
    QPoint Position{};
};

// A drawing and the fields placed on it.
struct TImageInfo
{
    QString ID{};
    // Picture resource.
    QString Imagename{};
    std::vector<TAnnotation> Annotations{};
};

// The count a counter's text stands for. A text that is not a whole number (empty, a sign
// alone) counts as 0, so a half-typed value never breaks a sum.
int KWCounterValue(const QString& AText);
// What an annotated field shows for a stored text: a stored 0 shows as an empty field, so its
// prompt tells what to measure.
QString KWAnnotationDisplayText(const QString& AFieldText);

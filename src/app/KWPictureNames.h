#pragma once

// The names of the reference pictures the recording pages show, composed by the pages' naming
// rules from one set of tables, so that the pages and the check of the carried pictures ask for
// the same names.

#include <QList>
#include <QString>
#include <QStringList>

// One picture of a score row: the value it stands for and the suffix of its picture name.
struct TKWPictureChoice
{
    int Value;
    QString Suffix;
};

// The pictures of one score row: picture i is BaseName followed by Choices[i].Suffix.
struct TKWScorePictures
{
    QString ID;
    QString BaseName;
    QList<TKWPictureChoice> Choices;

    QStringList PictureNames() const;
};

// The counters of one recording area that show pictures, in page order.
struct TKWCounterPictures
{
    QString Area;
    QStringList Fields;
    // Whether the picture is named by the field alone instead of area and field.
    bool NamedByField = false;

    QStringList PictureNames() const;
};

// A counter's picture: the area name followed by the field name.
QString KWCounterPictureName(const QString& AArea, const QString& AField);

// The counter pages' pictures: cow location, lying position, cubicle comfort index, walking
// behaviour and lying-down duration, cubicle condition, mobility check behaviour.
const QList<TKWCounterPictures>& KWCounterPictures();

// The score rows of the single-cow page, each with every picture it can offer: the five-step
// standing and locomotion scores (the three-step rows take values 1, 3 and 5 of them), claw
// condition, the cleanliness of seven regions and the technopathies of six body parts.
const QList<TKWScorePictures>& KWEinzelKuhScorePictures();

// The score row of KWEinzelKuhScorePictures with that ID; raises EKWException for an unknown ID.
const TKWScorePictures& KWEinzelKuhScorePicture(const QString& AID);

// Pictures with fixed names: the floor-plan sketch of the comfort index page, the three
// annotated drawings of the barn survey pages and the three overview pictures of the
// single-cow page.
const QStringList& KWFixedPictureNames();

// Every picture name a recording page asks for, without repetitions.
QStringList KWAllPictureNames();

#pragma once

#include "KWCalculation.h"
#include "KWJson.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The kind of an indicator's value; it decides the value scale of the charts.
enum TValueType
{
    vtRate6,
    vtCount,
    vtPercent,
    vtText
};

// The fixed definition of one indicator: caption, page, value kind and the recording fields its
// calculation reads.
class TKWJsonWriter;

struct TKWIndikatorDefinition
{
    QString ID;
    QString Text;
    QString PageID;
    // Position in the creation order of all definitions, from 0.
    int PageOrder = 0;
    QString PageText;
    TValueType ValueType = vtRate6;
    // Value scale of the charts: lower end, upper end and step of the axis.
    double MinValue = 0;
    double MaxValue = 0;
    double IncValue = 0;
    QStringList NIDs;
    QStringList DIDs;
    QString NDataID;
    QString DDataID;
    QList<int> NConditionValues;
    TKWCalculationType CalculationType = CalculationNone;
    // A summary indicator of its page, which the charts show apart from the others.
    bool IsMainIndicator = false;
};

// One row of the assessment standard: the mean of comparison farms and the target. -10 means
// that there is no value to show; it lies below every value scale.
struct TKWReferenceEntry
{
    QString ID;
    double Reference;
    double Target;
};

// The target of an indicator without a numeric target: the target as the user reads it, and
// what counts as in target (a range "lower -- upper" with decimal commas and open ends, or a
// list of codes separated by blanks).
struct TKWTargetDescEntry
{
    QString ID;
    QString Shown;
    QString InTarget;
};

// The 82 indicators with a numeric reference and target, and the 28 with a target description.
const std::vector<TKWReferenceEntry>& KWReferenceTable();
const std::vector<TKWTargetDescEntry>& KWTargetDescTable();

// Lookups by indicator id: not-a-number when the id has no entry; a missing description is
// "Unbekannt | ". A description is stored as shown piece, "|" and in-target piece, with the
// separators lined up.
double KWGetReferenceValue(const QString& AID);
double KWGetTargetValue(const QString& AID);
QString KWGetTargetValueDesc(const QString& AID);

// One indicator of the open visit. Its value is recomputed from the recording tables on demand;
// rating and weak point are set only by the advisor or loaded with a stored visit.
class TKWIndikator
{
public:
    TKWIndikator(const TKWIndikatorDefinition& ADefinition,
                 std::unique_ptr<IKWCalculation> ACalculation);
    TKWIndikator(const TKWIndikator&) = delete;
    TKWIndikator& operator=(const TKWIndikator&) = delete;

    double Value() const { return FValue; }
    const QString& ValueCode() const { return FValueCode; }
    double ReferenceValue() const { return FReferenceValue; }
    double TargetValue() const { return FTargetValue; }
    const QString& TargetValueDesc() const { return FTargetValueDesc; }
    const TKWIndikatorDefinition& Definition() const { return FDefinition; }
    IKWCalculation& Calculation() const { return *FCalculation; }

    const QString& Rating() const { return FRating; }
    void SetRating(const QString& AValue) { FRating = AValue; }
    bool Weakness() const { return FWeakness; }
    void SetWeakness(bool AValue) { FWeakness = AValue; }

    // The text shown for the value code (a code's label for coded answers).
    QString ValueText() const;
    // The two pieces of the target description, trimmed; empty when missing.
    QString TargetValueText() const;
    QString TargetValueCodes() const;

    void RefreshValue();
    // Value 0, value code "0", no rating, no weak point.
    void ClearData();
    // {"Wert", "Bewertung", "Schwachstelle"}; "Wert" is text for text indicators.
    TKWJson GetDataAsJson() const;
    void WriteJson(TKWJsonWriter& AWriter) const;
    // Reads the three members; a missing member or a "Wert" of the wrong kind raises. A text
    // indicator's value stays not-a-number until the next RefreshValue.
    void LoadFromJson(const TKWJson& AJSONObject);
    // The id and the numerator fields, for diagnostics.
    QString ToString() const;

private:
    QString TargetPiece(int AIndex) const;

    double FValue = 0;
    QString FValueCode;
    double FReferenceValue;
    double FTargetValue;
    QString FTargetValueDesc;
    const TKWIndikatorDefinition& FDefinition;
    std::unique_ptr<IKWCalculation> FCalculation;
    QString FRating;
    bool FWeakness = false;
};

// Whether a value code meets target codes (the in-target piece of a target description), as
// the signal pages colour it. Without "--" the target is a list of codes: met when the value
// code, trimmed, equals one of them without regard to case. With "--" it is a range: met when
// the value code reads as a number in the user's number format and lies between the bounds,
// both included; an empty bound is open. Bounds are written with a decimal comma and read so
// whatever the user's locale. An empty target or value code is never met.
bool KWIsTargetMet(const QString& AValueCode, const QString& ATargetCodes);
// The same for an indicator's value code and target codes; meaningful for text indicators,
// since the others have no target codes.
bool KWIsTargetMet(const TKWIndikator& AIndikator);

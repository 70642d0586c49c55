#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TKWField;
class TKWMemTable;

// Which calculation computes an indicator's value. The ordinal is stored nowhere.
enum TKWCalculationType
{
    CalculationNone,
    CalculationCount,
    CalculationPercentage,
    CalculationAverage,
    CalculationBlock,
    Calculation4,
    CalculationText,
    CalculationTextMin
};

// How an indicator computes its value from the recording tables it is bound to. Percentages and
// ratios with a zero denominator are 0. A pass over all records puts the cursor back where it
// stood. The per-block operations describe the state after the most recent Calculate.
class IKWCalculation
{
public:
    virtual ~IKWCalculation() = default;

    virtual double Calculate() = 0;
    // The value code of a text indicator.
    virtual QString CalculateCode() = 0;
    // The text shown for a value code.
    virtual QString CalculateText(const QString& ACode) const = 0;
    virtual void AddNumeratorID(const QString& AID) = 0;
    virtual void AddDenominatorID(const QString& AID) = 0;
    // A score value that counts as a hit.
    virtual void AddNumeratorConditionValue(int AValue) = 0;
    virtual void SetNumeratorDataSet(TKWMemTable& ADataSet) = 0;
    virtual void SetDenominatorDataSet(TKWMemTable& ADataSet) = 0;
    // The value of one block.
    virtual double GetDetailValue(int Idx) const = 0;
    // The denominator of one block, or of the whole for an index that names no block.
    virtual qint64 GetDenominator(int Idx) const = 0;
    virtual QString GetDetailText(int Idx) const = 0;
    virtual QString GetTotalText() const = 0;
    // The block to be highlighted; -1 for none.
    virtual int GetRatingIdx() const = 0;
};

// Defaults for every calculation: Add operations a class does not override ignore their
// argument, so names or values given to a calculation that does not use them do no harm.
class TKWCalculation : public IKWCalculation
{
public:
    QString CalculateCode() override;
    QString CalculateText(const QString& ACode) const override;
    void AddNumeratorID(const QString& AID) override;
    void AddDenominatorID(const QString& AID) override;
    void AddNumeratorConditionValue(int AValue) override;
    void SetNumeratorDataSet(TKWMemTable& ADataSet) override;
    void SetDenominatorDataSet(TKWMemTable& ADataSet) override;
    double GetDetailValue(int Idx) const override;
    qint64 GetDenominator(int Idx) const override;
    QString GetDetailText(int Idx) const override;
    QString GetTotalText() const override;
    int GetRatingIdx() const override;

protected:
    // The bound tables; a calculation used before its table is set raises.
    TKWMemTable& NumeratorDataSet() const;
    TKWMemTable& DenominatorDataSet() const;

private:
    TKWMemTable* FNumeratorDataSet = nullptr;
    TKWMemTable* FDenominatorDataSet = nullptr;
};

// Always 1.
class TKWCalculationNone final : public TKWCalculation
{
public:
    double Calculate() override;
};

// The whole number in one field of the current record.
class TKWCalculationCount final : public TKWCalculation
{
public:
    double Calculate() override;
    void AddNumeratorID(const QString& AID) override;

private:
    QString FNumeratorID;
};

// The numerator fields' sum as a percentage of the denominator fields' sum, both read from the
// current records.
class TKWCalculationPercentage final : public TKWCalculation
{
public:
    double Calculate() override;
    void AddNumeratorID(const QString& AID) override;
    void AddDenominatorID(const QString& AID) override;
    qint64 GetDenominator(int Idx) const override;

private:
    QStringList FNumeratorIDs;
    QStringList FDenominatorIDs;
};

// The mean of the numerator fields over all records; an empty score counts as 0.
class TKWCalculationAverage final : public TKWCalculation
{
public:
    double Calculate() override;
    void AddNumeratorID(const QString& AID) override;
    qint64 GetDenominator(int Idx) const override;

private:
    QStringList FNumeratorIDs;
};

// One record per block (field "Block" names it): the percentage of the numerator sum over the
// denominator sum, and the same per block. Works only when numerator and denominator are bound
// to the same table.
class TKWCalculationBlock final : public TKWCalculation
{
public:
    double Calculate() override;
    void AddNumeratorID(const QString& AID) override;
    void AddDenominatorID(const QString& AID) override;
    double GetDetailValue(int Idx) const override;
    qint64 GetDenominator(int Idx) const override;
    QString GetDetailText(int Idx) const override;
    QString GetTotalText() const override;
    // The block with the lowest percentage, the first of several equal ones.
    int GetRatingIdx() const override;

private:
    bool IsBlock(int Idx) const;

    QString FNumeratorID;
    QString FDenominatorID;
    std::vector<int> FNumerator;
    std::vector<int> FDenominator;
    QStringList FNames;
    // Keeps the sum of the last calculation that found blocks.
    qint64 FSumDenominator = 0;
};

// The share of scores equal to one of the condition values, over all records and all numerator
// fields.
class TKWCalculation4 final : public TKWCalculation
{
public:
    double Calculate() override;
    void AddNumeratorID(const QString& AID) override;
    void AddNumeratorConditionValue(int AValue) override;
    qint64 GetDenominator(int Idx) const override;

private:
    QStringList FNumeratorIDs;
    QList<int> FNumeratorConditionValues;
};

// A recorded answer as value code: "Ja"/"Nein" for Boolean fields, the code of a text field,
// the number of a numeric field (the largest of several, at least 0). Every operation needs at
// least one numerator field.
class TKWCalculationText : public TKWCalculation
{
public:
    double Calculate() override;
    QString CalculateCode() override;
    // The code's label for text fields, otherwise the code itself.
    QString CalculateText(const QString& ACode) const override;
    void AddNumeratorID(const QString& AID) override;

protected:
    // The value of several numeric fields of the current record.
    virtual double Combine(const std::vector<double>& AValues) const;

private:
    TKWField& FirstField() const;

    QStringList FNumeratorIDs;
};

// As TKWCalculationText, but several fields give the smallest value above 0, or 99999 when no
// field holds one.
class TKWCalculationTextMin final : public TKWCalculationText
{
protected:
    double Combine(const std::vector<double>& AValues) const override;
};

// Creates the calculation of a type and hands it the field names, condition values and tables.
std::unique_ptr<IKWCalculation>
CreateCalculation(TKWCalculationType AType, const QStringList& ANumeratorIDs,
                  const QStringList& ADenominatorIDs, TKWMemTable& ANumeratorDataSet,
                  TKWMemTable& ADenominatorDataSet, const QList<int>& AConditionValues);

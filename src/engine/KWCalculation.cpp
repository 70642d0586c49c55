#include "KWCalculation.h"

#include "KWCode.h"
#include "KWException.h"
#include "KWMemTable.h"
#include "KWNumberFormat.h"
#include "KWTranslateUtil.h"
#include "KWUtils.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

double Percentage(qint64 ANumerator, qint64 ADenominator)
{
    return ADenominator == 0 ? 0 : double(ANumerator) * 100 / double(ADenominator);
}

double Ratio(double ANumerator, double ADenominator)
{
    return ADenominator == 0 ? 0 : ANumerator / ADenominator;
}

std::vector<TKWField*> FieldsByName(const TKWMemTable& ATable, const QStringList& ANames)
{
    std::vector<TKWField*> Fields;
    Fields.reserve(static_cast<size_t>(ANames.size()));
    for (const QString& Name : ANames)
        Fields.push_back(&ATable.FieldByName(Name));
    return Fields;
}

// Counts are summed in 64 bits: a few counts near the 32-bit limit must not wrap around.
qint64 SumOfCurrentRecord(const TKWMemTable& ATable, const QStringList& ANames)
{
    qint64 Sum = 0;
    for (const TKWField* Field : FieldsByName(ATable, ANames))
        Sum += Field->AsInteger();
    return Sum;
}

// Runs AVisit on every record, then puts the cursor back on the record it stood on. A record
// being inserted is posted by the first move and is the last record afterwards.
template <typename TVisit> void ForEachRecord(TKWMemTable& ATable, TVisit AVisit)
{
    const bool Inserting = ATable.State() == TKWTableState::tsInsert;
    const int RecNo = ATable.RecNo();
    for (ATable.First(); !ATable.Eof(); ATable.Next())
        AVisit();
    const int Restore = Inserting ? ATable.RecordCount() : RecNo;
    if (Restore > 0)
        ATable.SetRecNo(Restore);
}

// Block counts are kept as text; anything that is not a whole number counts as 0.
int TextToInteger(const QString& AText)
{
    int Value = 0;
    return KWTryStrToInt(AText, Value) ? Value : 0;
}

int Count(const QStringList& AList)
{
    return static_cast<int>(AList.size());
}

} // namespace

// --- TKWCalculation ----------------------------------------------------------------------------

QString TKWCalculation::CalculateCode()
{
    return {};
}

QString TKWCalculation::CalculateText(const QString& ACode) const
{
    return ACode;
}

void TKWCalculation::AddNumeratorID(const QString&) {}

void TKWCalculation::AddDenominatorID(const QString&) {}

void TKWCalculation::AddNumeratorConditionValue(int) {}

void TKWCalculation::SetNumeratorDataSet(TKWMemTable& ADataSet)
{
    FNumeratorDataSet = &ADataSet;
}

void TKWCalculation::SetDenominatorDataSet(TKWMemTable& ADataSet)
{
    FDenominatorDataSet = &ADataSet;
}

double TKWCalculation::GetDetailValue(int) const
{
    return NaN;
}

qint64 TKWCalculation::GetDenominator(int) const
{
    return 1;
}

QString TKWCalculation::GetDetailText(int) const
{
    return {};
}

QString TKWCalculation::GetTotalText() const
{
    return {};
}

int TKWCalculation::GetRatingIdx() const
{
    return -1;
}

TKWMemTable& TKWCalculation::NumeratorDataSet() const
{
    if (!FNumeratorDataSet)
        throw EKWException(QStringLiteral("Calculation has no numerator table"));
    return *FNumeratorDataSet;
}

TKWMemTable& TKWCalculation::DenominatorDataSet() const
{
    if (!FDenominatorDataSet)
        throw EKWException(QStringLiteral("Calculation has no denominator table"));
    return *FDenominatorDataSet;
}

// --- the simple types --------------------------------------------------------------------------

double TKWCalculationNone::Calculate()
{
    return 1;
}

double TKWCalculationCount::Calculate()
{
    return NumeratorDataSet().FieldByName(FNumeratorID).AsInteger();
}

void TKWCalculationCount::AddNumeratorID(const QString& AID)
{
    FNumeratorID = AID;
}

double TKWCalculationPercentage::Calculate()
{
    return Percentage(SumOfCurrentRecord(NumeratorDataSet(), FNumeratorIDs), GetDenominator(-1));
}

void TKWCalculationPercentage::AddNumeratorID(const QString& AID)
{
    FNumeratorIDs << AID;
}

void TKWCalculationPercentage::AddDenominatorID(const QString& AID)
{
    FDenominatorIDs << AID;
}

qint64 TKWCalculationPercentage::GetDenominator(int) const
{
    return SumOfCurrentRecord(DenominatorDataSet(), FDenominatorIDs);
}

double TKWCalculationAverage::Calculate()
{
    TKWMemTable& Table = NumeratorDataSet();
    const std::vector<TKWField*> Fields = FieldsByName(Table, FNumeratorIDs);
    double Sum = 0;
    ForEachRecord(Table, [&] {
        for (const TKWField* Field : Fields)
            Sum += Field->AsInteger();
    });
    return Ratio(Sum, GetDenominator(-1));
}

void TKWCalculationAverage::AddNumeratorID(const QString& AID)
{
    FNumeratorIDs << AID;
}

qint64 TKWCalculationAverage::GetDenominator(int) const
{
    return qint64(DenominatorDataSet().RecordCount()) * Count(FNumeratorIDs);
}

// --- TKWCalculationBlock -----------------------------------------------------------------------

double TKWCalculationBlock::Calculate()
{
    FNumerator.clear();
    FDenominator.clear();
    FNames.clear();
    TKWMemTable& Table = NumeratorDataSet();
    if (&Table != &DenominatorDataSet() || Table.IsEmpty())
        return 0;
    const TKWField& Numerator = Table.FieldByName(FNumeratorID);
    const TKWField& Denominator = Table.FieldByName(FDenominatorID);
    const TKWField& Block = Table.FieldByName(QStringLiteral("Block"));
    qint64 SumNumerator = 0;
    qint64 SumDenominator = 0;
    ForEachRecord(Table, [&] {
        FNumerator.push_back(TextToInteger(Numerator.AsString()));
        FDenominator.push_back(TextToInteger(Denominator.AsString()));
        SumNumerator += FNumerator.back();
        SumDenominator += FDenominator.back();
        FNames << Block.AsString();
    });
    FSumDenominator = SumDenominator;
    return Percentage(SumNumerator, SumDenominator);
}

void TKWCalculationBlock::AddNumeratorID(const QString& AID)
{
    FNumeratorID = AID;
}

void TKWCalculationBlock::AddDenominatorID(const QString& AID)
{
    FDenominatorID = AID;
}

bool TKWCalculationBlock::IsBlock(int Idx) const
{
    return Idx >= 0 && Idx < Count(FNames);
}

double TKWCalculationBlock::GetDetailValue(int Idx) const
{
    if (!IsBlock(Idx))
        return NaN;
    const auto I = static_cast<size_t>(Idx);
    return Percentage(FNumerator[I], FDenominator[I]);
}

qint64 TKWCalculationBlock::GetDenominator(int Idx) const
{
    return IsBlock(Idx) ? FDenominator[static_cast<size_t>(Idx)] : FSumDenominator;
}

QString TKWCalculationBlock::GetDetailText(int Idx) const
{
    return IsBlock(Idx) ? QStringLiteral(" - ") + FNames[Idx] : QString();
}

QString TKWCalculationBlock::GetTotalText() const
{
    return QStringLiteral(" ") + KWTranslate(QStringLiteral("gesamt"));
}

int TKWCalculationBlock::GetRatingIdx() const
{
    int Result = -1;
    for (int Idx = 0; Idx < Count(FNames); ++Idx)
        if (Result < 0 || GetDetailValue(Idx) < GetDetailValue(Result))
            Result = Idx;
    return Result;
}

// --- TKWCalculation4 ---------------------------------------------------------------------------

double TKWCalculation4::Calculate()
{
    TKWMemTable& Table = NumeratorDataSet();
    const std::vector<TKWField*> Fields = FieldsByName(Table, FNumeratorIDs);
    qint64 Hits = 0;
    ForEachRecord(Table, [&] {
        for (const TKWField* Field : Fields)
            Hits += FNumeratorConditionValues.count(Field->AsInteger());
    });
    return Percentage(Hits, GetDenominator(-1));
}

void TKWCalculation4::AddNumeratorID(const QString& AID)
{
    FNumeratorIDs << AID;
}

void TKWCalculation4::AddNumeratorConditionValue(int AValue)
{
    FNumeratorConditionValues << AValue;
}

qint64 TKWCalculation4::GetDenominator(int) const
{
    return qint64(NumeratorDataSet().RecordCount()) * Count(FNumeratorIDs);
}

// --- TKWCalculationText ------------------------------------------------------------------------

double TKWCalculationText::Calculate()
{
    const TKWField& First = FirstField();
    if (First.DataType() != TKWFieldType::ftInteger && First.DataType() != TKWFieldType::ftFloat)
        return NaN;
    if (FNumeratorIDs.size() == 1)
        return First.AsFloat();
    std::vector<double> Values;
    for (const TKWField* Field : FieldsByName(NumeratorDataSet(), FNumeratorIDs))
        Values.push_back(Field->AsFloat());
    return Combine(Values);
}

QString TKWCalculationText::CalculateCode()
{
    const TKWField& First = FirstField();
    QString Code;
    switch (First.DataType()) {
    case TKWFieldType::ftBoolean:
        Code = First.AsBoolean() ? QStringLiteral("Ja") : QStringLiteral("Nein");
        break;
    case TKWFieldType::ftString:
        Code = First.AsString();
        // Free-text answers behind "SONST..." all count as the one code "other".
        if (Code.startsWith(QLatin1String("SONST")))
            Code = QStringLiteral("SONST");
        break;
    default: {
        const double Value = Calculate();
        Code = std::isnan(Value) ? First.AsString() : KWFloatToStr(Value);
        break;
    }
    }
    return KWTrim(Code);
}

QString TKWCalculationText::CalculateText(const QString& ACode) const
{
    return FirstField().DataType() == TKWFieldType::ftString ? TCodes::Search(ACode) : ACode;
}

void TKWCalculationText::AddNumeratorID(const QString& AID)
{
    FNumeratorIDs << AID;
}

double TKWCalculationText::Combine(const std::vector<double>& AValues) const
{
    double Result = 0;
    for (const double Value : AValues)
        Result = std::max(Result, Value);
    return Result;
}

TKWField& TKWCalculationText::FirstField() const
{
    if (FNumeratorIDs.isEmpty())
        throw EKWException(QStringLiteral("Text calculation without a numerator field"));
    return NumeratorDataSet().FieldByName(FNumeratorIDs.first());
}

double TKWCalculationTextMin::Combine(const std::vector<double>& AValues) const
{
    constexpr double NoValue = 99999;
    double Result = NoValue;
    for (const double Value : AValues)
        if (Value > 0)
            Result = std::min(Result, Value);
    return Result;
}

// --- CreateCalculation -------------------------------------------------------------------------

namespace {

std::unique_ptr<IKWCalculation> NewCalculation(TKWCalculationType AType)
{
    switch (AType) {
    case CalculationNone:
        return std::make_unique<TKWCalculationNone>();
    case CalculationCount:
        return std::make_unique<TKWCalculationCount>();
    case CalculationPercentage:
        return std::make_unique<TKWCalculationPercentage>();
    case CalculationAverage:
        return std::make_unique<TKWCalculationAverage>();
    case CalculationBlock:
        return std::make_unique<TKWCalculationBlock>();
    case Calculation4:
        return std::make_unique<TKWCalculation4>();
    case CalculationText:
        return std::make_unique<TKWCalculationText>();
    case CalculationTextMin:
        return std::make_unique<TKWCalculationTextMin>();
    }
    throw EKWException(QStringLiteral("Unknown calculation type %1").arg(static_cast<int>(AType)));
}

} // namespace

std::unique_ptr<IKWCalculation>
CreateCalculation(TKWCalculationType AType, const QStringList& ANumeratorIDs,
                  const QStringList& ADenominatorIDs, TKWMemTable& ANumeratorDataSet,
                  TKWMemTable& ADenominatorDataSet, const QList<int>& AConditionValues)
{
    std::unique_ptr<IKWCalculation> Calculation = NewCalculation(AType);
    for (const QString& ID : ANumeratorIDs)
        Calculation->AddNumeratorID(ID);
    for (const QString& ID : ADenominatorIDs)
        Calculation->AddDenominatorID(ID);
    for (const int Value : AConditionValues)
        Calculation->AddNumeratorConditionValue(Value);
    Calculation->SetNumeratorDataSet(ANumeratorDataSet);
    Calculation->SetDenominatorDataSet(ADenominatorDataSet);
    return Calculation;
}

#include "KWMemTable.h"

#include "KWException.h"
#include "KWNumberFormat.h"

#include <QLocale>

#include <cmath>
#include <limits>
#include <optional>

namespace {

const QString TimeFormat = QStringLiteral("hh:mm:ss");

[[noreturn]] void RaiseConversion(const QString& AFieldName, const QString& AText)
{
    throw EKWException(
        QStringLiteral("'%1' is not a valid value for field '%2'").arg(AText, AFieldName));
}

QString DateToStr(const QDate& ADate)
{
    return QLocale().toString(ADate, QLocale::ShortFormat);
}

QDate StrToDate(const QString& AText)
{
    const QLocale Locale;
    for (const QString& Format : {Locale.dateFormat(QLocale::ShortFormat),
                                  Locale.dateFormat(QLocale::LongFormat),
                                  QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy")}) {
        const QDate Date = QDate::fromString(AText, Format);
        if (Date.isValid())
            return Date;
    }
    return {};
}

QTime StrToTime(const QString& AText)
{
    for (const QString& Format : {TimeFormat, QStringLiteral("hh:mm"), QStringLiteral("h:mm")}) {
        const QTime Time = QTime::fromString(AText, Format);
        if (Time.isValid())
            return Time;
    }
    return {};
}

std::optional<bool> StrToBool(const QString& AText)
{
    const QString Text = AText.toLower();
    for (const char* Word : {"true", "t", "yes", "y", "1"})
        if (Text == QLatin1String(Word))
            return true;
    for (const char* Word : {"false", "f", "no", "n", "0"})
        if (Text == QLatin1String(Word))
            return false;
    return std::nullopt;
}

// Converts text into a value of the target type; blank text gives an empty value.
QVariant TextTo(const QString& AText, TKWFieldType ATarget, const QString& AFieldName)
{
    if (ATarget == TKWFieldType::ftString)
        return AText;
    const QString Text = AText.trimmed();
    if (Text.isEmpty())
        return {};
    switch (ATarget) {
    case TKWFieldType::ftInteger: {
        int Value = 0;
        if (KWTryStrToInt(Text, Value))
            return Value;
        break;
    }
    case TKWFieldType::ftFloat: {
        double Value = 0;
        if (KWTryStrToFloat(Text, Value))
            return Value;
        break;
    }
    case TKWFieldType::ftBoolean:
        if (const auto Value = StrToBool(Text))
            return *Value;
        break;
    case TKWFieldType::ftDate:
        if (const QDate Date = StrToDate(Text); Date.isValid())
            return Date;
        break;
    case TKWFieldType::ftTime:
        if (const QTime Time = StrToTime(Text); Time.isValid())
            return Time;
        break;
    case TKWFieldType::ftDateTime: {
        const int Blank = Text.indexOf(QLatin1Char(' '));
        const QDate Date = StrToDate(Text.left(Blank));
        const QTime Time = Blank < 0 ? QTime(0, 0) : StrToTime(Text.mid(Blank + 1));
        if (Date.isValid() && Time.isValid())
            return QDateTime(Date, Time);
        break;
    }
    case TKWFieldType::ftString:
        break;
    }
    RaiseConversion(AFieldName, AText);
}

QString ValueToText(const QVariant& AValue)
{
    switch (AValue.typeId()) {
    case QMetaType::QString:
        return AValue.toString();
    case QMetaType::Int:
        return QString::number(AValue.toInt());
    case QMetaType::Double:
        return KWFloatToStr(AValue.toDouble());
    case QMetaType::Bool:
        return AValue.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDate:
        return DateToStr(AValue.toDate());
    case QMetaType::QTime:
        return AValue.toTime().toString(TimeFormat);
    case QMetaType::QDateTime:
        return DateToStr(AValue.toDateTime().date()) + QLatin1Char(' ') +
               AValue.toDateTime().time().toString(TimeFormat);
    default:
        return {};
    }
}

bool IsNumeric(const QVariant& AValue)
{
    const int Type = AValue.typeId();
    return Type == QMetaType::Int || Type == QMetaType::LongLong || Type == QMetaType::Double ||
           Type == QMetaType::Bool;
}

// Converts a stored or given value into the target type. An empty value stays empty; numbers
// and Booleans convert into each other (fractions round half to even), dates and times into
// each other; text is parsed. Anything else is a conversion error.
QVariant ConvertValue(const QVariant& AValue, TKWFieldType ATarget, const QString& AFieldName)
{
    if (!AValue.isValid())
        return {};
    if (ATarget == TKWFieldType::ftString)
        return ValueToText(AValue);
    if (AValue.typeId() == QMetaType::QString)
        return TextTo(AValue.toString(), ATarget, AFieldName);
    if (IsNumeric(AValue)) {
        const double Number = AValue.toDouble();
        switch (ATarget) {
        case TKWFieldType::ftInteger:
            // Sums of counts can pass the 32-bit range; they are kept at its ends.
            return static_cast<int>(std::clamp(std::nearbyint(Number),
                                               double(std::numeric_limits<int>::min()),
                                               double(std::numeric_limits<int>::max())));
        case TKWFieldType::ftFloat:
            return Number;
        case TKWFieldType::ftBoolean:
            return Number != 0;
        default:
            RaiseConversion(AFieldName, ValueToText(AValue));
        }
    }
    const QDateTime Moment = AValue.typeId() == QMetaType::QDate ? QDateTime(AValue.toDate(), QTime(0, 0))
                             : AValue.typeId() == QMetaType::QTime
                                 ? QDateTime(QDate(), AValue.toTime())
                                 : AValue.toDateTime();
    switch (ATarget) {
    case TKWFieldType::ftDate:
        return Moment.date();
    case TKWFieldType::ftTime:
        return Moment.time();
    case TKWFieldType::ftDateTime:
        return Moment;
    default:
        RaiseConversion(AFieldName, ValueToText(AValue));
    }
}

} // namespace

// --- TKWField ---------------------------------------------------------------------------------

TKWField::TKWField(TKWMemTable& ATable, int AIndex, TKWFieldDef ADef)
    : FTable(ATable), FIndex(AIndex), FDef(std::move(ADef))
{
}

bool TKWField::IsNull() const
{
    return !FTable.ValueAt(FIndex).isValid();
}

QVariant TKWField::Value() const
{
    return FTable.ValueAt(FIndex);
}

QString TKWField::AsString() const
{
    return ValueToText(Value());
}

int TKWField::AsInteger() const
{
    // Counts and scores are read in every calculation pass: a stored whole number or an empty
    // field needs no conversion.
    const QVariant& Stored = FTable.ValueAt(FIndex);
    if (Stored.typeId() == QMetaType::Int)
        return Stored.toInt();
    if (!Stored.isValid())
        return 0;
    return ConvertValue(Stored, TKWFieldType::ftInteger, FDef.Name).toInt();
}

double TKWField::AsFloat() const
{
    return ConvertValue(Value(), TKWFieldType::ftFloat, FDef.Name).toDouble();
}

bool TKWField::AsBoolean() const
{
    return ConvertValue(Value(), TKWFieldType::ftBoolean, FDef.Name).toBool();
}

QDate TKWField::AsDate() const
{
    return ConvertValue(Value(), TKWFieldType::ftDate, FDef.Name).toDate();
}

QTime TKWField::AsTime() const
{
    return ConvertValue(Value(), TKWFieldType::ftTime, FDef.Name).toTime();
}

QDateTime TKWField::AsDateTime() const
{
    return ConvertValue(Value(), TKWFieldType::ftDateTime, FDef.Name).toDateTime();
}

void TKWField::SetAsString(const QString& AValue)
{
    Store(AValue);
}

void TKWField::SetAsInteger(int AValue)
{
    Store(AValue);
}

void TKWField::SetAsFloat(double AValue)
{
    Store(AValue);
}

void TKWField::SetAsBoolean(bool AValue)
{
    Store(AValue);
}

void TKWField::SetAsDate(const QDate& AValue)
{
    Store(AValue.isValid() ? QVariant(AValue) : QVariant());
}

void TKWField::SetAsTime(const QTime& AValue)
{
    Store(AValue.isValid() ? QVariant(AValue) : QVariant());
}

void TKWField::SetAsDateTime(const QDateTime& AValue)
{
    Store(AValue.isValid() ? QVariant(AValue) : QVariant());
}

void TKWField::SetValue(const QVariant& AValue)
{
    Store(AValue);
}

void TKWField::Clear()
{
    Store(QVariant());
}

void TKWField::Store(QVariant AValue)
{
    FTable.SetValueAt(FIndex, ConvertValue(AValue, FDef.DataType, FDef.Name));
}

// --- TKWMemTable ------------------------------------------------------------------------------

TKWMemTable::TKWMemTable(const std::vector<TKWFieldDef>& AFieldDefs)
{
    FFields.reserve(AFieldDefs.size());
    for (const TKWFieldDef& Def : AFieldDefs) {
        const int Index = static_cast<int>(FFields.size());
        if (FIndexByName.contains(Def.Name))
            throw EKWException(QStringLiteral("Duplicate field name '%1'").arg(Def.Name));
        FIndexByName.insert(Def.Name, Index);
        FFields.push_back(std::make_unique<TKWField>(*this, Index, Def));
    }
}

TKWField& TKWMemTable::Fields(int AIndex) const
{
    return *FFields.at(static_cast<size_t>(AIndex));
}

TKWField& TKWMemTable::FieldByName(const QString& AName) const
{
    TKWField* Field = FindField(AName);
    if (!Field)
        throw EKWException(QStringLiteral("Field '%1' not found").arg(AName));
    return *Field;
}

TKWField* TKWMemTable::FindField(const QString& AName) const
{
    const auto Found = FIndexByName.constFind(AName);
    return Found == FIndexByName.constEnd() ? nullptr : FFields[static_cast<size_t>(*Found)].get();
}

int TKWMemTable::RecNo() const
{
    if (FState == TKWTableState::tsInsert)
        return -1;
    return FCurrent + 1;
}

void TKWMemTable::SetRecNo(int AValue)
{
    if (AValue < 1 || AValue > RecordCount())
        throw EKWException(QStringLiteral("Record number %1 out of range").arg(AValue));
    CheckBrowseMode();
    if (AValue - 1 == FCurrent)
        return;
    DoBeforeScroll();
    MoveTo(AValue - 1);
}

void TKWMemTable::Append()
{
    CheckBrowseMode();
    DoBeforeScroll();
    FBuffer.assign(FFields.size(), QVariant());
    FState = TKWTableState::tsInsert;
    FEof = FBof = false;
}

void TKWMemTable::Edit()
{
    if (FState != TKWTableState::tsBrowse)
        return;
    if (IsEmpty()) {
        Append();
        return;
    }
    FBuffer = FRecords[static_cast<size_t>(FCurrent)];
    FState = TKWTableState::tsEdit;
}

void TKWMemTable::Post()
{
    switch (FState) {
    case TKWTableState::tsInsert:
        FRecords.push_back(std::move(FBuffer));
        FCurrent = RecordCount() - 1;
        break;
    case TKWTableState::tsEdit:
        FRecords[static_cast<size_t>(FCurrent)] = std::move(FBuffer);
        break;
    case TKWTableState::tsBrowse:
        throw EKWException(QStringLiteral("Table not in edit or insert mode"));
    }
    FBuffer.clear();
    FState = TKWTableState::tsBrowse;
    FEof = FBof = false;
    ++FChangeCount;
}

void TKWMemTable::Cancel()
{
    FBuffer.clear();
    FState = TKWTableState::tsBrowse;
    FEof = FBof = IsEmpty();
}

void TKWMemTable::Delete()
{
    if (FState == TKWTableState::tsInsert) {
        Cancel();
        return;
    }
    if (IsEmpty())
        throw EKWException(QStringLiteral("Cannot delete from an empty table"));
    DoBeforeScroll();
    FBuffer.clear();
    FState = TKWTableState::tsBrowse;
    FRecords.erase(FRecords.begin() + FCurrent);
    ++FChangeCount;
    MoveTo(std::min(FCurrent, RecordCount() - 1));
}

void TKWMemTable::First()
{
    CheckBrowseMode();
    DoBeforeScroll();
    MoveTo(IsEmpty() ? -1 : 0);
    FBof = true;
}

void TKWMemTable::Next()
{
    CheckBrowseMode();
    DoBeforeScroll();
    if (FCurrent + 1 < RecordCount())
        MoveTo(FCurrent + 1);
    else
        FEof = true;
}

void TKWMemTable::Prior()
{
    CheckBrowseMode();
    DoBeforeScroll();
    if (FCurrent > 0)
        MoveTo(FCurrent - 1);
    else
        FBof = true;
}

void TKWMemTable::Last()
{
    CheckBrowseMode();
    DoBeforeScroll();
    MoveTo(RecordCount() - 1);
    FEof = true;
}

void TKWMemTable::EmptyTable()
{
    FBuffer.clear();
    FRecords.clear();
    ++FChangeCount;
    FState = TKWTableState::tsBrowse;
    MoveTo(-1);
}

void TKWMemTable::WriteValue(const QString& AFieldName, const QVariant& AValue)
{
    TKWField& Field = FieldByName(AFieldName);
    const bool WasBrowsing = FState == TKWTableState::tsBrowse;
    Edit();
    try {
        Field.SetValue(AValue);
    } catch (...) {
        if (WasBrowsing)
            Cancel();
        throw;
    }
    Post();
}

void TKWMemTable::SetBeforeScroll(std::function<void()> AHandler)
{
    FBeforeScroll = std::move(AHandler);
}

const QVariant& TKWMemTable::ValueAt(int AIndex) const
{
    static const QVariant Empty;
    if (FState != TKWTableState::tsBrowse)
        return FBuffer[static_cast<size_t>(AIndex)];
    if (FCurrent < 0)
        return Empty;
    return FRecords[static_cast<size_t>(FCurrent)][static_cast<size_t>(AIndex)];
}

void TKWMemTable::SetValueAt(int AIndex, QVariant AValue)
{
    ++FChangeCount;
    if (FState == TKWTableState::tsBrowse)
        throw EKWException(QStringLiteral("Table not in edit or insert mode"));
    FBuffer[static_cast<size_t>(AIndex)] = std::move(AValue);
}

void TKWMemTable::CheckBrowseMode()
{
    if (FState != TKWTableState::tsBrowse)
        Post();
}

void TKWMemTable::DoBeforeScroll()
{
    if (FBeforeScroll)
        FBeforeScroll();
}

void TKWMemTable::MoveTo(int AIndex)
{
    FCurrent = AIndex;
    FBof = FEof = AIndex < 0;
}

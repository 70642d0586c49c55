#include "KWDataSetJSONConverter.h"

#include "KWJsonReader.h"
#include "KWJsonWriter.h"
#include "KWMemTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <unordered_map>

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");
const QString TimeFormat = QStringLiteral("hh:mm:ss");

// Floats are written with at most 15 significant digits; whole values without a fraction.
void WriteFloat(TKWJsonWriter& AWriter, double AValue)
{
    if (!std::isfinite(AValue)) {
        AWriter.Integer(0); // JSON has no form for these; an empty float is written as 0 as well
        return;
    }
    char Text[32];
    std::snprintf(Text, sizeof Text, "%.15g", AValue);
    const double Rounded = std::strtod(Text, nullptr);
    if (Rounded == std::trunc(Rounded) && std::fabs(Rounded) < 1e15)
        AWriter.Integer(static_cast<long long>(Rounded));
    else
        AWriter.Float(Rounded);
}

void WriteField(TKWJsonWriter& AWriter, const TKWField& AField)
{
    const QVariant Value = AField.Value();
    const bool Empty = !Value.isValid();
    switch (AField.DataType()) {
    case TKWFieldType::ftString:
        AWriter.String(KWEscapeJSONText(Value.toString()));
        return;
    case TKWFieldType::ftInteger:
        AWriter.Integer(Value.toInt());
        return;
    case TKWFieldType::ftFloat:
        WriteFloat(AWriter, Value.toDouble());
        return;
    case TKWFieldType::ftBoolean:
        AWriter.Boolean(Value.toBool());
        return;
    case TKWFieldType::ftDate:
    case TKWFieldType::ftTime:
    case TKWFieldType::ftDateTime:
        if (Empty)
            AWriter.Null();
        else
            AWriter.String(AField.DataType() == TKWFieldType::ftDate ? Value.toDate().toString(DateFormat)
                           : AField.DataType() == TKWFieldType::ftTime
                               ? Value.toTime().toString(TimeFormat)
                               : Value.toDateTime().toString(DateFormat + u' ' + TimeFormat));
        return;
    }
    throw EDataSetJSONConverterException(
        QStringLiteral("Cannot find type for field \"%1\"").arg(AField.FieldName()));
}

// The member names of a table's records, converted once for all its records.
std::vector<std::string> MemberNames(const TKWMemTable& ATable)
{
    std::vector<std::string> Names;
    for (int I = 0; I < ATable.FieldCount(); ++I)
        Names.push_back(ATable.Fields(I).FieldName().toStdString());
    return Names;
}

void WriteRecord(TKWJsonWriter& AWriter, const TKWMemTable& ATable, const std::vector<std::string>& ANames)
{
    AWriter.BeginObject();
    for (int I = 0; I < ATable.FieldCount(); ++I) {
        AWriter.Key(ANames[static_cast<std::size_t>(I)]);
        WriteField(AWriter, ATable.Fields(I));
    }
    AWriter.EndObject();
}

// A part of a date or time is exactly ALength ASCII digits. Signs and blanks are refused: the
// writer could not give such a value back in a form that reads again.
int ParsePart(const QString& AText, int AFrom, int ALength, const QString& AWhole)
{
    const QString Part = AText.mid(AFrom, ALength);
    const bool Digits = Part.size() == ALength && std::all_of(Part.begin(), Part.end(), [](QChar C) {
                            return C >= u'0' && C <= u'9';
                        });
    if (!Digits)
        throw EDataSetJSONConverterException(
            QStringLiteral("'%1' is not a valid date or time").arg(AWhole.left(40)));
    return Part.toInt();
}

QDate ParseDate(const QString& AText, int AFrom = 0)
{
    const QDate Date(ParsePart(AText, AFrom, 4, AText), ParsePart(AText, AFrom + 5, 2, AText),
                     ParsePart(AText, AFrom + 8, 2, AText));
    if (!Date.isValid())
        throw EDataSetJSONConverterException(QStringLiteral("'%1' is not a valid date").arg(AText.left(40)));
    return Date;
}

QTime ParseTime(const QString& AText, int AFrom = 0)
{
    const QTime Time(ParsePart(AText, AFrom, 2, AText), ParsePart(AText, AFrom + 3, 2, AText),
                     ParsePart(AText, AFrom + 6, 2, AText));
    if (!Time.isValid())
        throw EDataSetJSONConverterException(QStringLiteral("'%1' is not a valid time").arg(AText.left(40)));
    return Time;
}

void SetFieldFromJson(TKWField& AField, const TKWJson& AValue)
{
    switch (AField.DataType()) {
    case TKWFieldType::ftString:
        AField.SetAsString(KWUnescapeJSONText(KWJsonValueText(AValue)));
        return;
    case TKWFieldType::ftInteger: {
        bool Ok = false;
        const int Value = KWJsonValueText(AValue).toInt(&Ok, 10);
        AField.SetAsInteger(Ok ? Value : 0);
        return;
    }
    case TKWFieldType::ftFloat:
        if (!AValue.is_number())
            throw EDataSetJSONConverterException(
                QStringLiteral("Field \"%1\" needs a number").arg(AField.FieldName()));
        AField.SetAsFloat(AValue.get<double>());
        return;
    case TKWFieldType::ftBoolean:
        if (AValue.is_boolean())
            AField.SetAsBoolean(AValue.get<bool>());
        return;
    case TKWFieldType::ftDate:
        if (AValue.is_null())
            AField.Clear();
        else
            AField.SetAsDate(ParseDate(KWJsonValueText(AValue)));
        return;
    case TKWFieldType::ftTime:
        if (AValue.is_null())
            AField.Clear();
        else
            AField.SetAsTime(ParseTime(KWJsonValueText(AValue)));
        return;
    case TKWFieldType::ftDateTime:
        if (AValue.is_null()) {
            AField.Clear();
        } else {
            const QString Text = KWJsonValueText(AValue);
            AField.SetAsDateTime(QDateTime(ParseDate(Text), ParseTime(Text, 11)));
        }
        return;
    }
    throw EDataSetJSONConverterException(
        QStringLiteral("Cannot find type for field \"%1\"").arg(AField.FieldName()));
}

} // namespace

// The field positions of a table by member name, made once for a whole conversion.
class TFieldNames
{
public:
    explicit TFieldNames(const TKWMemTable& ATable);
    // The field named AName, or -1.
    int IndexOf(const std::string& AName) const;

private:
    std::vector<std::string> FNames;
    std::unordered_map<std::string_view, int> FIndex;
};

QString KWEscapeJSONText(const QString& AText)
{
    const auto NeedsEscape = [](QChar C) {
        return C == u'\\' || C.unicode() == 7 || C.unicode() == 12 || C.unicode() == 10 ||
               C.unicode() == 13 || C.unicode() == 9;
    };
    if (std::none_of(AText.begin(), AText.end(), NeedsEscape))
        return AText;
    QString Result;
    Result.reserve(AText.size());
    for (const QChar Char : AText) {
        switch (Char.unicode()) {
        case u'\\': Result += QStringLiteral("\\\\"); break;
        case 7: Result += QStringLiteral("\\b"); break;
        case 12: Result += QStringLiteral("\\f"); break;
        case 10: Result += QStringLiteral("\\n"); break;
        case 13: Result += QStringLiteral("\\r"); break;
        case 9: Result += QStringLiteral("\\t"); break;
        default: Result += Char;
        }
    }
    return Result;
}

QString KWUnescapeJSONText(const QString& AText)
{
    QString Result;
    Result.reserve(AText.size());
    for (qsizetype I = 0; I < AText.size(); ++I) {
        const QChar Char = AText[I];
        if (Char != u'\\' || I + 1 >= AText.size()) {
            Result += Char;
            continue;
        }
        const QChar Next = AText[I + 1];
        switch (Next.unicode()) {
        case u'b': Result += QChar(7); break;
        case u'f': Result += QChar(12); break;
        case u'n': Result += QChar(10); break;
        case u'r': Result += QChar(13); break;
        case u't': Result += QChar(9); break;
        case u'\\': Result += Char; break;
        default:
            Result += Char;
            Result += Next;
        }
        ++I;
    }
    return Result;
}

// --- TDataSetConverter ------------------------------------------------------------------------

TDataSetConverter::TDataSetConverter(TKWMemTable& ATable) : FSrcDataSet(&ATable) {}

TDataSetConverter& TDataSetConverter::Source(TKWMemTable& ATable)
{
    FSrcDataSet = &ATable;
    return *this;
}

TKWMemTable& TDataSetConverter::CheckedSource() const
{
    if (!FSrcDataSet)
        throw EDataSetJSONConverterException(QStringLiteral("DataSet Uninformed!"));
    return *FSrcDataSet;
}

bool TDataSetConverter::HasData() const
{
    TKWMemTable& Table = CheckedSource();
    return !Table.IsEmpty() || Table.State() == TKWTableState::tsInsert;
}

std::optional<TKWJson> TDataSetConverter::AsJSONObject() const
{
    TKWJsonWriter Writer;
    if (!WriteJSONObject(Writer))
        return std::nullopt;
    return KWParseJson(Writer.Text());
}

std::optional<TKWJson> TDataSetConverter::AsJSONArray() const
{
    TKWJsonWriter Writer;
    if (!WriteJSONArray(Writer))
        return std::nullopt;
    return KWParseJson(Writer.Text());
}

bool TDataSetConverter::WriteJSONObject(TKWJsonWriter& AWriter) const
{
    if (!HasData())
        return false;
    WriteRecord(AWriter, *FSrcDataSet, MemberNames(*FSrcDataSet));
    return true;
}

bool TDataSetConverter::WriteJSONArray(TKWJsonWriter& AWriter) const
{
    if (!HasData())
        return false;
    TKWMemTable& Table = *FSrcDataSet;
    // A pending insert is posted by the first move and then becomes the last record.
    const int Position = Table.State() == TKWTableState::tsInsert ? Table.RecordCount() + 1
                                                                   : Table.RecNo();
    const std::vector<std::string> Names = MemberNames(Table);
    AWriter.BeginArray();
    Table.First();
    for (; !Table.Eof(); Table.Next())
        WriteRecord(AWriter, Table, Names);
    AWriter.EndArray();
    Table.SetRecNo(Position);
    return true;
}

// --- TJSONConverter ---------------------------------------------------------------------------

TJSONConverter::TJSONConverter(const TKWJson& AValue)
{
    Source(AValue);
}

TJSONConverter& TJSONConverter::Source(const TKWJson& AValue)
{
    FSrcJSONObject = AValue.is_object() ? &AValue : nullptr;
    FSrcJSONArray = AValue.is_array() ? &AValue : nullptr;
    return *this;
}

TJSONConverter& TJSONConverter::MaxRecords(int AMaxRecords)
{
    FMaxRecords = AMaxRecords;
    return *this;
}

void TJSONConverter::ToDataSet(TKWMemTable& ATable)
{
    if (!FSrcJSONObject && !FSrcJSONArray)
        throw EDataSetJSONConverterException(QStringLiteral("JSON Value Uninformed!"));
    const TFieldNames Fields(ATable);
    if (FSrcJSONObject)
        ReadObject(*FSrcJSONObject, ATable, Fields);
    else
        ReadArray(*FSrcJSONArray, ATable, Fields);
}

void TJSONConverter::ToRecord(TKWMemTable& ATable)
{
    FIsRecord = true;
    ToDataSet(ATable);
}

void TJSONConverter::ReadArray(const TKWJson& AArray, TKWMemTable& ATable, const TFieldNames& AFields) const
{
    // Arrays inside the array are read in place; an explicit stack instead of recursion keeps
    // any depth of nesting off the call stack.
    std::vector<std::pair<TKWJson::const_iterator, TKWJson::const_iterator>> Open;
    Open.emplace_back(AArray.begin(), AArray.end());
    int Records = 0;
    while (!Open.empty()) {
        auto& [Next, End] = Open.back();
        if (Next == End) {
            Open.pop_back();
            continue;
        }
        const TKWJson& Element = *Next++;
        if (Element.is_array()) {
            Open.emplace_back(Element.begin(), Element.end());
            continue;
        }
        if (++Records > FMaxRecords)
            throw EDataSetJSONConverterException(QStringLiteral("More than %1 records").arg(FMaxRecords));
        ReadObject(Element, ATable, AFields);
    }
}

// Each member is looked up once among the table's fields, so a record costs the size of its
// object however wide that is; the fields are then set in field order.
void TJSONConverter::ReadObject(const TKWJson& AObject, TKWMemTable& ATable, const TFieldNames& AFields) const
{
    if (!AObject.is_object())
        throw EDataSetJSONConverterException(QStringLiteral("JSON object expected"));
    std::vector<const TKWJson*> Values(static_cast<std::size_t>(ATable.FieldCount()), nullptr);
    for (const auto& [Name, Value] : AObject.get_ref<const TKWJson::object_t&>())
        if (const int Field = AFields.IndexOf(Name); Field >= 0)
            Values[static_cast<std::size_t>(Field)] = &Value;
    if (FIsRecord)
        ATable.Edit();
    else
        ATable.Append();
    try {
        for (int I = 0; I < ATable.FieldCount(); ++I)
            if (const TKWJson* Value = Values[static_cast<std::size_t>(I)])
                SetFieldFromJson(ATable.Fields(I), *Value);
    } catch (...) {
        ATable.Cancel();
        throw;
    }
    ATable.Post();
}

TFieldNames::TFieldNames(const TKWMemTable& ATable)
{
    for (int I = 0; I < ATable.FieldCount(); ++I)
        FNames.push_back(ATable.Fields(I).FieldName().toStdString());
    for (std::size_t I = 0; I < FNames.size(); ++I)
        FIndex.emplace(FNames[I], static_cast<int>(I));
}

int TFieldNames::IndexOf(const std::string& AName) const
{
    const auto Found = FIndex.find(AName);
    return Found == FIndex.end() ? -1 : Found->second;
}

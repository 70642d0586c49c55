#pragma once

#include "KWException.h"
#include "KWJson.h"

#include <limits>
#include <optional>

class TKWJsonWriter;
class TKWMemTable;

class EDataSetJSONConverterException : public EKWException
{
public:
    using EKWException::EKWException;
};

// Table → JSON: the current record as an object, or every record as an array of objects.
// Members are named like the fields and follow the field order.
class TDataSetConverter
{
public:
    TDataSetConverter() = default;
    explicit TDataSetConverter(TKWMemTable& ATable);
    TDataSetConverter& Source(TKWMemTable& ATable);

    // Nothing for an empty table.
    std::optional<TKWJson> AsJSONObject() const;
    // Walks the table with its cursor and returns to the record it started on.
    std::optional<TKWJson> AsJSONArray() const;
    // Whether the table has a record to convert (a pending insert counts).
    bool HasData() const;
    // The same two forms written as text; an empty table writes nothing and gives false.
    bool WriteJSONObject(TKWJsonWriter& AWriter) const;
    bool WriteJSONArray(TKWJsonWriter& AWriter) const;

private:
    TKWMemTable& CheckedSource() const;

    TKWMemTable* FSrcDataSet = nullptr;
};

class TFieldNames;

// JSON → table: an object becomes one appended record, an array one record per element.
// Reading never empties the table first.
class TJSONConverter
{
public:
    TJSONConverter() = default;
    explicit TJSONConverter(const TKWJson& AValue);
    // An object or an array; any other value leaves the converter without a source.
    TJSONConverter& Source(const TKWJson& AValue);

    // At most AMaxRecords records are read; more raise.
    TJSONConverter& MaxRecords(int AMaxRecords);

    void ToDataSet(TKWMemTable& ATable);
    // Like ToDataSet, but an object is written into the current record instead of a new one.
    void ToRecord(TKWMemTable& ATable);

private:
    void ReadArray(const TKWJson& AArray, TKWMemTable& ATable, const TFieldNames& AFields) const;
    void ReadObject(const TKWJson& AObject, TKWMemTable& ATable, const TFieldNames& AFields) const;

    const TKWJson* FSrcJSONObject = nullptr;
    const TKWJson* FSrcJSONArray = nullptr;
    bool FIsRecord = false;
    int FMaxRecords = std::numeric_limits<int>::max();
};

// Entry point that hands out the two converters.
class TConverter
{
public:
    static TDataSetConverter DataSet() { return {}; }
    static TDataSetConverter DataSet(TKWMemTable& ATable) { return TDataSetConverter(ATable); }
    static TJSONConverter JSON() { return {}; }
    static TJSONConverter JSON(const TKWJson& AValue) { return TJSONConverter(AValue); }
};

// The escaping applied to text values inside their JSON strings, and its reverse.
QString KWEscapeJSONText(const QString& AText);
QString KWUnescapeJSONText(const QString& AText);

#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QTime>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

enum class TKWFieldType
{
    ftString,
    ftInteger,
    ftFloat,
    ftBoolean,
    ftDate,
    ftTime,
    ftDateTime
};

struct TKWFieldDef
{
    QString Name;
    TKWFieldType DataType = TKWFieldType::ftString;
    // Declared capacity of a text field. Longer texts are kept whole: nothing an advisor
    // typed is ever cut off.
    int Size = 0;
};

enum class TKWTableState
{
    tsBrowse,
    tsEdit,
    tsInsert
};

class TKWMemTable;

// One column of a table, seen through the table's current record (or its edit buffer).
// Empty (null) values read as empty text, 0, false or an invalid date/time.
class TKWField
{
public:
    TKWField(TKWMemTable& ATable, int AIndex, TKWFieldDef ADef);

    const QString& FieldName() const { return FDef.Name; }
    TKWFieldType DataType() const { return FDef.DataType; }
    int Size() const { return FDef.Size; }
    int Index() const { return FIndex; }

    bool IsNull() const;
    QVariant Value() const;
    QString AsString() const;
    int AsInteger() const;
    double AsFloat() const;
    bool AsBoolean() const;
    QDate AsDate() const;
    QTime AsTime() const;
    QDateTime AsDateTime() const;

    // Setters need the table in edit or insert state. Text written into a numeric, Boolean,
    // date or time field is parsed; an empty (blank) text empties the field.
    void SetAsString(const QString& AValue);
    void SetAsInteger(int AValue);
    void SetAsFloat(double AValue);
    void SetAsBoolean(bool AValue);
    void SetAsDate(const QDate& AValue);
    void SetAsTime(const QTime& AValue);
    void SetAsDateTime(const QDateTime& AValue);
    // Any of the values above, converted like the typed setters convert; invalid empties.
    void SetValue(const QVariant& AValue);
    void Clear();

private:
    void Store(QVariant AValue);
    QVariant Parse(const QString& AText) const;
    QVariant FromNumber(double AValue) const;

    TKWMemTable& FTable;
    int FIndex;
    TKWFieldDef FDef;
};

// In-memory table with typed fields and a cursor. Record numbers count from 1; an empty table
// has record number 0 and a record being inserted has none (-1). Moving the cursor posts a
// pending edit or insert first.
class TKWMemTable
{
public:
    explicit TKWMemTable(const std::vector<TKWFieldDef>& AFieldDefs);
    TKWMemTable(const TKWMemTable&) = delete;
    TKWMemTable& operator=(const TKWMemTable&) = delete;

    int FieldCount() const { return static_cast<int>(FFields.size()); }
    TKWField& Fields(int AIndex) const;
    TKWField& FieldByName(const QString& AName) const;
    TKWField* FindField(const QString& AName) const;

    TKWTableState State() const { return FState; }
    int RecordCount() const { return static_cast<int>(FRecords.size()); }
    bool IsEmpty() const { return FRecords.empty(); }
    int RecNo() const;
    void SetRecNo(int AValue);
    bool Eof() const { return FEof; }
    bool Bof() const { return FBof; }

    void Append();
    // Starts editing the current record; on an empty table it appends one.
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    void First();
    void Next();
    void Prior();
    void Last();
    // Removes every record; the fields stay.
    void EmptyTable();

    // The one way pages and widgets write an entry: the current record (a new one on an empty
    // table) takes AValue in field AFieldName and is posted at once. A value that cannot be
    // converted raises and leaves the table as it was.
    void WriteValue(const QString& AFieldName, const QVariant& AValue);

    // Called before the current record changes (moves, append, delete).
    void SetBeforeScroll(std::function<void()> AHandler);

    // Grows with every value written, record posted or removed: a reader that remembers it
    // knows whether anything changed since.
    quint64 ChangeCount() const { return FChangeCount; }

private:
    friend class TKWField;
    using TRecord = std::vector<QVariant>;

    const QVariant& ValueAt(int AIndex) const;
    void SetValueAt(int AIndex, QVariant AValue);
    void CheckBrowseMode();
    void DoBeforeScroll();
    void MoveTo(int AIndex);

    std::vector<std::unique_ptr<TKWField>> FFields;
    QHash<QString, int> FIndexByName;
    std::vector<TRecord> FRecords;
    TRecord FBuffer;
    int FCurrent = -1;
    TKWTableState FState = TKWTableState::tsBrowse;
    bool FEof = true;
    bool FBof = true;
    std::function<void()> FBeforeScroll;
    quint64 FChangeCount = 0;
};

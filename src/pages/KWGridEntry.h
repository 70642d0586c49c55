#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TCode;
class TKWMemTable;

// The editor of an entry grid row and how its answer is stored.
enum TEditType
{
    etText,     // one-line text
    etNumber,   // digits only; an empty edit empties the field
    etDate,     // date picker
    etTime,     // time picker; midnight is stored as 00:00:00.001
    etComboBox, // a code list; "SONST" asks for a free text
    etCheckBox, // a switch
    etLabel,    // read-only text, never written
    etNone      // a sub-heading without editor
};

// One row of an entry grid: a labelled question whose answer lives in one field of a table.
struct TGridEntry
{
    TEditType EditType = etText;
    // The codes an etComboBox row offers, in display order (owned by the code lists).
    std::vector<const TCode*> Values;
    // The field name in the row's table.
    QString ID;
    // The table the row reads and writes; the grid's own table when left empty.
    TKWMemTable* MemData = nullptr;
    // The German label; it may hold format placeholders (see the grid's RefreshLabels).
    QString Text;
    // Rows of one group are shown or hidden together.
    QString Group;
    bool Mandatory = false;
    bool Enabled = true;
};

using TGridEntryList = std::vector<TGridEntry*>;

// The rows of a page, owned in the order they are added. A row may be listed in several lists
// of the same page (a subset pointed at another table, the same row in two grid variants).
class TGridEntries
{
public:
    // Appends a row and returns it for further settings.
    TGridEntry& Add(TEditType AEditType, const QString& AID, const QString& AText,
                    bool AMandatory = false);
    // Appends a code-list row offering the codes of group ACodeGroup listed in ACodes.
    TGridEntry& AddCodes(const QString& AID, const QString& AText, const QString& ACodeGroup,
                         const QStringList& ACodes, bool AMandatory = false);
    // Every row in order, for a grid.
    const TGridEntryList& List() const { return FList; }

private:
    std::vector<std::unique_ptr<TGridEntry>> FRows;
    TGridEntryList FList;
};

// The codes AIDs of group ACodeGroup in that order; an unknown code is an error of the program.
std::vector<const TCode*> KWCodesOf(const QString& ACodeGroup, const QStringList& AIDs);

// A row is missing when it is mandatory, has an editor that writes, and its field's text is
// empty or blank (a switch that was never set has no text; false is an answer).
bool KWIsRowMissing(const TGridEntry& AEntry, const TKWMemTable& ADefault);
// No row of the list is missing.
bool KWIsComplete(const TGridEntryList& AEntries, const TKWMemTable& ADefault);

// A stored code-list answer: "SONST" followed directly by the free text stands for "other" with
// that text; the code list shows the code "SONST" and the trimmed text.
struct TKWSonstValue
{
    QString Code;
    QString FreeText;
};
TKWSonstValue KWSplitSonst(const QString& AStored);
// What is stored when "other" is chosen with AFreeText (not trimmed).
QString KWJoinSonst(const QString& AFreeText);
// The text of the chosen list item: its label, and " - " and the free text when there is one.
QString KWSonstItemText(const QString& ALabel, const QString& AFreeText);
inline const QString KWSonstCode = QStringLiteral("SONST");

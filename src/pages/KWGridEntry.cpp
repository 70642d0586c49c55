#include "KWGridEntry.h"

#include "KWCode.h"
#include "KWException.h"
#include "KWMemTable.h"

TGridEntry& TGridEntries::Add(TEditType AEditType, const QString& AID, const QString& AText,
                              bool AMandatory)
{
    auto Row = std::make_unique<TGridEntry>();
    Row->EditType = AEditType;
    Row->ID = AID;
    Row->Text = AText;
    Row->Mandatory = AMandatory;
    FList.push_back(Row.get());
    FRows.push_back(std::move(Row));
    return *FRows.back();
}

TGridEntry& TGridEntries::AddCodes(const QString& AID, const QString& AText,
                                   const QString& ACodeGroup, const QStringList& ACodes,
                                   bool AMandatory)
{
    TGridEntry& Row = Add(etComboBox, AID, AText, AMandatory);
    Row.Values = KWCodesOf(ACodeGroup, ACodes);
    return Row;
}

std::vector<const TCode*> KWCodesOf(const QString& ACodeGroup, const QStringList& AIDs)
{
    const TKWCodesystem& Group = TCodes::GetCodesystem(ACodeGroup);
    std::vector<const TCode*> Codes;
    for (const QString& ID : AIDs) {
        const TCode* Code = Group.Find(ID);
        if (!Code)
            throw EKWException(QStringLiteral("Code %1 is not in group %2").arg(ID, ACodeGroup));
        Codes.push_back(Code);
    }
    return Codes;
}

bool KWIsRowMissing(const TGridEntry& AEntry, const TKWMemTable& ADefault)
{
    if (!AEntry.Mandatory || AEntry.EditType == etLabel || AEntry.EditType == etNone)
        return false;
    const TKWMemTable& Table = AEntry.MemData ? *AEntry.MemData : ADefault;
    return Table.FieldByName(AEntry.ID).AsString().trimmed().isEmpty();
}

bool KWIsComplete(const TGridEntryList& AEntries, const TKWMemTable& ADefault)
{
    return std::none_of(AEntries.begin(), AEntries.end(),
                        [&](const TGridEntry* AEntry) { return KWIsRowMissing(*AEntry, ADefault); });
}

TKWSonstValue KWSplitSonst(const QString& AStored)
{
    if (!AStored.startsWith(KWSonstCode))
        return {AStored, {}};
    return {KWSonstCode, AStored.mid(KWSonstCode.size()).trimmed()};
}

QString KWJoinSonst(const QString& AFreeText)
{
    return KWSonstCode + AFreeText;
}

QString KWSonstItemText(const QString& ALabel, const QString& AFreeText)
{
    return AFreeText.isEmpty() ? ALabel : ALabel + QStringLiteral(" - ") + AFreeText;
}

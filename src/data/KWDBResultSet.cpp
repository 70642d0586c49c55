#include "KWDBResultSet.h"

#include "KWException.h"

#include <QSqlError>
#include <QSqlQuery>

TKWDBResultSet::TKWDBResultSet(const QSqlDatabase& ADatabase, const QString& ASQL, QObject* AParent)
    : QAbstractTableModel(AParent), FDatabase(ADatabase), FSQL(ASQL)
{
}

void TKWDBResultSet::Open(const QVariantMap& AParams)
{
    FParams = AParams;
    QSqlQuery Query(FDatabase);
    Query.setForwardOnly(true);
    if (!Query.prepare(FSQL))
        throw EKWException(Query.lastError().text());
    for (auto It = FParams.cbegin(); It != FParams.cend(); ++It)
        Query.bindValue(u':' + It.key(), It.value());
    if (!Query.exec())
        throw EKWException(Query.lastError().text());
    beginResetModel();
    FColumns = Query.record();
    FRows.clear();
    while (Query.next())
        FRows.push_back(Query.record());
    endResetModel();
    MoveTo(std::min(std::max(FCurrentRow, FRows.empty() ? -1 : 0), RecordCount() - 1));
}

void TKWDBResultSet::Refresh()
{
    Open(FParams);
}

void TKWDBResultSet::Close()
{
    beginResetModel();
    FRows.clear();
    endResetModel();
    MoveTo(-1);
}

void TKWDBResultSet::SetCurrentRow(int ARow)
{
    if (ARow < -1 || ARow >= RecordCount())
        throw EKWException(QStringLiteral("Row %1 out of range").arg(ARow));
    MoveTo(ARow);
}

bool TKWDBResultSet::Locate(const QString& AField, const QVariant& AValue)
{
    const int Column = FieldIndex(AField);
    for (int Row = 0; Column >= 0 && Row < RecordCount(); ++Row) {
        if (FRows[static_cast<size_t>(Row)].value(Column) == AValue) {
            MoveTo(Row);
            return true;
        }
    }
    return false;
}

QVariant TKWDBResultSet::FieldValue(const QString& AField) const
{
    if (FCurrentRow < 0)
        return {};
    return FRows[static_cast<size_t>(FCurrentRow)].value(AField);
}

int TKWDBResultSet::FieldIndex(const QString& AField) const
{
    return FColumns.indexOf(AField);
}

void TKWDBResultSet::SetAfterScroll(std::function<void()> AHandler)
{
    FAfterScroll = std::move(AHandler);
}

int TKWDBResultSet::rowCount(const QModelIndex& AParent) const
{
    return AParent.isValid() ? 0 : RecordCount();
}

int TKWDBResultSet::columnCount(const QModelIndex& AParent) const
{
    return AParent.isValid() ? 0 : FColumns.count();
}

QVariant TKWDBResultSet::data(const QModelIndex& AIndex, int ARole) const
{
    if (!AIndex.isValid() || AIndex.row() >= RecordCount() ||
        (ARole != Qt::DisplayRole && ARole != Qt::EditRole))
        return {};
    return FRows[static_cast<size_t>(AIndex.row())].value(AIndex.column());
}

QVariant TKWDBResultSet::headerData(int ASection, Qt::Orientation AOrientation, int ARole) const
{
    if (AOrientation != Qt::Horizontal || ARole != Qt::DisplayRole)
        return {};
    return FColumns.fieldName(ASection);
}

void TKWDBResultSet::MoveTo(int ARow)
{
    FCurrentRow = ARow;
    if (FAfterScroll)
        FAfterScroll();
}

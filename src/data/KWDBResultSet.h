#pragma once

#include <QAbstractTableModel>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QVariantMap>

#include <functional>
#include <vector>

// A result set that stays open for the whole run: it holds all rows of its query, a current row
// that the farm browser moves, and serves the rows to Qt views (display role = column text).
class TKWDBResultSet final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWDBResultSet)

public:
    TKWDBResultSet(const QSqlDatabase& ADatabase, const QString& ASQL, QObject* AParent = nullptr);

    // Runs the query again with these parameters; the current row is kept by index (clamped).
    void Open(const QVariantMap& AParams = {});
    void Refresh();
    void Close();

    int RecordCount() const { return static_cast<int>(FRows.size()); }
    // 0-based; -1 when there is no current row.
    int CurrentRow() const { return FCurrentRow; }
    void SetCurrentRow(int ARow);
    // Moves to the first row whose field equals the value; false (and no move) when none does.
    bool Locate(const QString& AField, const QVariant& AValue);
    // The field of the current row; an unknown field or no current row gives an invalid value.
    QVariant FieldValue(const QString& AField) const;
    int FieldIndex(const QString& AField) const;

    // Called after the current row changed (also when a refresh empties the set).
    void SetAfterScroll(std::function<void()> AHandler);

    int rowCount(const QModelIndex& AParent = {}) const override;
    int columnCount(const QModelIndex& AParent = {}) const override;
    QVariant data(const QModelIndex& AIndex, int ARole = Qt::DisplayRole) const override;
    QVariant headerData(int ASection, Qt::Orientation AOrientation,
                        int ARole = Qt::DisplayRole) const override;

private:
    void MoveTo(int ARow);

    QSqlDatabase FDatabase;
    QString FSQL;
    QVariantMap FParams;
    QSqlRecord FColumns;
    std::vector<QSqlRecord> FRows;
    int FCurrentRow = -1;
    std::function<void()> FAfterScroll;
};

#include "KWDataStoreStorage.h"

#include "KWException.h"
#include "KWUploadValidation.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

namespace {

// A connection of the calling thread that lives as long as this object; its queries must be
// gone before it is, so they are declared after it.
class TKWConnection final
{
public:
    explicit TKWConnection(const QString& AFileName)
        : FName(QStringLiteral("qomvi-datastore-%1-%2")
                    .arg(quintptr(QThread::currentThreadId()))
                    .arg(quintptr(this)))
    {
        FDatabase = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FName);
        FDatabase.setDatabaseName(AFileName);
        // Another process (a backup, an inspection) may hold the file for a moment.
        FDatabase.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!FDatabase.open()) {
            const QString Error = FDatabase.lastError().text();
            Release();
            throw EKWException(
                QStringLiteral("cannot open data store \"%1\": %2").arg(AFileName, Error));
        }
    }

    ~TKWConnection() { Release(); }

    TKWConnection(const TKWConnection&) = delete;
    TKWConnection& operator=(const TKWConnection&) = delete;

    const QSqlDatabase& Database() const { return FDatabase; }

private:
    void Release()
    {
        FDatabase.close();
        FDatabase = QSqlDatabase();
        QSqlDatabase::removeDatabase(FName);
    }

    QString FName;
    QSqlDatabase FDatabase;
};

void Execute(QSqlQuery& AQuery, const QString& AAction)
{
    if (!AQuery.exec())
        throw EKWException(
            QStringLiteral("data store: cannot %1: %2").arg(AAction, AQuery.lastError().text()));
}

void Prepare(QSqlQuery& AQuery, const QString& ASql)
{
    if (!AQuery.prepare(ASql))
        throw EKWException(
            QStringLiteral("data store: bad statement: %1").arg(AQuery.lastError().text()));
}

} // namespace

TKWDataStoreStorage::TKWDataStoreStorage(const QString& AFileName) : FFileName(AFileName)
{
    TKWConnection Connection(FFileName);
    QSqlQuery Query(Connection.Database());
    Prepare(Query, QStringLiteral("CREATE TABLE IF NOT EXISTS upload ("
                                  "visitid TEXT PRIMARY KEY NOT NULL, "
                                  "dataname TEXT NOT NULL, "
                                  "datacontent TEXT NOT NULL, "
                                  "received TEXT NOT NULL)"));
    Execute(Query, QStringLiteral("create the table"));
}

void TKWDataStoreStorage::Store(const TKWUpload& AUpload, const QDateTime& AReceived)
{
    const std::lock_guard Lock(FMutex);
    TKWConnection Connection(FFileName);
    QSqlQuery Query(Connection.Database());
    Prepare(Query, QStringLiteral("INSERT OR REPLACE INTO upload "
                                  "(visitid, dataname, datacontent, received) "
                                  "VALUES (:visitid, :dataname, :datacontent, :received)"));
    Query.bindValue(QStringLiteral(":visitid"), AUpload.VisitId);
    Query.bindValue(QStringLiteral(":dataname"), AUpload.DataName);
    Query.bindValue(QStringLiteral(":datacontent"), AUpload.DataContent);
    Query.bindValue(QStringLiteral(":received"), AReceived.toUTC().toString(Qt::ISODate));
    Execute(Query, QStringLiteral("store visit \"%1\"").arg(AUpload.VisitId));
}

std::optional<TKWStoredUpload> TKWDataStoreStorage::Find(const QString& AVisitId) const
{
    const std::lock_guard Lock(FMutex);
    TKWConnection Connection(FFileName);
    QSqlQuery Query(Connection.Database());
    Prepare(Query, QStringLiteral("SELECT dataname, datacontent, received FROM upload "
                                  "WHERE visitid = :visitid"));
    Query.bindValue(QStringLiteral(":visitid"), AVisitId);
    Execute(Query, QStringLiteral("read visit \"%1\"").arg(AVisitId));
    if (!Query.next())
        return std::nullopt;
    return TKWStoredUpload{AVisitId, Query.value(0).toString(), Query.value(1).toString(),
                           Query.value(2).toString()};
}

int TKWDataStoreStorage::Count() const
{
    const std::lock_guard Lock(FMutex);
    TKWConnection Connection(FFileName);
    QSqlQuery Query(Connection.Database());
    Prepare(Query, QStringLiteral("SELECT COUNT(*) FROM upload"));
    Execute(Query, QStringLiteral("count the uploads"));
    Query.next();
    return Query.value(0).toInt();
}

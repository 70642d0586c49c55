#pragma once

#include "KWUtils.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <functional>
#include <memory>

class TKWDBResultSet;
class TKWSqliteStatement;

// The local database of farms and visits. It keeps two live result sets, the farm list and the
// visit list of the current farm, which the browser moves through; each visit is stored as its
// complete visit document. Errors of the engine reach the caller as EKWException.
class TKWDBUtil
{
public:
    // Default database file: "kvd.s3db" in the program folder.
    static QString DefaultDatabasePath();

    // Opens the database; a missing file or missing tables are created.
    explicit TKWDBUtil(const QString& ADatabasePath = DefaultDatabasePath());
    ~TKWDBUtil();
    TKWDBUtil(const TKWDBUtil&) = delete;
    TKWDBUtil& operator=(const TKWDBUtil&) = delete;

    TKWDBResultSet& BetriebSelectQuery() const { return *FBetriebSource; }
    TKWDBResultSet& BetriebsbesuchSelectQuery() const { return *FBetriebsbesuchSource; }
    // "yyyy-MM-dd hh:mm:ss": the form of every stored timestamp.
    static QString DateTimeFormat();
    const QString& DatabasePath() const { return FDatabasePath; }
    // The tables did not exist and were created by this object.
    bool CreatedTables() const { return FCreatedTables; }

    void SaveBetriebNeu(const QString& AUUID, const QString& AName);
    void SaveBetrieb(const QString& AUUID, const QString& AName);
    // The visit document is UTF-8 text.
    void SaveBetriebsbesuchNeu(const QString& AUUID, const QString& ATimestamp, const QDate& ADatum,
                               const QString& AStall, const QString& AErfassungsgruppe,
                               const QByteArray& ABetriebsbesuch_JSON,
                               const QString& ATimestampVorherigerBesuch);
    void SaveBetriebsbesuch(const QString& AUUID, const QString& ATimestamp, const QDate& ADatum,
                            const QString& AStall, const QString& AErfassungsgruppe,
                            const QByteArray& ABetriebsbesuch_JSON);
    void SetErfassungsgruppe(const QString& AUUID, const QString& ATimestamp,
                             const QString& AErfassungsgruppe);
    // Unlinks follow-ups, deletes the visit and, with its last visit, the farm (one transaction).
    void DeleteBetriebsbesuch(const QString& AUUID, const QString& ATimestamp);

    // With a blank timestamp the number of the farm's visits, otherwise 0 or 1.
    int GetBetriebsbesuchCount(const QString& AUUID, const QString& ATimestamp);
    int GetBetriebCount(const QString& AUUID);
    QString StraightenBetriebAndBesuch();

    // Per-action lookups on the selected farm and visit.
    QString GetUUID(TKWAction AAction) const;
    QString GetBetriebName(TKWAction AAction) const;
    QString GetStallName(TKWAction AAction) const;
    // "Now" for a new visit; a second later while the farm already has a visit of that moment,
    // because the timestamp is half of the visit key.
    QString GetTimestamp(TKWAction AAction);
    QString GetTimestampVorherigerBesuch(TKWAction AAction) const;
    QString GetBetriebsbesuch(TKWAction AAction);
    // The last GetBetriebsbesuch loaded an example visit (barn name starting with "Demo").
    bool WasDemoOnLoad() const { return FWasDemoOnLoad; }

    // Runs AWork in one transaction: all of it lands or nothing does (the error is rethrown).
    // Inside another transaction it runs in a savepoint: its failure undoes only its own work,
    // and it lands with the outer transaction.
    void RunInTransaction(const std::function<void()>& AWork);

    // Whether the barn name marks an example visit.
    static bool IsDemoStall(const QString& AStall);

private:
    void RunInSavepoint(const std::function<void()>& AWork);
    QSqlQuery Prepare(const QString& ASQL) const;
    void Exec(QSqlQuery& AQuery) const;
    int Count(const QString& ASQL, const QVariantMap& AParams) const;
    // Runs a query that answers with one number.
    int ScalarOf(QSqlQuery& AQuery) const;
    void CreateMissingTables();
    QString SelectedBetrieb(const QString& AField) const;
    QString SelectedBesuch(const QString& AField) const;

    QString FDatabasePath;
    QString FConnectionName;
    QSqlDatabase FDConnection;
    std::unique_ptr<TKWSqliteStatement> FBetriebsbesuchInsert;
    std::unique_ptr<TKWSqliteStatement> FBetriebsbesuchUpdate;
    int FTransactionDepth = 0;
    QSqlQuery FBetriebsbesuchSelectNeueBeratungQuery;
    QSqlQuery FBetriebInsertQuery;
    QSqlQuery FBetriebUpdateQuery;
    QSqlQuery FErfassungsgruppeUpdateQuery;
    QSqlQuery FBetriebDeleteQuery;
    QSqlQuery FBetriebsbesuchDeleteQuery;
    QSqlQuery FBetriebsbesuchCountQuery;
    QSqlQuery FBetriebsbesuchTsCountQuery;
    QSqlQuery FBetriebsbesuchUpdateTimestampVorherigerBesuchQuery;
    std::unique_ptr<TKWDBResultSet> FBetriebSource;
    std::unique_ptr<TKWDBResultSet> FBetriebsbesuchSource;
    bool FWasDemoOnLoad = false;
    bool FCreatedTables = false;
};

#include "KWDBUtil.h"

#include "KWDBResultSet.h"
#include "KWException.h"
#include "KWSqliteStatement.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlRecord>
#include <QUuid>

namespace {

const QString BetriebSelectSQL = QStringLiteral("select * from betrieb order by name");
const QString BetriebsbesuchSelectSQL = QStringLiteral(
    "select *, ( substr(Timestamp,1,16) || \"  \" || Erfassungsgruppe ) AS Detail from Betriebsbesuch "
    "where UUID = :UUID order by Stall asc, Timestamp desc");

const QString CreateBetriebSQL =
    QStringLiteral("create table if not exists betrieb (UUID text not null primary key, Name text)");
const QString CreateBetriebsbesuchSQL = QStringLiteral(
    "create table if not exists betriebsbesuch (UUID text not null, Timestamp text not null, "
    "Datum text, Stall text, Erfassungsgruppe text, Betriebsbesuch_JSON text, "
    "TimestampVorherigerBesuch text, primary key (UUID, Timestamp))");

QString DatumText(const QDate& ADatum)
{
    // A visit without a recorded date keeps an empty date rather than an invalid text.
    return ADatum.isValid() ? ADatum.toString(QStringLiteral("yyyy-MM-dd")) : QStringLiteral("");
}

// Empty texts are stored as empty text, not as NULL (the visit list joins them into its detail).
QString Text(const QString& AText)
{
    return AText.isNull() ? QStringLiteral("") : AText;
}

QString NowText(const QDateTime& AMoment)
{
    // Always with the time, also at midnight: the timestamp is half of the visit key and is
    // read back from folder names.
    return AMoment.toString(TKWDBUtil::DateTimeFormat());
}

} // namespace

QString TKWDBUtil::DefaultDatabasePath()
{
    return KWGetAppPath() + QStringLiteral("kvd.s3db");
}

QString TKWDBUtil::DateTimeFormat()
{
    return QStringLiteral("yyyy-MM-dd hh:mm:ss");
}

bool TKWDBUtil::IsDemoStall(const QString& AStall)
{
    return AStall.startsWith(QLatin1String("Demo"), Qt::CaseSensitive);
}

TKWDBUtil::TKWDBUtil(const QString& ADatabasePath)
    : FDatabasePath(ADatabasePath),
      FConnectionName(QStringLiteral("qomvi-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    FDConnection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FConnectionName);
    FDConnection.setDatabaseName(FDatabasePath);
    if (!FDConnection.open())
        throw EKWException(FDConnection.lastError().text());
    CreateMissingTables();

    FBetriebsbesuchSelectNeueBeratungQuery =
        Prepare(QStringLiteral("select * from Betriebsbesuch where UUID = :UUID order by Timestamp desc"));
    FBetriebInsertQuery = Prepare(QStringLiteral("insert into betrieb values (:UUID, :Name)"));
    FBetriebsbesuchInsert = std::make_unique<TKWSqliteStatement>(
        FDConnection,
        "insert into betriebsbesuch values (:UUID, :Timestamp, :Datum, :Stall, :Erfassungsgruppe, "
        ":Betriebsbesuch_JSON, :TimestampVorherigerBesuch)");
    FBetriebUpdateQuery = Prepare(QStringLiteral("update betrieb set name = :Name where UUID = :UUID"));
    FBetriebsbesuchUpdate = std::make_unique<TKWSqliteStatement>(
        FDConnection,
        "update betriebsbesuch set Datum = :Datum, Stall = :Stall, Erfassungsgruppe = :Erfassungsgruppe, "
        "Betriebsbesuch_JSON = :Betriebsbesuch_JSON where UUID = :UUID and Timestamp = :Timestamp");
    FErfassungsgruppeUpdateQuery = Prepare(QStringLiteral(
        "update betriebsbesuch set Erfassungsgruppe = :Erfassungsgruppe where UUID = :UUID and "
        "Timestamp = :Timestamp"));
    FBetriebDeleteQuery = Prepare(QStringLiteral("delete from betrieb where UUID = :UUID"));
    FBetriebsbesuchDeleteQuery =
        Prepare(QStringLiteral("delete from betriebsbesuch where UUID = :UUID and Timestamp = :Timestamp"));
    FBetriebsbesuchCountQuery = Prepare(QStringLiteral(
        "select count(*) as BetriebsbesuchCount from betriebsbesuch where UUID = :UUID"));
    FBetriebsbesuchTsCountQuery = Prepare(QStringLiteral(
        "select count(*) as BetriebsbesuchCount from betriebsbesuch where UUID = :UUID and "
        "Timestamp = :Timestamp"));
    FBetriebsbesuchUpdateTimestampVorherigerBesuchQuery = Prepare(QStringLiteral(
        "update betriebsbesuch set TimestampVorherigerBesuch = NULL where UUID = :UUID and "
        "TimestampVorherigerBesuch = :Timestamp"));

    FBetriebSource = std::make_unique<TKWDBResultSet>(FDConnection, BetriebSelectSQL);
    FBetriebsbesuchSource = std::make_unique<TKWDBResultSet>(FDConnection, BetriebsbesuchSelectSQL);
    // The visit list follows the farm list: every move of the farm row reopens it.
    FBetriebSource->SetAfterScroll([this] {
        FBetriebsbesuchSource->Open({{QStringLiteral("UUID"), FBetriebSource->FieldValue("UUID")}});
    });
    FBetriebSource->Open();
}

TKWDBUtil::~TKWDBUtil()
{
    FBetriebSource->SetAfterScroll({});
    FBetriebSource.reset();
    FBetriebsbesuchSource.reset();
    for (QSqlQuery* Query :
         {&FBetriebsbesuchSelectNeueBeratungQuery, &FBetriebInsertQuery,
          &FBetriebUpdateQuery, &FErfassungsgruppeUpdateQuery,
          &FBetriebDeleteQuery, &FBetriebsbesuchDeleteQuery, &FBetriebsbesuchCountQuery,
          &FBetriebsbesuchTsCountQuery, &FBetriebsbesuchUpdateTimestampVorherigerBesuchQuery})
        *Query = QSqlQuery();
    FBetriebsbesuchInsert.reset();
    FBetriebsbesuchUpdate.reset();
    FDConnection.close();
    FDConnection = QSqlDatabase();
    QSqlDatabase::removeDatabase(FConnectionName);
}

void TKWDBUtil::CreateMissingTables()
{
    FCreatedTables = !FDConnection.tables().contains(QStringLiteral("betrieb"), Qt::CaseInsensitive);
    for (const QString& SQL : {CreateBetriebSQL, CreateBetriebsbesuchSQL}) {
        QSqlQuery Query(FDConnection);
        if (!Query.exec(SQL))
            throw EKWException(Query.lastError().text());
    }
}

QSqlQuery TKWDBUtil::Prepare(const QString& ASQL) const
{
    QSqlQuery Query(FDConnection);
    if (!Query.prepare(ASQL))
        throw EKWException(Query.lastError().text());
    return Query;
}

void TKWDBUtil::Exec(QSqlQuery& AQuery) const
{
    const bool Ok = AQuery.exec();
    const QString Error = AQuery.lastError().text();
    if (!AQuery.isSelect())
        AQuery.finish();
    if (!Ok)
        throw EKWException(Error);
}

int TKWDBUtil::Count(const QString& ASQL, const QVariantMap& AParams) const
{
    QSqlQuery Query = Prepare(ASQL);
    for (auto It = AParams.cbegin(); It != AParams.cend(); ++It)
        Query.bindValue(u':' + It.key(), It.value());
    return ScalarOf(Query);
}

int TKWDBUtil::ScalarOf(QSqlQuery& AQuery) const
{
    Exec(AQuery);
    const int Result = AQuery.next() ? AQuery.value(0).toInt() : 0;
    AQuery.finish();
    return Result;
}

void TKWDBUtil::SaveBetriebNeu(const QString& AUUID, const QString& AName)
{
    FBetriebInsertQuery.bindValue(QStringLiteral(":UUID"), AUUID);
    FBetriebInsertQuery.bindValue(QStringLiteral(":Name"), Text(AName));
    Exec(FBetriebInsertQuery);
}

void TKWDBUtil::SaveBetrieb(const QString& AUUID, const QString& AName)
{
    FBetriebUpdateQuery.bindValue(QStringLiteral(":Name"), Text(AName));
    FBetriebUpdateQuery.bindValue(QStringLiteral(":UUID"), AUUID);
    Exec(FBetriebUpdateQuery);
}

void TKWDBUtil::SaveBetriebsbesuchNeu(const QString& AUUID, const QString& ATimestamp,
                                      const QDate& ADatum, const QString& AStall,
                                      const QString& AErfassungsgruppe,
                                      const QByteArray& ABetriebsbesuch_JSON,
                                      const QString& ATimestampVorherigerBesuch)
{
    FBetriebsbesuchInsert->Run({AUUID.toUtf8(), ATimestamp.toUtf8(), DatumText(ADatum).toUtf8(), AStall.toUtf8(),
                                AErfassungsgruppe.toUtf8(), ABetriebsbesuch_JSON,
                                ATimestampVorherigerBesuch.isEmpty()
                                    ? std::nullopt
                                    : std::optional(ATimestampVorherigerBesuch.toUtf8())});
}

void TKWDBUtil::SaveBetriebsbesuch(const QString& AUUID, const QString& ATimestamp,
                                   const QDate& ADatum, const QString& AStall,
                                   const QString& AErfassungsgruppe,
                                   const QByteArray& ABetriebsbesuch_JSON)
{
    FBetriebsbesuchUpdate->Run({DatumText(ADatum).toUtf8(), AStall.toUtf8(), AErfassungsgruppe.toUtf8(),
                                ABetriebsbesuch_JSON, AUUID.toUtf8(), ATimestamp.toUtf8()});
}

void TKWDBUtil::SetErfassungsgruppe(const QString& AUUID, const QString& ATimestamp,
                                    const QString& AErfassungsgruppe)
{
    FErfassungsgruppeUpdateQuery.bindValue(QStringLiteral(":Erfassungsgruppe"), Text(AErfassungsgruppe));
    FErfassungsgruppeUpdateQuery.bindValue(QStringLiteral(":UUID"), AUUID);
    FErfassungsgruppeUpdateQuery.bindValue(QStringLiteral(":Timestamp"), ATimestamp);
    Exec(FErfassungsgruppeUpdateQuery);
}

void TKWDBUtil::DeleteBetriebsbesuch(const QString& AUUID, const QString& ATimestamp)
{
    RunInTransaction([&] {
        for (QSqlQuery* Query :
             {&FBetriebsbesuchUpdateTimestampVorherigerBesuchQuery, &FBetriebsbesuchDeleteQuery}) {
            Query->bindValue(QStringLiteral(":UUID"), AUUID);
            Query->bindValue(QStringLiteral(":Timestamp"), ATimestamp);
            Exec(*Query);
        }
        if (GetBetriebsbesuchCount(AUUID, QString()) == 0) {
            FBetriebDeleteQuery.bindValue(QStringLiteral(":UUID"), AUUID);
            Exec(FBetriebDeleteQuery);
        }
    });
}

int TKWDBUtil::GetBetriebsbesuchCount(const QString& AUUID, const QString& ATimestamp)
{
    QSqlQuery& Query =
        ATimestamp.trimmed().isEmpty() ? FBetriebsbesuchCountQuery : FBetriebsbesuchTsCountQuery;
    Query.bindValue(QStringLiteral(":UUID"), AUUID);
    if (!ATimestamp.trimmed().isEmpty())
        Query.bindValue(QStringLiteral(":Timestamp"), ATimestamp);
    return ScalarOf(Query);
}

int TKWDBUtil::GetBetriebCount(const QString& AUUID)
{
    return Count(QStringLiteral("select count(*) from betrieb b where b.UUID = :UUID"),
                 {{QStringLiteral("UUID"), AUUID}});
}

QString TKWDBUtil::StraightenBetriebAndBesuch()
{
    const int Betriebe = Count(QStringLiteral("select count(*) from betrieb b"), {});
    const int Leer = Count(QStringLiteral("select count(*) from betrieb b where not exists ( select * "
                                          "from betriebsbesuch v where v.uuid = b.uuid )"),
                           {});
    return QStringLiteral("Number Betrieb: %1\r\nEmpty Betrieb: %2\r\n").arg(Betriebe).arg(Leer);
}

QString TKWDBUtil::SelectedBetrieb(const QString& AField) const
{
    return FBetriebSource->FieldValue(AField).toString();
}

QString TKWDBUtil::SelectedBesuch(const QString& AField) const
{
    return FBetriebsbesuchSource->FieldValue(AField).toString();
}

QString TKWDBUtil::GetUUID(TKWAction AAction) const
{
    if (AAction == aBetriebNeu)
        return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    return SelectedBetrieb(QStringLiteral("UUID"));
}

QString TKWDBUtil::GetBetriebName(TKWAction AAction) const
{
    return AAction == aBetriebNeu ? QString() : SelectedBetrieb(QStringLiteral("Name"));
}

QString TKWDBUtil::GetStallName(TKWAction AAction) const
{
    if (AAction == aBetriebNeu || AAction == aBeratungNeu)
        return {};
    return SelectedBesuch(QStringLiteral("Stall"));
}

QString TKWDBUtil::GetTimestamp(TKWAction AAction)
{
    switch (AAction) {
    case aBetriebNeu:
        return NowText(QDateTime::currentDateTime());
    case aBeratungNeu:
    case aFolgeberatung: {
        const QString UUID = SelectedBetrieb(QStringLiteral("UUID"));
        QDateTime Moment = QDateTime::currentDateTime();
        while (GetBetriebsbesuchCount(UUID, NowText(Moment)) > 0)
            Moment = Moment.addSecs(1);
        return NowText(Moment);
    }
    default:
        return SelectedBesuch(QStringLiteral("Timestamp"));
    }
}

QString TKWDBUtil::GetTimestampVorherigerBesuch(TKWAction AAction) const
{
    switch (AAction) {
    case aBeratungBearbeiten:
        return SelectedBesuch(QStringLiteral("TimestampVorherigerBesuch"));
    case aFolgeberatung:
        return SelectedBesuch(QStringLiteral("Timestamp"));
    default:
        return {};
    }
}

QString TKWDBUtil::GetBetriebsbesuch(TKWAction AAction)
{
    FWasDemoOnLoad = false;
    switch (AAction) {
    case aBeratungNeu: {
        QSqlQuery& Query = FBetriebsbesuchSelectNeueBeratungQuery;
        Query.bindValue(QStringLiteral(":UUID"), SelectedBetrieb(QStringLiteral("UUID")));
        Exec(Query);
        const QString Result = Query.next()
            ? QString::fromUtf8(Query.value(QStringLiteral("Betriebsbesuch_JSON")).toByteArray())
            : QStringLiteral("{}");
        Query.finish();
        return Result;
    }
    case aBeratungBearbeiten:
    case aFolgeberatung:
    case aBeratungTransfer:
        FWasDemoOnLoad = IsDemoStall(SelectedBesuch(QStringLiteral("Stall")));
        return QString::fromUtf8(
            FBetriebsbesuchSource->FieldValue(QStringLiteral("Betriebsbesuch_JSON")).toByteArray());
    default:
        return QStringLiteral("{}");
    }
}

void TKWDBUtil::RunInTransaction(const std::function<void()>& AWork)
{
    if (FTransactionDepth > 0) {
        RunInSavepoint(AWork);
        return;
    }
    if (!FDConnection.transaction())
        throw EKWException(FDConnection.lastError().text());
    ++FTransactionDepth;
    try {
        AWork();
    } catch (...) {
        --FTransactionDepth;
        FDConnection.rollback();
        throw;
    }
    --FTransactionDepth;
    if (!FDConnection.commit()) {
        const QString Error = FDConnection.lastError().text();
        FDConnection.rollback();
        throw EKWException(Error);
    }
}

void TKWDBUtil::RunInSavepoint(const std::function<void()>& AWork)
{
    const QString Name = QStringLiteral("s%1").arg(FTransactionDepth);
    QSqlQuery Statement(FDConnection);
    auto Run = [&](const QString& ASql) {
        if (!Statement.exec(ASql))
            throw EKWException(Statement.lastError().text());
    };
    Run(QStringLiteral("SAVEPOINT ") + Name);
    ++FTransactionDepth;
    try {
        AWork();
    } catch (...) {
        --FTransactionDepth;
        Run(QStringLiteral("ROLLBACK TO ") + Name);
        Run(QStringLiteral("RELEASE ") + Name);
        throw;
    }
    --FTransactionDepth;
    Run(QStringLiteral("RELEASE ") + Name);
}

#include "KWCliStorage.h"

#include "KWCliOutput.h"
#include "KWDBResultSet.h"
#include "KWDBUtil.h"
#include "KWDataManagement.h"
#include "KWException.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <optional>

namespace {

struct TStorageArgs
{
    QString Database = TKWDBUtil::DefaultDatabasePath();
    QString Out;
};

// Reads "--db FILE" and, when asked for, "--out DIR"; nothing else is allowed.
std::optional<TStorageArgs> ParseArgs(const QStringList& AArgs, bool AWithOut)
{
    TStorageArgs Result;
    for (int I = 0; I < AArgs.size(); ++I) {
        if (I + 1 >= AArgs.size())
            return std::nullopt;
        if (AArgs[I] == QLatin1String("--db"))
            Result.Database = AArgs[++I];
        else if (AWithOut && AArgs[I] == QLatin1String("--out"))
            Result.Out = AArgs[++I];
        else
            return std::nullopt;
    }
    if (AWithOut && Result.Out.isEmpty())
        return std::nullopt;
    return Result;
}

QString Text(const TKWDBResultSet& ASet, const char* AField)
{
    return ASet.FieldValue(QString::fromLatin1(AField)).toString();
}

// Calls AVisit for every visit of every farm, with the farm list and the visit list on it.
void ForEachVisit(TKWDBUtil& ADB, const std::function<void(int AFarmRow)>& AFarm,
                  const std::function<void()>& AVisit)
{
    TKWDBResultSet& Farms = ADB.BetriebSelectQuery();
    TKWDBResultSet& Visits = ADB.BetriebsbesuchSelectQuery();
    for (int Farm = 0; Farm < Farms.RecordCount(); ++Farm) {
        Farms.SetCurrentRow(Farm);
        AFarm(Farm);
        for (int Visit = 0; Visit < Visits.RecordCount(); ++Visit) {
            Visits.SetCurrentRow(Visit);
            AVisit();
        }
    }
}

// Runs AWork on the database named by the arguments; a missing file is an input failure, not
// a reason to create an empty database.
int WithDatabase(const TStorageArgs& AArgs, std::ostream& AErr,
                 const std::function<int(TKWDBUtil&)>& AWork)
{
    if (!QFileInfo(AArgs.Database).isFile()) {
        KWCliReportFailure(AErr, AArgs.Database, QStringLiteral("no such database file"));
        return ceInputFailed;
    }
    try {
        TKWDBUtil DB(AArgs.Database);
        return AWork(DB);
    } catch (const EKWException& E) {
        KWCliReportFailure(AErr, AArgs.Database, E.Message());
        return ceInputFailed;
    }
}

} // namespace

int KWCliVisits(const QStringList& AArgs, std::ostream& AOut, std::ostream& AErr)
{
    const auto Args = ParseArgs(AArgs, false);
    if (!Args) {
        AErr << "usage: qomvi-cli visits [--db FILE]\n";
        return ceUsage;
    }
    return WithDatabase(*Args, AErr, [&](TKWDBUtil& ADB) {
        TKWJson Farms = TKWJson::array();
        const TKWDBResultSet& Farm = ADB.BetriebSelectQuery();
        const TKWDBResultSet& Visit = ADB.BetriebsbesuchSelectQuery();
        ForEachVisit(
            ADB,
            [&](int) {
                Farms.push_back({{"uuid", Text(Farm, "UUID").toStdString()},
                                 {"name", Text(Farm, "Name").toStdString()},
                                 {"visits", TKWJson::array()}});
            },
            [&] {
                Farms.back()["visits"].push_back(
                    {{"timestamp", Text(Visit, "Timestamp").toStdString()},
                     {"stall", Text(Visit, "Stall").toStdString()},
                     {"detail", Text(Visit, "Detail").toStdString()},
                     {"datum", Text(Visit, "Datum").toStdString()},
                     {"status", Text(Visit, "Erfassungsgruppe").toStdString()},
                     {"timestampVorherigerBesuch", Text(Visit, "TimestampVorherigerBesuch").toStdString()}});
            });
        KWCliWriteJson(AOut, Farms);
        return static_cast<int>(ceOk);
    });
}

int KWCliExport(const QStringList& AArgs, std::ostream& AOut, std::ostream& AErr)
{
    const auto Args = ParseArgs(AArgs, true);
    if (!Args) {
        AErr << "usage: qomvi-cli export [--db FILE] --out DIR\n";
        return ceUsage;
    }
    return WithDatabase(*Args, AErr, [&](TKWDBUtil& ADB) {
        int Exit = ceOk;
        int Count = 0;
        const TKWDBResultSet& Visit = ADB.BetriebsbesuchSelectQuery();
        ForEachVisit(ADB, [](int) {}, [&] {
            const QString Name =
                TKWDataManagement::ComposedName(Text(Visit, "UUID"), Text(Visit, "Timestamp"));
            const QDir Folder(QDir(Args->Out).filePath(Name));
            try {
                if (!QDir().mkpath(Folder.path()))
                    throw EKWException(QStringLiteral("cannot create the folder"));
                KWSaveTextFile(Folder.filePath(QStringLiteral("BeratungVoll.json")),
                               QString::fromUtf8(Visit.FieldValue(QStringLiteral("Betriebsbesuch_JSON")).toByteArray()));
                ++Count;
            } catch (const EKWException& E) {
                KWCliReportFailure(AErr, Folder.path(), E.Message());
                Exit = ceInputFailed;
            }
        });
        AOut << "exported " << Count << " visits to " << Args->Out.toStdString() << '\n';
        return Exit;
    });
}

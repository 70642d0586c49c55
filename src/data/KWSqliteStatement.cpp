#include "KWSqliteStatement.h"

#include "KWException.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace {

sqlite3* HandleOf(const QSqlDatabase& ADatabase)
{
    const QVariant Handle = ADatabase.driver() ? ADatabase.driver()->handle() : QVariant();
    if (!Handle.isValid() || qstrcmp(Handle.typeName(), "sqlite3*") != 0)
        throw EKWException(QStringLiteral("The database is not an open SQLite database."));
    sqlite3* Result = *static_cast<sqlite3* const*>(Handle.constData());
    if (!Result)
        throw EKWException(QStringLiteral("The database is not open."));
    return Result;
}

} // namespace

TKWSqliteStatement::TKWSqliteStatement(const QSqlDatabase& ADatabase, const char* ASql)
    : FDatabase(HandleOf(ADatabase))
{
    if (sqlite3_prepare_v2(FDatabase, ASql, -1, &FStatement, nullptr) != SQLITE_OK)
        throw EKWException(QString::fromUtf8(sqlite3_errmsg(FDatabase)));
}

TKWSqliteStatement::~TKWSqliteStatement()
{
    sqlite3_finalize(FStatement);
}

void TKWSqliteStatement::Run(std::initializer_list<std::optional<QByteArray>> AParameters)
{
    int Index = 0;
    for (const std::optional<QByteArray>& Parameter : AParameters) {
        ++Index;
        if (Parameter)
            sqlite3_bind_text(FStatement, Index, Parameter->constData(), static_cast<int>(Parameter->size()),
                              SQLITE_STATIC);
        else
            sqlite3_bind_null(FStatement, Index);
    }
    int Result = SQLITE_ROW;
    while (Result == SQLITE_ROW)
        Result = sqlite3_step(FStatement);
    const QString Error = QString::fromUtf8(sqlite3_errmsg(FDatabase));
    sqlite3_reset(FStatement);
    sqlite3_clear_bindings(FStatement);
    if (Result != SQLITE_DONE)
        throw EKWException(Error);
}

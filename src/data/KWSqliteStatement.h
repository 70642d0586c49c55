#pragma once

#include <QByteArray>
#include <QSqlDatabase>

#include <initializer_list>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// A prepared statement on the SQLite connection beneath a Qt database, for the statements that
// carry whole visit documents: their text is bound as the UTF-8 it already is, where the Qt
// driver would bind UTF-16 and SQLite convert it back.
class TKWSqliteStatement
{
public:
    // Raises when the connection is not SQLite or the statement does not compile.
    TKWSqliteStatement(const QSqlDatabase& ADatabase, const char* ASql);
    ~TKWSqliteStatement();
    TKWSqliteStatement(const TKWSqliteStatement&) = delete;
    TKWSqliteStatement& operator=(const TKWSqliteStatement&) = delete;

    // Binds the parameters in order (nothing binds NULL), runs the statement to its end and
    // raises with SQLite's message when it fails. The texts need only live during the call.
    void Run(std::initializer_list<std::optional<QByteArray>> AParameters);

private:
    sqlite3* FDatabase = nullptr;
    sqlite3_stmt* FStatement = nullptr;
};

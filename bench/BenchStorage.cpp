// Saving a large visit (document, "BeratungVoll.json" and database row), compared with writing
// the same changed bytes durably into SQLite and a file, and importing many visit folders at
// start-up, compared with reading, parsing and inserting the same files.
#include "BenchVisit.h"
#include "KWDBUtil.h"
#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWJson.h"
#include "KWMemTable.h"
#include "KWJsonReader.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

QTemporaryDir* Scratch = nullptr;

// A management with one saved visit of ACows cows, open for editing.
std::unique_ptr<TKWDataManagement> OpenLargeVisit(const QString& ADatabase, int ACows)
{
    auto Management = std::make_unique<TKWDataManagement>(ADatabase);
    Management->LoadBetriebsbesuch(aBetriebNeu);
    KWBenchFillVisit(Management->DataStore().DataStoreErfassung(), ACows);
    Management->SaveBetriebsbesuch();
    return Management;
}

// With a second argument of 1, one recording changes before every save, as on a page change
// after an entry, and the indicators are recomputed; with 0 nothing changed since the last save.
void ChangeOneRecording(TKWDataManagement& AManagement, int AIteration)
{
    TKWMemTable& Table = AManagement.DataStore().GetDataErfassung(QStringLiteral("AufenthaltsortKuehe"));
    Table.Edit();
    Table.FieldByName(QStringLiteral("LiegenBox")).SetAsInteger(AIteration % 100);
    Table.Post();
}

void BM_SaveBetriebsbesuch(benchmark::State& AState)
{
    const QString Database = Scratch->filePath(QStringLiteral("save.s3db"));
    QFile::remove(Database);
    auto Management = OpenLargeVisit(Database, static_cast<int>(AState.range(0)));
    const bool Change = AState.range(1) != 0;
    int Iteration = 0;
    for (auto _ : AState) {
        if (Change)
            ChangeOneRecording(*Management, ++Iteration);
        Management->SaveBetriebsbesuch();
    }
}

// The floor under a save after a change: the documents that save writes, written durably as
// one SQLite update of the visit's row and one file replaced through a synced temporary file.
void BM_SaveFloor(benchmark::State& AState)
{
    const QString Database = Scratch->filePath(QStringLiteral("floor-save.s3db"));
    QFile::remove(Database);
    auto Management = OpenLargeVisit(Database, static_cast<int>(AState.range(0)));
    const QByteArray UUID = Management->ActiveUUID().toUtf8();
    const QByteArray Timestamp = Management->ActiveTimestamp().toUtf8();
    std::vector<std::string> Texts;
    for (int Iteration = 1; Iteration <= 100; ++Iteration) {
        ChangeOneRecording(*Management, Iteration);
        Texts.push_back(Management->DataStore().GetDataAsJsonText());
    }
    Management.reset();

    sqlite3* Db = nullptr;
    sqlite3_open(Database.toUtf8().constData(), &Db);
    sqlite3_stmt* Update = nullptr;
    sqlite3_prepare_v2(Db, "update betriebsbesuch set Betriebsbesuch_JSON = ?1 where UUID = ?2 and Timestamp = ?3",
                       -1, &Update, nullptr);
    const std::string FilePath = Scratch->filePath(QStringLiteral("floor.json")).toStdString();
    const std::string TempPath = FilePath + ".tmp";
    int Iteration = 0;
    for (auto _ : AState) {
        const std::string& Text = Texts[static_cast<std::size_t>(++Iteration % 100)];
        sqlite3_bind_text(Update, 1, Text.data(), static_cast<int>(Text.size()), SQLITE_STATIC);
        sqlite3_bind_text(Update, 2, UUID.constData(), static_cast<int>(UUID.size()), SQLITE_STATIC);
        sqlite3_bind_text(Update, 3, Timestamp.constData(), static_cast<int>(Timestamp.size()), SQLITE_STATIC);
        sqlite3_step(Update);
        sqlite3_reset(Update);
        const int File = ::open(TempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(File, Text.data(), Text.size()));
        ::fsync(File);
        ::close(File);
        std::rename(TempPath.c_str(), FilePath.c_str());
    }
    sqlite3_finalize(Update);
    sqlite3_close(Db);
}

void WriteVisitFolders(int ACount)
{
    QDir Data(KWGetDataPath());
    Data.removeRecursively();
    Data.mkpath(QStringLiteral("."));
    TKWDataStore Store;
    KWBenchFillVisit(Store.DataStoreErfassung(), 30, 10, 5);
    const QByteArray Text = QByteArray::fromStdString(Store.GetDataAsJson().dump());
    for (int I = 0; I < ACount; ++I) {
        const QString Name = TKWDataManagement::ComposedName(
            QStringLiteral("0A1B2C3D-0000-4000-8000-%1").arg(I, 12, 10, QLatin1Char('0')),
            QStringLiteral("2024-05-02 08:00:00"));
        Data.mkpath(Name);
        QFile File(Data.filePath(Name + QStringLiteral("/BeratungVoll.json")));
        File.open(QIODevice::WriteOnly);
        File.write(Text);
    }
}

void BM_ImportBetriebsbesuche(benchmark::State& AState)
{
    WriteVisitFolders(static_cast<int>(AState.range(0)));
    const QString Database = Scratch->filePath(QStringLiteral("import.s3db"));
    for (auto _ : AState) {
        AState.PauseTiming();
        QFile::remove(Database);
        TKWDataManagement Management(Database);
        AState.ResumeTiming();
        Management.ImportBetriebsbesuche();
    }
}

// The floor under an import: read every folder's file, parse it with the program's reader and
// insert the farm and the visit with plain prepared statements, all in one transaction.
void BM_ImportFloor(benchmark::State& AState)
{
    WriteVisitFolders(static_cast<int>(AState.range(0)));
    const QString Database = Scratch->filePath(QStringLiteral("floor.s3db"));
    for (auto _ : AState) {
        AState.PauseTiming();
        QFile::remove(Database);
        TKWDataManagement(Database).DataStore(); // creates the tables
        sqlite3* Db = nullptr;
        sqlite3_open(Database.toUtf8().constData(), &Db);
        sqlite3_stmt* Farm = nullptr;
        sqlite3_stmt* Visit = nullptr;
        sqlite3_prepare_v2(Db, "insert into betrieb values (?1, ?2)", -1, &Farm, nullptr);
        sqlite3_prepare_v2(Db, "insert into betriebsbesuch values (?1, ?2, ?3, ?4, ?5, ?6, NULL)", -1,
                           &Visit, nullptr);
        AState.ResumeTiming();
        sqlite3_exec(Db, "begin", nullptr, nullptr, nullptr);
        QDirIterator It(KWGetDataPath(), QDir::Dirs | QDir::NoDotAndDotDot);
        while (It.hasNext()) {
            const QString Path = It.next();
            QFile File(Path + QStringLiteral("/BeratungVoll.json"));
            File.open(QIODevice::ReadOnly);
            const QByteArray Text = File.readAll();
            const TKWJson Document = KWParseJson(std::string_view(Text.constData(), Text.size()));
            const TKWJson& Betrieb = Document.at("Erfassung").at("Betriebsdaten");
            const QByteArray UUID = QFileInfo(Path).fileName().section(u'.', 0, 0).toUtf8();
            const std::string Owner = Betrieb.at("Betriebsinhaber").get<std::string>();
            const std::string Stall = Betrieb.at("Stallname").get<std::string>();
            sqlite3_bind_text(Farm, 1, UUID.constData(), int(UUID.size()), SQLITE_STATIC);
            sqlite3_bind_text(Farm, 2, Owner.data(), int(Owner.size()), SQLITE_STATIC);
            sqlite3_step(Farm);
            sqlite3_reset(Farm);
            sqlite3_bind_text(Visit, 1, UUID.constData(), int(UUID.size()), SQLITE_STATIC);
            sqlite3_bind_text(Visit, 2, "2024-05-02 08:00:00", -1, SQLITE_STATIC);
            sqlite3_bind_text(Visit, 3, "2024-05-02", -1, SQLITE_STATIC);
            sqlite3_bind_text(Visit, 4, Stall.data(), int(Stall.size()), SQLITE_STATIC);
            sqlite3_bind_text(Visit, 5, "", -1, SQLITE_STATIC);
            sqlite3_bind_text(Visit, 6, Text.constData(), int(Text.size()), SQLITE_STATIC);
            sqlite3_step(Visit);
            sqlite3_reset(Visit);
        }
        sqlite3_exec(Db, "commit", nullptr, nullptr, nullptr);
        AState.PauseTiming();
        sqlite3_finalize(Farm);
        sqlite3_finalize(Visit);
        sqlite3_close(Db);
        AState.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_SaveBetriebsbesuch)->Args({500, 0})->Args({500, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFloor)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportBetriebsbesuche)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportFloor)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    // Never touch a real user's data folder or log.
    QTemporaryDir Home;
    Scratch = &Home;
    setenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("share")).toUtf8().constData(), 1);
    QCoreApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

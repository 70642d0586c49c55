// Saving a large visit (document, "BeratungVoll.json" and database row), compared with writing
// the same text straight into SQLite and a file, and importing many visit folders at start-up.
#include "BenchVisit.h"
#include "KWDBUtil.h"
#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWJson.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

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

void BM_SaveBetriebsbesuch(benchmark::State& AState)
{
    const QString Database = Scratch->filePath(QStringLiteral("save.s3db"));
    QFile::remove(Database);
    auto Management = OpenLargeVisit(Database, static_cast<int>(AState.range(0)));
    for (auto _ : AState)
        Management->SaveBetriebsbesuch();
}

// The floor under a save: the same document text, one SQLite update and one file write.
void BM_PlainSqliteAndFile(benchmark::State& AState)
{
    const QString Database = Scratch->filePath(QStringLiteral("plain.s3db"));
    QFile::remove(Database);
    auto Management = OpenLargeVisit(Database, static_cast<int>(AState.range(0)));
    const std::string Text = Management->DataStore().GetDataAsJson().dump();
    Management.reset();

    sqlite3* Db = nullptr;
    sqlite3_open(Database.toUtf8().constData(), &Db);
    sqlite3_stmt* Update = nullptr;
    sqlite3_prepare_v2(Db, "update betriebsbesuch set Betriebsbesuch_JSON = ?1", -1, &Update, nullptr);
    const QByteArray FilePath = Scratch->filePath(QStringLiteral("plain.json")).toUtf8();
    for (auto _ : AState) {
        sqlite3_bind_text(Update, 1, Text.data(), static_cast<int>(Text.size()), SQLITE_STATIC);
        sqlite3_step(Update);
        sqlite3_reset(Update);
        std::FILE* File = std::fopen(FilePath.constData(), "wb");
        std::fwrite(Text.data(), 1, Text.size(), File);
        std::fclose(File);
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

} // namespace

BENCHMARK(BM_SaveBetriebsbesuch)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainSqliteAndFile)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportBetriebsbesuche)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

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

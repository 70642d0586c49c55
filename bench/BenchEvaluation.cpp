// Recomputing every indicator of a large visit: what the evaluation pages and every save do.
// It has to stay far below one frame (16 ms).
#include "KWDataStoreAuswertung.h"
#include "KWDataStoreErfassung.h"
#include "KWMemTable.h"
#include "BenchVisit.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RefreshAllIndicators(benchmark::State& AState)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TKWDataStoreErfassung Erfassung;
    KWBenchFillVisit(Erfassung, static_cast<int>(AState.range(0)), 20, 20);
    TKWDataStoreAuswertung Auswertung(Erfassung);
    for (auto _ : AState) {
        for (const QString& Key : TKWDataStoreAuswertung::AuswertungKeys())
            for (TKWIndikator* Indikator : Auswertung.GetIndikatorList(Key))
                Indikator->RefreshValue();
        benchmark::DoNotOptimize(Auswertung.GetIndikator(QStringLiteral("HerdenIndex")).Value());
    }
    AState.SetComplexityN(AState.range(0));
}

} // namespace

BENCHMARK(BM_RefreshAllIndicators)
    ->Arg(125)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK_MAIN();

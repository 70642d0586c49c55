// Round trip of a large recording store through its JSON text: the cost of every save and
// every load of a visit.
#include "KWDataStoreErfassung.h"
#include "KWMemTable.h"
#include "BenchVisit.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RecordingRoundTrip(benchmark::State& AState)
{
    TKWDataStoreErfassung Source;
    KWBenchFillVisit(Source, static_cast<int>(AState.range(0)));
    TKWDataStoreErfassung Target;
    for (auto _ : AState) {
        const std::string Text = Source.GetDataAsJson().dump();
        TKWJson Json = TKWJson::parse(Text);
        Target.ClearData();
        Target.LoadFromJson(Json, aBeratungBearbeiten);
        benchmark::DoNotOptimize(Target.GetData(QStringLiteral("SauberkeitTechnopathien")).RecordCount());
    }
    AState.SetComplexityN(AState.range(0));
}

} // namespace

BENCHMARK(BM_RecordingRoundTrip)->Arg(125)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMicrosecond)->Complexity();
BENCHMARK_MAIN();

// The heaviest query of the measure page: every indicator that can lead to a cause marked as a
// weak point and every cause area chosen.
#include "KWUrsachenHelper.h"

#include <benchmark/benchmark.h>

#include <QSet>

namespace {

QString JoinAsListText(const QSet<QString>& ATexts)
{
    QString Result;
    for (const QString& Text : ATexts)
        Result += Text + QLatin1Char(',');
    return Result;
}

void BM_MassnahmenForAuswahl(benchmark::State& AState)
{
    QSet<QString> Indikatoren;
    QSet<QString> Ursachen;
    for (const TUrsache& Row : UrsachenKatalog()) {
        Indikatoren.insert(Row.indikatorId);
        Ursachen.insert(Row.ursache);
    }
    const QString IndikatorText = JoinAsListText(Indikatoren);
    const QString UrsachenText = JoinAsListText(Ursachen);
    TKWPrioList List;
    for (auto _ : AState) {
        GetMassnahmenForAuswahl(IndikatorText, UrsachenText, List);
        benchmark::DoNotOptimize(List.size());
    }
    AState.counters["measures"] = static_cast<double>(List.size());
}

} // namespace

BENCHMARK(BM_MassnahmenForAuswahl)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();

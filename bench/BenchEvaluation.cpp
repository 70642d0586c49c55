// Recomputing every indicator of a large visit: what the evaluation pages and every save do.
// It has to stay far below one frame (16 ms).
#include "KWDataStoreAuswertung.h"
#include "KWDataStoreErfassung.h"
#include "KWMemTable.h"

#include <benchmark/benchmark.h>

namespace {

// Every field of the current record gets a plausible value of its type; scores run from 1 to 5
// and texts hold whole numbers, so block counts read as counts.
void FillRecord(TKWMemTable& ATable, int ASeed)
{
    for (int I = 0; I < ATable.FieldCount(); ++I) {
        TKWField& Field = ATable.Fields(I);
        const int Value = (ASeed + I) % 5 + 1;
        switch (Field.DataType()) {
        case TKWFieldType::ftString:
            Field.SetAsString(QString::number(Value * 4));
            break;
        case TKWFieldType::ftInteger:
            Field.SetAsInteger(Value);
            break;
        case TKWFieldType::ftFloat:
            Field.SetAsFloat(0.9 + Value / 20.0);
            break;
        case TKWFieldType::ftBoolean:
            Field.SetAsBoolean(Value % 2 == 0);
            break;
        case TKWFieldType::ftDate:
            Field.SetAsDate(QDate(2024, 5, Value));
            break;
        case TKWFieldType::ftTime:
            Field.SetAsTime(QTime(8, Value));
            break;
        case TKWFieldType::ftDateTime:
            Field.SetAsDateTime(QDateTime(QDate(2024, 5, 1), QTime(8, 0)));
            break;
        }
    }
}

void AppendRecords(TKWMemTable& ATable, int ACount)
{
    for (int R = 0; R < ACount; ++R) {
        ATable.Append();
        FillRecord(ATable, R);
        ATable.Post();
    }
}

void FillVisit(TKWDataStoreErfassung& AStore, int ACows)
{
    for (const QString& ID : TKWDataStoreErfassung::AreaNames()) {
        TKWMemTable& Table = AStore.GetData(ID);
        if (ID == QLatin1String("SauberkeitTechnopathien") ||
            ID == QLatin1String("MobilityCheckSeparate"))
            AppendRecords(Table, ACows);
        else if (ID == QLatin1String("LiegeboxenKomfortIndex") ||
                 ID == QLatin1String("StallerhebungLiegebereiche"))
            AppendRecords(Table, 20);
        else
            AppendRecords(Table, 1);
    }
}

void BM_RefreshAllIndicators(benchmark::State& AState)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TKWDataStoreErfassung Erfassung;
    FillVisit(Erfassung, static_cast<int>(AState.range(0)));
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

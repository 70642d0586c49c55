// Round trip of a large recording store through its JSON text: the cost of every save and
// every load of a visit.
#include "KWDataStoreErfassung.h"
#include "KWMemTable.h"

#include <benchmark/benchmark.h>

namespace {

// Fills every field of the current record with a plausible value of its type.
void FillRecord(TKWMemTable& ATable, int ASeed)
{
    for (int I = 0; I < ATable.FieldCount(); ++I) {
        TKWField& Field = ATable.Fields(I);
        switch (Field.DataType()) {
        case TKWFieldType::ftString: Field.SetAsString(QStringLiteral("Text %1").arg(ASeed + I)); break;
        case TKWFieldType::ftInteger: Field.SetAsInteger((ASeed + I) % 5); break;
        case TKWFieldType::ftFloat: Field.SetAsFloat(1.25 + ASeed); break;
        case TKWFieldType::ftBoolean: Field.SetAsBoolean((ASeed + I) % 2 == 0); break;
        case TKWFieldType::ftDate: Field.SetAsDate(QDate(2024, 5, 1 + ASeed % 28)); break;
        case TKWFieldType::ftTime: Field.SetAsTime(QTime(8, ASeed % 60)); break;
        case TKWFieldType::ftDateTime: Field.SetAsDateTime(QDateTime(QDate(2024, 5, 1), QTime(8, 0))); break;
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

void FillStore(TKWDataStoreErfassung& AStore, int ACows)
{
    for (const QString& ID : TKWDataStoreErfassung::AreaNames()) {
        TKWMemTable& Table = AStore.GetData(ID);
        if (ID == QLatin1String("SauberkeitTechnopathien") || ID == QLatin1String("MobilityCheckSeparate"))
            AppendRecords(Table, ACows);
        else if (ID == QLatin1String("StallerhebungLiegebereiche"))
            AppendRecords(Table, 50);
        else if (ID == QLatin1String("LiegeboxenKomfortIndex"))
            AppendRecords(Table, 20);
        else
            AppendRecords(Table, 1);
    }
}

void BM_RecordingRoundTrip(benchmark::State& AState)
{
    TKWDataStoreErfassung Source;
    FillStore(Source, static_cast<int>(AState.range(0)));
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

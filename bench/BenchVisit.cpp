#include "BenchVisit.h"

#include "KWDataStoreErfassung.h"
#include "KWMemTable.h"

namespace {

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

} // namespace

void KWBenchFillVisit(TKWDataStoreErfassung& AStore, int ACows, int ACubicles, int ABlocks)
{
    for (const QString& ID : TKWDataStoreErfassung::AreaNames()) {
        TKWMemTable& Table = AStore.GetData(ID);
        if (ID == QLatin1String("SauberkeitTechnopathien") || ID == QLatin1String("MobilityCheckSeparate"))
            AppendRecords(Table, ACows);
        else if (ID == QLatin1String("StallerhebungLiegebereiche"))
            AppendRecords(Table, ACubicles);
        else if (ID == QLatin1String("LiegeboxenKomfortIndex"))
            AppendRecords(Table, ABlocks);
        else
            AppendRecords(Table, 1);
    }
}

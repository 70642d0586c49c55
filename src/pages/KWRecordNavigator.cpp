#include "KWRecordNavigator.h"

#include "KWMemTable.h"
#include "KWTranslateUtil.h"

QString KWPositionText(const QString& AFormat, int APosition, int ACount)
{
    const QString Format = KWTranslate(AFormat);
    const int Numbers[] = {APosition, ACount};
    size_t Next = 0;
    QString Result;
    for (qsizetype I = 0; I < Format.size(); ++I) {
        const QChar Char = Format[I];
        const QChar Following = I + 1 < Format.size() ? Format[I + 1] : QChar();
        if (Char == u'%' && Following == u'%') {
            Result += u'%';
            ++I;
        } else if (Char == u'%' && Following == u'd' && Next < std::size(Numbers)) {
            Result += QString::number(Numbers[Next++]);
            ++I;
        } else {
            Result += Char;
        }
    }
    return Result;
}

TKWRecordNavigator::TKWRecordNavigator(TKWMemTable& ATable) : FTable(ATable) {}

int TKWRecordNavigator::Position() const
{
    return IsInserting() ? FTable.RecordCount() + 1 : FTable.RecNo();
}

int TKWRecordNavigator::Count() const
{
    return FTable.RecordCount() + (IsInserting() ? 1 : 0);
}

bool TKWRecordNavigator::MoveNext()
{
    if (FTable.State() != TKWTableState::tsBrowse)
        FTable.Post();
    if (FTable.RecNo() == FTable.RecordCount()) {
        FTable.Append();
        return true;
    }
    FTable.Next();
    return false;
}

bool TKWRecordNavigator::MovePrevious()
{
    const bool HasPrevious = IsInserting() ? !FTable.IsEmpty() : FTable.RecNo() > 1;
    if (HasPrevious)
        FTable.Prior();
    return HasPrevious;
}

bool TKWRecordNavigator::IsInserting() const
{
    return FTable.State() == TKWTableState::tsInsert;
}

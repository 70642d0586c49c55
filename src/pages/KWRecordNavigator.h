#pragma once

#include <QString>

class TKWMemTable;

// The position text of a record navigator: the translation of AFormat (German, two "%d"
// placeholders such as "Tier %d von %d") filled with the position and the count; "%%" gives
// "%". Any other placeholder stays as written, so a faulty translation can never read
// arguments that are not there.
QString KWPositionText(const QString& AFormat, int APosition, int ACount);

// The record scheme of the pages that record one record per animal, block or box: a new record
// is entered while it is being inserted and counts as one more, "next" at the last record
// starts a new one, "previous" never leaves the first.
class TKWRecordNavigator
{
public:
    explicit TKWRecordNavigator(TKWMemTable& ATable);

    // Number of the current record from 1, and of all records; while a new record is being
    // inserted both are the stored records + 1.
    int Position() const;
    int Count() const;
    // Posts a pending entry. At the last record (and on an empty table) appends a new record
    // and returns true: the caller fills its number and focuses its first field. Otherwise
    // moves to the next record and returns false.
    bool MoveNext();
    // Moves to the previous record (a pending entry is posted by the move) and returns true.
    // On the first record, and while no record is stored, does nothing and returns false: a
    // new record that received no entry is not stored by a tap on "previous".
    bool MovePrevious();

private:
    bool IsInserting() const;

    TKWMemTable& FTable;
};

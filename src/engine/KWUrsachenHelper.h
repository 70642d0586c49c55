#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <vector>

// The causes and measures catalogue, the advice knowledge of the program: for every indicator
// that can be a weak point, the cause areas ("Ursachenbereich") that come into question and the
// measures ("Maßnahmen") that address them, each link weighted 1 or 2. It is fixed: built once,
// on first use, and never changed afterwards.
//
// List text: several functions take or return a set of ids or names as one text in which every
// entry is followed by "," (for example "Brustlage,Sitzbein,"). An entry belongs to a list text
// when the list text, with a separator put before and after it, contains the entry with a
// separator put before and after it (see IsInList). No catalogue text contains a comma, so every
// catalogue text can stand in a list text.

// One catalogue row: the indicator, the cause area, the measure and the weight of this link.
struct TUrsache
{
    QString indikatorId;
    QString ursache;
    QString massnahme;
    int prio = 1;
};

// Summed weights by text (cause area, indicator id or measure).
using TKWPrioMap = QHash<QString, int>;
using TKWPrioPair = QPair<QString, int>;
using TKWPrioList = QList<TKWPrioPair>;

// The program-wide catalogue: 554 rows, 21 cause areas, 72 measures.
const std::vector<TUrsache>& UrsachenKatalog();

// Whether AItem is an entry of the list text AList whose entries end with ASeparator. Letter
// case counts, and "Kot" is no entry of "KotMittig,". An empty item is never an entry.
bool IsInList(const QString& AList, const QString& AItem, const QString& ASeparator);

// Orders weighted texts: the higher weight first, equal weights by ordinal order of the texts
// (UTF-16 code unit by code unit, so "Z" comes before "a" and "Ü" after "z").
struct TPrioComparer
{
    // 1 when Right weighs more, -1 when Left weighs more, otherwise the ordinal comparison of
    // the texts (-1, 0 or 1).
    static int Compare(const TKWPrioPair& Left, const TKWPrioPair& Right);
    bool operator()(const TKWPrioPair& Left, const TKWPrioPair& Right) const
    {
        return Compare(Left, Right) < 0;
    }
};

// Empties AList and fills it with every pair of AWeights in the order of TPrioComparer.
void SortByPrio(const TKWPrioMap& AWeights, TKWPrioList& AList);

// The texts of AWeights in the order of SortByPrio as a list text; when AFilter is not empty,
// only the texts that are entries of the list text AFilter.
QString GetSortedKeys(const TKWPrioMap& AWeights, const QString& AFilter);

// The queries below sum, per text, the weights of every catalogue row that passes; texts without
// such a row are absent from the result.

// Cause areas of the rows whose indicator is in the list text AIndikatoren.
QString GetUrsachenForIndikatoren(const QString& AIndikatoren);
// The same cause areas with their weights, in the same order.
void GetUrsachenForIndikatoren(const QString& AIndikatoren, TKWPrioList& AList);
// Indicators of the rows whose cause area is in the list text AUrsachen, limited to AFilter.
QString GetIndikatorenForUrsachen(const QString& AUrsachen, const QString& AFilter);
// Measures of the rows whose cause area is in the list text AUrsachen.
QString GetMassnahmenForUrsachen(const QString& AUrsachen);
// Cause areas of the rows whose area is one of AUrsachen (exact names), sorted into AList.
void GetUrsachenWeights(const QStringList& AUrsachen, TKWPrioList& AList);
// Measures of the rows whose indicator is in the list text AIndikatoren and whose cause area is
// in the list text AUrsachen, sorted into AList.
void GetMassnahmenForAuswahl(const QString& AIndikatoren, const QString& AUrsachen,
                             TKWPrioList& AList);

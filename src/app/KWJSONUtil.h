#pragma once

#include "KWJson.h"

#include <QHash>
#include <QString>
#include <QStringList>

// For a name (an area or a nested object), the member names that apply to it.
using TKWNameLists = QHash<QString, QStringList>;

class TKWJSONUtil
{
public:
    // Removes from AJSONObject every member that APossibleIDs lists for AID but AIDsToKeep does
    // not, and descends into kept members that are objects. Members that are not listed as
    // possible stay. Nothing happens unless both maps know AID.
    static void RemoveData(TKWJson& AJSONObject, const QString& AID,
                           const TKWNameLists& APossibleIDs, const TKWNameLists& AIDsToKeep);
};

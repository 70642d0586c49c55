#include "KWJSONUtil.h"

void TKWJSONUtil::RemoveData(TKWJson& AJSONObject, const QString& AID,
                             const TKWNameLists& APossibleIDs, const TKWNameLists& AIDsToKeep)
{
    const auto Possible = APossibleIDs.constFind(AID);
    const auto Keep = AIDsToKeep.constFind(AID);
    if (!AJSONObject.is_object() || Possible == APossibleIDs.constEnd() ||
        Keep == AIDsToKeep.constEnd())
        return;
    for (const QString& Name : *Possible) {
        const std::string Member = Name.toStdString();
        if (!Keep->contains(Name)) {
            AJSONObject.erase(Member);
            continue;
        }
        const auto Found = AJSONObject.find(Member);
        if (Found != AJSONObject.end() && Found->is_object())
            RemoveData(*Found, Name, APossibleIDs, AIDsToKeep);
    }
}

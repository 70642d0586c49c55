#pragma once

#include "KWJSONUtil.h"
#include "KWJson.h"
#include "KWUtils.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class TKWJsonWriter;
class TKWMemTable;

// Everything recorded during one visit: fifteen area tables reached by area name.
class TKWDataStoreErfassung
{
public:
    TKWDataStoreErfassung();
    ~TKWDataStoreErfassung();
    TKWDataStoreErfassung(const TKWDataStoreErfassung&) = delete;
    TKWDataStoreErfassung& operator=(const TKWDataStoreErfassung&) = delete;

    // The fifteen area names in area order (also the member order of "Erfassung").
    static const QStringList& AreaNames();
    static bool IsMultiRecordArea(const QString& AID);

    // Removes every record of every area; the tables stay, so references to them stay valid.
    void ClearData();
    // Blanks the farm's personal data and cuts the region to two characters.
    void ClearPersonalInformation();
    // The table of an area; an unknown name raises.
    TKWMemTable& GetData(const QString& AID) const;
    // The object "Erfassung"; empty areas are left out.
    TKWJson GetDataAsJson() const;
    void WriteJson(TKWJsonWriter& AWriter) const;
    // Grows whenever anything recorded changes.
    quint64 ChangeCount() const;
    // Appends the records found in the object "Erfassung". A follow-up or new visit first
    // prunes AJSONObject (the caller's object) to what it keeps. An area that cannot be read is
    // logged as "TempID=" + area name and left as it was before the call.
    void LoadFromJson(TKWJson& AJSONObject, TKWAction AAction);
    // Appends the records of one area's member, with the same rule for what cannot be read.
    void LoadArea(const QString& AID, const TKWJson& AValue);

private:

    std::map<QString, std::unique_ptr<TKWMemTable>> FData;
    TKWNameLists FPossibleIDs;
    TKWNameLists FFolgeberatungIDs;
    TKWNameLists FNeueBeratungIDs;
};

#pragma once

#include "KWIndikator.h"
#include "KWJSONUtil.h"
#include "KWJson.h"
#include "KWUtils.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

class TKWDataStoreErfassung;
class TKWJsonWriter;

using TKWIndikatorList = QList<TKWIndikator*>;

// The evaluation of one visit: the 110 indicator definitions, one indicator per definition
// bound to the recording tables of the same visit, the indicator list of every evaluation page,
// and the advisor's chosen cause areas and measures. The store computes values but never rates.
class TKWDataStoreAuswertung
{
public:
    explicit TKWDataStoreAuswertung(TKWDataStoreErfassung& ADataStoreErfassung);
    ~TKWDataStoreAuswertung();
    TKWDataStoreAuswertung(const TKWDataStoreAuswertung&) = delete;
    TKWDataStoreAuswertung& operator=(const TKWDataStoreAuswertung&) = delete;

    // The 13 evaluation keys in page order; the page id is "Auswertung" followed by the key.
    static const QStringList& AuswertungKeys();

    // All definitions in creation order; an index equals the definition's PageOrder.
    const std::vector<std::unique_ptr<TKWIndikatorDefinition>>& IndikatorDefinitions() const
    {
        return FIndikatorDefinitions;
    }
    // Chosen cause areas, and chosen measures as measure text, "|", priority, "|", note. The
    // advice pages replace their contents.
    QStringList& Ursachen() { return FUrsachen; }
    QStringList& Massnahmen() { return FMassnahmen; }

    // Every indicator back to value 0, value code "0", no rating and no weak point; no causes
    // and no measures.
    void ClearData();
    // An unknown id is logged and answered with the indicator "LiegenBox".
    TKWIndikator& GetIndikator(const QString& ID) const;
    // The indicators of an evaluation page in display order; an unknown key is logged and
    // answered with an empty list.
    const TKWIndikatorList& GetIndikatorList(const QString& ID) const;
    // The ids of the weak points, each followed by ",".
    QString GetSchwachstellenIndikatorenIDs() const;
    TKWIndikatorList GetSchwachstellenIndikatoren() const;
    // The cause areas, each followed by ",".
    QString GetUrsachenIDs() const;

    // The object "Auswertung"; every indicator is recomputed before it is written, unless
    // nothing recorded has changed since the last time.
    TKWJson GetDataAsJson();
    void WriteJson(TKWJsonWriter& AWriter);
    TKWJson GetUrsachenAsJson() const;
    TKWJson GetMassnahmenAsJson() const;
    static TKWJson GetStringListAsJson(const QStringList& AList);
    // Loads a stored "Auswertung" into the cleared store. A follow-up or new visit first prunes
    // AuswertungJSON (the caller's object) to what it keeps: no ratings, no weak points, but
    // the cause areas and measures. Members that name no key or indicator are ignored.
    void LoadFromJson(TKWJson& AuswertungJSON, TKWAction AAction);
    void LoadUrsachen(const TKWJson& AJsonObject);
    void LoadMassnahmen(const TKWJson& AJsonObject);
    // Appends the texts of the array member AID to AList, if the member is there.
    static void LoadToStringList(const TKWJson& AJsonObject, const QString& AID,
                                 QStringList& AList);

private:
    void CreateDefinitions();
    void LoadIndikator(const QString& AID, const TKWJson& AValue);
    void RefreshIfRecordingsChanged();
    void CreateIndikatoren();

    std::vector<std::unique_ptr<TKWIndikatorDefinition>> FIndikatorDefinitions;
    TKWDataStoreErfassung& FDataStoreErfassung;
    std::map<QString, std::unique_ptr<TKWIndikator>> FIndikatoren;
    std::map<QString, TKWIndikatorList> FIndikatorLists;
    QStringList FUrsachen;
    QStringList FMassnahmen;
    TKWNameLists FPossibleIDs;
    TKWNameLists FFolgeberatungIDs;
    TKWNameLists FNeueBeratungIDs;
    // The recordings' change count when every indicator was last recomputed.
    std::optional<quint64> FRefreshedAt;
};

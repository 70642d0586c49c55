#pragma once

#include "KWJson.h"
#include "KWUtils.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class TKWDataStoreAuswertung;
class TKWDataStoreErfassung;
class TKWIndikator;
class TKWMemTable;
using TKWIndikatorList = QList<TKWIndikator*>;

// The one open visit: its recordings, the evaluation computed from them with the chosen causes
// and measures, and its identification. Emptied between visits, never re-created, so pages may
// keep references to its tables and indicator lists.
class TKWDataStore
{
public:
    TKWDataStore();
    ~TKWDataStore();
    TKWDataStore(const TKWDataStore&) = delete;
    TKWDataStore& operator=(const TKWDataStore&) = delete;

    void ClearData();
    void ClearPersonalInformation();

    TKWDataStoreErfassung& DataStoreErfassung() const { return *FDataStoreErfassung; }
    TKWDataStoreAuswertung& DataStoreAuswertung() const { return *FDataStoreAuswertung; }

    TKWMemTable& GetDataErfassung(const QString& ID) const;
    const TKWIndikatorList& GetDataIndikatoren(const QString& ID) const;
    TKWIndikator& GetIndikator(const QString& ID) const;
    QString GetSchwachstellenIndikatorenIDs() const;
    TKWIndikatorList GetSchwachstellenIndikatoren() const;
    QString GetUrsachenIDs() const;
    // The evaluation store's own lists, not copies.
    QStringList& GetUrsachen() const;
    QStringList& GetMassnahmen() const;

    // The visit document {"Erfassung", "Auswertung", "Kennung"}; the identification is a copy.
    TKWJson GetDataAsJson() const;
    // The same document as compact UTF-8 text, written without building the tree.
    std::string GetDataAsJsonText() const;
    // Adds the stored visit's recordings and evaluation (the caller empties first). A text that
    // is not a JSON object raises; "Kennung" is never read.
    void LoadFromJsonString(const QString& Beratung, TKWAction AAction);
    // The same from a parsed document (a follow-up or new visit prunes it).
    void LoadFromJson(TKWJson& ABeratung, TKWAction AAction);
    // Replaces the identification and writes its short code into the visit data.
    void SetKennung(const QString& Kennung);
    const std::optional<TKWJson>& Kennung() const { return FDataStoreKennung; }

private:
    std::unique_ptr<TKWDataStoreErfassung> FDataStoreErfassung;
    std::unique_ptr<TKWDataStoreAuswertung> FDataStoreAuswertung;
    std::optional<TKWJson> FDataStoreKennung;
};

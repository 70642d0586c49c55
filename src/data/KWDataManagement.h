#pragma once

#include "KWUtils.h"

#include <QDir>
#include <QString>

#include <memory>

class TKWDBUtil;
class TKWDataStore;
class TKWDataStoreErfassung;

enum TDataState
{
    dsKeineDaten,
    dsBetriebNeu,
    dsBeratungNeu,
    dsBeratungBearbeiten
};

// Opens, saves, deletes, imports and uploads visits. Owns the local database and the one visit
// document of the run; names each visit's folder in the data folder.
class TKWDataManagement
{
public:
    // The central data store this build uploads to.
    static QString DefaultServerUrl();

    // Opens the database; a freshly created one receives the example visit.
    explicit TKWDataManagement(const QString& ADatabasePath);
    ~TKWDataManagement();
    TKWDataManagement(const TKWDataManagement&) = delete;
    TKWDataManagement& operator=(const TKWDataManagement&) = delete;

    TKWDBUtil& DBUtil() const { return *FDBUtil; }
    TKWDataStore& DataStore() const { return *FDataStore; }
    TDataState DataState() const { return FDataState; }

    QString LoadBetriebsbesuch(TKWAction AAction);
    // The open visit was opened from an example visit (edited or followed up) and its barn still
    // starts with "Demo": saving writes its file, never the database. Renaming the barn makes
    // it a visit of its own.
    bool IsExampleVisit() const;
    // Writes "BeratungVoll.json" and the database rows of the open visit (one transaction).
    QString SaveBetriebsbesuch();
    QString DeleteBetriebsbesuch(TKWAction AAction);
    QString TransferBetriebsbesuch(TKWAction AAction);
    QString ImportBetriebsbesuche();
    QString StraightenBetriebsbesuche();
    void ClearData();
    QString GetKennungAsJsonString() const;
    // Repairs recordings of earlier releases in the open visit (the next save keeps them).
    void NormalizeDataFields();
    static void NormalizeDataFields(TKWDataStore& ADataStore);
    void SetDataStateFromAction(TKWAction AAction);

    // Where uploads go and how long a silent server is waited for; tests point them elsewhere.
    void SetServerUrl(const QString& AUrl) { FServerUrl = AUrl; }
    const QString& ServerUrl() const { return FServerUrl; }
    void SetServerTimeoutMs(int AValue) { FServerTimeoutMs = AValue; }

    const QString& ActiveUUID() const { return FActiveUUID; }
    const QString& ActiveBetrieb() const { return FActiveBetrieb; }
    const QString& ActiveTimestamp() const { return FActiveTimestamp; }
    const QString& ActiveTimestampVorherigerBesuch() const { return FActiveTimestampVorherigerBesuch; }
    const QString& ActiveComposed() const { return FActiveComposed; }
    const QString& ActiveShort() const { return FActiveShort; }

    // The visit folder name of a farm and a visit timestamp, its reverse, and the short code.
    static QString ComposedName(const QString& AUUID, const QString& ATimestamp);
    // Raises when the name is not a visit folder name.
    static void SplitComposedName(const QString& AName, QString& AUUID, QString& ATimestamp);
    static QString ShortCode(const QString& AComposed);
    // The identification record of a visit as JSON text.
    static QString KennungAsJsonString(const QString& AUUID, const QString& ATimestamp,
                                       const QString& ATimestampVorherigerBesuch);
    // The key of the example visit a new database holds.
    static const QString ExampleUUID;
    static const QString ExampleTimestamp;
    // The drinker ratios the visit data page shows: drinkers per animal and animals per drinker.
    static void CalcTraenkeVerhaeltnis(qint64 ATraenken, qint64 ATiere, double& ATraenkeTier,
                                       double& ATierTraenke);

private:
    void Activate(TKWAction AAction);
    void SeedExampleVisit();
    // Empties the visit document, loads the stored text and gives it the active identification.
    void OpenDocument(const QString& AText, TKWAction AAction);
    QDir VisitFolder() const;
    void SaveRows(const QString& AName, const QDate& ADatum, const QString& AStall,
                  const QByteArray& AText);
    qsizetype ImportBatch(const QStringList& AFolders, qsizetype AFrom, TKWDataStoreErfassung& AVisit);
    void ImportFolder(const QString& APath, TKWDataStoreErfassung& AVisit);

    QString FActiveUUID;
    QString FActiveBetrieb;
    QString FActiveStall;
    QString FActiveTimestamp;
    QString FActiveTimestampVorherigerBesuch;
    QString FActiveComposed;
    QString FActiveShort;
    TDataState FDataState = dsKeineDaten;
    std::unique_ptr<TKWDBUtil> FDBUtil;
    std::unique_ptr<TKWDataStore> FDataStore;
    QString FServerUrl = DefaultServerUrl();
    int FServerTimeoutMs = 30000;
};

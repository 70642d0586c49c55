#include "KWDataManagement.h"

#include "KWDBResultSet.h"
#include "KWDBUtil.h"
#include "KWDataStore.h"
#include "KWDataStoreErfassung.h"
#include "KWException.h"
#include "KWExampleVisit.h"
#include "KWHttpUtil.h"
#include "KWJsonReader.h"
#include "KWMemTable.h"
#include "KWTranslateUtil.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cmath>
#include <limits>

namespace {

// A batch of imported folders is made durable once it has taken this long: each commit waits
// for the disk, and a crash costs at most the folders of the open batch.
constexpr qint64 ImportBatchMs = 1000;

// No visit document comes near this; anything larger is not a visit and is not read.
constexpr qint64 MaxVisitFileSize = 64 * 1024 * 1024;

const QString Betriebsdaten = QStringLiteral("Betriebsdaten");

QString Replaced(QString AText, std::initializer_list<std::pair<const char*, const char*>> APairs)
{
    for (const auto& [From, To] : APairs)
        AText.replace(QLatin1String(From), QLatin1String(To));
    return AText;
}

QString ReadVisitFile(const QString& APath)
{
    const qint64 Size = QFileInfo(APath).size();
    if (Size > MaxVisitFileSize)
        throw EKWException(QStringLiteral("The file is too large for a visit: %1 bytes").arg(Size));
    QString Text = KWReadTextFile(APath);
    // Some transfers lose the first characters; every visit document starts like this.
    if (!Text.startsWith(QLatin1String("{\"E")))
        Text.prepend(QLatin1String("{\"E"));
    return Text;
}

// A visit document is an object whose recordings are an object.
TKWJson ParseVisitDocument(const QString& AText)
{
    TKWJson Document = KWParseJson(AText);
    const auto Erfassung = Document.is_object() ? Document.find("Erfassung") : Document.end();
    if (!Document.is_object() || Erfassung == Document.end() || !Erfassung->is_object())
        throw EKWException(QStringLiteral("The file is not a visit document."));
    return Document;
}

void LogImportError(const QString& APath, const QString& AMessage)
{
    KWLog(QStringLiteral("            Processing error in: >") + APath + u'<');
    KWLog(AMessage);
    KWLog(QString());
}

// The three lines every visit operation that reports a result writes.
void LogOutcome(const QString& AOperation, const QString& AComposed, const QString& AResult)
{
    KWLog(QStringLiteral("TKWDataManagement.") + AOperation + QStringLiteral(" - Info/Error"));
    KWLog(QStringLiteral("  Name:    ") + AComposed);
    KWLog(QStringLiteral("  Message: ") + AResult);
}

int IntegerOf(const TKWMemTable& ATable, const char* AField)
{
    return ATable.FieldByName(QString::fromLatin1(AField)).AsInteger();
}

// Sums of stored counts are formed in 64 bits and stored as the nearest count a field can hold.
void SetInteger(TKWMemTable& ATable, const char* AField, qint64 AValue)
{
    ATable.FieldByName(QString::fromLatin1(AField))
        .SetAsInteger(static_cast<int>(std::clamp<qint64>(AValue, std::numeric_limits<int>::min(),
                                                          std::numeric_limits<int>::max())));
}

} // namespace

QString TKWDataManagement::DefaultServerUrl()
{
    return QStringLiteral(QOMVI_DATASTORE_URL);
}

const QString TKWDataManagement::ExampleUUID = QStringLiteral("D3E0A1B2-0000-4000-8000-000000000001");
const QString TKWDataManagement::ExampleTimestamp = QStringLiteral("2024-05-14 09:30:00");

TKWDataManagement::TKWDataManagement(const QString& ADatabasePath)
    : FDBUtil(std::make_unique<TKWDBUtil>(ADatabasePath)), FDataStore(std::make_unique<TKWDataStore>())
{
    if (FDBUtil->CreatedTables())
        SeedExampleVisit();
}

void TKWDataManagement::SeedExampleVisit()
{
    FDataStore->ClearData();
    KWFillExampleVisit(*FDataStore);
    FDataStore->SetKennung(KennungAsJsonString(ExampleUUID, ExampleTimestamp, QString()));
    TKWMemTable& Farm = FDataStore->GetDataErfassung(Betriebsdaten);
    const QString Owner = Farm.FieldByName(QStringLiteral("Betriebsinhaber")).AsString();
    const QByteArray Text = QByteArray::fromStdString(FDataStore->GetDataAsJsonText());
    FDBUtil->RunInTransaction([&] {
        FDBUtil->SaveBetriebNeu(ExampleUUID, Owner);
        FDBUtil->SaveBetriebsbesuchNeu(ExampleUUID, ExampleTimestamp,
                                       Farm.FieldByName(QStringLiteral("DatumErfassung")).AsDate(),
                                       Farm.FieldByName(QStringLiteral("Stallname")).AsString(),
                                       QString(), Text, QString());
    });
    FDataStore->ClearData();
    FDBUtil->BetriebSelectQuery().Refresh();
}

TKWDataManagement::~TKWDataManagement() = default;

// --- names ------------------------------------------------------------------------------------

QString TKWDataManagement::ComposedName(const QString& AUUID, const QString& ATimestamp)
{
    QString Identifier = Replaced(AUUID, {{".", ""}, {":", "-"}, {" ", "_"}});
    for (const QChar Forbidden : QStringLiteral("?*/\\|\"<>%&"))
        Identifier.remove(Forbidden);
    const QString Timestamp = Replaced(ATimestamp, {{".", ""}, {":", "-"}, {" ", "-"}});
    return Identifier + u'.' + Timestamp;
}

void TKWDataManagement::SplitComposedName(const QString& AName, QString& AUUID, QString& ATimestamp)
{
    const QStringList Pieces = AName.split(u'.');
    const QString Date = Pieces.value(1).left(10);
    const QString Time = Pieces.value(1).mid(11).replace(u'-', u':').trimmed();
    if (Pieces.size() < 2 || Pieces[0].isEmpty() ||
        !QDate::fromString(Date, QStringLiteral("yyyy-MM-dd")).isValid() ||
        (!Time.isEmpty() && !QTime::fromString(Time, QStringLiteral("hh:mm:ss")).isValid()))
        throw EKWException(QStringLiteral("Not a visit folder name: %1").arg(AName));
    AUUID = Pieces[0];
    ATimestamp = (Date + u' ' + Time).trimmed();
}

QString TKWDataManagement::ShortCode(const QString& AComposed)
{
    quint32 Hash = 0;
    for (const QChar Unit : AComposed)
        Hash = ((Hash << 5) | (Hash >> 27)) ^ Unit.unicode();
    return QStringLiteral("%1").arg(Hash, 8, 16, QLatin1Char('0')).toUpper();
}

void TKWDataManagement::CalcTraenkeVerhaeltnis(qint64 ATraenken, qint64 ATiere, double& ATraenkeTier,
                                               double& ATierTraenke)
{
    double Ratio = ATiere > 0 ? static_cast<double>(ATraenken - 1) / static_cast<double>(ATiere) : 0;
    if (!(Ratio > 0.001))
        Ratio = 0.001;
    ATraenkeTier = std::round(Ratio * 100) / 100;
    ATierTraenke = std::round(std::min(1 / Ratio, 99.0));
}

QString TKWDataManagement::KennungAsJsonString(const QString& AUUID, const QString& ATimestamp,
                                               const QString& ATimestampVorherigerBesuch)
{
    const QString Composed = ComposedName(AUUID, ATimestamp);
    const TKWJson Kennung = {
        {"Configuration", "Kvo2021"},
        {"UUID", AUUID.toStdString()},
        {"Timestamp", ATimestamp.toStdString()},
        {"TimestampVorherigerBesuch", ATimestampVorherigerBesuch.toStdString()},
        {"Composed", Composed.toStdString()},
        {"Short", ShortCode(Composed).toStdString()},
        {"Version", "qomvi " QOMVI_VERSION},
    };
    return QString::fromStdString(Kennung.dump());
}

QString TKWDataManagement::GetKennungAsJsonString() const
{
    return KennungAsJsonString(FActiveUUID, FActiveTimestamp, FActiveTimestampVorherigerBesuch);
}

// --- opening, saving, deleting ------------------------------------------------------------------

void TKWDataManagement::Activate(TKWAction AAction)
{
    FActiveUUID = FDBUtil->GetUUID(AAction);
    FActiveBetrieb = FDBUtil->GetBetriebName(AAction);
    FActiveStall = FDBUtil->GetStallName(AAction);
    FActiveTimestamp = FDBUtil->GetTimestamp(AAction);
    FActiveTimestampVorherigerBesuch = FDBUtil->GetTimestampVorherigerBesuch(AAction);
    FActiveComposed = ComposedName(FActiveUUID, FActiveTimestamp);
    FActiveShort = ShortCode(FActiveComposed);
    KWActiveVisitFolder = FActiveComposed;
}

QDir TKWDataManagement::VisitFolder() const
{
    // Composed names never hold separators; "." and ".." would still name the data folder or
    // its parent, which no visit operation may touch.
    if (FActiveComposed.isEmpty() || FActiveComposed == QLatin1String(".") ||
        FActiveComposed == QLatin1String(".."))
        throw EKWException(QStringLiteral("No visit is active."));
    return QDir(QDir(KWGetDataPath()).filePath(FActiveComposed));
}

void TKWDataManagement::OpenDocument(const QString& AText, TKWAction AAction)
{
    FDataStore->ClearData();
    FDataStore->LoadFromJsonString(AText, AAction);
    FDataStore->SetKennung(GetKennungAsJsonString());
}

QString TKWDataManagement::LoadBetriebsbesuch(TKWAction AAction)
{
    Activate(AAction);
    OpenDocument(FDBUtil->GetBetriebsbesuch(AAction), AAction);
    NormalizeDataFields();
    SetDataStateFromAction(AAction);
    return {};
}

QString TKWDataManagement::SaveBetriebsbesuch()
{
    if (FDataState == dsKeineDaten)
        return {};
    TKWMemTable& Farm = FDataStore->GetDataErfassung(Betriebsdaten);
    const QString Name = Farm.FieldByName(QStringLiteral("Betriebsinhaber")).AsString();
    const QDate Datum = Farm.FieldByName(QStringLiteral("DatumErfassung")).AsDate();
    const QString Stall = Farm.FieldByName(QStringLiteral("Stallname")).AsString();
    const QByteArray Text = QByteArray::fromStdString(FDataStore->GetDataAsJsonText());

    const QDir Folder = VisitFolder();
    QDir().mkpath(Folder.path());
    KWSaveTextFile(Folder.filePath(QStringLiteral("BeratungVoll.json")), Text);

    if (IsExampleVisit())
        return {}; // example visits are never written back
    SaveRows(Name, Datum, Stall, Text);
    FActiveBetrieb = Name;
    FDataState = dsBeratungBearbeiten;
    return {};
}

bool TKWDataManagement::IsExampleVisit() const
{
    const QString Stall = FDataStore->GetDataErfassung(Betriebsdaten)
                              .FieldByName(QStringLiteral("Stallname"))
                              .AsString();
    return FDataState != dsKeineDaten && FDBUtil->WasDemoOnLoad() && TKWDBUtil::IsDemoStall(Stall);
}

void TKWDataManagement::SaveRows(const QString& AName, const QDate& ADatum, const QString& AStall,
                                 const QByteArray& AText)
{
    const char* Step = FDataState == dsBetriebNeu ? "2a" : FDataState == dsBeratungNeu ? "2b" : "2c";
    FDBUtil->RunInTransaction([&] {
        if (FDataState == dsBetriebNeu)
            FDBUtil->SaveBetriebNeu(FActiveUUID, AName);
        else
            FDBUtil->SaveBetrieb(FActiveUUID, AName);
        if (FDataState == dsBeratungBearbeiten)
            FDBUtil->SaveBetriebsbesuch(FActiveUUID, FActiveTimestamp, ADatum, AStall, QString(), AText);
        else
            FDBUtil->SaveBetriebsbesuchNeu(FActiveUUID, FActiveTimestamp, ADatum, AStall, QString(),
                                           AText, FActiveTimestampVorherigerBesuch);
    });
    KWLog(QStringLiteral("  TKWDataManagement.SaveBetriebsbesuch %1 Len=%2")
              .arg(QLatin1String(Step))
              .arg(KWUtf16Length(AText)));
}

QString TKWDataManagement::DeleteBetriebsbesuch(TKWAction AAction)
{
    Activate(AAction);
    if (TKWDBUtil::IsDemoStall(FActiveStall))
        return {};
    QString Result;
    try {
        FDBUtil->DeleteBetriebsbesuch(FActiveUUID, FActiveTimestamp);
    } catch (const EKWException& E) {
        Result += E.Message();
    }
    try {
        QDir Folder = VisitFolder();
        if (Folder.exists() && !Folder.removeRecursively())
            Result += QStringLiteral("The visit folder could not be deleted: ") + Folder.path();
    } catch (const EKWException& E) {
        Result += E.Message();
    }
    LogOutcome(QStringLiteral("DeleteBetriebsbesuch"), FActiveComposed, Result);
    return Result;
}

QString TKWDataManagement::TransferBetriebsbesuch(TKWAction AAction)
{
    Activate(AAction);
    OpenDocument(FDBUtil->GetBetriebsbesuch(aBeratungTransfer), aBeratungBearbeiten);
    FDataStore->ClearPersonalInformation();
    const QString Text = QString::fromStdString(FDataStore->GetDataAsJsonText());
    const QString FileName = QStringLiteral("BeratungAnonym.") + FActiveShort + QStringLiteral(".json");

    QString Result;
    try {
        const QDir Folder = VisitFolder();
        QDir().mkpath(Folder.path());
        KWSaveTextFile(Folder.filePath(FileName), Text);
        Result = TKWHttpUtil::SendDataPostString(FServerUrl, FActiveComposed, FileName, Text,
                                                 FServerTimeoutMs);
        if (Result.isEmpty())
            FDBUtil->SetErfassungsgruppe(FActiveUUID, FActiveTimestamp, QStringLiteral("Uploaded"));
    } catch (const EKWException& E) {
        Result = E.Message();
    }
    LogOutcome(QStringLiteral("TransferBetriebsbesuch"), FActiveComposed, Result);
    return Result;
}

void TKWDataManagement::ClearData()
{
    FDataStore->ClearData();
    FDataState = dsKeineDaten;
}

void TKWDataManagement::SetDataStateFromAction(TKWAction AAction)
{
    switch (AAction) {
    case aBetriebNeu:
        FDataState = dsBetriebNeu;
        break;
    case aBeratungNeu:
    case aFolgeberatung:
        FDataState = dsBeratungNeu;
        break;
    case aBeratungBearbeiten:
        FDataState = dsBeratungBearbeiten;
        break;
    default:
        FDataState = dsKeineDaten;
    }
}

// --- import and report --------------------------------------------------------------------------

QString TKWDataManagement::ImportBetriebsbesuche()
{
    const QString DataPath = KWGetDataPath();
    QStringList Folders;
    // Hidden folders are listed too, so that every folder that is not imported says why.
    QDirIterator It(DataPath, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    while (It.hasNext())
        Folders << It.next();
    KWLog(QStringLiteral("TKWDataManagement.ImportBetriebsbesuche - Info/Error"));
    KWLog(QStringLiteral("  Found in AppDataPath: %1").arg(Folders.size()));
    QElapsedTimer Watch;
    Watch.start();
    TKWDataStoreErfassung Visit; // one temporary store serves every folder
    for (qsizetype From = 0; From < Folders.size();)
        From = ImportBatch(Folders, From, Visit);
    KWLog(QString(82, u'-'));
    KWLog(QStringLiteral("  Running [ms]: %1").arg(Watch.elapsed()));
    return {};
}

// One durable transaction per batch of folders, and a savepoint per folder inside it: a folder
// that fails leaves nothing behind, and a crash loses at most the folders of the open batch,
// which are not in the database then and are imported at the next start. Returns the index of
// the first folder after the batch.
qsizetype TKWDataManagement::ImportBatch(const QStringList& AFolders, qsizetype AFrom,
                                         TKWDataStoreErfassung& AVisit)
{
    QElapsedTimer Batch;
    Batch.start();
    qsizetype Next = AFrom;
    try {
        FDBUtil->RunInTransaction([&] {
            while (Next < AFolders.size() && Batch.elapsed() < ImportBatchMs) {
                const QString& Path = AFolders[Next++];
                KWLog(QStringLiteral("----------- Processing: >") + Path +
                      QStringLiteral("< --------------------------------------"));
                try {
                    ImportFolder(Path, AVisit);
                } catch (const std::exception& E) {
                    LogImportError(Path, QString::fromUtf8(E.what()));
                }
            }
        });
    } catch (const std::exception& E) {
        for (qsizetype I = AFrom; I < Next; ++I)
            LogImportError(AFolders[I], QStringLiteral("The import could not be stored: ") +
                                            QString::fromUtf8(E.what()));
    }
    return Next;
}

void TKWDataManagement::ImportFolder(const QString& APath, TKWDataStoreErfassung& AVisit)
{
    const QFileInfo Info(APath);
    // A link could lead anywhere; only real folders inside the data folder are visits.
    if (Info.isSymLink())
        throw EKWException(QStringLiteral("A link is not a visit folder."));
    const QString Name = Info.fileName();
    QString UUID;
    QString Timestamp;
    SplitComposedName(Name, UUID, Timestamp);
    if (FDBUtil->GetBetriebsbesuchCount(UUID, Timestamp) >= 1) {
        KWLog(QStringLiteral("              No import, already existing"));
        return;
    }
    KWLog(QStringLiteral("              Importing: >") + Name + u'<');
    const QDir Folder(APath);
    QString File = Folder.filePath(QStringLiteral("BeratungVoll.json"));
    if (!QFileInfo::exists(File))
        File = Folder.filePath(QStringLiteral("BeratungAnonym.json"));
    if (!QFileInfo::exists(File)) {
        KWLog(QStringLiteral("                No visit found with pattern: >Beratung*.json<"));
        return;
    }
    if (QFileInfo(File).isSymLink())
        throw EKWException(QStringLiteral("A link is not a visit file."));
    if (!QFileInfo(File).isFile())
        throw EKWException(QStringLiteral("The visit file is not a regular file."));
    const QString Text = ReadVisitFile(File);
    // Only the farm data are needed here; the rest of the document is stored as it is.
    const TKWJson Document = ParseVisitDocument(Text);
    const TKWJson& Erfassung = Document.at("Erfassung");
    AVisit.ClearData();
    if (const auto Farm = Erfassung.find("Betriebsdaten"); Farm != Erfassung.end())
        AVisit.LoadArea(Betriebsdaten, *Farm);
    const TKWMemTable& Farm = AVisit.GetData(Betriebsdaten);
    const QString Owner = Farm.FieldByName(QStringLiteral("Betriebsinhaber")).AsString();
    FDBUtil->RunInTransaction([&] {
        if (FDBUtil->GetBetriebsbesuchCount(UUID, QString()) == 0) {
            if (FDBUtil->GetBetriebCount(UUID) > 0)
                FDBUtil->SaveBetrieb(UUID, Owner);
            else
                FDBUtil->SaveBetriebNeu(UUID, Owner);
        }
        FDBUtil->SaveBetriebsbesuchNeu(
            UUID, Timestamp, Farm.FieldByName(QStringLiteral("DatumErfassung")).AsDate(),
            Farm.FieldByName(QStringLiteral("Stallname")).AsString(),
            Farm.FieldByName(QStringLiteral("BeschreibungErfassungsgruppe")).AsString(), Text.toUtf8(), QString());
    });
    KWLog(QStringLiteral("                Import OK"));
}

QString TKWDataManagement::StraightenBetriebsbesuche()
{
    KWLog(QStringLiteral("TKWDataManagement.StraightenBetriebsbesuche - Info/Error"));
    QString Report;
    try {
        Report = FDBUtil->StraightenBetriebAndBesuch();
    } catch (const EKWException& E) {
        Report = E.Message();
    }
    KWLog(QStringLiteral("  -- FDBUtil --"));
    KWLog(Report);
    KWLog(QStringLiteral("  -------------"));
    return {};
}

// --- repairs of older recordings -----------------------------------------------------------------

namespace {


void NormalizeTraenken(TKWDataStore& ADataStore)
{
    TKWMemTable& Farm = ADataStore.GetDataErfassung(Betriebsdaten);
    const qint64 Einzel = IntegerOf(Farm, "AnzahlEinzeltraenken");
    const qint64 Mehr = IntegerOf(Farm, "AnzahlMehrtraenken");
    if (Einzel <= 0 && Mehr <= 0)
        return;
    Farm.Edit();
    const qint64 Traenken = Einzel + Mehr;
    SetInteger(Farm, "AnzahlTraenken", Traenken);
    // The negative sign marks the counts as taken over, so this runs once per visit.
    SetInteger(Farm, "AnzahlEinzeltraenken", -std::abs(Einzel));
    SetInteger(Farm, "AnzahlMehrtraenken", -std::abs(Mehr));
    double TraenkeTier = 0;
    double TierTraenke = 0;
    TKWDataManagement::CalcTraenkeVerhaeltnis(Traenken, IntegerOf(Farm, "AnzahlTiereErfassungsgruppe"), TraenkeTier,
                           TierTraenke);
    Farm.FieldByName(QStringLiteral("VerhaeltnisTraenkeTier")).SetAsFloat(TraenkeTier);
    Farm.FieldByName(QStringLiteral("VerhaeltnisTierTraenke")).SetAsFloat(TierTraenke);
    Farm.Post();

    // The husbandry page records drinkers in the water check; carry the legacy counts there,
    // but never over a count that page already holds.
    TKWMemTable& Survey = ADataStore.GetDataErfassung(QStringLiteral("StallerhebungFressLaufbereich"));
    for (const auto& [Field, Count] :
         {std::pair{"StallerhebungWassercheckEinzel", std::abs(Einzel)},
          std::pair{"StallerhebungWassercheckMehr", std::abs(Mehr)}}) {
        if (Count <= 0 || IntegerOf(Survey, Field) != 0)
            continue;
        Survey.Edit();
        SetInteger(Survey, Field, Count);
        Survey.Post();
    }
}

void NormalizeTiefboxen(TKWDataStore& ADataStore)
{
    TKWMemTable& Haltung = ADataStore.GetDataErfassung(QStringLiteral("HaltungManagement"));
    const int Hochverlegt = IntegerOf(Haltung, "AnzahlHochverlegteTiefboxen");
    if (Hochverlegt <= 0)
        return;
    Haltung.Edit();
    SetInteger(Haltung, "AnzahlTiefboxen", qint64(IntegerOf(Haltung, "AnzahlTiefboxen")) + Hochverlegt);
    SetInteger(Haltung, "AnzahlHochverlegteTiefboxen", 0);
    Haltung.Post();
}

void NormalizeTechnopathien(TKWDataStore& ADataStore)
{
    TKWMemTable& Cows = ADataStore.GetDataErfassung(QStringLiteral("SauberkeitTechnopathien"));
    for (Cows.First(); !Cows.Eof(); Cows.Next()) {
        for (const auto& [Combined, Left] : {std::pair{"TechnopathienTarsus", "TechnopathienTarsusLinks"},
                                             std::pair{"TechnopathienCarpus", "TechnopathienCarpusLinks"},
                                             std::pair{"TechnopathienKnie", "TechnopathienKnieLinks"}}) {
            if (!Cows.FieldByName(QString::fromLatin1(Combined)).IsNull())
                continue;
            Cows.Edit();
            SetInteger(Cows, Combined, IntegerOf(Cows, Left));
        }
    }
}

void NormalizeKommentar(TKWDataStore& ADataStore)
{
    TKWMemTable& Kommentar = ADataStore.GetDataErfassung(QStringLiteral("Kommentar"));
    if (!Kommentar.FieldByName(QStringLiteral("Kommentar")).AsString().isEmpty())
        return;
    QString Text;
    for (const QString& Line :
         KWLoadStringsResource(TKWTranslateUtil::TranslateFilename(QStringLiteral("KommentarStandardText"))))
        Text += Line + QStringLiteral("\r\n");
    Kommentar.Edit();
    Kommentar.FieldByName(QStringLiteral("Kommentar")).SetAsString(Text);
    Kommentar.Post();
}

} // namespace

void TKWDataManagement::NormalizeDataFields()
{
    NormalizeDataFields(*FDataStore);
}

void TKWDataManagement::NormalizeDataFields(TKWDataStore& ADataStore)
{
    NormalizeTraenken(ADataStore);
    NormalizeTiefboxen(ADataStore);
    NormalizeTechnopathien(ADataStore);
    NormalizeKommentar(ADataStore);
}

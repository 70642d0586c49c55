#include "KWDataManagement.h"

#include "KWDBResultSet.h"
#include "KWDBUtil.h"
#include "KWDataStore.h"
#include "KWDataStoreAuswertung.h"
#include "KWException.h"
#include "KWIndikator.h"
#include "KWMemTable.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class KWDataManagementTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetLog();
        QDir(KWGetDataPath()).removeRecursively();
        FDM = std::make_unique<TKWDataManagement>(FFolder.filePath("kvd.s3db"));
        ResetLog();
    }

    TKWMemTable& Area(const char* AName) { return FDM->DataStore().GetDataErfassung(AName); }

    void SetField(const char* AArea, const char* AField, const QString& AValue)
    {
        TKWMemTable& Table = Area(AArea);
        Table.Edit();
        Table.FieldByName(AField).SetAsString(AValue);
        Table.Post();
    }

    // Opens a visit of a new farm, records a little and saves it; returns the farm identifier.
    QString SaveNewFarm(const QString& AOwner, const QString& AStall)
    {
        FDM->LoadBetriebsbesuch(aBetriebNeu);
        SetField("Betriebsdaten", "Betriebsinhaber", AOwner);
        SetField("Betriebsdaten", "Stallname", AStall);
        SetField("Betriebsdaten", "DatumErfassung", "2024-05-02");
        SetField("Betriebsdaten", "GesamtzahlKuehe", "80");
        SetField("AufenthaltsortKuehe", "LiegenBox", "30");
        FDM->SaveBetriebsbesuch();
        return FDM->ActiveUUID();
    }

    void Select(const QString& AUUID, const QString& ATimestamp = {})
    {
        TKWDBUtil& DB = FDM->DBUtil();
        DB.BetriebSelectQuery().Refresh();
        ASSERT_TRUE(DB.BetriebSelectQuery().Locate("UUID", AUUID));
        if (!ATimestamp.isEmpty()) {
            ASSERT_TRUE(DB.BetriebsbesuchSelectQuery().Locate("Timestamp", ATimestamp));
        }
    }

    QVariant SelectedVisit(const char* AField) const
    {
        return FDM->DBUtil().BetriebsbesuchSelectQuery().FieldValue(AField);
    }

    QTemporaryDir FFolder;
    std::unique_ptr<TKWDataManagement> FDM;
};

TEST(KWDataManagementNames, ComposedNameShortCodeAndTheirReverse)
{
    const QString UUID = "0A1B2C3D-0000-4000-8000-000000000001";
    const QString Composed = TKWDataManagement::ComposedName(UUID, "2021-12-14 10:30:00");
    EXPECT_EQ(Composed, UUID + ".2021-12-14-10-30-00");
    EXPECT_EQ(TKWDataManagement::ShortCode(Composed), "5629D3AF") << "the same on every run and machine";
    EXPECT_EQ(TKWDataManagement::ShortCode(""), "00000000");
    EXPECT_EQ(TKWDataManagement::ComposedName("a.b:c d?*/\\|\"<>%&e", "1.2:3 4"), "ab-c_de.12-3-4");

    QString Back;
    QString Timestamp;
    TKWDataManagement::SplitComposedName(Composed, Back, Timestamp);
    EXPECT_EQ(Back, UUID);
    EXPECT_EQ(Timestamp, "2021-12-14 10:30:00");
    for (const char* Bad : {"ohnePunkt", ".2021-12-14-10-30-00", "X.kein-datum", "X.2021-12-14-99-00-00"})
        EXPECT_THROW(TKWDataManagement::SplitComposedName(Bad, Back, Timestamp), EKWException) << Bad;
}

TEST(KWDataManagementNames, DrinkerRatios)
{
    const struct
    {
        int Traenken, Tiere;
        double TraenkeTier, TierTraenke;
    } Cases[] = {{1, 40, 0, 99}, {3, 50, 0.04, 25}, {5, 0, 0, 99}, {11, 40, 0.25, 4}};
    for (const auto& Case : Cases) {
        double TraenkeTier = -1;
        double TierTraenke = -1;
        TKWDataManagement::CalcTraenkeVerhaeltnis(Case.Traenken, Case.Tiere, TraenkeTier, TierTraenke);
        EXPECT_DOUBLE_EQ(TraenkeTier, Case.TraenkeTier) << Case.Traenken << "/" << Case.Tiere;
        EXPECT_DOUBLE_EQ(TierTraenke, Case.TierTraenke) << Case.Traenken << "/" << Case.Tiere;
    }
}

TEST_F(KWDataManagementTest, ANewDatabaseHoldsTheExampleVisitOnce)
{
    Select(TKWDataManagement::ExampleUUID, TKWDataManagement::ExampleTimestamp);
    EXPECT_TRUE(TKWDBUtil::IsDemoStall(SelectedVisit("Stall").toString()));
    FDM->LoadBetriebsbesuch(aBeratungBearbeiten);
    EXPECT_EQ(Area("Betriebsdaten").FieldByName("ErfassungsCode").AsString(), FDM->ActiveShort());
    EXPECT_GT(Area("SauberkeitTechnopathien").RecordCount(), 0);
    EXPECT_FALSE(FDM->DataStore().GetSchwachstellenIndikatorenIDs().isEmpty());

    FDM.reset();
    FDM = std::make_unique<TKWDataManagement>(FFolder.filePath("kvd.s3db"));
    EXPECT_EQ(FDM->DBUtil().GetBetriebsbesuchCount(TKWDataManagement::ExampleUUID, ""), 1)
        << "an existing database gets no second example";
}

TEST_F(KWDataManagementTest, SavingTwiceInsertsThenUpdates)
{
    const QString UUID = SaveNewFarm("Huber", "Nord");
    EXPECT_EQ(FDM->DataState(), dsBeratungBearbeiten);
    SetField("Betriebsdaten", "Stallname", "Nordstall");
    FDM->SaveBetriebsbesuch();

    Select(UUID, FDM->ActiveTimestamp());
    EXPECT_EQ(FDM->DBUtil().BetriebsbesuchSelectQuery().RecordCount(), 1);
    EXPECT_EQ(SelectedVisit("Stall"), "Nordstall");
    EXPECT_EQ(SelectedVisit("Datum"), "2024-05-02");
    EXPECT_EQ(FDM->DBUtil().BetriebSelectQuery().FieldValue("Name"), "Huber");
    const QStringList Log = ReadLogLines();
    ASSERT_EQ(Log.size(), 2);
    EXPECT_TRUE(Log[0].startsWith("  TKWDataManagement.SaveBetriebsbesuch 2a Len="));
    EXPECT_TRUE(Log[1].startsWith("  TKWDataManagement.SaveBetriebsbesuch 2c Len="));

    QFile Full(QDir(KWGetDataPath()).filePath(FDM->ActiveComposed() + "/BeratungVoll.json"));
    ASSERT_TRUE(Full.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(Full.readAll()), SelectedVisit("Betriebsbesuch_JSON").toString());
}

TEST_F(KWDataManagementTest, OpenedVisitsCarryTheirIdentification)
{
    const QString UUID = SaveNewFarm("Huber", "Nord");
    const QString Timestamp = FDM->ActiveTimestamp();
    FDM->ClearData();
    Select(UUID, Timestamp);
    FDM->LoadBetriebsbesuch(aBeratungBearbeiten);
    const TKWJson Kennung = TKWJson::parse(FDM->GetKennungAsJsonString().toStdString());
    std::vector<std::string> Members;
    for (const auto& [Name, Value] : Kennung.items())
        Members.push_back(Name);
    EXPECT_EQ(Members, (std::vector<std::string>{"Configuration", "UUID", "Timestamp",
                                                 "TimestampVorherigerBesuch", "Composed", "Short", "Version"}));
    EXPECT_EQ(Kennung["Configuration"], "Kvo2021");
    EXPECT_EQ(Kennung["Short"], TKWDataManagement::ShortCode(FDM->ActiveComposed()).toStdString());
    EXPECT_EQ(Area("Betriebsdaten").FieldByName("ErfassungsCode").AsString(), FDM->ActiveShort());
    EXPECT_EQ(KWActiveVisitFolder, FDM->ActiveComposed());
}

TEST_F(KWDataManagementTest, FollowUpAndNewVisitTakeOverFarmDataAndLink)
{
    const QString UUID = SaveNewFarm("Huber", "Nord");
    const QString First = FDM->ActiveTimestamp();
    FDM->DataStore().GetIndikator("LiegenBox").SetWeakness(true);
    FDM->DataStore().GetUrsachen() << "Nackenrohr";
    FDM->SaveBetriebsbesuch();

    FDM->ClearData();
    Select(UUID, First);
    FDM->LoadBetriebsbesuch(aFolgeberatung);
    EXPECT_EQ(FDM->DataState(), dsBeratungNeu);
    EXPECT_EQ(FDM->ActiveTimestampVorherigerBesuch(), First);
    EXPECT_EQ(Area("Betriebsdaten").FieldByName("Stallname").AsString(), "Nord");
    EXPECT_EQ(Area("AufenthaltsortKuehe").RecordCount(), 0);
    EXPECT_FALSE(FDM->DataStore().GetIndikator("LiegenBox").Weakness());
    EXPECT_EQ(FDM->DataStore().GetUrsachen(), QStringList{"Nackenrohr"});
    ASSERT_NE(FDM->ActiveTimestamp(), First);
    FDM->SaveBetriebsbesuch();
    Select(UUID, FDM->ActiveTimestamp());
    EXPECT_EQ(SelectedVisit("TimestampVorherigerBesuch"), First);

    FDM->ClearData();
    Select(UUID);
    FDM->LoadBetriebsbesuch(aBeratungNeu);
    EXPECT_EQ(Area("Betriebsdaten").FieldByName("GesamtzahlKuehe").AsInteger(), 80);
    EXPECT_TRUE(Area("Betriebsdaten").FieldByName("Stallname").IsNull());
    EXPECT_EQ(FDM->ActiveTimestampVorherigerBesuch(), "");
}

TEST_F(KWDataManagementTest, DeletingVisitsAndFolders)
{
    const QString UUID = SaveNewFarm("Huber", "Nord");
    const QString Composed = FDM->ActiveComposed();
    FDM->ClearData();
    Select(UUID, FDM->ActiveTimestamp());
    ResetLog();
    EXPECT_EQ(FDM->DeleteBetriebsbesuch(aBeratungLoeschen), "");
    EXPECT_EQ(FDM->DBUtil().GetBetriebCount(UUID), 0) << "the only visit takes the farm with it";
    EXPECT_FALSE(QDir(KWGetDataPath()).exists(Composed));
    EXPECT_EQ(ReadLogLines(), (QStringList{"TKWDataManagement.DeleteBetriebsbesuch - Info/Error",
                                           "  Name:    " + Composed, "  Message: "}));
}

TEST_F(KWDataManagementTest, ExampleVisitsAreNeverWrittenBackOrDeleted)
{
    const QString UUID = SaveNewFarm("Beispiel", "Demo Nord");
    const QString Timestamp = FDM->ActiveTimestamp();
    FDM->ClearData();
    Select(UUID, Timestamp);
    FDM->LoadBetriebsbesuch(aBeratungBearbeiten);
    SetField("Betriebsdaten", "Betriebsinhaber", "Geändert");
    ResetLog();
    FDM->SaveBetriebsbesuch();
    Select(UUID, Timestamp);
    EXPECT_EQ(FDM->DBUtil().BetriebSelectQuery().FieldValue("Name"), "Beispiel");
    EXPECT_TRUE(ReadLogLines().isEmpty());

    EXPECT_EQ(FDM->DeleteBetriebsbesuch(aBeratungLoeschen), "");
    EXPECT_EQ(FDM->DBUtil().GetBetriebsbesuchCount(UUID, Timestamp), 1);
    EXPECT_TRUE(ReadLogLines().isEmpty()) << "deleting an example visit logs nothing";
}

// A follow-up keeps the barn of the visit it follows. Stored once while its barn still said
// "Demo", it would itself become an example visit: never updated and impossible to delete.
TEST_F(KWDataManagementTest, AFollowUpOfTheExampleVisitIsStoredOnceItsBarnIsRenamed)
{
    Select(TKWDataManagement::ExampleUUID, TKWDataManagement::ExampleTimestamp);
    FDM->LoadBetriebsbesuch(aFolgeberatung);
    const auto Visits = [this] {
        Select(TKWDataManagement::ExampleUUID);
        return FDM->DBUtil().BetriebsbesuchSelectQuery().RecordCount();
    };
    EXPECT_TRUE(FDM->IsExampleVisit());
    FDM->SaveBetriebsbesuch();
    EXPECT_EQ(Visits(), 1);

    SetField("Betriebsdaten", "Stallname", "Laufstall Nord");
    EXPECT_FALSE(FDM->IsExampleVisit());
    FDM->SaveBetriebsbesuch();
    EXPECT_EQ(Visits(), 2);
}

TEST_F(KWDataManagementTest, NormalisationRepairsOlderRecordingsOnce)
{
    FDM->LoadBetriebsbesuch(aBetriebNeu);
    SetField("Betriebsdaten", "AnzahlEinzeltraenken", "3");
    SetField("Betriebsdaten", "AnzahlTiereErfassungsgruppe", "50");
    SetField("StallerhebungFressLaufbereich", "StallerhebungWassercheckMehr", "4");
    SetField("HaltungManagement", "AnzahlTiefboxen", "10");
    SetField("HaltungManagement", "AnzahlHochverlegteTiefboxen", "5");
    TKWMemTable& Cows = Area("SauberkeitTechnopathien");
    Cows.Append();
    Cows.FieldByName("TechnopathienTarsusLinks").SetAsInteger(2);
    Cows.FieldByName("TechnopathienKnie").SetAsInteger(1);
    Cows.Post();

    FDM->NormalizeDataFields();
    FDM->NormalizeDataFields();
    TKWMemTable& Farm = Area("Betriebsdaten");
    EXPECT_EQ(Farm.FieldByName("AnzahlTraenken").AsInteger(), 3);
    EXPECT_EQ(Farm.FieldByName("AnzahlEinzeltraenken").AsInteger(), -3);
    EXPECT_DOUBLE_EQ(Farm.FieldByName("VerhaeltnisTraenkeTier").AsFloat(), 0.04);
    EXPECT_DOUBLE_EQ(Farm.FieldByName("VerhaeltnisTierTraenke").AsFloat(), 25);
    TKWMemTable& Survey = Area("StallerhebungFressLaufbereich");
    EXPECT_EQ(Survey.FieldByName("StallerhebungWassercheckEinzel").AsInteger(), 3);
    EXPECT_EQ(Survey.FieldByName("StallerhebungWassercheckMehr").AsInteger(), 4)
        << "a count recorded on the husbandry page stays";
    EXPECT_EQ(Area("HaltungManagement").FieldByName("AnzahlTiefboxen").AsInteger(), 15);
    EXPECT_EQ(Area("HaltungManagement").FieldByName("AnzahlHochverlegteTiefboxen").AsInteger(), 0);
    Cows.First();
    EXPECT_EQ(Cows.FieldByName("TechnopathienTarsus").AsInteger(), 2);
    EXPECT_EQ(Cows.FieldByName("TechnopathienKnie").AsInteger(), 1);
    EXPECT_FALSE(Cows.FieldByName("TechnopathienCarpus").IsNull());
    const QString Kommentar = Area("Kommentar").FieldByName("Kommentar").AsString();
    EXPECT_TRUE(Kommentar.startsWith("* Betriebsdaten\r\n\r\n* Haltung und Management\r\n"));
    EXPECT_TRUE(Kommentar.endsWith("* Maßnahmen\r\n" + QString("\r\n").repeated(6)));
}

TEST_F(KWDataManagementTest, OneLegacyDrinkerAndFortyAnimals)
{
    FDM->LoadBetriebsbesuch(aBetriebNeu);
    SetField("Betriebsdaten", "AnzahlEinzeltraenken", "1");
    SetField("Betriebsdaten", "AnzahlTiereErfassungsgruppe", "40");
    FDM->NormalizeDataFields();
    TKWMemTable& Farm = Area("Betriebsdaten");
    EXPECT_EQ(Farm.FieldByName("AnzahlTraenken").AsInteger(), 1);
    EXPECT_DOUBLE_EQ(Farm.FieldByName("VerhaeltnisTraenkeTier").AsFloat(), 0);
    EXPECT_DOUBLE_EQ(Farm.FieldByName("VerhaeltnisTierTraenke").AsFloat(), 99);
}

// Drinker counts near the integer limit wrapped around when added up.
TEST_F(KWDataManagementTest, LegacyDrinkerCountsNearTheIntegerLimitDoNotWrapAround)
{
    FDM->LoadBetriebsbesuch(aBetriebNeu);
    SetField("Betriebsdaten", "AnzahlEinzeltraenken", "2147483647");
    SetField("Betriebsdaten", "AnzahlMehrtraenken", "2147483647");
    SetField("Betriebsdaten", "AnzahlTiereErfassungsgruppe", "2147483647");
    FDM->NormalizeDataFields();
    TKWMemTable& Farm = Area("Betriebsdaten");
    EXPECT_EQ(Farm.FieldByName("AnzahlTraenken").AsInteger(), 2147483647);
    EXPECT_EQ(Farm.FieldByName("AnzahlEinzeltraenken").AsInteger(), -2147483647);
    EXPECT_DOUBLE_EQ(Farm.FieldByName("VerhaeltnisTraenkeTier").AsFloat(), 2);
    EXPECT_DOUBLE_EQ(Farm.FieldByName("VerhaeltnisTierTraenke").AsFloat(), 1);
}

// --- import -------------------------------------------------------------------------------------

class KWImportTest : public KWDataManagementTest
{
protected:
    // A visit folder as another installation leaves it.
    QString WriteFolder(const QString& AName, const QString& AFile, const QByteArray& AContent)
    {
        const QDir Data(KWGetDataPath());
        Data.mkpath(AName);
        QFile File(Data.filePath(AName + "/" + AFile));
        EXPECT_TRUE(File.open(QIODevice::WriteOnly));
        File.write(AContent);
        return Data.filePath(AName);
    }

    static QByteArray Document(const char* AOwner, const char* AStall)
    {
        return QStringLiteral(R"({"Erfassung":{"Betriebsdaten":{"Betriebsinhaber":"%1","Stallname":"%2",)"
                              R"("DatumErfassung":"2023-04-05","BeschreibungErfassungsgruppe":"GES"}},"Auswertung":{}})")
            .arg(AOwner, AStall)
            .toUtf8();
    }

    const QString FUUID = "0A1B2C3D-0000-4000-8000-00000000000A";
};

TEST_F(KWImportTest, CopiedFoldersAreImportedOnce)
{
    WriteFolder(FUUID + ".2023-04-05-08-00-00", "BeratungVoll.json", "\xEF\xBB\xBF" + Document("Maier", "Süd"));
    WriteFolder(FUUID + ".2023-05-05-08-00-00", "BeratungAnonym.json", Document("", "Süd"));
    WriteFolder(FUUID + ".2023-06-05-08-00-00", "BeratungVoll.json", Document("Maier", "West").mid(3));

    FDM->ImportBetriebsbesuche();
    Select(FUUID);
    TKWDBResultSet& Visits = FDM->DBUtil().BetriebsbesuchSelectQuery();
    EXPECT_EQ(Visits.RecordCount(), 3);
    ASSERT_TRUE(Visits.Locate("Timestamp", "2023-04-05 08:00:00"));
    EXPECT_EQ(Visits.FieldValue("Erfassungsgruppe"), "GES");
    EXPECT_EQ(Visits.FieldValue("Datum"), "2023-04-05");
    ASSERT_TRUE(Visits.Locate("Timestamp", "2023-06-05 08:00:00"));
    EXPECT_EQ(Visits.FieldValue("Stall"), "West") << "a file that lost its first characters is repaired";
    EXPECT_TRUE(Visits.FieldValue("Betriebsbesuch_JSON").toString().startsWith("{\"Erfassung\""));

    ResetLog();
    FDM->ImportBetriebsbesuche();
    EXPECT_EQ(ReadLogLines().count("              No import, already existing"), 3);
}

TEST_F(KWImportTest, BrokenFoldersAreLoggedAndSkipped)
{
    WriteFolder("ohnePunkt", "BeratungVoll.json", Document("A", "B"));
    WriteFolder(FUUID + ".2023-01-01-08-00-00", "BeratungVoll.json", "");
    WriteFolder(FUUID + ".2023-02-01-08-00-00", "BeratungVoll.json", "{\"Erfassung\": 7}");
    WriteFolder(FUUID + ".2023-03-01-08-00-00", "BeratungVoll.json", "\xFF\xFE garbage");
    WriteFolder(FUUID + ".2023-04-01-08-00-00", "andere.txt", "x");
    WriteFolder(FUUID + ".2023-05-01-08-00-00", "BeratungVoll.json", Document("Gut", "Ost"));

    FDM->ImportBetriebsbesuche();
    const QStringList Log = ReadLogLines();
    EXPECT_EQ(Log[0], "TKWDataManagement.ImportBetriebsbesuche - Info/Error");
    EXPECT_EQ(Log[1], "  Found in AppDataPath: 6");
    EXPECT_EQ(Log.filter("            Processing error in: >").size(), 4);
    EXPECT_EQ(Log.count("                No visit found with pattern: >Beratung*.json<"), 1);
    EXPECT_EQ(Log.count("                Import OK"), 1);
    EXPECT_EQ(Log[Log.size() - 2], QString(82, '-'));
    EXPECT_TRUE(Log.last().startsWith("  Running [ms]: "));
    Select(FUUID);
    EXPECT_EQ(FDM->DBUtil().BetriebsbesuchSelectQuery().RecordCount(), 1);
}

// Each of these once stopped the program or leaked a file from outside the data folder.
TEST_F(KWImportTest, PoisonAndLinksAreLoggedAndTheImportGoesOn)
{
    const QString Deep = R"({"Erfassung":{"SauberkeitTechnopathien":)" + QString(80000, '[') +
                         QString(80000, ']') + "}}";
    WriteFolder(FUUID + ".2023-01-01-08-00-00", "BeratungVoll.json", Deep.toUtf8());
    QTemporaryDir Outside;
    QFile Secret(Outside.filePath("secret.json"));
    ASSERT_TRUE(Secret.open(QIODevice::WriteOnly));
    Secret.write(Document("Fremd", "Draußen"));
    Secret.close();
    const QString Linked = WriteFolder(FUUID + ".2023-02-01-08-00-00", "andere.txt", "");
    ASSERT_TRUE(QFile::link(Secret.fileName(), Linked + "/BeratungVoll.json"));
    WriteFolder(".versteckt", "BeratungVoll.json", Document("A", "B"));
    WriteFolder(FUUID + ".2023-05-01-08-00-00", "BeratungVoll.json", Document("Gut", "Ost"));

    FDM->ImportBetriebsbesuche();
    const QStringList Log = ReadLogLines();
    EXPECT_EQ(Log[1], "  Found in AppDataPath: 4");
    const auto MessageAfter = [&](const QString& AFolder) {
        const qsizetype At = Log.indexOf("            Processing error in: >" +
                                         QDir(KWGetDataPath()).filePath(AFolder) + "<");
        return At < 0 ? QString("(not logged)") : Log.value(At + 1);
    };
    EXPECT_TRUE(MessageAfter(FUUID + ".2023-01-01-08-00-00").contains("nested deeper than 64"));
    EXPECT_EQ(MessageAfter(FUUID + ".2023-02-01-08-00-00"), "A link is not a visit file.");
    EXPECT_TRUE(MessageAfter(".versteckt").startsWith("Not a visit folder name")) << Log.join('\n').toStdString();
    EXPECT_EQ(Log.count("                Import OK"), 1);
    Select(FUUID);
    EXPECT_EQ(FDM->DBUtil().BetriebsbesuchSelectQuery().RecordCount(), 1);
}

// The import reads the farm data only; the other areas are stored as they are and read when the
// visit is opened.
TEST_F(KWImportTest, ManyFoldersAreImportedReadingOnlyTheFarmData)
{
    for (int I = 0; I < 250; ++I)
        WriteFolder(QString("0A1B2C3D-0000-4000-8000-%1.2023-04-05-08-00-00").arg(I, 12, 10, QChar('0')),
                    "BeratungVoll.json",
                    Document("Hof", "Nord").replace(R"("GES"})", R"("GES"},"HaltungManagement":[1])"));
    FDM->ImportBetriebsbesuche();
    EXPECT_EQ(FDM->DBUtil().GetBetriebCount("0A1B2C3D-0000-4000-8000-000000000249"), 1);
    EXPECT_EQ(ReadLogLines().count("                Import OK"), 250);
    EXPECT_TRUE(ReadLogLines().filter("TempID=").isEmpty());
    FDM->DBUtil().BetriebSelectQuery().Refresh();
    EXPECT_EQ(FDM->DBUtil().BetriebSelectQuery().RecordCount(), 251) << "and the example farm";
}

TEST_F(KWDataManagementTest, StraightenWritesTheReport)
{
    FDM->StraightenBetriebsbesuche();
    const QStringList Log = ReadLogLines();
    ASSERT_EQ(Log.size(), 6);
    EXPECT_EQ(Log[0], "TKWDataManagement.StraightenBetriebsbesuche - Info/Error");
    EXPECT_EQ(Log[1], "  -- FDBUtil --");
    EXPECT_TRUE(Log[2].startsWith("Number Betrieb: "));
    EXPECT_TRUE(Log[3].startsWith("Empty Betrieb: "));
    EXPECT_EQ(Log[4], "");
    EXPECT_EQ(Log[5], "  -------------");
}

} // namespace

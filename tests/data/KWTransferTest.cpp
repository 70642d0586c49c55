// Uploads against the real central data store program.
#include "KWDBResultSet.h"
#include "KWDBUtil.h"
#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWMemTable.h"
#include "DataStoreServerProcess.h"
#include "TestSupport.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

class KWTransferTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FPreviousFolder = QDir::currentPath();
        QDir::setCurrent(FFolder.path()); // the debug files land here
        QDir(KWGetDataPath()).removeRecursively();
        FDM = std::make_unique<TKWDataManagement>(FFolder.filePath("kvd.s3db"));
        const int Port = FServer.Start(QStringLiteral(QOMVI_DATASTORE_EXE), ServerDb());
        ASSERT_NE(Port, 0);
        FDM->SetServerUrl(QStringLiteral("http://127.0.0.1:%1/qomvi/datastore").arg(Port));
    }

    void TearDown() override { QDir::setCurrent(FPreviousFolder); }

    QString ServerDb() const { return FFolder.filePath("datastore.s3db"); }

    void SetField(const char* AArea, const char* AField, const QString& AValue)
    {
        TKWMemTable& Table = FDM->DataStore().GetDataErfassung(AArea);
        Table.Edit();
        Table.FieldByName(AField).SetAsString(AValue);
        Table.Post();
    }

    // A saved visit with personal data, selected in the browser lists.
    void SaveSelectedVisit()
    {
        FDM->LoadBetriebsbesuch(aBetriebNeu);
        for (const char* Field : {"Betriebsinhaber", "AdresseBetrieb", "TelefonHandy", "EMail", "HITNummer",
                                  "UnternehmerNr"})
            SetField("Betriebsdaten", Field, QStringLiteral("geheim"));
        SetField("Betriebsdaten", "Region", "49377");
        SetField("Betriebsdaten", "Stallname", "Nord");
        SetField("AufenthaltsortKuehe", "LiegenBox", "30");
        FDM->SaveBetriebsbesuch();
        FDM->ClearData();
        Select();
    }

    void Select()
    {
        TKWDBUtil& DB = FDM->DBUtil();
        DB.BetriebSelectQuery().Refresh();
        ASSERT_TRUE(DB.BetriebSelectQuery().Locate("UUID", FDM->ActiveUUID()));
        ASSERT_TRUE(DB.BetriebsbesuchSelectQuery().Locate("Timestamp", FDM->ActiveTimestamp()));
    }

    QString Status() const
    {
        return FDM->DBUtil().BetriebsbesuchSelectQuery().FieldValue("Erfassungsgruppe").toString();
    }

    // What the server stored for the visit, or nothing.
    std::optional<TKWJson> Stored(const QString& AVisitId) const
    {
        QSqlDatabase Db = QSqlDatabase::addDatabase("QSQLITE", "server-view");
        Db.setDatabaseName(ServerDb());
        std::optional<TKWJson> Result;
        if (Db.open()) {
            QSqlQuery Query(Db);
            Query.prepare("select datacontent from upload where visitid = :Id");
            Query.bindValue(":Id", AVisitId);
            if (Query.exec() && Query.next())
                Result = TKWJson::parse(Query.value(0).toString().toStdString());
        }
        Db = QSqlDatabase();
        QSqlDatabase::removeDatabase("server-view");
        return Result;
    }

    QTemporaryDir FFolder;
    QString FPreviousFolder;
    TDataStoreServerProcess FServer;
    std::unique_ptr<TKWDataManagement> FDM;
};

TEST_F(KWTransferTest, ASuccessfulUploadIsAnonymousAndMarksTheVisit)
{
    SaveSelectedVisit();
    ResetLog();
    EXPECT_EQ(FDM->TransferBetriebsbesuch(aBeratungTransfer), "");
    Select();
    EXPECT_EQ(Status(), "Uploaded");
    EXPECT_TRUE(FDM->DBUtil().BetriebsbesuchSelectQuery().FieldValue("Detail").toString().endsWith("  Uploaded"));
    EXPECT_EQ(ReadLogLines(), (QStringList{"TKWDataManagement.TransferBetriebsbesuch - Info/Error",
                                           "  Name:    " + FDM->ActiveComposed(), "  Message: "}));
    EXPECT_TRUE(QFile::exists(QDir(KWGetDataPath()).filePath(
        FDM->ActiveComposed() + "/BeratungAnonym." + FDM->ActiveShort() + ".json")));

    const auto Document = Stored(FDM->ActiveComposed());
    ASSERT_TRUE(Document);
    const TKWJson& Farm = (*Document)["Erfassung"]["Betriebsdaten"];
    for (const char* Field : {"Betriebsinhaber", "AdresseBetrieb", "TelefonHandy", "EMail", "HITNummer",
                              "UnternehmerNr"})
        EXPECT_EQ(Farm[Field], "") << Field;
    EXPECT_EQ(Farm["Region"], "49");
    EXPECT_EQ(Farm["Stallname"], "Nord");
    EXPECT_EQ((*Document)["Erfassung"]["AufenthaltsortKuehe"]["LiegenBox"], 30);
    EXPECT_EQ((*Document)["Auswertung"].size(), 15u);
    EXPECT_EQ((*Document)["Kennung"]["TimestampVorherigerBesuch"], "");

    // Editing and saving the uploaded visit clears the mark again.
    FDM->LoadBetriebsbesuch(aBeratungBearbeiten);
    FDM->SaveBetriebsbesuch();
    Select();
    EXPECT_EQ(Status(), "");
}

TEST_F(KWTransferTest, ARefusedUploadGivesTheStatusTextAndKeepsTheStatus)
{
    // A farm identifier the data store does not accept, as an old folder name could bring.
    const QDir Data(KWGetDataPath());
    Data.mkpath("kein-guid.2024-01-02-03-04-05");
    QFile File(Data.filePath("kein-guid.2024-01-02-03-04-05/BeratungVoll.json"));
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(R"({"Erfassung":{"Betriebsdaten":{"Stallname":"Alt"}}})");
    File.close();
    FDM->ImportBetriebsbesuche();
    TKWDBUtil& DB = FDM->DBUtil();
    DB.BetriebSelectQuery().Refresh();
    ASSERT_TRUE(DB.BetriebSelectQuery().Locate("UUID", "kein-guid"));

    EXPECT_EQ(FDM->TransferBetriebsbesuch(aBeratungTransfer), "Bad Request");
    DB.BetriebSelectQuery().Refresh();
    ASSERT_TRUE(DB.BetriebSelectQuery().Locate("UUID", "kein-guid"));
    EXPECT_EQ(DB.BetriebsbesuchSelectQuery().FieldValue("Erfassungsgruppe").toString(), "");
}

TEST_F(KWTransferTest, AStoppedServerIsAnInternalError)
{
    SaveSelectedVisit();
    FServer.StopWith(SIGTERM);
    const QString Result = FDM->TransferBetriebsbesuch(aBeratungTransfer);
    EXPECT_TRUE(Result.startsWith("Internal Error: ")) << Result.toStdString();
    Select();
    EXPECT_EQ(Status(), "");
}

} // namespace

#include "KWDBUtil.h"

#include "KWDBResultSet.h"
#include "KWException.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

const QString Farm = QStringLiteral("0A1B2C3D-0000-4000-8000-000000000001");
const QString OtherFarm = QStringLiteral("0A1B2C3D-0000-4000-8000-000000000002");

class KWDBUtilTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FFolder.isValid());
        FDB = std::make_unique<TKWDBUtil>(FFolder.filePath("kvd.s3db"));
    }

    void AddVisit(const QString& AUUID, const QString& ATimestamp, const QString& AStall,
                  const QString& APrevious = {}, const QString& AStatus = {})
    {
        if (FDB->GetBetriebCount(AUUID) == 0)
            FDB->SaveBetriebNeu(AUUID, "Hof " + AUUID.right(1));
        FDB->SaveBetriebsbesuchNeu(AUUID, ATimestamp, QDate(2024, 5, 2), AStall, AStatus,
                                   QStringLiteral("{\"Erfassung\":{\"S\":\"%1\"}}").arg(ATimestamp).toUtf8(),
                                   APrevious);
    }

    // Makes the farm current (the visit list follows) and the visit with this timestamp current.
    void Select(const QString& AUUID, const QString& ATimestamp = {})
    {
        FDB->BetriebSelectQuery().Refresh();
        ASSERT_TRUE(FDB->BetriebSelectQuery().Locate("UUID", AUUID));
        if (!ATimestamp.isEmpty()) {
            ASSERT_TRUE(FDB->BetriebsbesuchSelectQuery().Locate("Timestamp", ATimestamp));
        }
    }

    QTemporaryDir FFolder;
    std::unique_ptr<TKWDBUtil> FDB;
};

TEST_F(KWDBUtilTest, AMissingDatabaseIsCreatedEmpty)
{
    EXPECT_TRUE(QFile::exists(FFolder.filePath("kvd.s3db")));
    EXPECT_EQ(FDB->BetriebSelectQuery().RecordCount(), 0);
    EXPECT_EQ(FDB->StraightenBetriebAndBesuch(), "Number Betrieb: 0\r\nEmpty Betrieb: 0\r\n");
}

TEST_F(KWDBUtilTest, TheVisitListFollowsTheFarmAndShowsItsDetail)
{
    AddVisit(Farm, "2024-05-01 08:00:00", "Nord");
    AddVisit(Farm, "2024-05-03 09:15:30", "Nord", {}, "Uploaded");
    AddVisit(Farm, "2024-05-02 10:00:00", "Ost");
    AddVisit(OtherFarm, "2024-06-01 07:00:00", "Süd");

    Select(Farm);
    TKWDBResultSet& Visits = FDB->BetriebsbesuchSelectQuery();
    ASSERT_EQ(Visits.RecordCount(), 3);
    QStringList Details;
    for (int Row = 0; Row < Visits.RecordCount(); ++Row) {
        Visits.SetCurrentRow(Row);
        Details << Visits.FieldValue("Stall").toString() + "|" + Visits.FieldValue("Detail").toString();
    }
    EXPECT_EQ(Details, (QStringList{"Nord|2024-05-03 09:15  Uploaded", "Nord|2024-05-01 08:00  ",
                                    "Ost|2024-05-02 10:00  "}));
    Select(OtherFarm);
    EXPECT_EQ(Visits.RecordCount(), 1);
}

TEST_F(KWDBUtilTest, CountsAndTheStraightenReport)
{
    AddVisit(Farm, "2024-05-01 08:00:00", "Nord");
    AddVisit(Farm, "2024-05-02 08:00:00", "Nord");
    FDB->SaveBetriebNeu(OtherFarm, "Leer");
    EXPECT_EQ(FDB->GetBetriebsbesuchCount(Farm, " "), 2);
    EXPECT_EQ(FDB->GetBetriebsbesuchCount(Farm, "2024-05-01 08:00:00"), 1);
    EXPECT_EQ(FDB->GetBetriebsbesuchCount(Farm, "2024-05-01 08:00"), 0);
    EXPECT_EQ(FDB->GetBetriebCount(OtherFarm), 1);
    EXPECT_EQ(FDB->StraightenBetriebAndBesuch(), "Number Betrieb: 2\r\nEmpty Betrieb: 1\r\n");
}

TEST_F(KWDBUtilTest, DeletingTheOnlyVisitRemovesTheFarm)
{
    AddVisit(Farm, "2024-05-01 08:00:00", "Nord");
    FDB->DeleteBetriebsbesuch(Farm, "2024-05-01 08:00:00");
    EXPECT_EQ(FDB->GetBetriebCount(Farm), 0);
    FDB->BetriebSelectQuery().Refresh();
    EXPECT_EQ(FDB->BetriebSelectQuery().RecordCount(), 0);
    EXPECT_EQ(FDB->BetriebsbesuchSelectQuery().RecordCount(), 0);
}

TEST_F(KWDBUtilTest, DeletingAFollowedUpVisitUnlinksTheFollowUp)
{
    AddVisit(Farm, "2024-05-01 08:00:00", "Nord");
    AddVisit(Farm, "2024-06-01 08:00:00", "Nord", "2024-05-01 08:00:00");
    FDB->DeleteBetriebsbesuch(Farm, "2024-05-01 08:00:00");
    Select(Farm, "2024-06-01 08:00:00");
    EXPECT_TRUE(FDB->BetriebsbesuchSelectQuery().FieldValue("TimestampVorherigerBesuch").isNull());
    EXPECT_EQ(FDB->GetBetriebCount(Farm), 1);
}

TEST_F(KWDBUtilTest, ActionLookups)
{
    AddVisit(Farm, "2024-05-01 08:00:00", "Nord");
    AddVisit(Farm, "2024-06-01 08:00:00", "Demo Stall", "2024-05-01 08:00:00");
    Select(Farm, "2024-06-01 08:00:00");

    const QRegularExpression Uuid("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$");
    const QRegularExpression Now(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$)");
    EXPECT_TRUE(Uuid.match(FDB->GetUUID(aBetriebNeu)).hasMatch());
    EXPECT_NE(FDB->GetUUID(aBetriebNeu), FDB->GetUUID(aBetriebNeu));
    EXPECT_EQ(FDB->GetUUID(aBeratungBearbeiten), Farm);
    EXPECT_EQ(FDB->GetBetriebName(aBetriebNeu), "");
    EXPECT_EQ(FDB->GetBetriebName(aFolgeberatung), "Hof 1");
    EXPECT_EQ(FDB->GetStallName(aBeratungNeu), "");
    EXPECT_EQ(FDB->GetStallName(aBeratungLoeschen), "Demo Stall");
    EXPECT_TRUE(Now.match(FDB->GetTimestamp(aFolgeberatung)).hasMatch());
    EXPECT_EQ(FDB->GetTimestamp(aBeratungTransfer), "2024-06-01 08:00:00");
    EXPECT_EQ(FDB->GetTimestampVorherigerBesuch(aBeratungBearbeiten), "2024-05-01 08:00:00");
    EXPECT_EQ(FDB->GetTimestampVorherigerBesuch(aFolgeberatung), "2024-06-01 08:00:00");
    EXPECT_EQ(FDB->GetTimestampVorherigerBesuch(aBeratungTransfer), "");

    EXPECT_EQ(FDB->GetBetriebsbesuch(aBetriebNeu), "{}");
    EXPECT_FALSE(FDB->WasDemoOnLoad());
    EXPECT_EQ(FDB->GetBetriebsbesuch(aBeratungBearbeiten), R"({"Erfassung":{"S":"2024-06-01 08:00:00"}})");
    EXPECT_TRUE(FDB->WasDemoOnLoad());
    Select(Farm, "2024-05-01 08:00:00");
    EXPECT_EQ(FDB->GetBetriebsbesuch(aBeratungNeu), R"({"Erfassung":{"S":"2024-06-01 08:00:00"}})")
        << "a new visit starts from the farm's newest visit";
    EXPECT_FALSE(FDB->WasDemoOnLoad());
}

TEST_F(KWDBUtilTest, OnlyACapitalDemoMarksAnExampleVisit)
{
    EXPECT_TRUE(TKWDBUtil::IsDemoStall("Demostall"));
    EXPECT_FALSE(TKWDBUtil::IsDemoStall("demostall"));
    EXPECT_FALSE(TKWDBUtil::IsDemoStall(" Demo"));
}

TEST_F(KWDBUtilTest, UpdatesKeepTheLinkAndAFailedTransactionLeavesNoTrace)
{
    AddVisit(Farm, "2024-05-01 08:00:00", "Nord");
    AddVisit(Farm, "2024-06-01 08:00:00", "Nord", "2024-05-01 08:00:00", "Uploaded");
    FDB->SaveBetriebsbesuch(Farm, "2024-06-01 08:00:00", QDate(), "West", "", "{}");
    Select(Farm, "2024-06-01 08:00:00");
    TKWDBResultSet& Visits = FDB->BetriebsbesuchSelectQuery();
    EXPECT_EQ(Visits.FieldValue("Stall"), "West");
    EXPECT_EQ(Visits.FieldValue("Datum"), "");
    EXPECT_EQ(Visits.FieldValue("Erfassungsgruppe"), "");
    EXPECT_EQ(Visits.FieldValue("TimestampVorherigerBesuch"), "2024-05-01 08:00:00");

    EXPECT_THROW(FDB->RunInTransaction([&] {
        FDB->SaveBetriebNeu(OtherFarm, "Neu");
        FDB->SaveBetriebNeu(OtherFarm, "Doppelt"); // violates the key
    }),
                 EKWException);
    EXPECT_EQ(FDB->GetBetriebCount(OtherFarm), 0);
}

TEST_F(KWDBUtilTest, ANestedTransactionThatFailsUndoesOnlyItsOwnWork)
{
    const QString ThirdFarm = QStringLiteral("0A1B2C3D-0000-4000-8000-000000000003");
    FDB->RunInTransaction([&] {
        FDB->SaveBetriebNeu(Farm, "Erster");
        EXPECT_THROW(FDB->RunInTransaction([&] {
            FDB->SaveBetriebNeu(OtherFarm, "Zweiter");
            FDB->SaveBetriebNeu(OtherFarm, "Doppelt");
        }),
                     EKWException);
        FDB->RunInTransaction([&] { FDB->SaveBetriebNeu(ThirdFarm, "Dritter"); });
    });
    EXPECT_EQ(FDB->GetBetriebCount(Farm), 1);
    EXPECT_EQ(FDB->GetBetriebCount(OtherFarm), 0);
    EXPECT_EQ(FDB->GetBetriebCount(ThirdFarm), 1);

    EXPECT_THROW(FDB->RunInTransaction([&] {
        FDB->RunInTransaction([&] { FDB->SaveBetriebNeu(OtherFarm, "Zweiter"); });
        throw EKWException("later failure");
    }),
                 EKWException);
    EXPECT_EQ(FDB->GetBetriebCount(OtherFarm), 0) << "a nested part lands only with the whole";
}

// Documents are bound as UTF-8; they must still be stored as text, not as bytes.
TEST_F(KWDBUtilTest, DocumentsAreStoredAsTextAndComeBackWhole)
{
    FDB->SaveBetriebNeu(Farm, "Hof");
    const QString Document = QStringLiteral(R"({"Erfassung":{"Stall":"Süd 😀"}})");
    FDB->SaveBetriebsbesuchNeu(Farm, "2024-05-01 08:00:00", QDate(), "Süd", "", Document.toUtf8(), "");
    Select(Farm, "2024-05-01 08:00:00");
    EXPECT_EQ(FDB->GetBetriebsbesuch(aBeratungBearbeiten), Document);
    {
        QSqlDatabase Check = QSqlDatabase::addDatabase("QSQLITE", "check");
        Check.setDatabaseName(FFolder.filePath("kvd.s3db"));
        ASSERT_TRUE(Check.open());
        QSqlQuery Query(Check);
        ASSERT_TRUE(Query.exec("select typeof(Betriebsbesuch_JSON), typeof(TimestampVorherigerBesuch), "
                               "typeof(Datum), Stall from betriebsbesuch"));
        ASSERT_TRUE(Query.next());
        EXPECT_EQ(Query.value(0).toString(), "text");
        EXPECT_EQ(Query.value(1).toString(), "null");
        EXPECT_EQ(Query.value(2).toString(), "text") << "an empty date is empty text";
        EXPECT_EQ(Query.value(3).toString(), "Süd");
    }
    QSqlDatabase::removeDatabase("check");
}

TEST(KWDBUtil, AnUnopenableFileIsAnError)
{
    QTemporaryDir Folder;
    EXPECT_THROW(TKWDBUtil(Folder.filePath("fehlt/kvd.s3db")), EKWException);
}

} // namespace

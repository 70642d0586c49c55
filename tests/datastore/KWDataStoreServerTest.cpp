#include "KWDataStoreServer.h"

#include "DataStoreTestForms.h"
#include "KWDataStoreStorage.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include <sstream>
#include <thread>

namespace {

TKWUploadForm FormWithEMail()
{
    TKWJson Document = TestVisitDocument();
    Document["Erfassung"]["Betriebsdaten"]["EMail"] = "hof@example.org";
    return TestUploadForm(Document);
}

// The server in this process, on a free port of 127.0.0.1, with its storage in a temporary file.
class KWDataStoreServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FStorage = std::make_unique<TKWDataStoreStorage>(FFolder.filePath("datastore.s3db"));
        FServer = std::make_unique<TKWDataStoreServer>(*FStorage, FLog);
        FPort = FServer->Bind(QStringLiteral("127.0.0.1"), 0);
        FListener = std::thread([this] { FListenResult = FServer->Listen(); });
    }

    void TearDown() override { StopServer(); }

    // Returns once every request has been answered and logged.
    void StopServer()
    {
        if (!FListener.joinable())
            return;
        FServer->Stop();
        FListener.join();
    }

    httplib::Client Client() const
    {
        httplib::Client Result("127.0.0.1", FPort);
        Result.set_connection_timeout(5);
        Result.set_read_timeout(10);
        return Result;
    }

    QTemporaryDir FFolder;
    std::ostringstream FLog;
    std::unique_ptr<TKWDataStoreStorage> FStorage;
    std::unique_ptr<TKWDataStoreServer> FServer;
    int FPort = 0;
    std::thread FListener;
    bool FListenResult = false;
};

struct TRequestCase
{
    const char* Name;
    std::function<httplib::Result(httplib::Client&)> Send;
    int Status;
    const char* BodyPart;
};

void PrintTo(const TRequestCase& ACase, std::ostream* AStream)
{
    *AStream << ACase.Name;
}

class KWDataStoreServerRequestTest : public KWDataStoreServerTest,
                                     public ::testing::WithParamInterface<TRequestCase>
{
};

TEST_P(KWDataStoreServerRequestTest, AnswersWithStatusAndReason)
{
    httplib::Client Connection = Client();
    const httplib::Result Result = GetParam().Send(Connection);
    ASSERT_TRUE(Result) << httplib::to_string(Result.error());
    EXPECT_EQ(Result->status, GetParam().Status) << Result->body;
    EXPECT_NE(Result->body.find(GetParam().BodyPart), std::string::npos) << Result->body;
}

INSTANTIATE_TEST_SUITE_P(
    Requests, KWDataStoreServerRequestTest,
    ::testing::Values(
        TRequestCase{"Upload",
                     [](httplib::Client& AClient) {
                         return AClient.Post("/qomvi/datastore", MultipartForm(TestUploadForm()));
                     },
                     200, cTestVisitId},
        TRequestCase{"PersonalData",
                     [](httplib::Client& AClient) {
                         return AClient.Post("/qomvi/datastore", MultipartForm(FormWithEMail()));
                     },
                     422, "\"EMail\""},
        TRequestCase{"MissingField",
                     [](httplib::Client& AClient) {
                         TKWUploadForm Form = TestUploadForm();
                         Form.erase("dataname");
                         return AClient.Post("/qomvi/datastore", MultipartForm(Form));
                     },
                     400, "missing field \"dataname\""},
        TRequestCase{"UrlEncodedForm",
                     [](httplib::Client& AClient) {
                         return AClient.Post("/qomvi/datastore", "action=store&configid=Kvo2021",
                                             "application/x-www-form-urlencoded");
                     },
                     400, "not a multipart form"},
        TRequestCase{"BrokenMultipart",
                     [](httplib::Client& AClient) {
                         return AClient.Post("/qomvi/datastore", "no parts here",
                                             "multipart/form-data; boundary=xyz");
                     },
                     400, ""},
        TRequestCase{"BodyOverTenMiB",
                     [](httplib::Client& AClient) {
                         return AClient.Post("/qomvi/datastore",
                                             std::string(10 * 1024 * 1024 + 1, 'x'),
                                             "multipart/form-data; boundary=xyz");
                     },
                     413, "10 MiB"},
        TRequestCase{"GetOnUpload",
                     [](httplib::Client& AClient) { return AClient.Get("/qomvi/datastore"); }, 405,
                     "method not allowed"},
        TRequestCase{"OtherPath",
                     [](httplib::Client& AClient) {
                         return AClient.Post("/qomvi/other", MultipartForm(TestUploadForm()));
                     },
                     404, "no such path"},
        TRequestCase{
            "Health",
            [](httplib::Client& AClient) { return AClient.Get("/qomvi/datastore/health"); }, 200,
            "ok"},
        TRequestCase{"PostOnHealth",
                     [](httplib::Client& AClient) {
                         return AClient.Post("/qomvi/datastore/health", "", "text/plain");
                     },
                     405, "method not allowed"}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST_F(KWDataStoreServerTest, StoresAnAcceptedUploadOnly)
{
    const QDateTime Before = QDateTime::currentDateTimeUtc().addSecs(-1);
    httplib::Client Connection = Client();
    const TKWUploadForm Form = TestUploadForm();

    const httplib::Result Refused =
        Connection.Post("/qomvi/datastore", MultipartForm(FormWithEMail()));
    ASSERT_TRUE(Refused);
    EXPECT_EQ(Refused->status, 422);
    EXPECT_FALSE(FStorage->Find(QString::fromLatin1(cTestVisitId)));

    const httplib::Result Stored = Connection.Post("/qomvi/datastore", MultipartForm(Form));
    ASSERT_TRUE(Stored);
    EXPECT_EQ(Stored->status, 200);

    const std::optional<TKWStoredUpload> Row = FStorage->Find(QString::fromLatin1(cTestVisitId));
    ASSERT_TRUE(Row);
    EXPECT_EQ(Row->DataName, QString::fromLatin1(cTestDataName));
    EXPECT_EQ(Row->DataContent.toStdString(), Form.find("datacontent")->second);
    const QDateTime Received = QDateTime::fromString(Row->Received, Qt::ISODate);
    EXPECT_EQ(Received.timeSpec(), Qt::UTC) << Row->Received.toStdString();
    EXPECT_GE(Received, Before);
    EXPECT_LE(Received, QDateTime::currentDateTimeUtc().addSecs(1));
}

// An upload that could not be kept must never be answered as stored.
TEST_F(KWDataStoreServerTest, StorageFailureIsAnInternalError)
{
    ASSERT_TRUE(QFile::remove(FFolder.filePath("datastore.s3db")));
    httplib::Client Connection = Client();

    const httplib::Result Result =
        Connection.Post("/qomvi/datastore", MultipartForm(TestUploadForm()));

    ASSERT_TRUE(Result);
    EXPECT_EQ(Result->status, 500);
    EXPECT_NE(Result->body.find("internal error"), std::string::npos) << Result->body;
}

TEST_F(KWDataStoreServerTest, LogsOneLinePerRequest)
{
    httplib::Client Connection = Client();
    ASSERT_TRUE(Connection.Post("/qomvi/datastore", MultipartForm(TestUploadForm())));
    ASSERT_TRUE(Connection.Post("/qomvi/datastore", MultipartForm(FormWithEMail())));
    // A line break smuggled into the path must not start a line of its own.
    ASSERT_TRUE(Connection.Get("/qomvi/x%0A2000-01-01T00:00:00Z%20GET%20/forged%20200%20ok"));
    StopServer();

    const QStringList Lines = QString::fromStdString(FLog.str()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(Lines.size(), 3) << FLog.str();
    const QString Time = QStringLiteral("\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}Z");
    const QStringList Expected = {
        Time + QStringLiteral(" POST /qomvi/datastore 200 stored ") + cTestVisitId,
        Time + QStringLiteral(" POST /qomvi/datastore 422 personal data in "
                              "\"Betriebsdaten\"\\.\"EMail\""),
        Time + QStringLiteral(" GET /qomvi/x\\?2000-01-01T00:00:00Z GET /forged 200 ok 404 no "
                              "such path")};
    for (int I = 0; I < Expected.size(); ++I)
        EXPECT_TRUE(
            QRegularExpression(QStringLiteral("^%1$").arg(Expected[I])).match(Lines[I]).hasMatch())
            << Lines[I].toStdString();
}

TEST_F(KWDataStoreServerTest, StopEndsListenCleanly)
{
    StopServer();

    EXPECT_TRUE(FListenResult);
}

// A stop that comes before the accept loop runs (a signal right after start) must still end it.
TEST(KWDataStoreServer, StopBeforeListenEndsListen)
{
    QTemporaryDir Folder;
    TKWDataStoreStorage Storage(Folder.filePath("datastore.s3db"));
    std::ostringstream Log;
    TKWDataStoreServer Server(Storage, Log);
    Server.Bind(QStringLiteral("127.0.0.1"), 0);

    Server.Stop();

    EXPECT_TRUE(Server.Listen());
}

} // namespace

// The executable's contract with the tests of the application: it prints
// "listening on ADDRESS:PORT" once it is ready, serves HTTP or HTTPS, and ends with exit code 0 on
// SIGINT and SIGTERM.
#include "DataStoreServerProcess.h"
#include "DataStoreTestCertificate.h"
#include "DataStoreTestForms.h"
#include "KWDataStoreStorage.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>

namespace {

constexpr int cTimeoutMs = 10000;

class KWDataStoreProgramTest : public ::testing::Test
{
protected:
    QString DbFile() const { return FFolder.filePath(QStringLiteral("datastore.s3db")); }

    int Start(const QStringList& AArguments)
    {
        return FServer.Start(QStringLiteral(QOMVI_DATASTORE_EXE), DbFile(), AArguments);
    }

    std::string StopWith(int ASignal) { return FServer.StopWith(ASignal); }

    QTemporaryDir FFolder;
    TDataStoreServerProcess FServer;
};

TEST_F(KWDataStoreProgramTest, ServesHttpAndStopsOnSigint)
{
    const int Port = Start({});
    ASSERT_NE(Port, 0);

    httplib::Client Client("127.0.0.1", Port);
    Client.set_read_timeout(10);
    const httplib::Result Health = Client.Get("/qomvi/datastore/health");
    ASSERT_TRUE(Health) << httplib::to_string(Health.error());
    EXPECT_EQ(Health->status, 200);
    const httplib::Result Upload = Client.Post("/qomvi/datastore", MultipartForm(TestUploadForm()));
    ASSERT_TRUE(Upload) << httplib::to_string(Upload.error());
    EXPECT_EQ(Upload->status, 200) << Upload->body;

    const std::string Log = StopWith(SIGINT);

    EXPECT_NE(Log.find("GET /qomvi/datastore/health 200"), std::string::npos) << Log;
    EXPECT_TRUE(FServer.Process().readAllStandardOutput().isEmpty());
    EXPECT_TRUE(TKWDataStoreStorage(DbFile()).Find(QString::fromLatin1(cTestVisitId)));
}

TEST_F(KWDataStoreProgramTest, ServesHttpsWithACertificateAndStopsOnSigterm)
{
    const QString Cert = FFolder.filePath(QStringLiteral("cert.pem"));
    const QString Key = FFolder.filePath(QStringLiteral("key.pem"));
    if (!MakeTestCertificate(Cert, Key))
        GTEST_SKIP() << "the openssl command is needed to make a certificate";

    const int Port = Start({QStringLiteral("--cert"), Cert, QStringLiteral("--key"), Key});
    ASSERT_NE(Port, 0);

    httplib::SSLClient Client("127.0.0.1", Port);
    Client.enable_server_certificate_verification(false);
    Client.set_read_timeout(10);
    const httplib::Result Health = Client.Get("/qomvi/datastore/health");
    ASSERT_TRUE(Health) << httplib::to_string(Health.error());
    EXPECT_EQ(Health->status, 200);

    StopWith(SIGTERM);
}

struct TUsageCase
{
    const char* Name;
    QStringList Arguments;
};

void PrintTo(const TUsageCase& ACase, std::ostream* AStream)
{
    *AStream << ACase.Name;
}

class KWDataStoreUsageTest : public ::testing::TestWithParam<TUsageCase>
{
};

TEST_P(KWDataStoreUsageTest, RefusesToStart)
{
    QProcess Process;
    Process.start(QStringLiteral(QOMVI_DATASTORE_EXE), GetParam().Arguments);
    ASSERT_TRUE(Process.waitForFinished(cTimeoutMs));
    EXPECT_EQ(Process.exitCode(), 2);
    EXPECT_TRUE(Process.readAllStandardOutput().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Options, KWDataStoreUsageTest,
    ::testing::Values(TUsageCase{"NoDb", {"--port", "0"}}, TUsageCase{"NoPort", {"--db", "x.s3db"}},
                      TUsageCase{"PortTooLarge", {"--port", "65536", "--db", "x.s3db"}},
                      TUsageCase{"CertWithoutKey",
                                 {"--port", "0", "--db", "x.s3db", "--cert", "c.pem"}},
                      TUsageCase{"RequestTimeoutZero",
                                 {"--port", "0", "--db", "x.s3db", "--request-timeout", "0"}}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

} // namespace

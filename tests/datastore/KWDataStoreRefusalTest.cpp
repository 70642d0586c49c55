// What the real data store program on 127.0.0.1 refuses: bodies without a declared length or
// with an encoding, oversized request heads, clients too slow to finish a request, and upload
// forms whose names or documents could be read two ways.
#include "DataStoreServerProcess.h"
#include "DataStoreTestCertificate.h"
#include "DataStoreTestConnection.h"
#include "DataStoreTestForms.h"
#include "KWDataStoreStorage.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <thread>

namespace {

using namespace std::chrono_literals;
using TSeconds = std::chrono::duration<double>;

const std::string cBoundary = "qomvi-test-boundary";

std::string MultipartBody(const TKWUploadForm& AForm)
{
    std::string Body;
    for (const auto& [Name, Value] : AForm)
        Body += "--" + cBoundary + "\r\nContent-Disposition: form-data; name=\"" + Name +
                "\"\r\n\r\n" + Value + "\r\n";
    return Body + "--" + cBoundary + "--\r\n";
}

std::string UploadHead(const std::string& AFields)
{
    return "POST /qomvi/datastore HTTP/1.1\r\nHost: 127.0.0.1\r\n"
           "Content-Type: multipart/form-data; boundary=" +
           cBoundary + "\r\n" + AFields + "\r\n";
}

std::string LengthField(const std::string& ABody)
{
    return "Content-Length: " + std::to_string(ABody.size()) + "\r\n";
}

class KWDataStoreRefusalTest : public ::testing::Test
{
protected:
    int Start(const QStringList& AArguments = {})
    {
        return FServer.Start(QStringLiteral(QOMVI_DATASTORE_EXE),
                             FFolder.filePath(QStringLiteral("datastore.s3db")), AArguments);
    }

    int StoredUploads() const
    {
        return TKWDataStoreStorage(FFolder.filePath(QStringLiteral("datastore.s3db"))).Count();
    }

    QTemporaryDir FFolder;
    TDataStoreServerProcess FServer;
};

struct TFramingCase
{
    const char* Name;
    // The raw request for the body of a valid upload form.
    std::function<std::string(const std::string&)> Request;
    int Status;
    const char* ReasonPart;
};

void PrintTo(const TFramingCase& ACase, std::ostream* AStream)
{
    *AStream << ACase.Name;
}

class KWDataStoreFramingTest : public KWDataStoreRefusalTest,
                               public ::testing::WithParamInterface<TFramingCase>
{
};

// The connection stays open after the request: an answer must not wait for the client to stop
// sending, and a refused body must not be stored.
TEST_P(KWDataStoreFramingTest, AnswersFromTheHeadAlone)
{
    const int Port = Start();
    ASSERT_NE(Port, 0);
    TDataStoreTestConnection Connection(Port);

    ASSERT_TRUE(Connection.Send(GetParam().Request(MultipartBody(TestUploadForm()))));
    Connection.WaitForAnswer(5s);

    EXPECT_EQ(Connection.Status(), GetParam().Status) << Connection.Received();
    EXPECT_NE(Connection.Body().find(GetParam().ReasonPart), std::string::npos)
        << Connection.Received();
    EXPECT_EQ(StoredUploads(), GetParam().Status == 200 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Uploads, KWDataStoreFramingTest,
    ::testing::Values(
        TFramingCase{
            "WithLength",
            [](const std::string& ABody) { return UploadHead(LengthField(ABody)) + ABody; }, 200,
            "stored"},
        TFramingCase{"Chunked",
                     [](const std::string& ABody) {
                         return UploadHead("Transfer-Encoding: chunked\r\n") +
                                QByteArray::number(qsizetype(ABody.size()), 16).toStdString() +
                                "\r\n" + ABody + "\r\n0\r\n\r\n";
                     },
                     411, "Transfer-Encoding"},
        // The body is never read, so it need not really be compressed.
        TFramingCase{"Gzip",
                     [](const std::string& ABody) {
                         return UploadHead("Content-Encoding: gzip\r\n" + LengthField(ABody)) +
                                ABody;
                     },
                     415, "Content-Encoding"},
        TFramingCase{"WithoutLength",
                     [](const std::string& ABody) { return UploadHead("") + ABody; }, 411,
                     "Content-Length required"},
        TFramingCase{"HeadOver32KiB",
                     [](const std::string& ABody) {
                         return UploadHead("X-Padding: " + std::string(40 * 1024, 'a') + "\r\n" +
                                           LengthField(ABody)) +
                                ABody;
                     },
                     431, "32 KiB"},
        TFramingCase{"ManyHeaderFields",
                     [](const std::string& ABody) {
                         std::string Fields = LengthField(ABody);
                         for (int I = 0; I < 200; ++I)
                             Fields += "X-Field-" + std::to_string(I) + ": a\r\n";
                         return UploadHead(Fields) + ABody;
                     },
                     431, "100 header fields"}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

class KWDataStoreSlowClientTest : public KWDataStoreRefusalTest,
                                  public ::testing::WithParamInterface<bool>
{
protected:
    static constexpr int cSlowClients = 12;
    static constexpr int cRequestTimeout = 2;

    // A health check and an upload as a normal client makes them; the time both took.
    std::optional<TSeconds> ServeNormalClient(int APort) const
    {
        const auto Begin = std::chrono::steady_clock::now();
        httplib::Client Client((GetParam() ? "https://127.0.0.1:" : "http://127.0.0.1:") +
                               std::to_string(APort));
        Client.enable_server_certificate_verification(false);
        Client.set_read_timeout(10);
        const httplib::Result Health = Client.Get("/qomvi/datastore/health");
        const httplib::Result Upload =
            Client.Post("/qomvi/datastore", MultipartForm(TestUploadForm()));
        if (!Health || Health->status != 200 || !Upload || Upload->status != 200)
            return std::nullopt;
        return std::chrono::steady_clock::now() - Begin;
    }
};

// Each slow client sends one byte of a request head every 200 ms and never finishes it. More of
// them than the HTTP library has workers of its own once starved everyone, for ever.
TEST_P(KWDataStoreSlowClientTest, ServesOthersAndCutsTheSlowOnesAtTheDeadline)
{
    QStringList Arguments = {"--request-timeout", QString::number(cRequestTimeout)};
    if (GetParam()) {
        const QString Cert = FFolder.filePath(QStringLiteral("cert.pem"));
        const QString Key = FFolder.filePath(QStringLiteral("key.pem"));
        if (!MakeTestCertificate(Cert, Key))
            GTEST_SKIP() << "the openssl command is needed to make a certificate";
        Arguments << "--cert" << Cert << "--key" << Key;
    }
    const int Port = Start(Arguments);
    ASSERT_NE(Port, 0);
    const std::string Head = "GET /qomvi/datastore/health HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Slow: " +
                             std::string(1000, 'a');
    std::vector<std::unique_ptr<TDataStoreTestConnection>> Slow;
    for (int I = 0; I < cSlowClients; ++I)
        Slow.push_back(std::make_unique<TDataStoreTestConnection>(Port, GetParam()));
    const auto Begin = std::chrono::steady_clock::now();
    std::vector<std::optional<TSeconds>> CutAfter(cSlowClients);
    bool NormalTried = false;
    std::optional<TSeconds> NormalTook;

    for (std::size_t Byte = 0; std::chrono::steady_clock::now() - Begin < 8s; ++Byte) {
        for (int I = 0; I < cSlowClients; ++I) {
            if (CutAfter[I])
                continue;
            if (Slow[I]->ServerHasSpoken())
                CutAfter[I] = std::chrono::steady_clock::now() - Begin;
            else
                Slow[I]->Send(Head.substr(Byte, 1));
        }
        if (std::all_of(CutAfter.begin(), CutAfter.end(), [](const auto& A) { return A; }))
            break;
        if (!NormalTried && std::chrono::steady_clock::now() - Begin > 600ms) {
            ASSERT_TRUE(
                std::none_of(CutAfter.begin(), CutAfter.end(), [](const auto& A) { return A; }));
            NormalTried = true;
            NormalTook = ServeNormalClient(Port);
        }
        std::this_thread::sleep_for(200ms);
    }

    ASSERT_TRUE(NormalTried);
    ASSERT_TRUE(NormalTook) << "the normal client was not served";
    EXPECT_LT(NormalTook->count(), 1.0);
    for (int I = 0; I < cSlowClients; ++I) {
        ASSERT_TRUE(CutAfter[I]) << "slow client " << I << " was never cut";
        EXPECT_GT(CutAfter[I]->count(), cRequestTimeout - 0.5) << "slow client " << I;
        EXPECT_LT(CutAfter[I]->count(), cRequestTimeout + 3.0) << "slow client " << I;
        EXPECT_EQ(Slow[I]->Status(), 408) << Slow[I]->Received();
    }
}

INSTANTIATE_TEST_SUITE_P(Transports, KWDataStoreSlowClientTest, ::testing::Values(false, true),
                         [](const auto& AInfo) { return AInfo.param ? "Https" : "Http"; });

// "$" also matches before a final line feed: such a name gave one visit a second row.
TEST_F(KWDataStoreRefusalTest, RefusesNamesWithAFinalLineFeed)
{
    const int Port = Start();
    ASSERT_NE(Port, 0);
    httplib::Client Client("127.0.0.1", Port);
    Client.set_read_timeout(10);
    const httplib::Result First = Client.Post("/qomvi/datastore", MultipartForm(TestUploadForm()));
    ASSERT_TRUE(First);
    ASSERT_EQ(First->status, 200) << First->body;

    for (const std::string Field : {"visitid", "dataname"}) {
        TKWUploadForm Form = TestUploadForm();
        Form.find(Field)->second += "\n";
        const httplib::Result Result = Client.Post("/qomvi/datastore", MultipartForm(Form));
        ASSERT_TRUE(Result) << Field;
        EXPECT_EQ(Result->status, 400) << Field;
        EXPECT_NE(Result->body.find("\"" + Field + "\""), std::string::npos) << Result->body;
    }
    EXPECT_EQ(StoredUploads(), 1);
}

// The privacy check saw the last "Betriebsinhaber", empty; the stored text kept the first.
TEST_F(KWDataStoreRefusalTest, RefusesADocumentWithARepeatedMember)
{
    const int Port = Start();
    ASSERT_NE(Port, 0);
    httplib::Client Client("127.0.0.1", Port);
    Client.set_read_timeout(10);
    TKWUploadForm Form = TestUploadForm();
    Form.find("datacontent")->second =
        R"({"Erfassung":{"Betriebsdaten":{"Betriebsinhaber":"Hof Muster","Betriebsinhaber":""}}})";

    const httplib::Result Result = Client.Post("/qomvi/datastore", MultipartForm(Form));

    ASSERT_TRUE(Result) << httplib::to_string(Result.error());
    EXPECT_EQ(Result->status, 400);
    EXPECT_NE(Result->body.find("\"Betriebsinhaber\" occurs more than once"), std::string::npos)
        << Result->body;
    EXPECT_EQ(StoredUploads(), 0);
}

} // namespace

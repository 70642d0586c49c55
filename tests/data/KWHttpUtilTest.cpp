#include "KWHttpUtil.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Answers every request with a fixed status line after reading the whole request.
class TFakeServer
{
public:
    explicit TFakeServer(QByteArray AStatusLine, QByteArray ABody = "ok")
        : FStatusLine(std::move(AStatusLine)), FBody(std::move(ABody))
    {
        FServer.listen(QHostAddress::LocalHost);
        QObject::connect(&FServer, &QTcpServer::newConnection, &FServer, [this] { Accept(); });
    }

    QString Url() const { return QStringLiteral("http://127.0.0.1:%1/qomvi/datastore").arg(FServer.serverPort()); }
    const QByteArray& Request() const { return FRequest; }

private:
    void Accept()
    {
        QTcpSocket* Socket = FServer.nextPendingConnection();
        QObject::connect(Socket, &QTcpSocket::readyRead, Socket, [this, Socket] {
            FRequest += Socket->readAll();
            const int HeaderEnd = FRequest.indexOf("\r\n\r\n");
            const int Length = FRequest.mid(FRequest.toLower().indexOf("content-length:") + 15, 12).trimmed().split('\r').first().toInt();
            if (HeaderEnd < 0 || FRequest.size() < HeaderEnd + 4 + Length)
                return;
            Socket->write(FStatusLine + "\r\nContent-Length: " + QByteArray::number(FBody.size()) +
                          "\r\nConnection: close\r\n\r\n" + FBody);
            Socket->disconnectFromHost();
        });
    }

    QTcpServer FServer;
    QByteArray FStatusLine;
    QByteArray FBody;
    QByteArray FRequest;
};

class KWHttpUtilTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FPrevious = QDir::currentPath();
        QDir::setCurrent(FFolder.path());
    }
    void TearDown() override { QDir::setCurrent(FPrevious); }

    static QString ReadFile(const QString& AName)
    {
        QFile File(AName);
        return File.open(QIODevice::ReadOnly) ? QString::fromUtf8(File.readAll()) : QStringLiteral("<missing>");
    }

    QTemporaryDir FFolder;
    QString FPrevious;
};

TEST_F(KWHttpUtilTest, ASuccessfulPostSendsTheFieldsInOrderAsUtf8)
{
    TFakeServer Server("HTTP/1.1 200 OK", "gespeichert");
    const QString Document = QStringLiteral("{\"Erfassung\":{\"Stallname\":\"Süd\"}}");
    EXPECT_EQ(TKWHttpUtil::SendDataPostString(Server.Url(), "V.1", "BeratungAnonym.0000ABCD.json", Document), "");
    EXPECT_EQ(TKWHttpUtil::LastStatusCode(), 200);
    EXPECT_EQ(TKWHttpUtil::LastResponseContent(), "gespeichert");

    const QString Request = QString::fromUtf8(Server.Request());
    EXPECT_TRUE(Request.startsWith("POST /qomvi/datastore"));
    EXPECT_TRUE(Request.contains("multipart/form-data"));
    qsizetype Last = -1;
    for (const char* Name : {"action", "configid", "visitid", "dataname", "datacontent"}) {
        const qsizetype At = Request.indexOf(QStringLiteral("name=\"%1\"").arg(Name));
        EXPECT_GT(At, Last) << Name;
        Last = At;
    }
    EXPECT_TRUE(Request.contains("store") && Request.contains("Kvo2021") && Request.contains(Document));
    EXPECT_EQ(ReadFile("requestContent.txt"), Document);
    EXPECT_EQ(ReadFile("responseContent.txt"), "gespeichert");
    EXPECT_EQ(ReadFile("responseStatus.txt"), "OK");
}

TEST_F(KWHttpUtilTest, ARefusalGivesTheStatusText)
{
    const std::pair<QByteArray, QString> Cases[] = {
        {"HTTP/1.1 422 Unprocessable Entity", "Unprocessable Entity"},
        {"HTTP/1.1 302 Found", "Found"},
        {"HTTP/1.1 500 ", "HTTP 500"},
    };
    for (const auto& [StatusLine, Expected] : Cases) {
        TFakeServer Server(StatusLine, "nein");
        EXPECT_EQ(TKWHttpUtil::SendDataPostString(Server.Url(), "V", "D", "{}"), Expected);
        EXPECT_EQ(ReadFile("responseStatus.txt"), Expected);
    }
}

TEST_F(KWHttpUtilTest, NoServerOrNoReplyIsAnInternalError)
{
    QTcpServer Closed;
    Closed.listen(QHostAddress::LocalHost);
    const quint16 Port = Closed.serverPort();
    Closed.close();
    const QString Refused = TKWHttpUtil::SendDataPostString(
        QStringLiteral("http://127.0.0.1:%1/qomvi/datastore").arg(Port), "V", "D", "{}");
    EXPECT_TRUE(Refused.startsWith("Internal Error: ")) << Refused.toStdString();
    EXPECT_EQ(TKWHttpUtil::LastStatusCode(), 500);

    QTcpServer Silent; // accepts, never answers
    Silent.listen(QHostAddress::LocalHost);
    const QString Timeout = TKWHttpUtil::SendDataPostString(
        QStringLiteral("http://127.0.0.1:%1/qomvi/datastore").arg(Silent.serverPort()), "V", "D", "{}", 300);
    EXPECT_TRUE(Timeout.startsWith("Internal Error: ")) << Timeout.toStdString();
    EXPECT_EQ(ReadFile("responseContent.txt"), "");
}

} // namespace

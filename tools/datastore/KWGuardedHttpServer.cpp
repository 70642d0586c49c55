#include "KWGuardedHttpServer.h"

#include "KWConnectionStream.h"
#include "KWException.h"
#include "KWRequestHead.h"

#include <openssl/ssl.h>

namespace {

// Each worker serves one connection at a time; a slow client holds one for at most the request
// timeout.
constexpr std::size_t cWorkerCount = 64;

const char* StatusText(int AStatus)
{
    switch (AStatus) {
    case 400:
        return "Bad Request";
    case 408:
        return "Request Timeout";
    case 411:
        return "Length Required";
    case 415:
        return "Unsupported Media Type";
    case 431:
        return "Request Header Fields Too Large";
    default:
        return "Error";
    }
}

SSL_CTX* CreateTlsContext(const QString& ACertFile, const QString& AKeyFile)
{
    if (ACertFile.isEmpty())
        return nullptr;
    SSL_CTX* Context = SSL_CTX_new(TLS_server_method());
    const QByteArray Cert = ACertFile.toLocal8Bit();
    const QByteArray Key = AKeyFile.toLocal8Bit();
    if (!Context || SSL_CTX_set_min_proto_version(Context, TLS1_2_VERSION) != 1 ||
        SSL_CTX_use_certificate_chain_file(Context, Cert.constData()) != 1 ||
        SSL_CTX_use_PrivateKey_file(Context, Key.constData(), SSL_FILETYPE_PEM) != 1 ||
        SSL_CTX_check_private_key(Context) != 1) {
        SSL_CTX_free(Context);
        throw EKWException(QStringLiteral("cannot load certificate \"%1\" with key \"%2\"")
                               .arg(ACertFile, AKeyFile));
    }
    SSL_CTX_set_options(Context, SSL_OP_NO_COMPRESSION | SSL_OP_NO_RENEGOTIATION);
    return Context;
}

TKWRequestHead Refusal(int AStatus, std::string AReason)
{
    TKWRequestHead Head;
    Head.Status = AStatus;
    Head.Reason = std::move(AReason);
    return Head;
}

} // namespace

TKWGuardedHttpServer::TKWGuardedHttpServer(const QString& ACertFile, const QString& AKeyFile,
                                           std::chrono::seconds ARequestTimeout)
    : FTlsContext(CreateTlsContext(ACertFile, AKeyFile), SSL_CTX_free),
      FRequestTimeout(ARequestTimeout)
{
    new_task_queue = [] { return new httplib::ThreadPool(cWorkerCount); };
}

TKWGuardedHttpServer::~TKWGuardedHttpServer() = default;

void TKWGuardedHttpServer::SetLogger(const httplib::Logger& ALogger)
{
    FLogger = ALogger;
    // The library's own logger runs after the answer is sent, so a client's next request, on
    // another connection, could be logged first.
    set_post_routing_handler(
        [ALogger](const httplib::Request& ARequest, httplib::Response& AResponse) {
            ALogger(ARequest, AResponse);
        });
}

bool TKWGuardedHttpServer::process_and_close_socket(socket_t ASocket)
{
    TKWConnectionStream Stream(
        ASocket, FTlsContext.get(),
        {std::chrono::seconds(read_timeout_sec_), std::chrono::seconds(write_timeout_sec_)},
        [this] { return Stopping(); });
    bool Open = Stream.Handshake(TKWClock::now() + FRequestTimeout);
    for (std::size_t Left = keep_alive_max_count_; Open && Left > 0; --Left)
        Open = Stream.WaitForRequest(std::chrono::seconds(keep_alive_timeout_sec_)) &&
               ServeRequest(Stream, Left == 1);
    Stream.Finish(Stream.HasUnreadInput());
    return true;
}

bool TKWGuardedHttpServer::ServeRequest(TKWConnectionStream& AStream, bool ALast)
{
    std::string_view HeadText;
    switch (AStream.ReadHead(TKWClock::now() + FRequestTimeout, cMaxRequestHeadLength, HeadText)) {
    case TKWConnectionStream::THeadResult::Closed:
        return false;
    case TKWConnectionStream::THeadResult::TimedOut:
        Refuse(AStream, Refusal(408, "request not complete in time"));
        return false;
    case TKWConnectionStream::THeadResult::TooLarge:
        Refuse(AStream, Refusal(431, "request head larger than " +
                                         std::to_string(cMaxRequestHeadLength / 1024) + " KiB"));
        return false;
    case TKWConnectionStream::THeadResult::Complete:
        break;
    }
    const TKWRequestHead Head = KWCheckRequestHead(HeadText);
    if (Head.Status != 0) {
        Refuse(AStream, Head);
        return false;
    }
    AStream.LimitRequest(HeadText.size(), Head.BodyLength);
    bool ClientCloses = false;
    const bool Answered = process_request(AStream, ALast, ClientCloses, nullptr);
    // A body left unread would be taken for the next request.
    return Answered && !ClientCloses && !ALast && AStream.RequestConsumed();
}

// Answers with the reason and closes the connection: the body, if any, stays unread.
void TKWGuardedHttpServer::Refuse(TKWConnectionStream& AStream, const TKWRequestHead& AHead)
{
    httplib::Response Response;
    Response.status = AHead.Status;
    Response.body = AHead.Reason;
    if (FLogger) {
        httplib::Request Request;
        Request.method = AHead.Method;
        Request.path = AHead.Path;
        FLogger(Request, Response);
    }
    AStream.WriteAll("HTTP/1.1 " + std::to_string(AHead.Status) + " " + StatusText(AHead.Status) +
                     "\r\nConnection: close\r\nContent-Type: text/plain; charset=utf-8"
                     "\r\nContent-Length: " +
                     std::to_string(Response.body.size()) + "\r\n\r\n" + Response.body);
}

bool TKWGuardedHttpServer::Stopping() const
{
    return svr_sock_ == INVALID_SOCKET;
}

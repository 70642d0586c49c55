#include "DataStoreTestConnection.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::string_view cHeadEnd = "\r\n\r\n";
constexpr std::chrono::milliseconds cPollStep{20};

int Connect(int APort)
{
    const int Socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in Address{};
    Address.sin_family = AF_INET;
    Address.sin_port = htons(uint16_t(APort));
    Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (Socket >= 0 &&
        ::connect(Socket, reinterpret_cast<sockaddr*>(&Address), sizeof(Address)) != 0) {
        ::close(Socket);
        return -1;
    }
    return Socket;
}

bool WaitFor(int ASocket, short AEvents, std::chrono::milliseconds ATimeout)
{
    pollfd Poll{ASocket, AEvents, 0};
    return ::poll(&Poll, 1, int(ATimeout.count())) > 0;
}

} // namespace

TDataStoreTestConnection::TDataStoreTestConnection(int APort, bool ATls)
    : FSocket(Connect(APort)), FTlsContext(nullptr, SSL_CTX_free), FTls(nullptr, SSL_free)
{
    if (FSocket >= 0 && ATls) {
        // A server that closes while the test still writes must fail the write, not end the
        // test program.
        std::signal(SIGPIPE, SIG_IGN);
        FTlsContext.reset(SSL_CTX_new(TLS_client_method()));
        FTls.reset(SSL_new(FTlsContext.get()));
        SSL_set_fd(FTls.get(), FSocket);
        FClosed = SSL_connect(FTls.get()) != 1;
    }
    if (FSocket >= 0)
        ::fcntl(FSocket, F_SETFL, ::fcntl(FSocket, F_GETFL) | O_NONBLOCK);
}

TDataStoreTestConnection::~TDataStoreTestConnection()
{
    FTls.reset();
    if (FSocket >= 0)
        ::close(FSocket);
}

bool TDataStoreTestConnection::Send(std::string_view AData)
{
    while (IsOpen() && !AData.empty()) {
        ERR_clear_error();
        const long Count = FTls ? SSL_write(FTls.get(), AData.data(), int(AData.size()))
                                : ::send(FSocket, AData.data(), AData.size(), MSG_NOSIGNAL);
        if (Count > 0) {
            AData.remove_prefix(std::size_t(Count));
            continue;
        }
        const bool Again = FTls ? SSL_get_error(FTls.get(), int(Count)) == SSL_ERROR_WANT_WRITE
                                : (errno == EAGAIN || errno == EWOULDBLOCK);
        if (!Again || !WaitFor(FSocket, POLLOUT, std::chrono::seconds(5)))
            return false;
    }
    return AData.empty();
}

bool TDataStoreTestConnection::ServerHasSpoken()
{
    char Chunk[4096];
    while (IsOpen()) {
        ERR_clear_error();
        const long Count = FTls ? SSL_read(FTls.get(), Chunk, sizeof(Chunk))
                                : ::recv(FSocket, Chunk, sizeof(Chunk), 0);
        if (Count > 0) {
            FReceived.append(Chunk, std::size_t(Count));
            continue;
        }
        const bool Again = FTls ? SSL_get_error(FTls.get(), int(Count)) == SSL_ERROR_WANT_READ
                                : Count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        FClosed = !Again;
        break;
    }
    return !FReceived.empty() || FClosed;
}

void TDataStoreTestConnection::WaitForAnswer(std::chrono::milliseconds ATimeout)
{
    const auto Until = std::chrono::steady_clock::now() + ATimeout;
    ServerHasSpoken();
    while (IsOpen() && !AnswerComplete() && std::chrono::steady_clock::now() < Until) {
        WaitFor(FSocket, POLLIN, cPollStep);
        ServerHasSpoken();
    }
}

int TDataStoreTestConnection::Status() const
{
    constexpr std::string_view Version = "HTTP/1.1 ";
    if (FReceived.size() < Version.size() + 3 || !FReceived.starts_with(Version))
        return 0;
    return std::atoi(FReceived.substr(Version.size(), 3).c_str());
}

std::string TDataStoreTestConnection::Body() const
{
    const auto End = FReceived.find(cHeadEnd);
    return End == std::string::npos ? std::string() : FReceived.substr(End + cHeadEnd.size());
}

bool TDataStoreTestConnection::AnswerComplete() const
{
    constexpr std::string_view LengthField = "\r\nContent-Length: ";
    const auto End = FReceived.find(cHeadEnd);
    const auto Length = FReceived.find(LengthField);
    if (End == std::string::npos || Length == std::string::npos || Length > End)
        return false;
    const auto Declared =
        std::strtoull(FReceived.c_str() + Length + LengthField.size(), nullptr, 10);
    return FReceived.size() - End - cHeadEnd.size() >= Declared;
}

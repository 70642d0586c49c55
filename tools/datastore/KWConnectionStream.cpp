#include "KWConnectionStream.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::string_view cHeadEnd = "\r\n\r\n";
constexpr std::size_t cReceiveChunk = 4096;
// How often a wait looks whether the server is stopping.
constexpr std::chrono::milliseconds cStopCheckInterval{200};
// What is read and dropped at most before the connection is closed on unread input.
constexpr std::chrono::seconds cDrainTime{1};
constexpr std::size_t cDrainLength = 1024 * 1024;

// One non-blocking attempt: its result, or the socket events to wait for before trying again.
struct TAttempt
{
    ssize_t Result;
    short WaitFor;
};

TAttempt SocketAttempt(ssize_t AResult, short AEvents)
{
    if (AResult >= 0)
        return {AResult, 0};
    const bool Again = errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    return {-1, Again ? AEvents : short(0)};
}

TAttempt TlsAttempt(SSL* ATls, int AResult, bool& ABroken)
{
    if (AResult > 0)
        return {AResult, 0};
    switch (SSL_get_error(ATls, AResult)) {
    case SSL_ERROR_WANT_READ:
        return {-1, POLLIN};
    case SSL_ERROR_WANT_WRITE:
        return {-1, POLLOUT};
    case SSL_ERROR_ZERO_RETURN:
        return {0, 0};
    default:
        ABroken = true;
        return {-1, 0};
    }
}

int TlsLength(std::size_t ASize)
{
    return int(std::min<std::size_t>(ASize, INT_MAX));
}

SSL* CreateTls(socket_t ASocket, SSL_CTX* AContext)
{
    if (!AContext)
        return nullptr;
    SSL* Tls = SSL_new(AContext);
    if (Tls && SSL_set_fd(Tls, ASocket) != 1) {
        SSL_free(Tls);
        return nullptr;
    }
    return Tls;
}

void Endpoint(int (*AQuery)(int, sockaddr*, socklen_t*), socket_t ASocket, std::string& AIp,
              int& APort)
{
    sockaddr_storage Address{};
    socklen_t Length = sizeof(Address);
    char Host[NI_MAXHOST] = {};
    char Service[NI_MAXSERV] = {};
    if (AQuery(ASocket, reinterpret_cast<sockaddr*>(&Address), &Length) != 0 ||
        getnameinfo(reinterpret_cast<sockaddr*>(&Address), Length, Host, sizeof(Host), Service,
                    sizeof(Service), NI_NUMERICHOST | NI_NUMERICSERV) != 0)
        return;
    AIp = Host;
    APort = std::atoi(Service);
}

} // namespace

TKWConnectionStream::TKWConnectionStream(socket_t ASocket, SSL_CTX* ATlsContext,
                                         TTimeouts ATimeouts, std::function<bool()> AStopping)
    : FSocket(ASocket), FTls(CreateTls(ASocket, ATlsContext), SSL_free), FTimeouts(ATimeouts),
      FStopping(std::move(AStopping))
{
    ::fcntl(FSocket, F_SETFL, ::fcntl(FSocket, F_GETFL) | O_NONBLOCK);
    FBroken = ATlsContext && !FTls;
}

TKWConnectionStream::~TKWConnectionStream()
{
    FTls.reset();
    ::close(FSocket);
}

// Repeats AOperation while the socket is not ready, until AUntil; -1 once the time is up.
template <class TOperation>
ssize_t TKWConnectionStream::Attempt(const TOperation& AOperation, TKWClock::time_point AUntil)
{
    for (;;) {
        // A TLS error of an earlier call would spoil the reading of this one.
        ERR_clear_error();
        const TAttempt Outcome = AOperation();
        if (Outcome.WaitFor == 0)
            return Outcome.Result;
        if (!Wait(Outcome.WaitFor, AUntil))
            return -1;
    }
}

bool TKWConnectionStream::Handshake(TKWClock::time_point ADeadline)
{
    if (!FTls)
        return !FBroken;
    return Attempt([this] { return TlsAttempt(FTls.get(), SSL_accept(FTls.get()), FBroken); },
                   ADeadline) == 1;
}

bool TKWConnectionStream::WaitForRequest(std::chrono::milliseconds AIdle)
{
    FDeadline = TKWClock::time_point::max();
    if (FBufferPos < FBuffer.size() || (FTls && SSL_pending(FTls.get()) > 0))
        return true;
    return Wait(POLLIN, TKWClock::now() + AIdle);
}

TKWConnectionStream::THeadResult TKWConnectionStream::ReadHead(TKWClock::time_point ADeadline,
                                                               std::size_t AMaxLength,
                                                               std::string_view& AHead)
{
    FDeadline = ADeadline;
    FBuffer.erase(0, FBufferPos);
    FBufferPos = 0;
    std::size_t Searched = 0;
    for (;;) {
        const std::size_t End = FBuffer.find(cHeadEnd, Searched);
        if (End != std::string::npos && End + cHeadEnd.size() <= AMaxLength) {
            AHead = std::string_view(FBuffer).substr(0, End + cHeadEnd.size());
            return THeadResult::Complete;
        }
        if (End != std::string::npos || FBuffer.size() >= AMaxLength)
            return THeadResult::TooLarge;
        // The end may start in what is there and finish in what comes.
        Searched = FBuffer.size() - std::min(FBuffer.size(), cHeadEnd.size() - 1);
        const std::size_t Old = FBuffer.size();
        FBuffer.resize(Old + cReceiveChunk);
        const ssize_t Count = Receive(FBuffer.data() + Old, cReceiveChunk);
        FBuffer.resize(Old + std::size_t(std::max<ssize_t>(Count, 0)));
        if (Count <= 0)
            return FTimedOut ? THeadResult::TimedOut : THeadResult::Closed;
    }
}

void TKWConnectionStream::LimitRequest(std::size_t AHeadLength, std::uint64_t ABodyLength)
{
    FRequestEnd = FRead + AHeadLength;
    FRequestEnd += std::min(ABodyLength, std::numeric_limits<std::uint64_t>::max() - FRequestEnd);
}

bool TKWConnectionStream::RequestConsumed() const
{
    return FRead == FRequestEnd;
}

bool TKWConnectionStream::HasUnreadInput() const
{
    return FBufferPos < FBuffer.size() || FRead < FRequestEnd;
}

bool TKWConnectionStream::WriteAll(std::string_view AData)
{
    while (!AData.empty()) {
        const ssize_t Count = write(AData.data(), AData.size());
        if (Count <= 0)
            return false;
        AData.remove_prefix(std::size_t(Count));
    }
    return true;
}

void TKWConnectionStream::Finish(bool ADrain)
{
    if (FTls && !FBroken && SSL_is_init_finished(FTls.get())) {
        // Sends the closing notice without waiting for the client's.
        ERR_clear_error();
        SSL_shutdown(FTls.get());
    }
    ::shutdown(FSocket, SHUT_WR);
    if (!ADrain)
        return;
    const TKWClock::time_point Until = TKWClock::now() + cDrainTime;
    char Dropped[cReceiveChunk];
    std::size_t Left = cDrainLength;
    while (
        Left > 0 &&
        Attempt([&] { return SocketAttempt(::recv(FSocket, Dropped, sizeof(Dropped), 0), POLLIN); },
                Until) > 0)
        Left -= std::min(Left, sizeof(Dropped));
}

bool TKWConnectionStream::is_readable() const
{
    if (FBufferPos < FBuffer.size() || (FTls && SSL_pending(FTls.get()) > 0))
        return true;
    pollfd Poll{FSocket, POLLIN, 0};
    return ::poll(&Poll, 1, 0) > 0;
}

bool TKWConnectionStream::is_writable() const
{
    pollfd Poll{FSocket, POLLOUT, 0};
    return ::poll(&Poll, 1, 0) > 0;
}

ssize_t TKWConnectionStream::read(char* APtr, size_t ASize)
{
    const std::size_t Size = std::size_t(std::min<std::uint64_t>(ASize, FRequestEnd - FRead));
    if (Size == 0)
        return 0;
    ssize_t Count = 0;
    if (FBufferPos < FBuffer.size()) {
        Count = ssize_t(std::min(Size, FBuffer.size() - FBufferPos));
        std::memcpy(APtr, FBuffer.data() + FBufferPos, std::size_t(Count));
        FBufferPos += std::size_t(Count);
    } else {
        Count = Receive(APtr, Size);
    }
    FRead += std::uint64_t(std::max<ssize_t>(Count, 0));
    return Count;
}

ssize_t TKWConnectionStream::write(const char* APtr, size_t ASize)
{
    if (ASize == 0)
        return 0;
    const TKWClock::time_point Until = TKWClock::now() + FTimeouts.Write;
    if (FTls)
        return Attempt(
            [&] {
                return TlsAttempt(FTls.get(), SSL_write(FTls.get(), APtr, TlsLength(ASize)),
                                  FBroken);
            },
            Until);
    return Attempt(
        [&] { return SocketAttempt(::send(FSocket, APtr, ASize, MSG_NOSIGNAL), POLLOUT); }, Until);
}

void TKWConnectionStream::get_remote_ip_and_port(std::string& AIp, int& APort) const
{
    Endpoint(::getpeername, FSocket, AIp, APort);
}

void TKWConnectionStream::get_local_ip_and_port(std::string& AIp, int& APort) const
{
    Endpoint(::getsockname, FSocket, AIp, APort);
}

socket_t TKWConnectionStream::socket() const
{
    return FSocket;
}

ssize_t TKWConnectionStream::Receive(char* APtr, std::size_t ASize)
{
    const TKWClock::time_point Until = ReadUntil();
    if (FTls)
        return Attempt(
            [&] {
                return TlsAttempt(FTls.get(), SSL_read(FTls.get(), APtr, TlsLength(ASize)),
                                  FBroken);
            },
            Until);
    return Attempt([&] { return SocketAttempt(::recv(FSocket, APtr, ASize, 0), POLLIN); }, Until);
}

// Waits until the socket is ready for AEvents; false when AUntil passes first (FTimedOut tells
// it), the server stops or the wait fails.
bool TKWConnectionStream::Wait(short AEvents, TKWClock::time_point AUntil)
{
    FTimedOut = false;
    for (;;) {
        const auto Left = std::chrono::ceil<std::chrono::milliseconds>(AUntil - TKWClock::now());
        if (Left.count() <= 0) {
            FTimedOut = true;
            return false;
        }
        if (FStopping())
            return false;
        pollfd Poll{FSocket, AEvents, 0};
        const int Ready = ::poll(&Poll, 1, int(std::min(Left, cStopCheckInterval).count()));
        if (Ready > 0)
            return true;
        if (Ready < 0 && errno != EINTR)
            return false;
    }
}

TKWClock::time_point TKWConnectionStream::ReadUntil() const
{
    return std::min(FDeadline, TKWClock::now() + FTimeouts.Read);
}

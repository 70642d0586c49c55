#pragma once

#include <httplib.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

using TKWClock = std::chrono::steady_clock;

// One client connection of the data store, plain or TLS, as the stream the HTTP library reads a
// request from and writes the answer to. Unlike the library's own streams it never waits past a
// deadline (per read, per write and for the whole request), it reads a request's head before the
// library sees it, and it hands the library no more bytes of a request than its head declares.
// The socket is non-blocking from here on and closed with the stream.
class TKWConnectionStream final : public httplib::Stream
{
public:
    enum class THeadResult
    {
        Complete,
        Closed,
        TimedOut,
        TooLarge
    };

    struct TTimeouts
    {
        // The longest silence while reading, and the longest wait for the client to take data.
        std::chrono::milliseconds Read;
        std::chrono::milliseconds Write;
    };

    // ATlsContext null serves plain HTTP. AStopping tells that the server is stopping; every
    // wait then ends soon.
    TKWConnectionStream(socket_t ASocket, SSL_CTX* ATlsContext, TTimeouts ATimeouts,
                        std::function<bool()> AStopping);
    ~TKWConnectionStream() override;

    TKWConnectionStream(const TKWConnectionStream&) = delete;
    TKWConnectionStream& operator=(const TKWConnectionStream&) = delete;

    // The TLS handshake (nothing to do for plain HTTP); false when it fails or misses ADeadline.
    bool Handshake(TKWClock::time_point ADeadline);
    // Waits up to AIdle for the first byte of the next request.
    bool WaitForRequest(std::chrono::milliseconds AIdle);
    // Reads the next request's head, up to and with the blank line, and shows it in AHead until
    // the next read; the library then reads it again. ADeadline holds for the whole request.
    THeadResult ReadHead(TKWClock::time_point ADeadline, std::size_t AMaxLength,
                         std::string_view& AHead);
    // The library may read this request's head and ABodyLength bytes after it, no more.
    void LimitRequest(std::size_t AHeadLength, std::uint64_t ABodyLength);
    // Whether the library has read every byte of the request.
    bool RequestConsumed() const;
    // Whether the client may still be sending bytes that no request has read.
    bool HasUnreadInput() const;
    bool WriteAll(std::string_view AData);
    // Ends the TLS session and stops sending. With ADrain it then reads and drops what the client
    // still sends for a moment: closing on unread input resets the connection, and a reset can
    // destroy the answer before the client has read it.
    void Finish(bool ADrain);

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* APtr, size_t ASize) override;
    ssize_t write(const char* APtr, size_t ASize) override;
    void get_remote_ip_and_port(std::string& AIp, int& APort) const override;
    void get_local_ip_and_port(std::string& AIp, int& APort) const override;
    socket_t socket() const override;

private:
    template <class TOperation>
    ssize_t Attempt(const TOperation& AOperation, TKWClock::time_point AUntil);
    ssize_t Receive(char* APtr, std::size_t ASize);
    bool Wait(short AEvents, TKWClock::time_point AUntil);
    TKWClock::time_point ReadUntil() const;

    socket_t FSocket;
    std::unique_ptr<SSL, void (*)(SSL*)> FTls;
    TTimeouts FTimeouts;
    std::function<bool()> FStopping;
    TKWClock::time_point FDeadline = TKWClock::time_point::max();
    // Received and not yet read: the head being checked, and whatever came with it.
    std::string FBuffer;
    std::size_t FBufferPos = 0;
    // Bytes handed to the library, and where the current request's bytes end.
    std::uint64_t FRead = 0;
    std::uint64_t FRequestEnd = 0;
    bool FTimedOut = false;
    // A fatal TLS error forbids the closing handshake.
    bool FBroken = false;
};

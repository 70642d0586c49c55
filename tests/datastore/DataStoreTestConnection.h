#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

struct ssl_st;
struct ssl_ctx_st;

// A connection to the data store on 127.0.0.1 that sends exactly the bytes a test gives, over
// TCP or TLS, for the requests no HTTP client would make: malformed, unframed or trickled.
class TDataStoreTestConnection
{
public:
    // With ATls the TLS handshake comes first (the server's certificate is not checked).
    explicit TDataStoreTestConnection(int APort, bool ATls = false);
    ~TDataStoreTestConnection();

    TDataStoreTestConnection(const TDataStoreTestConnection&) = delete;
    TDataStoreTestConnection& operator=(const TDataStoreTestConnection&) = delete;

    bool IsOpen() const { return FSocket >= 0 && !FClosed; }
    bool Send(std::string_view AData);
    // Takes what has arrived, without waiting; true once the server has answered or closed.
    bool ServerHasSpoken();
    // Waits until a whole answer (its head and the body its Content-Length declares) has
    // arrived, the server has closed the connection or ATimeout has passed.
    void WaitForAnswer(std::chrono::milliseconds ATimeout);
    const std::string& Received() const { return FReceived; }
    // The status of the answer received, 0 before one has arrived.
    int Status() const;
    std::string Body() const;

private:
    bool AnswerComplete() const;

    int FSocket = -1;
    std::unique_ptr<ssl_ctx_st, void (*)(ssl_ctx_st*)> FTlsContext;
    std::unique_ptr<ssl_st, void (*)(ssl_st*)> FTls;
    std::string FReceived;
    bool FClosed = false;
};

#pragma once

#include <httplib.h>

#include <QString>

#include <chrono>
#include <memory>

class TKWConnectionStream;
struct TKWRequestHead;

// The HTTP library's server with the limits it lacks: every request must arrive whole, head and
// body, within the request timeout; its head is read and checked (size, field count, a declared
// body length, no transfer or content coding) before the library parses it or reads any body
// byte; refusals are answered and logged like every other request. Enough workers serve the
// connections that a few slow clients cannot keep the others waiting. The routes, handlers and
// the remaining settings are the library's.
class TKWGuardedHttpServer final : public httplib::Server
{
public:
    // TLS with a PEM certificate and key, plain HTTP without them; raises EKWException when
    // they cannot be loaded.
    TKWGuardedHttpServer(const QString& ACertFile, const QString& AKeyFile,
                         std::chrono::seconds ARequestTimeout);
    ~TKWGuardedHttpServer() override;

    // Logs every request, also those refused before the library saw them, before its answer is
    // sent.
    void SetLogger(const httplib::Logger& ALogger);

private:
    bool process_and_close_socket(socket_t ASocket) override;
    // Whether the connection may carry another request.
    bool ServeRequest(TKWConnectionStream& AStream, bool ALast);
    void Refuse(TKWConnectionStream& AStream, const TKWRequestHead& AHead);
    bool Stopping() const;

    std::unique_ptr<SSL_CTX, void (*)(SSL_CTX*)> FTlsContext;
    std::chrono::seconds FRequestTimeout;
    httplib::Logger FLogger;
};

#pragma once

#include <QString>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <ostream>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

class TKWDataStoreStorage;
class TKWGuardedHttpServer;

// The time a client has to send one whole request, head and body.
constexpr std::chrono::seconds cDefaultRequestTimeout{30};

// The HTTP side of the central data store: "POST /qomvi/datastore" takes an upload form and keeps
// an accepted upload in the storage; "GET /qomvi/datastore/health" answers 200. Every answer
// carries a short plain-text body (the reason of a refusal), and every request is written as one
// line to the log stream.
class TKWDataStoreServer final
{
public:
    // Plain HTTP without a certificate, HTTPS with one; raises EKWException when the certificate
    // or key cannot be loaded. A request that has not arrived whole within ARequestTimeout is
    // answered with 408 and its connection closed.
    TKWDataStoreServer(TKWDataStoreStorage& AStorage, std::ostream& ALog,
                       const QString& ACertFile = QString(), const QString& AKeyFile = QString(),
                       std::chrono::seconds ARequestTimeout = cDefaultRequestTimeout);
    ~TKWDataStoreServer();

    TKWDataStoreServer(const TKWDataStoreServer&) = delete;
    TKWDataStoreServer& operator=(const TKWDataStoreServer&) = delete;

    // Binds the address; port 0 takes a free port. Returns the bound port; raises EKWException
    // when the address cannot be bound.
    int Bind(const QString& AAddress, int APort);
    // Serves requests until Stop; false when the server failed rather than being stopped.
    bool Listen();
    // Ends Listen from any thread, also when Listen has not yet started to accept.
    void Stop();

private:
    void AddRoutes();
    void HandleUpload(const httplib::Request& ARequest, httplib::Response& AResponse);
    void LogRequest(const httplib::Request& ARequest, const httplib::Response& AResponse);

    TKWDataStoreStorage& FStorage;
    std::ostream& FLog;
    std::mutex FLogMutex;
    std::unique_ptr<TKWGuardedHttpServer> FServer;
    std::atomic<bool> FListening{false};
    std::atomic<bool> FStopRequested{false};
};

// qomvi-datastore: the central data store that receives anonymised visit uploads.

#include "KWDataStoreServer.h"
#include "KWDataStoreStorage.h"
#include "KWException.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <chrono>
#include <csignal>
#include <iostream>
#include <optional>
#include <pthread.h>
#include <thread>

namespace {

struct TKWOptions
{
    int Port = 0;
    QString Address;
    QString DbFile;
    QString CertFile;
    QString KeyFile;
    std::chrono::seconds RequestTimeout = cDefaultRequestTimeout;
};

constexpr int cExitUsage = 2;
constexpr int cMaxRequestTimeoutSeconds = 3600;

const char* const cDescription =
    "Central data store for anonymised visit uploads.\n"
    "\n"
    "POST /qomvi/datastore takes the upload form (action, configid, visitid, dataname,\n"
    "datacontent) and keeps an accepted upload in the SQLite file, one row per visitid;\n"
    "GET /qomvi/datastore/health answers 200. HTTPS with --cert and --key, plain HTTP\n"
    "otherwise.\n"
    "\n"
    "Every request must arrive whole, head and body, within --request-timeout seconds\n"
    "(408 and the connection closed otherwise). A body must declare its Content-Length\n"
    "(411 for chunked or length-less bodies) and must not be encoded (415); request heads\n"
    "over 32 KiB or 100 header fields are refused with 431, bodies over 10 MiB with 413.\n"
    "\n"
    "Start-up contract: once the port is bound, the server writes exactly one line to\n"
    "stdout and flushes it:\n"
    "  listening on ADDRESS:PORT\n"
    "and nothing else to stdout. With --port 0 the system picks a free port; read it\n"
    "from that line (the digits after the last colon). Connections are accepted from the\n"
    "moment the line is written. One log line per request goes to stderr (UTC time,\n"
    "method, path, status, reason or stored visit). SIGINT and SIGTERM stop the server\n"
    "cleanly with exit code 0.";

std::optional<TKWOptions> Fail(const QCommandLineParser& AParser, const QString& AMessage)
{
    std::cerr << "qomvi-datastore: " << AMessage.toStdString() << "\n\n"
              << AParser.helpText().toStdString();
    return std::nullopt;
}

// The options, or nothing after telling what is wrong.
std::optional<TKWOptions> ParseOptions(const QCoreApplication& AApp)
{
    QCommandLineParser Parser;
    Parser.setApplicationDescription(QString::fromLatin1(cDescription));
    Parser.addHelpOption();
    Parser.addOptions({
        {QStringLiteral("port"), QStringLiteral("TCP port; 0 picks a free one."),
         QStringLiteral("N")},
        {QStringLiteral("bind"), QStringLiteral("Address to bind (default 127.0.0.1)."),
         QStringLiteral("ADDR"), QStringLiteral("127.0.0.1")},
        {QStringLiteral("db"), QStringLiteral("SQLite file of the uploads (created if missing)."),
         QStringLiteral("FILE")},
        {QStringLiteral("cert"), QStringLiteral("PEM certificate; serves HTTPS with --key."),
         QStringLiteral("PEM")},
        {QStringLiteral("key"), QStringLiteral("PEM private key of the certificate."),
         QStringLiteral("PEM")},
        {QStringLiteral("request-timeout"),
         QStringLiteral("Seconds a client has to send one whole request (default %1).")
             .arg(cDefaultRequestTimeout.count()),
         QStringLiteral("S"), QString::number(cDefaultRequestTimeout.count())},
    });
    Parser.process(AApp);

    TKWOptions Options;
    bool PortOk = false;
    Options.Port = Parser.value(QStringLiteral("port")).toInt(&PortOk);
    if (!PortOk || Options.Port < 0 || Options.Port > 65535)
        return Fail(Parser, QStringLiteral("--port N with N from 0 to 65535 is required"));
    Options.Address = Parser.value(QStringLiteral("bind"));
    Options.DbFile = Parser.value(QStringLiteral("db"));
    if (Options.DbFile.isEmpty())
        return Fail(Parser, QStringLiteral("--db FILE is required"));
    Options.CertFile = Parser.value(QStringLiteral("cert"));
    Options.KeyFile = Parser.value(QStringLiteral("key"));
    if (Options.CertFile.isEmpty() != Options.KeyFile.isEmpty())
        return Fail(Parser, QStringLiteral("--cert and --key go together"));
    bool TimeoutOk = false;
    const int Timeout = Parser.value(QStringLiteral("request-timeout")).toInt(&TimeoutOk);
    if (!TimeoutOk || Timeout < 1 || Timeout > cMaxRequestTimeoutSeconds)
        return Fail(Parser, QStringLiteral("--request-timeout S with S from 1 to %1")
                                .arg(cMaxRequestTimeoutSeconds));
    Options.RequestTimeout = std::chrono::seconds(Timeout);
    return Options;
}

// Blocked in every thread, so that they are taken only by the thread that waits for them.
sigset_t BlockStopSignals()
{
    sigset_t Signals;
    sigemptyset(&Signals);
    sigaddset(&Signals, SIGINT);
    sigaddset(&Signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &Signals, nullptr);
    return Signals;
}

int Serve(const TKWOptions& AOptions, const sigset_t& AStopSignals)
{
    TKWDataStoreStorage Storage(AOptions.DbFile);
    TKWDataStoreServer Server(Storage, std::cerr, AOptions.CertFile, AOptions.KeyFile,
                              AOptions.RequestTimeout);
    const int Port = Server.Bind(AOptions.Address, AOptions.Port);
    std::cerr << "qomvi-datastore: " << Storage.Count() << " uploads in "
              << AOptions.DbFile.toStdString() << std::endl;
    std::cout << "listening on " << AOptions.Address.toStdString() << ':' << Port << std::endl;

    std::thread SignalWaiter([&Server, &AStopSignals] {
        int Signal = 0;
        sigwait(&AStopSignals, &Signal);
        Server.Stop();
    });
    const bool Clean = Server.Listen();
    // Wakes the waiter when the server ended on its own; after a real signal it is harmless.
    pthread_kill(SignalWaiter.native_handle(), SIGTERM);
    SignalWaiter.join();
    return Clean ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace

int main(int argc, char** argv)
{
    const sigset_t StopSignals = BlockStopSignals();
    // A client that hangs up during a TLS write must not end the server.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication App(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qomvi-datastore"));
    const std::optional<TKWOptions> Options = ParseOptions(App);
    if (!Options)
        return cExitUsage;
    try {
        return Serve(*Options, StopSignals);
    } catch (const EKWException& Error) {
        std::cerr << "qomvi-datastore: " << Error.what() << std::endl;
        return EXIT_FAILURE;
    }
}

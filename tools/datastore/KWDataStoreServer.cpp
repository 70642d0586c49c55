#include "KWDataStoreServer.h"

#include "KWDataStoreStorage.h"
#include "KWException.h"
#include "KWGuardedHttpServer.h"
#include "KWUploadValidation.h"

#include <httplib.h>

#include <QDateTime>

#include <thread>

namespace {

const char* const cUploadPath = "/qomvi/datastore";
const char* const cHealthPath = "/qomvi/datastore/health";
constexpr size_t cMaxBodyLength = 10 * 1024 * 1024;
// Log fields come from the client; they are cut so that one request stays one short line.
constexpr qsizetype cMaxLogFieldLength = 300;

void Reply(httplib::Response& AResponse, int AStatus, const QString& AText)
{
    AResponse.status = AStatus;
    AResponse.set_content(AText.toStdString(), "text/plain; charset=utf-8");
}

// The reason for answers the HTTP library gives before any route runs.
QString DefaultReason(int AStatus)
{
    switch (AStatus) {
    case 400:
        return QStringLiteral("malformed or incomplete request");
    case 404:
        return QStringLiteral("no such path");
    case 413:
        return QStringLiteral("body larger than 10 MiB");
    default:
        return QStringLiteral("request refused");
    }
}

QString ExceptionText(const std::exception_ptr& AError)
{
    try {
        std::rethrow_exception(AError);
    } catch (const std::exception& Error) {
        return QString::fromUtf8(Error.what());
    } catch (...) {
        return QStringLiteral("unknown error");
    }
}

// Control characters would let a client forge log lines.
QString LogField(const std::string& AText)
{
    QString Field = QString::fromUtf8(AText).left(cMaxLogFieldLength);
    for (QChar& Char : Field)
        if (Char.category() == QChar::Other_Control || Char.category() == QChar::Separator_Line ||
            Char.category() == QChar::Separator_Paragraph)
            Char = QLatin1Char('?');
    return Field.isEmpty() ? QStringLiteral("-") : Field;
}

} // namespace

TKWDataStoreServer::TKWDataStoreServer(TKWDataStoreStorage& AStorage, std::ostream& ALog,
                                       const QString& ACertFile, const QString& AKeyFile,
                                       std::chrono::seconds ARequestTimeout)
    : FStorage(AStorage), FLog(ALog),
      FServer(std::make_unique<TKWGuardedHttpServer>(ACertFile, AKeyFile, ARequestTimeout))
{
    FServer->set_payload_max_length(cMaxBodyLength);
    AddRoutes();
}

TKWDataStoreServer::~TKWDataStoreServer() = default;

int TKWDataStoreServer::Bind(const QString& AAddress, int APort)
{
    const std::string Host = AAddress.toStdString();
    const int Port = APort == 0 ? FServer->bind_to_any_port(Host)
                                : (FServer->bind_to_port(Host, APort) ? APort : -1);
    if (Port < 0)
        throw EKWException(QStringLiteral("cannot bind to %1:%2").arg(AAddress).arg(APort));
    return Port;
}

bool TKWDataStoreServer::Listen()
{
    FListening = true;
    const bool Clean = FStopRequested || FServer->listen_after_bind();
    FListening = false;
    return Clean;
}

void TKWDataStoreServer::Stop()
{
    // The library ignores a stop before its accept loop runs; Listen checks the request before
    // it starts, and a Listen already past that check is waited for here.
    FStopRequested = true;
    while (FListening && !FServer->is_running())
        std::this_thread::yield();
    FServer->stop();
}

void TKWDataStoreServer::AddRoutes()
{
    const auto NotAllowed = [](const char* AAllow) -> httplib::Server::Handler {
        return [AAllow](const httplib::Request&, httplib::Response& AResponse) {
            AResponse.set_header("Allow", AAllow);
            Reply(AResponse, 405, QStringLiteral("method not allowed"));
        };
    };
    FServer->Post(cUploadPath, httplib::Server::Handler([this](const httplib::Request& ARequest,
                                                               httplib::Response& AResponse) {
                      HandleUpload(ARequest, AResponse);
                  }));
    FServer->Get(cUploadPath, NotAllowed("POST"))
        .Put(cUploadPath, NotAllowed("POST"))
        .Patch(cUploadPath, NotAllowed("POST"))
        .Delete(cUploadPath, NotAllowed("POST"))
        .Options(cUploadPath, NotAllowed("POST"));

    FServer->Get(cHealthPath, [](const httplib::Request&, httplib::Response& AResponse) {
        Reply(AResponse, 200, QStringLiteral("ok"));
    });
    FServer->Post(cHealthPath, NotAllowed("GET, HEAD"))
        .Put(cHealthPath, NotAllowed("GET, HEAD"))
        .Patch(cHealthPath, NotAllowed("GET, HEAD"))
        .Delete(cHealthPath, NotAllowed("GET, HEAD"))
        .Options(cHealthPath, NotAllowed("GET, HEAD"));

    FServer->set_error_handler(httplib::Server::HandlerWithResponse(
        [](const httplib::Request&, httplib::Response& AResponse) {
            if (AResponse.body.empty())
                Reply(AResponse, AResponse.status, DefaultReason(AResponse.status));
            return httplib::Server::HandlerResponse::Handled;
        }));
    FServer->set_exception_handler(
        [](const httplib::Request&, httplib::Response& AResponse, std::exception_ptr AError) {
            Reply(AResponse, 500, QStringLiteral("internal error: %1").arg(ExceptionText(AError)));
        });
    FServer->SetLogger(
        [this](const httplib::Request& ARequest, const httplib::Response& AResponse) {
            LogRequest(ARequest, AResponse);
        });
}

void TKWDataStoreServer::HandleUpload(const httplib::Request& ARequest,
                                      httplib::Response& AResponse)
{
    if (!ARequest.is_multipart_form_data()) {
        Reply(AResponse, 400, QStringLiteral("not a multipart form"));
        return;
    }
    TKWUploadForm Form;
    for (const auto& [Name, Field] : ARequest.files)
        Form.emplace(Name, Field.content);
    const TKWUploadVerdict Verdict = KWValidateUpload(Form);
    if (Verdict.Status != 200) {
        Reply(AResponse, Verdict.Status, Verdict.Reason);
        return;
    }
    FStorage.Store(Verdict.Upload, QDateTime::currentDateTimeUtc());
    Reply(AResponse, 200, QStringLiteral("stored %1").arg(Verdict.Upload.VisitId));
}

// One line per request: time (UTC), method, path, status and the answer's text, which is the
// reason of a refusal or names the stored visit.
void TKWDataStoreServer::LogRequest(const httplib::Request& ARequest,
                                    const httplib::Response& AResponse)
{
    // One pass of arg, so that a placeholder inside a client's text is never filled.
    const QString Line = QStringLiteral("%1 %2 %3 %4 %5")
                             .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate),
                                  LogField(ARequest.method), LogField(ARequest.path),
                                  QString::number(AResponse.status), LogField(AResponse.body));
    const std::lock_guard Lock(FLogMutex);
    FLog << Line.toStdString() << std::endl;
}

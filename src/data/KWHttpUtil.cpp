#include "KWHttpUtil.h"

#include "KWException.h"
#include "KWUtils.h"

#include <QEventLoop>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <memory>

namespace {

QString ResponseContent;
QString StatusText;
int StatusCode = 0;

// Debug files only help to look at the last upload; failing to write one must not stop it.
void WriteDebugFile(const QString& AName, const QString& AText)
{
    try {
        KWSaveTextFile(AName, AText);
    } catch (const EKWException& E) {
        KWLog(QStringLiteral("TKWHttpUtil.SendDataPostString - debug file not written: ") + E.Message());
    }
}

void AddField(QHttpMultiPart& AForm, const QString& AName, const QString& AValue)
{
    QHttpPart Part;
    Part.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/plain; charset=UTF-8"));
    Part.setHeader(QNetworkRequest::ContentDispositionHeader,
                   QStringLiteral("form-data; name=\"%1\"").arg(AName));
    Part.setBody(AValue.toUtf8());
    AForm.append(Part);
}

} // namespace

QString TKWHttpUtil::SendDataPostString(const QString& ToUrl, const QString& VisitId,
                                        const QString& ContentFieldName,
                                        const QString& ContentFieldValue, int ATimeoutMs)
{
    WriteDebugFile(QStringLiteral("requestContent.txt"), ContentFieldValue);

    QHttpMultiPart Form(QHttpMultiPart::FormDataType);
    AddField(Form, QStringLiteral("action"), QStringLiteral("store"));
    AddField(Form, QStringLiteral("configid"), QStringLiteral("Kvo2021"));
    AddField(Form, QStringLiteral("visitid"), VisitId);
    AddField(Form, QStringLiteral("dataname"), ContentFieldName);
    AddField(Form, QStringLiteral("datacontent"), ContentFieldValue);

    QNetworkAccessManager Manager;
    QNetworkRequest Request{QUrl(ToUrl)};
    Request.setTransferTimeout(ATimeoutMs);
    std::unique_ptr<QNetworkReply> Reply(Manager.post(Request, &Form));
    QEventLoop Loop;
    QObject::connect(Reply.get(), &QNetworkReply::finished, &Loop, &QEventLoop::quit);
    if (!Reply->isFinished())
        Loop.exec(QEventLoop::ExcludeUserInputEvents);

    const QVariant Code = Reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (Code.isValid()) {
        ResponseContent = QString::fromUtf8(Reply->readAll());
        StatusCode = Code.toInt();
        StatusText = Reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        if (StatusText.isEmpty()) // a refusal without reason phrase must not read as success
            StatusText = QStringLiteral("HTTP %1").arg(StatusCode);
    } else {
        ResponseContent.clear();
        StatusText = QStringLiteral("Internal Error: ") + Reply->errorString();
        StatusCode = 500;
    }
    WriteDebugFile(QStringLiteral("responseContent.txt"), ResponseContent);
    WriteDebugFile(QStringLiteral("responseStatus.txt"), StatusText);
    return StatusCode < 300 ? QString() : StatusText;
}

QString TKWHttpUtil::LastResponseContent()
{
    return ResponseContent;
}

QString TKWHttpUtil::LastStatusText()
{
    return StatusText;
}

int TKWHttpUtil::LastStatusCode()
{
    return StatusCode;
}

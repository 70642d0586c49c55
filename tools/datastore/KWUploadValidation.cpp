#include "KWUploadValidation.h"

#include "KWJsonReader.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

constexpr int cStatusAccepted = 200;
constexpr int cStatusMalformed = 400;
constexpr int cStatusPersonalData = 422;

const char* const cFormFields[] = {"action", "configid", "visitid", "dataname", "datacontent"};
const char* const cPersonalFields[] = {"Betriebsinhaber", "AdresseBetrieb", "TelefonHandy",
                                       "EMail",           "HITNummer",      "UnternehmerNr"};
constexpr qsizetype cRegionMaxLength = 2;

TKWUploadVerdict Refuse(int AStatus, const QString& AReason)
{
    return {AStatus, AReason, {}};
}

// The value of a field that occurs exactly once, decoded from UTF-8; empty with a reason
// otherwise. Every field must be unique so that the value checked is the value stored.
std::optional<QString> FieldValue(const TKWUploadForm& AForm, const char* AName, QString& AReason)
{
    const auto Count = AForm.count(AName);
    if (Count != 1) {
        AReason = Count == 0 ? QStringLiteral("missing field \"%1\"").arg(AName)
                             : QStringLiteral("field \"%1\" given more than once").arg(AName);
        return std::nullopt;
    }
    const std::string& Raw = AForm.find(AName)->second;
    QStringDecoder Decoder(QStringDecoder::Utf8);
    QString Value = Decoder(QByteArrayView(Raw.data(), qsizetype(Raw.size())));
    if (Decoder.hasError()) {
        AReason = QStringLiteral("field \"%1\" is not UTF-8 text").arg(AName);
        return std::nullopt;
    }
    return Value;
}

// Composed visit name: the farm's UUID (upper-case, no braces), a point and the visit's
// timestamp written as yyyy-mm-dd-hh-nn-ss, which must be a real date and time. Names match as
// whole texts: a "$" would also match before a final line feed, and a visit would get a second key.
bool IsVisitId(const QString& AValue)
{
    static const QRegularExpression Pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\."
                       "([0-9]{4}-[0-9]{2}-[0-9]{2})-([0-9]{2}-[0-9]{2}-[0-9]{2})")));
    const QRegularExpressionMatch Match = Pattern.match(AValue);
    return Match.hasMatch() &&
           QDate::fromString(Match.captured(1), QStringLiteral("yyyy-MM-dd")).isValid() &&
           QTime::fromString(Match.captured(2), QStringLiteral("HH-mm-ss")).isValid();
}

bool IsDataName(const QString& AValue)
{
    static const QRegularExpression Pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("BeratungAnonym\\.[0-9A-Fa-f]{8}\\.json")));
    return Pattern.match(AValue).hasMatch();
}

// The parsed document when it is a visit document (an object with an "Erfassung" object whose
// farm data, if present, are an object); nothing with a reason otherwise. A repeated member name
// refuses the document: readers differ in which of the values they take, so the one checked here
// might not be the one another reader finds in the stored text.
std::optional<TKWJson> ParseVisitDocument(const QString& AContent, QString& AReason)
{
    TKWJson Document;
    try {
        Document = KWParseJson(AContent, TKWJsonDuplicates::jdRefuse);
    } catch (const EKWJsonError& Error) {
        AReason = QStringLiteral("field \"datacontent\": %1").arg(Error.Message());
        return std::nullopt;
    }
    const auto Erfassung = Document.is_object() ? Document.find("Erfassung") : Document.end();
    if (Erfassung == Document.end() || !Erfassung->is_object()) {
        AReason = QStringLiteral("field \"datacontent\" is not a visit document: "
                                 "no \"Erfassung\" object");
        return std::nullopt;
    }
    const auto Betriebsdaten = Erfassung->find("Betriebsdaten");
    if (Betriebsdaten != Erfassung->end() && !Betriebsdaten->is_object()) {
        AReason = QStringLiteral("field \"datacontent\" is not a visit document: "
                                 "\"Betriebsdaten\" is not an object");
        return std::nullopt;
    }
    return Document;
}

bool IsNothing(const TKWJson& AValue)
{
    return AValue.is_null() || (AValue.is_string() && AValue.get_ref<const std::string&>().empty());
}

bool IsShortRegion(const TKWJson& AValue)
{
    return IsNothing(AValue) ||
           (AValue.is_string() &&
            QString::fromStdString(AValue.get_ref<const std::string&>()).size() <=
                cRegionMaxLength);
}

// The reason why the farm data are not anonymous, or empty text. A personal field passes only
// when it carries nothing (absent, null or empty text); the region may keep its first two
// characters, counted as the application cuts it.
QString PersonalDataReason(const TKWJson& ADocument)
{
    const TKWJson& Erfassung = ADocument.at("Erfassung");
    const auto Betriebsdaten = Erfassung.find("Betriebsdaten");
    if (Betriebsdaten == Erfassung.end())
        return QString();
    for (const char* Name : cPersonalFields) {
        const auto Member = Betriebsdaten->find(Name);
        if (Member != Betriebsdaten->end() && !IsNothing(*Member))
            return QStringLiteral("personal data in \"Betriebsdaten\".\"%1\"").arg(Name);
    }
    const auto Region = Betriebsdaten->find("Region");
    if (Region != Betriebsdaten->end() && !IsShortRegion(*Region))
        return QStringLiteral("personal data in \"Betriebsdaten\".\"Region\": "
                              "more than two characters");
    return QString();
}

} // namespace

TKWUploadVerdict KWValidateUpload(const TKWUploadForm& AForm)
{
    QString Reason;
    std::map<std::string, QString> Values;
    for (const char* Name : cFormFields) {
        const std::optional<QString> Value = FieldValue(AForm, Name, Reason);
        if (!Value)
            return Refuse(cStatusMalformed, Reason);
        Values[Name] = *Value;
    }
    if (Values["action"] != QLatin1String("store"))
        return Refuse(cStatusMalformed, QStringLiteral("field \"action\" is not \"store\""));
    if (Values["configid"] != QLatin1String("Kvo2021"))
        return Refuse(cStatusMalformed, QStringLiteral("field \"configid\" is not \"Kvo2021\""));
    if (!IsVisitId(Values["visitid"]))
        return Refuse(cStatusMalformed, QStringLiteral("field \"visitid\" is not a visit name "
                                                       "(UUID.yyyy-mm-dd-hh-nn-ss)"));
    if (!IsDataName(Values["dataname"]))
        return Refuse(cStatusMalformed,
                      QStringLiteral("field \"dataname\" is not \"BeratungAnonym.\" + "
                                     "8 hexadecimal digits + \".json\""));
    const std::optional<TKWJson> Document = ParseVisitDocument(Values["datacontent"], Reason);
    if (!Document)
        return Refuse(cStatusMalformed, Reason);
    Reason = PersonalDataReason(*Document);
    if (!Reason.isEmpty())
        return Refuse(cStatusPersonalData, Reason);
    return {
        cStatusAccepted, QString(), {Values["visitid"], Values["dataname"], Values["datacontent"]}};
}

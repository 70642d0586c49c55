#include "KWCliEvaluate.h"

#include "KWCliOutput.h"
#include "KWCode.h"
#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWDataStoreAuswertung.h"
#include "KWException.h"
#include "KWIndikator.h"

#include <cmath>

namespace {

const char* const ValueTypeNames[] = {"vtRate6", "vtCount", "vtPercent", "vtText"};

const char* const CsvColumns[] = {"file", "id", "key", "text", "valueType", "value", "valueCode",
                                  "valueText", "reference", "target", "targetText", "targetCodes",
                                  "inTarget", "rating", "weakPoint"};

// Not-a-number and the "no value" mark -10 both mean there is nothing to show.
TKWJson OptionalNumber(double AValue, bool ANoneMark)
{
    if (std::isnan(AValue) || (ANoneMark && AValue == -10))
        return nullptr;
    return AValue;
}

TKWJson IndikatorToJson(TKWIndikator& AIndikator)
{
    const TKWIndikatorDefinition& Definition = AIndikator.Definition();
    const bool IsText = Definition.ValueType == vtText;
    return {
        {"id", Definition.ID.toStdString()},
        {"key", Definition.PageID.mid(QStringLiteral("Auswertung").size()).toStdString()},
        {"text", Definition.Text.toStdString()},
        {"valueType", ValueTypeNames[Definition.ValueType]},
        {"value", OptionalNumber(AIndikator.Value(), false)},
        {"valueCode", AIndikator.ValueCode().toStdString()},
        {"valueText", AIndikator.ValueText().toStdString()},
        {"reference", OptionalNumber(AIndikator.ReferenceValue(), true)},
        {"target", OptionalNumber(AIndikator.TargetValue(), true)},
        {"targetText", AIndikator.TargetValueText().toStdString()},
        {"targetCodes", AIndikator.TargetValueCodes().toStdString()},
        {"inTarget", IsText ? TKWJson(KWIsTargetMet(AIndikator)) : TKWJson()},
        {"rating", AIndikator.Rating().toStdString()},
        {"weakPoint", AIndikator.Weakness()},
    };
}

// The JSON text of a document must be an object whose two parts, when present, are objects.
void CheckDocument(const QString& AText)
{
    const TKWJson Document = TKWJson::parse(AText.toStdString(), nullptr, false);
    if (Document.is_discarded())
        throw EKWException(QStringLiteral("not a JSON text"));
    if (!Document.is_object())
        throw EKWException(QStringLiteral("not a JSON object"));
    for (const char* Member : {"Erfassung", "Auswertung"}) {
        const auto Found = Document.find(Member);
        if (Found != Document.end() && !Found->is_object())
            throw EKWException(QStringLiteral("\"%1\" is not an object").arg(QLatin1String(Member)));
    }
}

TKWJson EvaluateFile(TKWDataStore& AStore, const QString& APath)
{
    const QString Text = KWReadTextFile(APath);
    CheckDocument(Text);
    AStore.ClearData();
    AStore.LoadFromJsonString(Text, aBeratungBearbeiten);
    TKWDataManagement::NormalizeDataFields(AStore);

    TKWJson Indicators = TKWJson::array();
    for (const auto& Definition : AStore.DataStoreAuswertung().IndikatorDefinitions()) {
        TKWIndikator& Indikator = AStore.GetIndikator(Definition->ID);
        Indikator.RefreshValue();
        Indicators.push_back(IndikatorToJson(Indikator));
    }
    return {{"file", APath.toStdString()},
            {"indicators", Indicators},
            {"ursachen", TKWDataStoreAuswertung::GetStringListAsJson(AStore.GetUrsachen())},
            {"massnahmen", TKWDataStoreAuswertung::GetStringListAsJson(AStore.GetMassnahmen())}};
}

QString CsvValue(const TKWJson& AValue)
{
    if (AValue.is_string())
        return QString::fromStdString(AValue.get<std::string>());
    if (AValue.is_null())
        return {};
    return QString::fromStdString(AValue.dump());
}

void WriteCsv(std::ostream& AOut, const TKWJson& AResults)
{
    QStringList Header;
    for (const char* Column : CsvColumns)
        Header << QLatin1String(Column);
    AOut << Header.join(u';').toStdString() << '\n';
    for (const TKWJson& Result : AResults) {
        for (TKWJson Row : Result["indicators"]) {
            Row["file"] = Result["file"];
            QStringList Fields;
            for (const char* Column : CsvColumns)
                Fields << KWCliCsvField(CsvValue(Row[Column]));
            AOut << Fields.join(u';').toStdString() << '\n';
        }
    }
}

} // namespace

int KWCliEvaluate(const QStringList& AArgs, std::ostream& AOut, std::ostream& AErr)
{
    QString Format = QStringLiteral("json");
    QStringList Files = AArgs;
    if (Files.size() >= 2 && Files.first() == QLatin1String("--format")) {
        Format = Files[1];
        Files.remove(0, 2);
    }
    if (Files.isEmpty() || (Format != QLatin1String("json") && Format != QLatin1String("csv"))) {
        AErr << "usage: qomvi-cli evaluate [--format json|csv] FILE...\n";
        return ceUsage;
    }
    TCodes::Init(); // value texts show the labels of coded answers
    TKWDataStore Store;
    TKWJson Results = TKWJson::array();
    int Exit = ceOk;
    for (const QString& File : Files) {
        try {
            Results.push_back(EvaluateFile(Store, File));
        } catch (const std::exception& E) {
            KWCliReportFailure(AErr, File, QString::fromUtf8(E.what()));
            Exit = ceInputFailed;
        }
    }
    if (Format == QLatin1String("csv"))
        WriteCsv(AOut, Results);
    else
        KWCliWriteJson(AOut, Results);
    return Exit;
}

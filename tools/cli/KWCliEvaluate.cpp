#include "KWCliEvaluate.h"

#include "KWCliOutput.h"
#include "KWCode.h"
#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWDataStoreAuswertung.h"
#include "KWException.h"
#include "KWIndikator.h"
#include "KWJsonReader.h"

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

// The document of a file, read once: an object whose two parts, when present, are objects.
TKWJson ReadDocument(const QString& APath)
{
    TKWJson Document = KWParseJson(KWReadTextFile(APath));
    if (!Document.is_object())
        throw EKWException(QStringLiteral("not a JSON object"));
    for (const char* Member : {"Erfassung", "Auswertung"}) {
        const auto Found = Document.find(Member);
        if (Found != Document.end() && !Found->is_object())
            throw EKWException(QStringLiteral("\"%1\" is not an object").arg(QLatin1String(Member)));
    }
    return Document;
}

TKWJson EvaluateFile(TKWDataStore& AStore, const QString& APath)
{
    TKWJson Document = ReadDocument(APath);
    AStore.ClearData();
    AStore.LoadFromJson(Document, aBeratungBearbeiten);
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
    if (AValue.is_null())
        return {};
    return AValue.is_string() ? QString::fromStdString(AValue.get<std::string>())
                              : QString::fromStdString(AValue.dump());
}

// Results are written as each file is done, so memory does not grow with the number of files.
// The JSON form is one array, written element by element as the whole array would be.
class TResultWriter
{
public:
    TResultWriter(std::ostream& AOut, bool ACsv) : FOut(AOut), FCsv(ACsv)
    {
        if (FCsv)
            WriteCsvHeader();
    }

    void Write(const TKWJson& AResult)
    {
        if (FCsv) {
            WriteCsvRows(AResult);
            return;
        }
        std::string Element = AResult.dump(2);
        for (std::size_t At = Element.find('\n'); At != std::string::npos; At = Element.find('\n', At + 3))
            Element.replace(At, 1, "\n  ");
        FOut << (FCount++ ? ",\n  " : "[\n  ") << Element;
    }

    void Finish()
    {
        if (!FCsv)
            FOut << (FCount ? "\n]\n" : "[]\n");
    }

private:
    void WriteCsvHeader()
    {
        QStringList Header;
        for (const char* Column : CsvColumns)
            Header << QLatin1String(Column);
        FOut << Header.join(u';').toStdString() << '\n';
    }

    void WriteCsvRows(const TKWJson& AResult)
    {
        for (TKWJson Row : AResult.at("indicators")) {
            Row["file"] = AResult.at("file");
            QStringList Fields;
            for (const char* Column : CsvColumns)
                Fields << KWCliCsvField(CsvValue(Row[Column]));
            FOut << Fields.join(u';').toStdString() << '\n';
        }
    }

    std::ostream& FOut;
    bool FCsv;
    int FCount = 0;
};

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
    TResultWriter Writer(AOut, Format == QLatin1String("csv"));
    int Exit = ceOk;
    for (const QString& File : Files) {
        try {
            Writer.Write(EvaluateFile(Store, File));
        } catch (const std::exception& E) {
            KWCliReportFailure(AErr, File, QString::fromUtf8(E.what()));
            Exit = ceInputFailed;
        }
    }
    Writer.Finish();
    return Exit;
}

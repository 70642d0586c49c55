// Reading hostile or unusual documents of 10 MiB: the program's reader against a parse that
// builds nothing (the floor), for every shape a document can take, and whole visit documents of
// that size loaded into a visit as opening or importing one does.
#include "BenchVisit.h"
#include "KWDataStore.h"
#include "KWDataStoreErfassung.h"
#include "KWJsonReader.h"
#include "KWMemTable.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

constexpr std::size_t TargetSize = 10 * 1024 * 1024;

std::string WideObject()
{
    std::string Text = "{";
    for (int I = 0; Text.size() < TargetSize; ++I)
        Text += (I ? ",\"m" : "\"m") + std::to_string(I) + "\":" + std::to_string(I);
    return Text + "}";
}

std::string ManySmallObjects()
{
    std::string Text = "[";
    while (Text.size() < TargetSize)
        Text += R"({"a":1,"b":"x"},)";
    Text.back() = ']';
    return Text;
}

std::string LongString()
{
    std::string Text = "{\"s\":\"";
    Text.append(TargetSize, 'x');
    return Text + "\"}";
}

std::string DeepArrays()
{
    std::string Text;
    while (Text.size() < TargetSize)
        Text += "[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[";
    return Text;
}

const std::string& Shape(int AIndex)
{
    static const std::string Shapes[] = {WideObject(), ManySmallObjects(), LongString(), DeepArrays()};
    return Shapes[AIndex];
}

const char* ShapeName(int AIndex)
{
    static const char* const Names[] = {"wide object", "many small objects", "long string",
                                        "deep arrays (refused)"};
    return Names[AIndex];
}

struct TNothing : nlohmann::json_sax<TKWJson>
{
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override
    {
        return false;
    }
};

void BM_ParseFloor(benchmark::State& AState)
{
    const std::string& Text = Shape(static_cast<int>(AState.range(0)));
    AState.SetLabel(ShapeName(static_cast<int>(AState.range(0))));
    for (auto _ : AState) {
        TNothing Nothing;
        benchmark::DoNotOptimize(TKWJson::sax_parse(Text.data(), Text.data() + Text.size(), &Nothing));
    }
    AState.SetBytesProcessed(AState.iterations() * static_cast<int64_t>(Text.size()));
}

void BM_KWParseJson(benchmark::State& AState)
{
    const std::string& Text = Shape(static_cast<int>(AState.range(0)));
    AState.SetLabel(ShapeName(static_cast<int>(AState.range(0))));
    for (auto _ : AState) {
        try {
            benchmark::DoNotOptimize(KWParseJson(Text, TKWJsonDuplicates::jdRefuse));
        } catch (const EKWJsonError&) {
        }
    }
    AState.SetBytesProcessed(AState.iterations() * static_cast<int64_t>(Text.size()));
}

// Visit documents of about 10 MiB, each putting the bulk where it costs most.
// AUnit repeated; a "#" in it becomes the repetition's number, so member names differ.
std::string Visit(const std::string& APrefix, const std::string& AUnit, const std::string& ASuffix)
{
    std::string Text = APrefix;
    const std::size_t Mark = AUnit.find('#');
    for (int I = 0; Text.size() < TargetSize; ++I) {
        Text += I ? "," : "";
        Text += Mark == std::string::npos ? AUnit : AUnit.substr(0, Mark) + std::to_string(I) + AUnit.substr(Mark + 1);
    }
    return Text + ASuffix;
}

std::string FullCows()
{
    TKWDataStore Store;
    KWBenchFillVisit(Store.DataStoreErfassung(), 10000, 0, 0);
    return Store.GetDataAsJson().dump();
}

const std::string& VisitShape(int AIndex)
{
    static const std::string Shapes[] = {
        Visit(R"({"Erfassung":{"Betriebsdaten":{)", R"("m#":1)", "}}}"),
        Visit(R"({"Erfassung":{"SauberkeitTechnopathien":[)", R"({"Kuhnummer":1})", "]}}"),
        FullCows(),
        Visit(R"({"Erfassung":{},"Auswertung":{"Sauberkeit":{)", R"("K#":{"Wert":1,"Bewertung":"o","Schwachstelle":true})", "}}}"),
        Visit(R"({"Erfassung":{},"Auswertung":{"Ursachen":[)", R"("Liegebox")", "]}}"),
    };
    return Shapes[AIndex];
}

const char* VisitShapeName(int AIndex)
{
    static const char* const Names[] = {"wide farm data", "too many cows (refused area)",
                                        "10,000 fully scored cows", "wide indicator page",
                                        "long cause list"};
    return Names[AIndex];
}

void BM_ReadVisitFloor(benchmark::State& AState)
{
    const std::string& Text = VisitShape(static_cast<int>(AState.range(0)));
    AState.SetLabel(VisitShapeName(static_cast<int>(AState.range(0))));
    for (auto _ : AState) {
        TNothing Nothing;
        benchmark::DoNotOptimize(TKWJson::sax_parse(Text.data(), Text.data() + Text.size(), &Nothing));
    }
}

void BM_ReadVisit(benchmark::State& AState)
{
    const std::string& Text = VisitShape(static_cast<int>(AState.range(0)));
    AState.SetLabel(VisitShapeName(static_cast<int>(AState.range(0))));
    TKWDataStore Store;
    for (auto _ : AState) {
        Store.ClearData();
        TKWJson Document = KWParseJson(Text);
        Store.LoadFromJson(Document, aBeratungBearbeiten);
    }
}

void BM_LibraryParse(benchmark::State& AState)
{
    const std::string& Text = Shape(static_cast<int>(AState.range(0)));
    for (auto _ : AState)
        benchmark::DoNotOptimize(TKWJson::parse(Text));
}

} // namespace

BENCHMARK(BM_LibraryParse)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadVisitFloor)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadVisit)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseFloor)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KWParseJson)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Areas that cannot be read are logged; the log goes to a scratch data folder.
    QTemporaryDir Home;
    setenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("share")).toUtf8().constData(), 1);
    QCoreApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

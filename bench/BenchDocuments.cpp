// Reading hostile or unusual documents of 10 MiB: the program's reader against a parse that
// builds nothing (the floor), for every shape a document can take.
#include "KWJsonReader.h"

#include <benchmark/benchmark.h>

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

void BM_LibraryParse(benchmark::State& AState)
{
    const std::string& Text = Shape(static_cast<int>(AState.range(0)));
    for (auto _ : AState)
        benchmark::DoNotOptimize(TKWJson::parse(Text));
}

} // namespace

BENCHMARK(BM_LibraryParse)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseFloor)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KWParseJson)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

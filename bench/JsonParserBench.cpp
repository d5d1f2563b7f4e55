// Parse and tree build: our JSON engine beside RapidJSON's DOM parser on the same bytes.
#include "bench/JsonParsing.h"
#include "bench/ParserDocuments.h"

#include <benchmark/benchmark.h>

namespace {

template <std::size_t (*parse)(std::string_view)>
void parseDocument(benchmark::State& state, const std::string& text)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(parse(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    const std::vector<NamedDocument> documents = parserDocuments();
    for (const NamedDocument& document : documents) {
        const std::string& text = document.text;
        benchmark::RegisterBenchmark(
            ("parse/" + document.name + "/engine").c_str(),
            [&text](benchmark::State& s) { parseDocument<parseWithEngine>(s, text); });
        benchmark::RegisterBenchmark(
            ("parse/" + document.name + "/rapidjson").c_str(),
            [&text](benchmark::State& s) { parseDocument<parseWithRapidJson>(s, text); });
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

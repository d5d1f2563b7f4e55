// Parsing one document given in pieces, as a caller that sets InputData and calls Parse
// for each piece does: the total time should not grow with the number of pieces.
#include "bench/InterpreterDocument.h"
#include "bench/JsonParsing.h"
#include "components/cores/json/JsonParser.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdexcept>

namespace {

void parseInPieces(benchmark::State& state, const std::string& text)
{
    const auto pieces = static_cast<std::size_t>(state.range(0));
    const std::size_t pieceSize = (text.size() + pieces - 1) / pieces;
    const netcomp::json::ParseSettings settings = unboundedSettings();
    for (auto _ : state) {
        netcomp::json::JsonParser parser;
        bool complete = false;
        for (std::size_t at = 0; at < text.size(); at += pieceSize) {
            parser.append(std::string_view(text).substr(at, pieceSize));
            complete = parser.parse(settings);
        }
        if (!complete) {
            throw std::runtime_error("incomplete document");
        }
        benchmark::DoNotOptimize(parser.document());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

} // namespace

int main(int argc, char** argv)
{
    // Large blocks stay with the process between repetitions, so that each piece count
    // pays the same for memory and the figures compare the parsing.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    // An interpreter document of 10 MiB; 1,167 pieces is what a 9 KiB transfer buffer gives.
    static const std::string text = makeInterpreterDocumentOfSize(std::size_t{10} << 20);
    benchmark::RegisterBenchmark("pieces/interpreter_10MiB",
                                 [](benchmark::State& s) { parseInPieces(s, text); })
        ->Arg(1)
        ->Arg(10)
        ->Arg(100)
        ->Arg(1167)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

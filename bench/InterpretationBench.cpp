// One interpretation run over 150, 1,500 and 15,000 entries (the largest near the JSON
// component's bound of 8 MiB) with one and with ten
// matching entries, and a parse of the same document through TnetJSON.
#include "bench/InterpretationCase.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    // Destroyed before the component classes that their documents live in.
    std::vector<std::unique_ptr<InterpretationCase>> cases;
    for (int entries : {150, 1'500, 15'000}) {
        for (int matching : {1, 10}) {
            auto& c = *cases.emplace_back(std::make_unique<InterpretationCase>(entries, matching));
            const std::string name = std::to_string(entries) + "/" + std::to_string(matching);
            benchmark::RegisterBenchmark(("run/" + name).c_str(), [&c](benchmark::State& state) {
                for (auto _ : state) {
                    c.run();
                }
            })->Unit(benchmark::kMillisecond);
            if (matching == 1) {
                benchmark::RegisterBenchmark(("parse/" + std::to_string(entries)).c_str(),
                                             [&c](benchmark::State& state) {
                                                 for (auto _ : state) {
                                                     c.parse();
                                                 }
                                                 state.SetBytesProcessed(static_cast<int64_t>(
                                                     state.iterations() * c.documentBytes()));
                                             })
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

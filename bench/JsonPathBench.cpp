// "/json/[i]/Param" over a 15,000-entry document, at the first and the last entry, in the
// JSON engine and through TnetJSON (XPath, then XText).
#include "bench/LookupCase.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    LookupCase lookups;
    for (int index : {1, LookupCase::kEntries}) {
        const std::string suffix = std::to_string(index);
        benchmark::RegisterBenchmark(("lookup/engine/" + suffix).c_str(),
                                     [&lookups, path = paramPath(index)](benchmark::State& state) {
                                         for (auto _ : state) {
                                             benchmark::DoNotOptimize(lookups.lookUpInEngine(path));
                                         }
                                     });
        benchmark::RegisterBenchmark(
            ("lookup/component/" + suffix).c_str(),
            [&lookups, path = paramPath16(index)](benchmark::State& state) {
                for (auto _ : state) {
                    benchmark::DoNotOptimize(lookups.lookUpInComponent(path));
                }
            });
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// bench_instructions CASE ARGS: runs one measured operation once for warm-up and then
// under callgrind's collection, for instruction counts that a busy machine cannot
// disturb. Run it as
//   valgrind --tool=callgrind --instr-atstart=no --collect-atstart=no bench_instructions ...
// Cases:
//   parse engine|rapidjson DOCUMENT   one parse of a parser benchmark document
//   lookup engine|component INDEX     1000 lookups of "/json/[INDEX]/Param", 15,000 entries
//   run ENTRIES MATCHING              one interpretation run
//   component-parse ENTRIES           one TnetJSON parse of that run's document
#include "bench/InterpretationCase.h"
#include "bench/JsonParsing.h"
#include "bench/LookupCase.h"
#include "bench/ParserDocuments.h"

#include <benchmark/benchmark.h>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <valgrind/callgrind.h>

namespace {

constexpr int kLookups = 1000;

template <class Operation> void measure(Operation&& operation)
{
    operation();
    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_TOGGLE_COLLECT;
    operation();
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_STOP_INSTRUMENTATION;
}

int usage()
{
    std::cerr << "usage: bench_instructions parse engine|rapidjson DOCUMENT\n"
                 "       bench_instructions lookup engine|component INDEX\n"
                 "       bench_instructions run ENTRIES MATCHING\n"
                 "       bench_instructions component-parse ENTRIES\n";
    return 2;
}

int parse(std::string_view parser, std::string_view name)
{
    for (const NamedDocument& document : parserDocuments()) {
        if (document.name != name) {
            continue;
        }
        const auto parse = parser == "engine" ? parseWithEngine : parseWithRapidJson;
        measure([&] { benchmark::DoNotOptimize(parse(document.text)); });
        return 0;
    }
    return usage();
}

int lookup(std::string_view where, int index)
{
    LookupCase lookups;
    if (where == "engine") {
        const std::string path = paramPath(index);
        measure([&] {
            for (int i = 0; i < kLookups; ++i) {
                benchmark::DoNotOptimize(lookups.lookUpInEngine(path));
            }
        });
    } else {
        const std::u16string path = paramPath16(index);
        measure([&] {
            for (int i = 0; i < kLookups; ++i) {
                benchmark::DoNotOptimize(lookups.lookUpInComponent(path));
            }
        });
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const std::string_view which = argc > 1 ? argv[1] : "";
        if (which == "parse" && argc == 4) {
            return parse(argv[2], argv[3]);
        }
        if (which == "lookup" && argc == 4) {
            return lookup(argv[2], std::stoi(argv[3]));
        }
        if (which == "run" && argc == 4) {
            InterpretationCase c(std::stoi(argv[2]), std::stoi(argv[3]));
            measure([&] { c.run(); });
            return 0;
        }
        if (which == "component-parse" && argc == 3) {
            InterpretationCase c(std::stoi(argv[2]), 1);
            measure([&] { c.parse(); });
            return 0;
        }
        return usage();
    } catch (const std::exception& e) {
        std::cerr << "bench_instructions: " << e.what() << '\n';
        return 1;
    }
}

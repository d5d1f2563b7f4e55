// What one parse allocates, set against the size of its input. Prints one JSON object
// per document on its own line.
#include "bench/AllocationCounter.h"
#include "bench/JsonParsing.h"
#include "bench/ParserDocuments.h"
#include "components/cores/json/JsonParser.h"

#include <exception>
#include <iostream>

using netcomp::json::JsonParser;

int main()
{
    try {
        for (const NamedDocument& document : parserDocuments()) {
            // The JSON core hands its converted input over; that buffer is the document.
            std::string input = document.text;
            JsonParser parser;
            AllocationCount count;
            {
                AllocationCounter counter;
                parser.appendOwned(std::move(input));
                if (!parser.parse(unboundedSettings())) {
                    throw std::runtime_error(document.name + ": incomplete");
                }
                count = counter.count();
            }
            std::cout << "{\"document\": \"" << document.name
                      << "\", \"inputBytes\": " << document.text.size()
                      << ", \"allocations\": " << count.allocations
                      << ", \"allocatedBytes\": " << count.bytes
                      << ", \"peakBytes\": " << count.peakBytes
                      << ", \"nodes\": " << parser.document()->size() << "}\n";
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "bench_json_memory: " << e.what() << '\n';
        return 1;
    }
}

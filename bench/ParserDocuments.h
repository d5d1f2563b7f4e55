#pragma once

#include <string>
#include <vector>

struct NamedDocument {
    std::string name;
    std::string text;
};

// The parser benchmarks' inputs: the three published data files, read from the shared
// data folder beside the repository, and interpreter documents of 1 KiB, 1 MiB and 20 MiB.
std::vector<NamedDocument> parserDocuments();

#include "bench/ParserDocuments.h"

#include "bench/InterpreterDocument.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::string readDataFile(const std::string& name)
{
    const std::string path = std::string(QUORVI_BENCH_DATA_DIR) + "/" + name;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

std::vector<NamedDocument> parserDocuments()
{
    std::vector<NamedDocument> documents;
    for (const char* name : {"canada", "citm_catalog", "twitter"}) {
        documents.push_back({name, readDataFile(std::string(name) + ".json")});
    }
    documents.push_back({"interpreter_1KiB", makeInterpreterDocumentOfSize(std::size_t{1} << 10)});
    documents.push_back({"interpreter_1MiB", makeInterpreterDocumentOfSize(std::size_t{1} << 20)});
    documents.push_back(
        {"interpreter_20MiB", makeInterpreterDocumentOfSize(std::size_t{20} << 20)});
    return documents;
}

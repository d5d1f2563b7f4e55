// The peak memory of one sample load, as the window runs it, when the service sends the
// largest documents the components take in. Run once per case, each in a fresh process:
//   bench_load_memory CASE      CASE: at-bounds | body-too-large | too-many-values | small
// Prints one JSON object with the resident set before the load and its peak during it.
#include "bench/BenchLoad.h"
#include "bench/BenchServer.h"
#include "components/codepage/CodePage.h"
#include "components/cores/http/HttpLimits.h"
#include "components/cores/json/JsonLimits.h"
#include "tests/support/TestPki.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

const std::u16string kSampleCode = u"W-2026-0001";
const std::u16string kSampleType = u"Grenzwasser";
using netcomp::http::kMaxBodyBytes;

// VmRSS or VmHWM (the peak since the last reset) of this process.
long statusKiB(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stol(line.substr(field.size() + 1));
        }
    }
    throw std::runtime_error("no " + field + " in /proc/self/status");
}

// From here on VmHWM counts the load alone, not the building of the documents.
void resetPeakResident()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Members first, then an array of seven-digit numbers until the document holds
// maxValues values or maxBytes bytes, whichever comes first.
std::string paddedDocument(const std::string& members, std::size_t maxBytes, std::size_t maxValues)
{
    std::string doc = "{" + members + ",\"pad\":[";
    std::size_t values =
        2 + static_cast<std::size_t>(std::count(members.begin(), members.end(), ':'));
    bool first = true;
    while (values < maxValues && doc.size() + 10 <= maxBytes) {
        doc += first ? "1234567" : ",1234567";
        first = false;
        ++values;
    }
    return doc + "]}";
}

struct Case {
    std::string sample;
    std::string interpreter;
    std::size_t expectedParameters;
};

Case caseNamed(const std::string& name)
{
    const std::string sampleMembers =
        R"("CustomerName":"Labor","SampleName":"Grenzprobe","SampleType":"Grenzwasser")";
    const std::string interpreterMembers =
        R"("e":{"Param":"Blei","MCL":"10","Unit":"µg/L","MCLLevel1":"","MCLOK":"",)"
        R"("SpecialComment":""},"Params":2,"Introtext":"")";
    const std::size_t values = netcomp::json::kDefaultMaxValues;
    if (name == "small") {
        return {"{" + sampleMembers + "}", "{" + interpreterMembers + "}", 1};
    }
    if (name == "at-bounds") {
        return {paddedDocument(sampleMembers, kMaxBodyBytes, values),
                paddedDocument(interpreterMembers, kMaxBodyBytes, values), 1};
    }
    if (name == "body-too-large") {
        return {paddedDocument(sampleMembers, kMaxBodyBytes + 16, values * 2), {}, 0};
    }
    if (name == "too-many-values") {
        std::string doc = "{" + sampleMembers + ",\"pad\":[1";
        for (std::size_t i = 0; i < values; ++i) {
            doc += ",1";
        }
        return {doc + "]}", {}, 0};
    }
    throw std::invalid_argument("unknown case " + name);
}

int run(const std::string& name)
{
    if (!quorvi::test::TestPki::available()) {
        throw std::runtime_error(quorvi::test::TestPki::unavailableReason());
    }
    const Case c = caseNamed(name);
    BenchServer server;
    addSampleRoutes(server, kSampleCode, kSampleType, c.sample, c.interpreter);
    BenchLoad net(netcomp::fromUtf8(server.baseUrl()), kSampleCode);

    const long before = statusKiB("VmRSS");
    resetPeakResident();
    net.load();
    const long peak = statusKiB("VmHWM");
    if (net.view().parameters.size() != c.expectedParameters) {
        throw std::runtime_error("the load listed " + std::to_string(net.view().parameters.size()) +
                                 " parameters");
    }

    std::cout << "{\"case\": \"" << name << "\", \"sampleBytes\": " << c.sample.size()
              << ", \"interpreterBytes\": " << c.interpreter.size()
              << ", \"residentBeforeMiB\": " << before / 1024
              << ", \"peakDuringLoadMiB\": " << peak / 1024 << ", \"message\": \""
              << (net.view().messages.empty() ? std::string()
                                              : netcomp::toUtf8(net.view().messages.front()))
              << "\"}\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc != 2) {
            throw std::invalid_argument("usage: bench_load_memory CASE");
        }
        return run(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "bench_load_memory: " << e.what() << '\n';
        return 1;
    }
}

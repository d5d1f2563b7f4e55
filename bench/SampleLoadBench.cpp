// One sample load (SampleLoader::load, three transfers) against a loopback HTTPS server,
// interleaved with curl fetching the same three addresses in one invocation; the trust
// store and connection checks; and the gaps between event pump calls while a transfer
// waits 2 s. Prints one JSON object.
#include "bench/BenchLoad.h"
#include "bench/BenchServer.h"
#include "bench/CurlRun.h"
#include "bench/FileOpenCounter.h"
#include "bench/InterpreterDocument.h"
#include "bench/JsonList.h"
#include "components/codepage/CodePage.h"
#include "components/wrappers/EventPump.h"
#include "components/wrappers/TnetHTTP.h"
#include "components/wrappers/TnetJSON.h"
#include "components/wrappers/TnetREST.h"
#include "retrieval/SampleLoader.h"
#include "retrieval/ServiceAddresses.h"
#include "tests/retrieval/FakeSampleView.h"
#include "tests/support/TestPki.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPairs = 41;
constexpr int kWarmLoads = 20;
constexpr std::chrono::milliseconds kWait{2000};
const std::u16string kSampleCode = u"W-2024-0815";
const std::u16string kSampleType = u"Trinkwasser";
constexpr int kParameters = 40;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Largest distance between the start of a transfer, each pump call and its end.
double largestPumpGap(const std::function<void()>& transfer)
{
    std::vector<Clock::time_point> marks{Clock::now()};
    netcomp::setEventPump([&marks] { marks.push_back(Clock::now()); });
    try {
        transfer();
    } catch (...) {
        netcomp::setEventPump(nullptr);
        throw;
    }
    netcomp::setEventPump(nullptr);
    marks.push_back(Clock::now());
    double largest = 0;
    for (std::size_t i = 1; i < marks.size(); ++i) {
        largest = std::max(
            largest, std::chrono::duration<double, std::milli>(marks[i] - marks[i - 1]).count());
    }
    return largest;
}

int run()
{
    if (!quorvi::test::TestPki::available()) {
        throw std::runtime_error(quorvi::test::TestPki::unavailableReason());
    }
    const std::string caBundle = quorvi::test::TestPki::instance().caBundle().string();
    BenchServer server;
    const std::string base = server.baseUrl();
    const std::u16string base16 = netcomp::fromUtf8(base);

    const std::u16string sampleAddress = service::sampleDocumentAddress(base16, kSampleCode);
    const std::u16string reportAddress = service::reportAddress(base16, kSampleCode);
    const std::u16string interpreterAddress = service::interpreterAddress(base16, kSampleType);
    addSampleRoutes(server, kSampleCode, kSampleType,
                    netcomp::toAnsi(u"{\"CustomerName\": \"Familie Weiß\", "
                                    u"\"SampleName\": \"Küche, Kaltwasser\", "
                                    u"\"SampleType\": \"" +
                                    kSampleType + u"\"}"),
                    makeInterpreterDocument(kParameters, 1));
    server.addRoute("/wait", "text/plain", "ok\n", kWait);

    BenchLoad net(base16, kSampleCode);
    auto load = [&] {
        const auto start = Clock::now();
        net.load();
        const double elapsed = millisecondsSince(start);
        if (!net.view().messages.empty() || net.view().parameters.size() != kParameters) {
            throw std::runtime_error("the sample load did not complete");
        }
        return elapsed;
    };

    const int opensBefore = quorviBenchCertificateFileOpens();
    const double firstLoad = load();
    const int opensFirstLoad = quorviBenchCertificateFileOpens() - opensBefore;
    server.clearLog();
    for (int i = 0; i < kWarmLoads; ++i) {
        load();
    }
    const int opensWarmLoads = quorviBenchCertificateFileOpens() - opensBefore - opensFirstLoad;
    const std::size_t warmConnections = server.connectionCount();
    const std::size_t warmRequests = server.requestCount();

    const CurlRun curl(caBundle,
                       {netcomp::toUtf8(sampleAddress), netcomp::toUtf8(reportAddress),
                        netcomp::toUtf8(interpreterAddress)},
                       1);
    std::vector<double> loads;
    std::vector<double> curls;
    for (int i = 0; i < kPairs; ++i) {
        if (i % 2 == 0) {
            loads.push_back(load());
            curls.push_back(curl.run());
        } else {
            curls.push_back(curl.run());
            loads.push_back(load());
        }
    }

    const std::u16string wait = netcomp::fromUtf8(base + "wait");
    const double gapHttp = largestPumpGap([&] { net.netHTTP.Head(wait); });
    const double gapRest = largestPumpGap([&] { net.netREST2.Get(wait); });
    TnetHTTP fresh;
    const double gapFreshConnection = largestPumpGap([&] { fresh.Get(wait); });

    std::cout << "{\"firstLoadMs\": " << firstLoad << ", \"warmLoads\": " << kWarmLoads
              << ", \"warmRequests\": " << warmRequests
              << ", \"warmConnections\": " << warmConnections
              << ", \"certificateOpensFirstLoad\": " << opensFirstLoad
              << ", \"certificateOpensWarmLoads\": " << opensWarmLoads
              << ", \"loadMs\": " << jsonList(loads) << ", \"curlMs\": " << jsonList(curls)
              << ", \"waitMs\": " << kWait.count()
              << ", \"pumpGapMs\": {\"TnetHTTP Head\": " << gapHttp
              << ", \"TnetREST Get\": " << gapRest
              << ", \"TnetHTTP Get, new connection\": " << gapFreshConnection << "}}\n";
    return 0;
}

} // namespace

int main()
{
    try {
        return run();
    } catch (const std::exception& e) {
        std::cerr << "bench_sample_load: " << e.what() << '\n';
        return 1;
    }
}

// A sample load over a slow link, counted in round trips: the window's probe, the first
// load after it, a later load, and curl fetching the same three addresses in one
// invocation, through a loopback proxy that delays each direction by half the round-trip
// time. Prints one JSON object per round-trip time.
#include "bench/BenchLoad.h"
#include "bench/BenchServer.h"
#include "bench/CurlRun.h"
#include "bench/InterpreterDocument.h"
#include "bench/LatencyProxy.h"
#include "components/codepage/CodePage.h"
#include "retrieval/ServiceAddresses.h"
#include "tests/support/TestPki.h"

#include <chrono>
#include <iostream>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

const std::u16string kSampleCode = u"W-2024-0815";
const std::u16string kSampleType = u"Trinkwasser";
constexpr int kParameters = 40;
constexpr int kLaterLoads = 5;

template <class Action> double roundTrips(std::chrono::milliseconds roundTrip, Action&& action)
{
    const auto start = Clock::now();
    action();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() /
           static_cast<double>(roundTrip.count());
}

void measure(BenchServer& server, const std::string& caBundle, std::chrono::milliseconds roundTrip)
{
    LatencyProxy proxy(server.port(), roundTrip);
    const std::string base = "https://localhost:" + std::to_string(proxy.port()) + "/";
    const std::u16string base16 = netcomp::fromUtf8(base);

    // A fresh set of the window's components, as at start-up.
    BenchLoad net(base16, kSampleCode);
    const auto load = [&] {
        net.load();
        if (!net.view().messages.empty() || net.view().parameters.size() != kParameters) {
            throw std::runtime_error("the sample load did not complete");
        }
    };

    const double probe = roundTrips(roundTrip, [&] { net.netHTTP.Head(base16); });
    const double firstLoad = roundTrips(roundTrip, load);
    double laterLoad = 1e9;
    for (int i = 0; i < kLaterLoads; ++i) {
        laterLoad = std::min(laterLoad, roundTrips(roundTrip, load));
    }
    const std::size_t connections = proxy.connectionCount();

    const CurlRun curl(caBundle,
                       {netcomp::toUtf8(service::sampleDocumentAddress(base16, kSampleCode)),
                        netcomp::toUtf8(service::reportAddress(base16, kSampleCode)),
                        netcomp::toUtf8(service::interpreterAddress(base16, kSampleType))},
                       1);
    double curlTrips = 1e9;
    for (int i = 0; i < 3; ++i) {
        curlTrips = std::min(curlTrips, curl.run() / static_cast<double>(roundTrip.count()));
    }

    std::cout << "{\"roundTripMs\": " << roundTrip.count() << ", \"probe\": " << probe
              << ", \"firstLoad\": " << firstLoad << ", \"laterLoad\": " << laterLoad
              << ", \"curl\": " << curlTrips << ", \"connections\": " << connections << "}\n";
}

int run()
{
    if (!quorvi::test::TestPki::available()) {
        throw std::runtime_error(quorvi::test::TestPki::unavailableReason());
    }
    const std::string caBundle = quorvi::test::TestPki::instance().caBundle().string();
    BenchServer server;
    // The addresses do not depend on the port, so the routes serve every proxy.
    server.addRoute("/", "text/html", "<html></html>\n");
    addSampleRoutes(server, kSampleCode, kSampleType,
                    netcomp::toAnsi(u"{\"CustomerName\": \"Familie Weiß\", "
                                    u"\"SampleName\": \"Küche, Kaltwasser\", "
                                    u"\"SampleType\": \"" +
                                    kSampleType + u"\"}"),
                    makeInterpreterDocument(kParameters, 1));
    for (const auto roundTrip : {std::chrono::milliseconds(50), std::chrono::milliseconds(100)}) {
        measure(server, caBundle, roundTrip);
    }
    return 0;
}

} // namespace

int main()
{
    try {
        return run();
    } catch (const std::exception& e) {
        std::cerr << "bench_round_trips: " << e.what() << '\n';
        return 1;
    }
}

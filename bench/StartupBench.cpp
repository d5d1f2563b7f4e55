// Process start to first paint of the program's main window, its service probe answered
// by a loopback server, interleaved with the same window shown without the probe and with
// a minimal Qt program showing an empty window of the same size. All run with the
// offscreen platform. Prints one JSON object.
//   bench_startup                  interleaved starts, times in milliseconds
//   bench_startup --callgrind DIR  one start of each under callgrind, profiles in DIR
//   bench_startup --slow-link      the program probing through a latency proxy, interleaved
//                                  with its starts through the proxy without delay; one
//                                  JSON object per round-trip time
#include "bench/BenchServer.h"
#include "bench/JsonList.h"
#include "bench/LatencyProxy.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <utility>
#include <vector>

extern char** environ;

namespace {

constexpr int kRounds = 31;
constexpr int kSlowLinkPairs = 21;

struct Start {
    double milliseconds;
    std::string window; // "WIDTHxHEIGHT CLASS"
};

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// A program under test, started with the offscreen platform, a private runtime
// directory and the paint stamp in that directory; optionally under another program.
class Program {
public:
    Program(std::vector<std::string> command, const std::string& runtimeDirectory)
        : m_command(std::move(command)), m_stampFile(runtimeDirectory + "/paint-stamp.txt")
    {
        for (char** variable = environ; *variable; ++variable) {
            const std::string entry = *variable;
            if (!entry.starts_with("QT_QPA_PLATFORM=") &&
                !entry.starts_with("QUORVI_BENCH_PAINT_STAMP=") &&
                !entry.starts_with("XDG_RUNTIME_DIR=")) {
                m_environment.push_back(entry);
            }
        }
        m_environment.push_back("QT_QPA_PLATFORM=offscreen");
        m_environment.push_back("QUORVI_BENCH_PAINT_STAMP=" + m_stampFile);
        m_environment.push_back("XDG_RUNTIME_DIR=" + runtimeDirectory);
    }

    Start start() const
    {
        std::remove(m_stampFile.c_str());
        std::vector<char*> argv;
        for (const std::string& argument : m_command) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (const std::string& entry : m_environment) {
            envp.push_back(const_cast<char*>(entry.c_str()));
        }
        envp.push_back(nullptr);

        const long long spawned = monotonicNanoseconds();
        pid_t pid = 0;
        if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) {
            throw std::runtime_error("cannot start " + m_command.front());
        }
        int status = 0;
        waitpid(pid, &status, 0);

        std::ifstream in(m_stampFile);
        long long painted = 0;
        int width = 0;
        int height = 0;
        std::string className;
        if (!(in >> painted >> width >> height >> className)) {
            throw std::runtime_error(m_command.back() + " painted no window (status " +
                                     std::to_string(status) + ")");
        }
        return {static_cast<double>(painted - spawned) / 1e6,
                std::to_string(width) + "x" + std::to_string(height) + " " + className};
    }

private:
    std::vector<std::string> m_command;
    std::string m_stampFile;
    std::vector<std::string> m_environment;
};

class RuntimeDirectory {
public:
    RuntimeDirectory()
    {
        char pattern[] = "/tmp/quorvi-bench-startup-XXXXXX";
        if (!mkdtemp(pattern)) {
            throw std::runtime_error("cannot make a runtime directory");
        }
        m_path = pattern;
    }
    ~RuntimeDirectory() { std::filesystem::remove_all(m_path); }
    RuntimeDirectory(const RuntimeDirectory&) = delete;
    RuntimeDirectory& operator=(const RuntimeDirectory&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

void measure(const std::string& runtimeDirectory, BenchServer& server)
{
    const Program app({QUORVI_BENCH_APP}, runtimeDirectory);
    const Program noProbe({QUORVI_BENCH_NO_PROBE_WINDOW}, runtimeDirectory);
    const Program empty({QUORVI_BENCH_EMPTY_WINDOW}, runtimeDirectory);

    // The first starts fill the file system cache and the font cache.
    const std::string appWindow = app.start().window;
    const std::string noProbeWindow = noProbe.start().window;
    const std::string emptyWindow = empty.start().window;
    server.clearLog();

    std::vector<double> appTimes;
    std::vector<double> noProbeTimes;
    std::vector<double> emptyTimes;
    std::vector<std::pair<const Program*, std::vector<double>*>> order = {
        {&app, &appTimes}, {&noProbe, &noProbeTimes}, {&empty, &emptyTimes}};
    for (int i = 0; i < kRounds; ++i) {
        // Each program in each place in turn, so that none always follows the same one.
        for (const auto& [program, times] : order) {
            times->push_back(program->start().milliseconds);
        }
        std::rotate(order.begin(), order.begin() + 1, order.end());
        if (i % 3 == 2) {
            std::swap(order[1], order[2]);
        }
    }
    std::cout << "{\"appWindow\": \"" << appWindow << "\", \"noProbeWindow\": \"" << noProbeWindow
              << "\", \"emptyWindow\": \"" << emptyWindow
              << "\", \"probes\": " << server.requestCount() << ", \"starts\": " << kRounds
              << ", \"appMs\": " << jsonList(appTimes)
              << ", \"noProbeMs\": " << jsonList(noProbeTimes)
              << ", \"emptyMs\": " << jsonList(emptyTimes) << "}\n";
}

void profile(const std::string& runtimeDirectory, const std::string& outputDirectory)
{
    auto underCallgrind = [&](const char* program, const std::string& name) {
        return Program({"valgrind", "--tool=callgrind", "-q",
                        "--callgrind-out-file=" + outputDirectory + "/" + name, program},
                       runtimeDirectory);
    };
    const std::string appWindow =
        underCallgrind(QUORVI_BENCH_APP, "startup-app.callgrind").start().window;
    const std::string noProbeWindow =
        underCallgrind(QUORVI_BENCH_NO_PROBE_WINDOW, "startup-no-probe-window.callgrind")
            .start()
            .window;
    const std::string emptyWindow =
        underCallgrind(QUORVI_BENCH_EMPTY_WINDOW, "startup-empty-window.callgrind").start().window;
    std::cout << "{\"appWindow\": \"" << appWindow << "\", \"noProbeWindow\": \"" << noProbeWindow
              << "\", \"emptyWindow\": \"" << emptyWindow << "\"}\n";
}

// The program whose service address is the proxy's port: its starts through the proxy
// without delay are its local start, those with the delay add what the probe waits.
void measureSlowLink(const std::string& runtimeDirectory, const BenchServer& server)
{
    const Program app({QUORVI_BENCH_SLOW_LINK_APP}, runtimeDirectory);
    LatencyProxy proxy(server.port(), std::chrono::milliseconds(0),
                       QUORVI_BENCH_STARTUP_PROXY_PORT);
    struct Series {
        std::vector<double> times;
        std::vector<std::size_t> connections;
    };
    std::vector<std::string> windows;
    const auto startWith = [&](std::chrono::milliseconds roundTrip, Series& series) {
        proxy.setRoundTrip(roundTrip);
        proxy.clearConnectionCount();
        const Start start = app.start();
        // The program ends at its first paint, so its probe's connection has been made.
        series.times.push_back(start.milliseconds);
        series.connections.push_back(proxy.connectionCount());
        if (std::find(windows.begin(), windows.end(), start.window) == windows.end()) {
            windows.push_back(start.window);
        }
    };

    for (const auto roundTrip : {std::chrono::milliseconds(50), std::chrono::milliseconds(100)}) {
        windows.clear();
        Series local;
        Series slow;
        // Not counted: the first starts fill the caches.
        Series warmUp;
        startWith(std::chrono::milliseconds(0), warmUp);
        startWith(roundTrip, warmUp);
        for (int i = 0; i < kSlowLinkPairs; ++i) {
            if (i % 2 == 0) {
                startWith(std::chrono::milliseconds(0), local);
                startWith(roundTrip, slow);
            } else {
                startWith(roundTrip, slow);
                startWith(std::chrono::milliseconds(0), local);
            }
        }
        std::cout << "{\"roundTripMs\": " << roundTrip.count() << ", \"windows\": [";
        for (std::size_t i = 0; i < windows.size(); ++i) {
            std::cout << (i ? ", " : "") << '"' << windows[i] << '"';
        }
        std::cout << "], \"starts\": " << kSlowLinkPairs
                  << ", \"localMs\": " << jsonList(local.times)
                  << ", \"slowMs\": " << jsonList(slow.times)
                  << ", \"connections\": " << jsonList(slow.connections) << "}\n";
    }
}

int run(int argc, char** argv)
{
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (!(argc == 1 || (argc == 2 && mode == "--slow-link") ||
          (argc == 3 && mode == "--callgrind"))) {
        std::cerr << "usage: bench_startup [--callgrind DIR | --slow-link]\n";
        return 2;
    }
    BenchServer server(QUORVI_BENCH_STARTUP_PORT);
    server.addRoute("/", "text/html", "<html></html>\n");
    const RuntimeDirectory runtimeDirectory;
    if (mode == "--callgrind") {
        profile(runtimeDirectory.path(), argv[2]);
    } else if (mode == "--slow-link") {
        measureSlowLink(runtimeDirectory.path(), server);
    } else {
        measure(runtimeDirectory.path(), server);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "bench_startup: " << e.what() << '\n';
        return 1;
    }
}

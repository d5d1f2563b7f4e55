#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

// A loopback HTTPS server for the benchmarks, with the tests' trusted certificate. It
// answers GET and HEAD of the routes it was given by exact request target (404
// otherwise) and sends with TCP_NODELAY, so that an answer on a kept-alive connection
// never waits for the client's delayed acknowledgement.
class BenchServer {
public:
    // port 0: any free one.
    explicit BenchServer(int port = 0);
    ~BenchServer();
    BenchServer(const BenchServer&) = delete;
    BenchServer& operator=(const BenchServer&) = delete;

    void addRoute(std::string target, std::string contentType, std::string body,
                  std::chrono::milliseconds delay = {});

    // "https://localhost:PORT/"
    std::string baseUrl() const;
    int port() const;
    // Requests and distinct client connections since the start or clearLog().
    std::size_t requestCount() const;
    std::size_t connectionCount() const;
    void clearLog();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

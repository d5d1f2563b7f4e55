#pragma once

#include <chrono>
#include <cstddef>
#include <memory>

// A loopback TCP proxy in front of a local server that makes the loopback behave like a
// link with the given round-trip time: bytes in either direction arrive half of it
// later, and a new connection's first bytes wait one round trip more, as TCP's
// handshake would make them.
class LatencyProxy {
public:
    // listenPort 0: any free one.
    LatencyProxy(int targetPort, std::chrono::milliseconds roundTrip, int listenPort = 0);
    ~LatencyProxy();
    LatencyProxy(const LatencyProxy&) = delete;
    LatencyProxy& operator=(const LatencyProxy&) = delete;

    int port() const;
    // For the connections accepted from now on.
    void setRoundTrip(std::chrono::milliseconds roundTrip);
    // Connections the proxy accepted since the start or clearConnectionCount().
    std::size_t connectionCount() const;
    void clearConnectionCount();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

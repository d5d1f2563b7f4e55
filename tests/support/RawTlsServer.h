#pragma once

#include "tests/support/TestPki.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace quorvi::test {

// A TLS server on 127.0.0.1 whose answers a test writes byte by byte, for protocol
// misbehaviour an HTTP server library does not produce. Each connection runs in a
// thread of its own: after the handshake the server reads the request head and hands
// the connection to the behaviour. Uses the trusted test certificate unless given other
// credentials. stop() never waits for a client.
class RawTlsServer {
public:
    class Connection {
    public:
        virtual ~Connection() = default;
        // The request head, up to and including its blank line.
        virtual const std::string& request() const = 0;
        // Sends the bytes; false once the client is gone or the server stops.
        virtual bool write(std::string_view bytes) = 0;
        virtual bool stopping() const = 0;
        // Returns once the client has closed the connection or the server stops.
        virtual void waitForClose() = 0;
        // Ends the connection at once with a TCP reset instead of a TLS close.
        virtual void reset() = 0;
    };
    // Must return once write() fails or stopping() is true.
    using Behaviour = std::function<void(Connection&)>;

    explicit RawTlsServer(Behaviour behaviour);
    RawTlsServer(Behaviour behaviour, const ServerCredentials& credentials);
    ~RawTlsServer();
    RawTlsServer(const RawTlsServer&) = delete;
    RawTlsServer& operator=(const RawTlsServer&) = delete;

    int port() const;
    // "https://localhost:PORT" followed by the target.
    std::string url(std::string_view target) const;
    // Connections whose request head arrived.
    std::size_t requestCount() const;

    // Ends every connection and stops listening; the destructor does it too.
    void stop();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace quorvi::test

// HttpsTestServer for test programs under Wine: each instance is a server of the test
// server host on Linux, driven over its own control connection on 127.0.0.1. The port of
// the host is read from the file QUORVI_TEST_SERVER_HOST names.
#include "tests/support/HttpsTestServer.h"
#include "tests/support/TestPki.h"
#include "tests/support/TestServerWire.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <stdexcept>
#include <winsock2.h>

namespace quorvi::test {

namespace {

std::string hostPortFile()
{
    const char* path = std::getenv("QUORVI_TEST_SERVER_HOST");
    if (!path || !*path) {
        return {};
    }
    // A Unix path reaches the Windows side through drive Z:.
    return *path == '/' ? std::string("Z:") + path : std::string(path);
}

int hostPort()
{
    std::ifstream in(hostPortFile());
    int port = 0;
    in >> port;
    return port;
}

} // namespace

bool TestPki::available()
{
    return hostPort() > 0;
}

std::string TestPki::unavailableReason()
{
    return "no test server host (QUORVI_TEST_SERVER_HOST names no port file)";
}

struct HttpsTestServer::Impl {
    SOCKET control = INVALID_SOCKET;
    std::string received;
    int64_t id = 0;
    int port = 0;
    bool stopped = false;

    wire::Reader call(const wire::Writer& request, std::string& reply)
    {
        const std::string bytes = wire::frame(request.bytes());
        for (std::size_t sent = 0; sent < bytes.size();) {
            const int n =
                send(control, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
            if (n <= 0) {
                throw std::runtime_error("HttpsTestServer: the test server host is gone");
            }
            sent += static_cast<std::size_t>(n);
        }
        char chunk[65536];
        while (!wire::takeMessage(received, reply)) {
            const int n = recv(control, chunk, sizeof chunk, 0);
            if (n <= 0) {
                throw std::runtime_error("HttpsTestServer: the test server host is gone");
            }
            received.append(chunk, static_cast<std::size_t>(n));
        }
        wire::Reader in(reply);
        const std::string status = in.text();
        if (status != "ok") {
            throw std::runtime_error("HttpsTestServer: " + status);
        }
        return in;
    }
};

HttpsTestServer::HttpsTestServer() : HttpsTestServer(Options{})
{
}

HttpsTestServer::HttpsTestServer(Options options) : m_impl(std::make_unique<Impl>())
{
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    const int port = hostPort();
    if (!started || port <= 0) {
        throw std::runtime_error("HttpsTestServer: " + TestPki::unavailableReason());
    }
    m_impl->control = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    if (m_impl->control == INVALID_SOCKET ||
        connect(m_impl->control, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        throw std::runtime_error("HttpsTestServer: cannot reach the test server host");
    }
    std::string reply;
    wire::Writer request;
    request.text("start")
        .number(options.certificate == Certificate::Untrusted ? 1 : 0)
        .number(options.port);
    wire::Reader in = m_impl->call(request, reply);
    m_impl->id = in.number();
    m_impl->port = static_cast<int>(in.number());
}

HttpsTestServer::~HttpsTestServer()
{
    if (m_impl->control != INVALID_SOCKET) {
        closesocket(m_impl->control); // the host stops this connection's servers
    }
}

void HttpsTestServer::stop()
{
    if (m_impl->stopped) {
        return;
    }
    m_impl->stopped = true;
    std::string reply;
    m_impl->call(wire::Writer().text("stop").number(m_impl->id), reply);
}

int HttpsTestServer::port() const
{
    return m_impl->port;
}

void HttpsTestServer::addRoute(std::string target, TestRoute route)
{
    if (route.streamedBody) {
        throw std::runtime_error("HttpsTestServer: a streamed body cannot reach the host");
    }
    wire::Writer request;
    request.text("route").number(m_impl->id).text(target);
    wire::writeRoute(request, route);
    std::string reply;
    m_impl->call(request, reply);
}

std::vector<LoggedRequest> HttpsTestServer::requests() const
{
    std::string reply;
    wire::Reader in = m_impl->call(wire::Writer().text("requests").number(m_impl->id), reply);
    return wire::readRequests(in);
}

std::optional<LoggedRequest> HttpsTestServer::lastRequest() const
{
    std::vector<LoggedRequest> log = requests();
    if (log.empty()) {
        return std::nullopt;
    }
    return log.back();
}

std::size_t HttpsTestServer::connectionCount() const
{
    std::string reply;
    wire::Reader in = m_impl->call(wire::Writer().text("connections").number(m_impl->id), reply);
    return static_cast<std::size_t>(in.number());
}

void HttpsTestServer::clearLog()
{
    std::string reply;
    m_impl->call(wire::Writer().text("clear").number(m_impl->id), reply);
}

} // namespace quorvi::test

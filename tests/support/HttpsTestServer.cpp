#include "tests/support/HttpsTestServer.h"

#include "tests/support/Gzip.h"
#include "tests/support/TestPki.h"

#include <algorithm>
#include <condition_variable>
#include <httplib.h>
#include <map>
#include <mutex>
#include <netinet/in.h>
#include <openssl/ssl.h>
#include <set>
#include <stdexcept>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace quorvi::test {

namespace {

constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

// A route as served: the body, and its gzip form prepared once.
struct StoredRoute {
    TestRoute route;
    std::shared_ptr<const std::string> body;
    std::shared_ptr<const std::string> gzipped;
};

StoredRoute store(TestRoute route)
{
    StoredRoute stored;
    stored.body = std::make_shared<const std::string>(std::move(route.body));
    route.body.clear();
    if (route.encoding == BodyEncoding::GzipWhenAccepted ||
        route.encoding == BodyEncoding::GzipAlways) {
        stored.gzipped = std::make_shared<const std::string>(gzipCompress(*stored.body));
    } else if (route.encoding == BodyEncoding::BrokenGzip) {
        stored.gzipped = std::make_shared<const std::string>(
            std::string("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03", 10) + "not deflate data");
    }
    stored.route = std::move(route);
    return stored;
}

std::map<std::string, TestRoute> builtInRoutes()
{
    using namespace routes;
    const std::string xmlHead = "<?xml version=\"1.0\"?>\n<sample>\n";
    std::map<std::string, TestRoute> table;
    table[kOk].withBody(kOkBody);
    table[kGzip].withBody(kOkBody).withEncoding(BodyEncoding::GzipWhenAccepted);
    table[kGzipAlways].withBody(kOkBody).withEncoding(BodyEncoding::GzipAlways);
    table[kBrokenGzip].withBody(kOkBody).withEncoding(BodyEncoding::BrokenGzip);
    table[kNotFound].withStatus(404).withBody("Not found.\n");
    table[kMoved].withStatus(301).withHeader("Location", "/ok");
    table[kServerError].withStatus(500).withBody("Server error.\n");
    table[kSlow].withBody(kOkBody).withDelay(kSlowDelay);
    table[kReset].withBody(std::string(8192, 'r')).withDelivery(Delivery::ResetMidBody);
    table[kTruncated].withBody(std::string(8192, 't')).withDelivery(Delivery::CloseMidBody);
    table[kValidJson]
        .withContentType("application/json; charset=utf-8")
        .withBody(R"({"Params": 2, "Introtext": "Text", "list": [1, 2.5, true]})");
    table[kMalformedJson].withContentType("application/json").withBody(R"({"Params": 2,, })");
    table[kIncompleteJson].withContentType("application/json").withBody(R"({"Params": [1, 2)");
    table[kValidXml]
        .withContentType("application/xml")
        .withBody(xmlHead + "  <name>A</name>\n</sample>\n");
    table[kMalformedXml]
        .withContentType("text/xml")
        .withBody(xmlHead + "  <name>A</nam>\n</sample>\n");
    return table;
}

// Closes the connection with RST at once. The descriptor number is taken over by an
// unconnected socket, so the server's own later close stays harmless.
void resetConnection(int fd)
{
    const linger abort{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    const int placeholder = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (placeholder >= 0) {
        dup2(placeholder, fd);
        close(placeholder);
    }
}

} // namespace

struct HttpsTestServer::Impl {
    std::unique_ptr<httplib::SSLServer> server;
    std::thread thread;
    int port = 0;

    mutable std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    std::map<std::string, StoredRoute> routes;
    std::vector<LoggedRequest> log;

    void logRequest(const httplib::Request& request)
    {
        LoggedRequest entry{
            request.method, request.target, {}, request.remote_addr, request.remote_port};
        for (const auto& [field, value] : request.headers) {
            if (field != "REMOTE_ADDR" && field != "REMOTE_PORT" && field != "LOCAL_ADDR" &&
                field != "LOCAL_PORT") {
                entry.headers.emplace_back(field, value);
            }
        }
        std::lock_guard lock(mutex);
        log.push_back(std::move(entry));
    }

    std::optional<StoredRoute> find(const httplib::Request& request)
    {
        std::lock_guard lock(mutex);
        if (auto it = routes.find(request.target); it != routes.end()) {
            return it->second;
        }
        return std::nullopt;
    }

    // Waits, but returns false as soon as the server stops.
    bool waitFor(std::chrono::milliseconds delay)
    {
        std::unique_lock lock(mutex);
        return !wake.wait_for(lock, delay, [this] { return stopping; });
    }

    void answer(const httplib::Request& request, httplib::Response& response)
    {
        const std::optional<StoredRoute> found = find(request);
        if (!found) {
            response.status = 404;
            response.set_content("Not found.\n", "text/plain");
            return;
        }
        const TestRoute& route = found->route;
        if (route.delay.count() > 0 && !waitFor(route.delay)) {
            response.status = 503;
            return;
        }
        response.status = route.status;
        for (const auto& [field, value] : route.headers) {
            response.set_header(field, value);
        }
        if (route.streamedBody) {
            response.set_chunked_content_provider(
                route.contentType,
                [pieces = route.streamedBody()](std::size_t, httplib::DataSink& sink) {
                    const std::string_view piece = pieces();
                    if (piece.empty()) {
                        sink.done();
                        return true;
                    }
                    return sink.write(piece.data(), piece.size());
                });
            return;
        }

        std::shared_ptr<const std::string> body = found->body;
        const bool acceptsGzip =
            request.get_header_value("Accept-Encoding").find("gzip") != std::string::npos;
        if (route.encoding == BodyEncoding::GzipWhenAccepted) {
            response.set_header("Vary", "Accept-Encoding");
        }
        if (found->gzipped && (route.encoding != BodyEncoding::GzipWhenAccepted || acceptsGzip)) {
            body = found->gzipped;
            response.set_header("Content-Encoding", "gzip");
        }
        deliver(request, response, route, std::move(body));
    }

    static void deliver(const httplib::Request& request, httplib::Response& response,
                        const TestRoute& route, std::shared_ptr<const std::string> body)
    {
        switch (route.delivery) {
        case Delivery::ContentLength:
            if (body->empty()) {
                response.set_header("Content-Type", route.contentType);
                response.set_header("Content-Length", "0");
                return;
            }
            response.set_content_provider(
                body->size(), route.contentType,
                [body](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                    return sink.write(body->data() + offset, std::min(length, kPieceBytes));
                });
            return;
        case Delivery::Chunked:
            response.set_chunked_content_provider(
                route.contentType, [body](std::size_t offset, httplib::DataSink& sink) {
                    if (offset >= body->size()) {
                        sink.done();
                        return true;
                    }
                    return sink.write(body->data() + offset,
                                      std::min(kPieceBytes, body->size() - offset));
                });
            return;
        case Delivery::ResetMidBody:
        case Delivery::CloseMidBody: {
            const bool reset = route.delivery == Delivery::ResetMidBody;
            const SSL* ssl = request.ssl;
            response.set_content_provider(
                body->size(), route.contentType,
                [body, reset, ssl](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                    if (offset == 0) {
                        return sink.write(body->data(), body->size() / 2);
                    }
                    if (reset && ssl) {
                        resetConnection(SSL_get_fd(ssl));
                    }
                    return false;
                });
            return;
        }
        }
    }
};

HttpsTestServer::HttpsTestServer() : HttpsTestServer(Options{})
{
}

HttpsTestServer::HttpsTestServer(Options options) : m_impl(std::make_unique<Impl>())
{
    const TestPki& pki = TestPki::instance();
    const ServerCredentials& credentials =
        options.certificate == Certificate::Trusted ? pki.trustedServer() : pki.untrustedServer();
    m_impl->server = std::make_unique<httplib::SSLServer>(credentials.certificate.c_str(),
                                                          credentials.privateKey.c_str());
    httplib::SSLServer& server = *m_impl->server;
    if (!server.is_valid()) {
        throw std::runtime_error("HttpsTestServer: cannot load " +
                                 credentials.certificate.string());
    }
    for (auto& [target, route] : builtInRoutes()) {
        m_impl->routes.emplace(target, store(std::move(route)));
    }

    Impl* impl = m_impl.get();
    server.set_keep_alive_max_count(1000);
    // Without it, answers on a kept-alive connection wait for the peer's delayed ACK.
    server.set_tcp_nodelay(true);
    server.set_keep_alive_timeout(5);
    server.set_pre_routing_handler([impl](const httplib::Request& request, httplib::Response&) {
        impl->logRequest(request);
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server.Get(".*", [impl](const httplib::Request& request, httplib::Response& response) {
        impl->answer(request, response);
    });

    m_impl->port = options.port == 0
                       ? server.bind_to_any_port("127.0.0.1")
                       : (server.bind_to_port("127.0.0.1", options.port) ? options.port : -1);
    if (m_impl->port <= 0) {
        throw std::runtime_error("HttpsTestServer: cannot listen on 127.0.0.1:" +
                                 std::to_string(options.port));
    }
    m_impl->thread = std::thread([impl] { impl->server->listen_after_bind(); });
    // A stop() before the accept loop runs would be lost and the join would never end.
    while (!server.is_running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

HttpsTestServer::~HttpsTestServer()
{
    stop();
}

void HttpsTestServer::stop()
{
    if (!m_impl->thread.joinable()) {
        return;
    }
    {
        std::lock_guard lock(m_impl->mutex);
        m_impl->stopping = true;
    }
    m_impl->wake.notify_all();
    m_impl->server->stop();
    m_impl->thread.join();
}

int HttpsTestServer::port() const
{
    return m_impl->port;
}

void HttpsTestServer::addRoute(std::string target, TestRoute route)
{
    StoredRoute stored = store(std::move(route));
    std::lock_guard lock(m_impl->mutex);
    m_impl->routes.insert_or_assign(std::move(target), std::move(stored));
}

std::vector<LoggedRequest> HttpsTestServer::requests() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->log;
}

std::optional<LoggedRequest> HttpsTestServer::lastRequest() const
{
    std::lock_guard lock(m_impl->mutex);
    if (m_impl->log.empty()) {
        return std::nullopt;
    }
    return m_impl->log.back();
}

std::size_t HttpsTestServer::connectionCount() const
{
    std::lock_guard lock(m_impl->mutex);
    std::set<std::pair<std::string, int>> connections;
    for (const LoggedRequest& request : m_impl->log) {
        connections.emplace(request.remoteAddress, request.remotePort);
    }
    return connections.size();
}

void HttpsTestServer::clearLog()
{
    std::lock_guard lock(m_impl->mutex);
    m_impl->log.clear();
}

} // namespace quorvi::test

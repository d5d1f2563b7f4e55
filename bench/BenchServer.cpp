#include "bench/BenchServer.h"

#include "tests/support/TestPki.h"

#include <httplib.h>
#include <map>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>

namespace {

struct Route {
    std::string contentType;
    std::string body;
    std::chrono::milliseconds delay;
};

} // namespace

struct BenchServer::Impl {
    std::unique_ptr<httplib::SSLServer> server;
    std::thread thread;
    int port = 0;
    mutable std::mutex mutex;
    std::map<std::string, Route> routes;
    std::size_t requests = 0;
    std::set<std::pair<std::string, int>> connections;

    void answer(const httplib::Request& request, httplib::Response& response)
    {
        Route route;
        {
            std::lock_guard lock(mutex);
            ++requests;
            connections.emplace(request.remote_addr, request.remote_port);
            const auto found = routes.find(request.target);
            if (found == routes.end()) {
                response.status = 404;
                return;
            }
            route = found->second;
        }
        std::this_thread::sleep_for(route.delay);
        response.set_content(std::move(route.body), route.contentType.c_str());
    }
};

BenchServer::BenchServer(int port) : m_impl(std::make_unique<Impl>())
{
    const quorvi::test::ServerCredentials& credentials =
        quorvi::test::TestPki::instance().trustedServer();
    m_impl->server = std::make_unique<httplib::SSLServer>(credentials.certificate.c_str(),
                                                          credentials.privateKey.c_str());
    httplib::SSLServer& server = *m_impl->server;
    if (!server.is_valid()) {
        throw std::runtime_error("BenchServer: cannot load " + credentials.certificate.string());
    }
    server.set_tcp_nodelay(true);
    server.set_keep_alive_max_count(100'000);
    server.set_keep_alive_timeout(60);
    Impl* impl = m_impl.get();
    server.Get(".*", [impl](const httplib::Request& request, httplib::Response& response) {
        impl->answer(request, response);
    });
    m_impl->port = port == 0 ? server.bind_to_any_port("127.0.0.1")
                             : (server.bind_to_port("127.0.0.1", port) ? port : -1);
    if (m_impl->port <= 0) {
        throw std::runtime_error("BenchServer: cannot listen on 127.0.0.1:" + std::to_string(port));
    }
    m_impl->thread = std::thread([impl] { impl->server->listen_after_bind(); });
}

BenchServer::~BenchServer()
{
    m_impl->server->stop();
    m_impl->thread.join();
}

void BenchServer::addRoute(std::string target, std::string contentType, std::string body,
                           std::chrono::milliseconds delay)
{
    std::lock_guard lock(m_impl->mutex);
    m_impl->routes.insert_or_assign(std::move(target),
                                    Route{std::move(contentType), std::move(body), delay});
}

int BenchServer::port() const
{
    return m_impl->port;
}

std::string BenchServer::baseUrl() const
{
    return "https://localhost:" + std::to_string(m_impl->port) + "/";
}

std::size_t BenchServer::requestCount() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->requests;
}

std::size_t BenchServer::connectionCount() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->connections.size();
}

void BenchServer::clearLog()
{
    std::lock_guard lock(m_impl->mutex);
    m_impl->requests = 0;
    m_impl->connections.clear();
}

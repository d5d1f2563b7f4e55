#include "tests/support/RawTlsServer.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <pthread.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace quorvi::test {

namespace {

constexpr std::size_t kMaxRequestHead = std::size_t{64} << 10;

struct ContextFree {
    void operator()(SSL_CTX* context) const { SSL_CTX_free(context); }
};

// Writing to a connection the client has closed must fail with EPIPE instead of
// raising SIGPIPE; the threads of the server inherit this.
void blockSigpipe()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
}

// One accepted connection over a non-blocking socket. Every wait also watches the
// server's stop event, so no call waits for a client that has stopped talking.
class TlsConnection final : public RawTlsServer::Connection {
public:
    TlsConnection(SSL_CTX* context, int fd, int stopFd, const std::atomic<bool>& stopping)
        : m_ssl(SSL_new(context)), m_fd(fd), m_stopFd(stopFd), m_stopping(stopping)
    {
        if (!m_ssl || SSL_set_fd(m_ssl, fd) != 1) {
            m_broken = true;
        }
    }

    ~TlsConnection() override
    {
        if (m_fd >= 0) {
            if (!m_broken) {
                ERR_clear_error();
                SSL_shutdown(m_ssl);
            }
            ::close(m_fd);
        }
        SSL_free(m_ssl);
        ERR_clear_error();
    }

    TlsConnection(const TlsConnection&) = delete;
    TlsConnection& operator=(const TlsConnection&) = delete;

    bool handshake()
    {
        while (usable()) {
            ERR_clear_error();
            const int result = SSL_accept(m_ssl);
            if (result == 1) {
                return true;
            }
            if (!retry(result)) {
                return false;
            }
        }
        return false;
    }

    bool readRequestHead()
    {
        char buffer[4096];
        while (m_request.find("\r\n\r\n") == std::string::npos) {
            if (!usable() || m_request.size() > kMaxRequestHead) {
                return false;
            }
            ERR_clear_error();
            const int result = SSL_read(m_ssl, buffer, sizeof buffer);
            if (result > 0) {
                m_request.append(buffer, static_cast<std::size_t>(result));
            } else if (!retry(result)) {
                return false;
            }
        }
        return true;
    }

    const std::string& request() const override { return m_request; }

    bool write(std::string_view bytes) override
    {
        std::size_t done = 0;
        while (done < bytes.size()) {
            if (!usable() || m_stopping) {
                return false;
            }
            ERR_clear_error();
            std::size_t written = 0;
            const int result =
                SSL_write_ex(m_ssl, bytes.data() + done, bytes.size() - done, &written);
            if (result == 1) {
                done += written;
            } else if (!retry(result)) {
                return false;
            }
        }
        return usable();
    }

    bool stopping() const override { return m_stopping; }

    void waitForClose() override
    {
        char buffer[4096];
        while (usable()) {
            ERR_clear_error();
            const int result = SSL_read(m_ssl, buffer, sizeof buffer);
            if (result <= 0 && !retry(result)) {
                return;
            }
        }
    }

    void reset() override
    {
        if (m_fd < 0) {
            return;
        }
        const linger abort{1, 0};
        setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
        ::close(m_fd);
        m_fd = -1;
    }

private:
    bool usable() const { return m_fd >= 0 && !m_broken; }

    // After a non-blocking call that did not finish: waits as OpenSSL asks and says
    // whether to call again. Any other outcome ends the connection's use.
    bool retry(int result)
    {
        switch (SSL_get_error(m_ssl, result)) {
        case SSL_ERROR_WANT_READ:
            return await(POLLIN);
        case SSL_ERROR_WANT_WRITE:
            return await(POLLOUT);
        default:
            m_broken = true;
            return false;
        }
    }

    // False when the server stops first.
    bool await(short events)
    {
        pollfd fds[2] = {{m_fd, events, 0}, {m_stopFd, POLLIN, 0}};
        for (;;) {
            if (m_stopping) {
                return false;
            }
            const int ready = ::poll(fds, 2, -1);
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            return ready > 0 && fds[1].revents == 0;
        }
    }

    SSL* m_ssl;
    int m_fd;
    int m_stopFd;
    const std::atomic<bool>& m_stopping;
    bool m_broken = false;
    std::string m_request;
};

} // namespace

struct RawTlsServer::Impl {
    Behaviour behaviour;
    std::unique_ptr<SSL_CTX, ContextFree> context;
    int listenFd = -1;
    int stopFd = -1; // an eventfd that turns readable when the server stops
    int port = 0;
    std::atomic<bool> stopping{false};
    std::atomic<std::size_t> requests{0};
    std::thread acceptThread;

    ~Impl()
    {
        if (listenFd >= 0) {
            ::close(listenFd);
        }
        if (stopFd >= 0) {
            ::close(stopFd);
        }
    }

    void acceptLoop()
    {
        blockSigpipe();
        std::vector<std::thread> connections;
        for (;;) {
            pollfd fds[2] = {{listenFd, POLLIN, 0}, {stopFd, POLLIN, 0}};
            const int ready = ::poll(fds, 2, -1);
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            if (ready < 0 || fds[1].revents != 0) {
                break;
            }
            const int fd = ::accept4(listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0) {
                continue;
            }
            const int on = 1;
            setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            connections.emplace_back([this, fd] { serve(fd); });
        }
        for (std::thread& connection : connections) {
            connection.join();
        }
    }

    void serve(int fd)
    {
        TlsConnection connection(context.get(), fd, stopFd, stopping);
        if (!connection.handshake() || !connection.readRequestHead()) {
            return;
        }
        ++requests;
        behaviour(connection);
    }
};

RawTlsServer::RawTlsServer(Behaviour behaviour)
    : RawTlsServer(std::move(behaviour), TestPki::instance().trustedServer())
{
}

RawTlsServer::RawTlsServer(Behaviour behaviour, const ServerCredentials& credentials)
    : m_impl(std::make_unique<Impl>())
{
    Impl& impl = *m_impl;
    impl.behaviour = std::move(behaviour);
    impl.context.reset(SSL_CTX_new(TLS_server_method()));
    SSL_CTX* context = impl.context.get();
    if (!context ||
        SSL_CTX_use_certificate_chain_file(context, credentials.certificate.c_str()) != 1 ||
        SSL_CTX_use_PrivateKey_file(context, credentials.privateKey.c_str(), SSL_FILETYPE_PEM) !=
            1) {
        ERR_clear_error();
        throw std::runtime_error("RawTlsServer: cannot load " + credentials.certificate.string());
    }

    impl.stopFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    impl.listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (impl.stopFd < 0 || impl.listenFd < 0 ||
        ::bind(impl.listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(impl.listenFd, 16) != 0 ||
        ::getsockname(impl.listenFd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        throw std::runtime_error("RawTlsServer: cannot listen on 127.0.0.1");
    }
    impl.port = ntohs(address.sin_port);
    impl.acceptThread = std::thread([&impl] { impl.acceptLoop(); });
}

RawTlsServer::~RawTlsServer()
{
    stop();
}

void RawTlsServer::stop()
{
    if (!m_impl->acceptThread.joinable()) {
        return;
    }
    m_impl->stopping = true;
    ::eventfd_write(m_impl->stopFd, 1);
    m_impl->acceptThread.join();
}

int RawTlsServer::port() const
{
    return m_impl->port;
}

std::string RawTlsServer::url(std::string_view target) const
{
    return "https://localhost:" + std::to_string(m_impl->port) + std::string(target);
}

std::size_t RawTlsServer::requestCount() const
{
    return m_impl->requests;
}

} // namespace quorvi::test

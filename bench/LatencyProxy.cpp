#include "bench/LatencyProxy.h"

#include <arpa/inet.h>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <list>
#include <mutex>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int loopbackSocket()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) {
        throw std::runtime_error("socket failed");
    }
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

sockaddr_in loopbackAddress(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// One direction of one connection: a reader stamps each piece with the time it is due,
// a writer sends it then. An empty piece is the end of the stream.
class DelayedPipe {
public:
    DelayedPipe(int from, int to, Clock::duration delay, Clock::time_point notBefore)
        : m_from(from), m_to(to), m_delay(delay), m_notBefore(notBefore)
    {
        m_reader = std::thread([this] { read(); });
        m_writer = std::thread([this] { write(); });
    }
    ~DelayedPipe()
    {
        m_reader.join();
        m_writer.join();
    }

private:
    struct Piece {
        Clock::time_point due;
        std::string bytes;
    };

    void read()
    {
        std::vector<char> buffer(64 * 1024);
        for (;;) {
            const ssize_t n = ::read(m_from, buffer.data(), buffer.size());
            const auto due = std::max(Clock::now() + m_delay, m_notBefore);
            std::lock_guard lock(m_mutex);
            m_pieces.push_back({due, n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n))
                                           : std::string()});
            m_ready.notify_one();
            if (n <= 0) {
                return;
            }
        }
    }

    void write()
    {
        for (;;) {
            Piece piece;
            {
                std::unique_lock lock(m_mutex);
                m_ready.wait(lock, [this] { return !m_pieces.empty(); });
                piece = std::move(m_pieces.front());
                m_pieces.pop_front();
            }
            std::this_thread::sleep_until(piece.due);
            if (piece.bytes.empty()) {
                shutdown(m_to, SHUT_WR);
                return;
            }
            for (std::size_t sent = 0; sent < piece.bytes.size();) {
                const ssize_t n = ::send(m_to, piece.bytes.data() + sent, piece.bytes.size() - sent,
                                         MSG_NOSIGNAL);
                if (n <= 0) {
                    shutdown(m_from, SHUT_RD);
                    return;
                }
                sent += static_cast<std::size_t>(n);
            }
        }
    }

    int m_from;
    int m_to;
    Clock::duration m_delay;
    Clock::time_point m_notBefore;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Piece> m_pieces;
    std::thread m_reader;
    std::thread m_writer;
};

// Closes its socket when it goes: declared before the pipes that use it, it outlives
// their threads.
struct Socket {
    explicit Socket(int fd) : fd(fd) {}
    ~Socket() { close(fd); }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd;
};

struct Connection {
    Connection(int client, int server, Clock::duration roundTrip)
        : client(client), server(server),
          up(client, server, roundTrip / 2, Clock::now() + roundTrip + roundTrip / 2),
          down(server, client, roundTrip / 2, Clock::time_point{})
    {
    }
    Socket client;
    Socket server;
    DelayedPipe up;
    DelayedPipe down;
};

} // namespace

struct LatencyProxy::Impl {
    int listener = -1;
    int port = 0;
    int targetPort = 0;
    // Read by the acceptor while the owner may change it.
    std::atomic<Clock::duration> roundTrip;
    std::atomic<bool> stopping{false};
    std::atomic<std::size_t> connections{0};
    std::list<Connection> open;
    std::thread acceptor;

    void acceptLoop()
    {
        while (!stopping) {
            pollfd waiting{listener, POLLIN, 0};
            if (poll(&waiting, 1, 50) <= 0) {
                continue;
            }
            const int client = accept(listener, nullptr, nullptr);
            if (client < 0) {
                continue;
            }
            const int on = 1;
            setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            const int server = loopbackSocket();
            const sockaddr_in target = loopbackAddress(targetPort);
            if (connect(server, reinterpret_cast<const sockaddr*>(&target), sizeof target) != 0) {
                close(client);
                close(server);
                continue;
            }
            ++connections;
            open.emplace_back(client, server, roundTrip.load());
        }
    }
};

LatencyProxy::LatencyProxy(int targetPort, std::chrono::milliseconds roundTrip, int listenPort)
    : m_impl(std::make_unique<Impl>())
{
    m_impl->targetPort = targetPort;
    m_impl->roundTrip = roundTrip;
    m_impl->listener = loopbackSocket();
    const int on = 1;
    setsockopt(m_impl->listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address = loopbackAddress(listenPort);
    socklen_t size = sizeof address;
    if (bind(m_impl->listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(m_impl->listener, 16) != 0 ||
        getsockname(m_impl->listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        throw std::runtime_error("the latency proxy cannot listen");
    }
    m_impl->port = ntohs(address.sin_port);
    m_impl->acceptor = std::thread([impl = m_impl.get()] { impl->acceptLoop(); });
}

LatencyProxy::~LatencyProxy()
{
    m_impl->stopping = true;
    m_impl->acceptor.join();
    close(m_impl->listener);
    // Ends every pipe: the readers see the end of their streams.
    for (Connection& c : m_impl->open) {
        shutdown(c.client.fd, SHUT_RDWR);
        shutdown(c.server.fd, SHUT_RDWR);
    }
    m_impl->open.clear();
}

int LatencyProxy::port() const
{
    return m_impl->port;
}

void LatencyProxy::setRoundTrip(std::chrono::milliseconds roundTrip)
{
    m_impl->roundTrip = roundTrip;
}

std::size_t LatencyProxy::connectionCount() const
{
    return m_impl->connections;
}

void LatencyProxy::clearConnectionCount()
{
    m_impl->connections = 0;
}

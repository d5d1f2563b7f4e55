#include "tests/support/LoopbackSockets.h"

#if defined(_WIN32)
#include <winsock2.h>
using Socket = SOCKET;
using socklen_t = int;
#define QUORVI_SHUT_BOTH SD_BOTH
#else
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
using Socket = int;
#define QUORVI_SHUT_BOTH SHUT_RDWR
#define closesocket close
#endif

namespace quorvi::test {

namespace {

Socket boundLoopbackSocket(int& port)
{
#if defined(_WIN32)
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)started;
#endif
    const Socket fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t size = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
    return fd;
}

} // namespace

int unusedPort()
{
    int port = 0;
    closesocket(boundLoopbackSocket(port));
    return port;
}

PlainHttpListener::PlainHttpListener()
{
    const Socket fd = boundLoopbackSocket(m_port);
    m_socket = static_cast<intptr_t>(fd);
    listen(fd, 1);
    m_thread = std::thread([fd] {
        const Socket client = accept(fd, nullptr, nullptr);
        if (client == static_cast<Socket>(-1)) {
            return;
        }
        char buffer[1024];
        recv(client, buffer, sizeof buffer, 0);
        const char answer[] = "HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\n\r\n";
        send(client, answer, sizeof answer - 1, 0);
        closesocket(client);
    });
}

PlainHttpListener::~PlainHttpListener()
{
    const auto fd = static_cast<Socket>(m_socket);
    shutdown(fd, QUORVI_SHUT_BOTH);
#if defined(_WIN32)
    closesocket(fd); // Winsock ends a waiting accept only when the socket closes
    m_thread.join();
#else
    m_thread.join();
    closesocket(fd);
#endif
}

} // namespace quorvi::test

// The test server host: serves HttpsTestServer instances on Linux for test programs that
// run under Wine, which have no TLS server of their own. Each control connection may
// start servers, add routes, read their logs and stop them; a closed connection stops
// its servers. Usage: quorvi-test-server-host PORT-FILE (the control port is written
// there once the test PKI exists and the host listens on 127.0.0.1).
#include "tests/support/HttpsTestServer.h"
#include "tests/support/TestPki.h"
#include "tests/support/TestServerWire.h"

#include <arpa/inet.h>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace quorvi::test;

bool sendAll(int fd, const std::string& bytes)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

std::string answer(std::map<int64_t, std::unique_ptr<HttpsTestServer>>& servers, int64_t& nextId,
                   const std::string& message)
{
    wire::Reader in(message);
    wire::Writer out;
    const std::string command = in.text();
    if (command == "start") {
        HttpsTestServer::Options options;
        options.certificate = in.number() ? HttpsTestServer::Certificate::Untrusted
                                          : HttpsTestServer::Certificate::Trusted;
        options.port = static_cast<int>(in.number());
        auto server = std::make_unique<HttpsTestServer>(options);
        out.text("ok").number(nextId).number(server->port());
        servers[nextId++] = std::move(server);
        return out.bytes();
    }
    HttpsTestServer& server = *servers.at(in.number());
    if (command == "route") {
        std::string target = in.text();
        server.addRoute(std::move(target), wire::readRoute(in));
    } else if (command == "requests") {
        out.text("ok");
        wire::writeRequests(out, server.requests());
        return out.bytes();
    } else if (command == "connections") {
        return out.text("ok").number(static_cast<int64_t>(server.connectionCount())).bytes();
    } else if (command == "clear") {
        server.clearLog();
    } else if (command == "stop") {
        server.stop();
    } else {
        return out.text("unknown command " + command).bytes();
    }
    return out.text("ok").bytes();
}

void serveClient(int fd)
{
    std::map<int64_t, std::unique_ptr<HttpsTestServer>> servers;
    int64_t nextId = 1;
    std::string buffer;
    char chunk[65536];
    for (;;) {
        const ssize_t n = recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0) {
            break;
        }
        buffer.append(chunk, static_cast<std::size_t>(n));
        std::string message;
        bool open = true;
        while (open && wire::takeMessage(buffer, message)) {
            std::string reply;
            try {
                reply = answer(servers, nextId, message);
            } catch (const std::exception& e) {
                reply = wire::Writer().text(std::string("error: ") + e.what()).bytes();
            }
            open = sendAll(fd, wire::frame(reply));
        }
        if (!open) {
            break;
        }
    }
    close(fd);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PORT-FILE\n", argv[0]);
        return 2;
    }
    TestPki::instance();
    const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(listener, 16) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        std::perror("quorvi-test-server-host");
        return 1;
    }
    const std::string portFile = argv[1];
    {
        std::ofstream out(portFile + ".new");
        out << ntohs(address.sin_port) << "\n";
    }
    std::rename((portFile + ".new").c_str(), portFile.c_str());
    for (;;) {
        const int client = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0) {
            std::thread(serveClient, client).detach();
        }
    }
}

#pragma once

#include <thread>

namespace quorvi::test {

// A port on 127.0.0.1 that nothing listens on.
int unusedPort();

// Accepts one connection on 127.0.0.1 and answers in plain HTTP, which a TLS client
// cannot read.
class PlainHttpListener {
public:
    PlainHttpListener();
    ~PlainHttpListener();
    PlainHttpListener(const PlainHttpListener&) = delete;
    PlainHttpListener& operator=(const PlainHttpListener&) = delete;
    int port() const { return m_port; }

private:
    intptr_t m_socket = -1;
    int m_port = 0;
    std::thread m_thread;
};

} // namespace quorvi::test

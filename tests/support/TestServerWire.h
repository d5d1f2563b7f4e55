#pragma once

#include "tests/support/HttpsTestServer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How a test program on Windows (under Wine) talks to the test server host on Linux:
// each message is a sequence of fields, each written as its length in decimal, ":" and
// its bytes. A message travels as one such field.
namespace quorvi::test::wire {

class Writer {
public:
    Writer& text(std::string_view value);
    Writer& number(int64_t value);
    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}
    // Throws std::runtime_error on a malformed or missing field.
    std::string text();
    int64_t number();
    bool atEnd() const { return m_bytes.empty(); }

private:
    std::string_view m_bytes;
};

// A route without its streamed body, which cannot travel.
void writeRoute(Writer& out, const TestRoute& route);
TestRoute readRoute(Reader& in);

void writeRequests(Writer& out, const std::vector<LoggedRequest>& requests);
std::vector<LoggedRequest> readRequests(Reader& in);

// Splits one framed message off the front of a receive buffer; false while incomplete.
bool takeMessage(std::string& buffer, std::string& message);
std::string frame(std::string_view message);

} // namespace quorvi::test::wire

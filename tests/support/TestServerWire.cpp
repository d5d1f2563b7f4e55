#include "tests/support/TestServerWire.h"

#include <stdexcept>

namespace quorvi::test::wire {

namespace {

// The length before ":", or npos while the digits are not complete.
std::size_t lengthPrefix(std::string_view bytes, std::size_t& digits)
{
    std::size_t length = 0;
    for (digits = 0; digits < bytes.size() && bytes[digits] != ':'; ++digits) {
        if (bytes[digits] < '0' || bytes[digits] > '9' || digits > 12) {
            throw std::runtime_error("test server wire: bad length");
        }
        length = length * 10 + static_cast<std::size_t>(bytes[digits] - '0');
    }
    return digits < bytes.size() && digits > 0 ? length : std::string_view::npos;
}

} // namespace

Writer& Writer::text(std::string_view value)
{
    m_bytes += std::to_string(value.size());
    m_bytes += ':';
    m_bytes += value;
    return *this;
}

Writer& Writer::number(int64_t value)
{
    return text(std::to_string(value));
}

std::string Reader::text()
{
    std::size_t digits = 0;
    const std::size_t length = lengthPrefix(m_bytes, digits);
    if (length == std::string_view::npos || m_bytes.size() - digits - 1 < length) {
        throw std::runtime_error("test server wire: field missing");
    }
    std::string value(m_bytes.substr(digits + 1, length));
    m_bytes.remove_prefix(digits + 1 + length);
    return value;
}

int64_t Reader::number()
{
    return std::stoll(text());
}

void writeRoute(Writer& out, const TestRoute& route)
{
    out.number(route.status)
        .text(route.contentType)
        .text(route.body)
        .number(static_cast<int>(route.encoding))
        .number(static_cast<int>(route.delivery))
        .number(route.delay.count())
        .number(static_cast<int64_t>(route.headers.size()));
    for (const auto& [field, value] : route.headers) {
        out.text(field).text(value);
    }
}

TestRoute readRoute(Reader& in)
{
    TestRoute route;
    route.status = static_cast<int>(in.number());
    route.contentType = in.text();
    route.body = in.text();
    route.encoding = static_cast<BodyEncoding>(in.number());
    route.delivery = static_cast<Delivery>(in.number());
    route.delay = std::chrono::milliseconds(in.number());
    for (int64_t n = in.number(); n > 0; --n) {
        std::string field = in.text();
        route.headers.emplace_back(std::move(field), in.text());
    }
    return route;
}

void writeRequests(Writer& out, const std::vector<LoggedRequest>& requests)
{
    out.number(static_cast<int64_t>(requests.size()));
    for (const LoggedRequest& request : requests) {
        out.text(request.method)
            .text(request.target)
            .text(request.remoteAddress)
            .number(request.remotePort)
            .number(static_cast<int64_t>(request.headers.size()));
        for (const auto& [field, value] : request.headers) {
            out.text(field).text(value);
        }
    }
}

std::vector<LoggedRequest> readRequests(Reader& in)
{
    std::vector<LoggedRequest> requests;
    for (int64_t n = in.number(); n > 0; --n) {
        LoggedRequest request;
        request.method = in.text();
        request.target = in.text();
        request.remoteAddress = in.text();
        request.remotePort = static_cast<int>(in.number());
        for (int64_t h = in.number(); h > 0; --h) {
            std::string field = in.text();
            request.headers.emplace_back(std::move(field), in.text());
        }
        requests.push_back(std::move(request));
    }
    return requests;
}

bool takeMessage(std::string& buffer, std::string& message)
{
    std::size_t digits = 0;
    const std::size_t length = lengthPrefix(buffer, digits);
    if (length == std::string_view::npos || buffer.size() - digits - 1 < length) {
        return false;
    }
    message = buffer.substr(digits + 1, length);
    buffer.erase(0, digits + 1 + length);
    return true;
}

std::string frame(std::string_view message)
{
    return Writer().text(message).bytes();
}

} // namespace quorvi::test::wire

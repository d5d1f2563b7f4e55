#include "tests/support/HttpsTestServer.h"

#include <algorithm>
#include <cctype>

// What the test server's interface does alike where the server runs in the test
// program and where it runs in the test server host.
namespace quorvi::test {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

TestRoute& TestRoute::withStatus(int value)
{
    status = value;
    return *this;
}

TestRoute& TestRoute::withContentType(std::string value)
{
    contentType = std::move(value);
    return *this;
}

TestRoute& TestRoute::withBody(std::string value)
{
    body = std::move(value);
    return *this;
}

TestRoute& TestRoute::withEncoding(BodyEncoding value)
{
    encoding = value;
    return *this;
}

TestRoute& TestRoute::withDelivery(Delivery value)
{
    delivery = value;
    return *this;
}

TestRoute& TestRoute::withDelay(std::chrono::milliseconds value)
{
    delay = value;
    return *this;
}

TestRoute& TestRoute::withHeader(std::string field, std::string value)
{
    headers.emplace_back(std::move(field), std::move(value));
    return *this;
}

TestRoute& TestRoute::withStreamedBody(std::function<BodyPieces()> makePieces)
{
    streamedBody = std::move(makePieces);
    return *this;
}

std::optional<std::string> LoggedRequest::header(std::string_view name) const
{
    for (const auto& [field, value] : headers) {
        if (sameIgnoringCase(field, name)) {
            return value;
        }
    }
    return std::nullopt;
}

std::string HttpsTestServer::baseUrl() const
{
    return "https://localhost:" + std::to_string(port()) + "/";
}

std::string HttpsTestServer::url(std::string_view target) const
{
    if (!target.empty() && target.front() == '/') {
        target.remove_prefix(1);
    }
    return baseUrl() + std::string(target);
}

} // namespace quorvi::test

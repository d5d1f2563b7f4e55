#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvi::test {

enum class BodyEncoding {
    Identity,         // sent as it is
    GzipWhenAccepted, // gzip when the request's Accept-Encoding names gzip
    GzipAlways,       // gzip even when the client did not ask for it
    BrokenGzip        // declared gzip, but not a valid gzip stream
};

enum class Delivery {
    ContentLength, // the whole body with a Content-Length header
    Chunked,       // chunked transfer encoding, no Content-Length
    ResetMidBody,  // Content-Length of the whole body, half of it, then a TCP reset
    CloseMidBody   // Content-Length of the whole body, half of it, then the connection closes
};

// The pieces of a body made while it is sent: each call gives the next piece (valid
// until the next call), an empty one ends the body.
using BodyPieces = std::function<std::string_view()>;

// What the server answers for one request target.
struct TestRoute {
    int status = 200;
    std::string contentType = "text/plain";
    std::string body;
    BodyEncoding encoding = BodyEncoding::Identity;
    Delivery delivery = Delivery::ContentLength;
    std::chrono::milliseconds delay{0}; // before the answer starts
    std::vector<std::pair<std::string, std::string>> headers;
    // When set, called for each request: the body is sent chunked from its pieces,
    // never held whole; body, encoding and delivery do not apply.
    std::function<BodyPieces()> streamedBody;

    TestRoute& withStatus(int value);
    TestRoute& withContentType(std::string value);
    TestRoute& withBody(std::string value);
    TestRoute& withEncoding(BodyEncoding value);
    TestRoute& withDelivery(Delivery value);
    TestRoute& withDelay(std::chrono::milliseconds value);
    TestRoute& withHeader(std::string field, std::string value);
    TestRoute& withStreamedBody(std::function<BodyPieces()> makePieces);
};

struct LoggedRequest {
    std::string method;
    std::string target; // exactly as on the request line, not decoded
    std::vector<std::pair<std::string, std::string>> headers;
    std::string remoteAddress;
    int remotePort = 0;

    // The first header of that name (compared without regard to case).
    std::optional<std::string> header(std::string_view name) const;
};

// Targets that every server answers from the start.
namespace routes {
inline constexpr char kOk[] = "/ok";                    // 200 text/plain kOkBody
inline constexpr char kGzip[] = "/gzip";                // 200 kOkBody, gzip when accepted
inline constexpr char kGzipAlways[] = "/gzip-always";   // 200 kOkBody, always gzip
inline constexpr char kBrokenGzip[] = "/broken-gzip";   // 200, invalid gzip data
inline constexpr char kNotFound[] = "/not-found";       // 404 (as is every unknown target)
inline constexpr char kMoved[] = "/moved";              // 301 to /ok
inline constexpr char kServerError[] = "/server-error"; // 500
inline constexpr char kSlow[] = "/slow";                // 200 kOkBody after kSlowDelay
inline constexpr char kReset[] = "/reset";              // half the body, then a reset
inline constexpr char kTruncated[] = "/truncated";      // half the body, then a close
inline constexpr char kValidJson[] = "/valid.json";
inline constexpr char kMalformedJson[] = "/malformed.json";   // application/json, bad token
inline constexpr char kIncompleteJson[] = "/incomplete.json"; // application/json, cut off
inline constexpr char kValidXml[] = "/valid.xml";
inline constexpr char kMalformedXml[] = "/malformed.xml"; // mismatched tag on line 3
inline constexpr char kOkBody[] = "Hello from the test server.\n";
inline constexpr std::chrono::milliseconds kSlowDelay{2500};
} // namespace routes

// An HTTPS server on 127.0.0.1 for tests, running in a background thread of the
// calling process. Uses the test PKI (TestPki), so the cores trust it unless the
// untrusted certificate is chosen. Answers the routes above and routes added by the
// test (by exact request target).
class HttpsTestServer {
public:
    enum class Certificate { Trusted, Untrusted };
    struct Options {
        Certificate certificate = Certificate::Trusted;
        int port = 0; // 0: any free port
    };

    HttpsTestServer();
    explicit HttpsTestServer(Options options);
    ~HttpsTestServer();
    HttpsTestServer(const HttpsTestServer&) = delete;
    HttpsTestServer& operator=(const HttpsTestServer&) = delete;

    int port() const;
    // "https://localhost:PORT/"
    std::string baseUrl() const;
    // baseUrl() followed by the target without its leading "/".
    std::string url(std::string_view target) const;

    void addRoute(std::string target, TestRoute route);

    std::vector<LoggedRequest> requests() const;
    std::optional<LoggedRequest> lastRequest() const;
    // Distinct client connections among the logged requests.
    std::size_t connectionCount() const;
    void clearLog();

    // Stops serving; the destructor does it too.
    void stop();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace quorvi::test

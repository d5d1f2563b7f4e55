#include "components/wrappers/TnetHTTP.h"
#include "components/wrappers/TnetJSON.h"
#include "components/wrappers/TnetREST.h"
#include "tests/components/wrappers/FailureOf.h"
#include "tests/support/Gzip.h"
#include "tests/support/HttpsTestServer.h"
#include "tests/support/RawTlsServer.h"
#include "tests/support/TestPki.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

using quorvi::test::BodyPieces;
using quorvi::test::HttpsTestServer;
using quorvi::test::RawTlsServer;
using quorvi::test::ServerCredentials;
using quorvi::test::TestPki;
using quorvi::test::TestRoute;
namespace routes = quorvi::test::routes;
using Connection = RawTlsServer::Connection;

constexpr std::size_t kBodyLimit = std::size_t{8} << 20;
constexpr std::size_t kMiB = std::size_t{1} << 20;
// Long enough never to end a transfer that is merely slow under a sanitizer.
constexpr int kTimeoutSeconds = 20;
// Growth of the peak memory a transfer may cause: the capped body takes a few times
// 8 MiB (more under AddressSanitizer, which holds freed memory back for a while); a
// transfer without the limit would hold the whole gibibyte.
constexpr long kMemoryBoundMiB = 128;
constexpr char kBodyTooLarge[] = "308: Response body larger than 8388608 bytes.";
constexpr char kMalformed[] = "312: Malformed answer from the server.";
constexpr char kDepthError[] = "10235: JSON nesting too deep (maximum 512 levels).";

// The largest resident size the process has had, in MiB.
long peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Scripted answers for what no HTTP server library sends.

void endlessHeaderLines(Connection& client)
{
    if (!client.write("HTTP/1.1 200 OK\r\n")) {
        return;
    }
    const std::string filler(1000, 'h');
    for (long i = 0; client.write("X-Filler-" + std::to_string(i) + ": " + filler + "\r\n"); ++i) {
    }
}

void endlessHeaderLine(Connection& client)
{
    const std::string filler(4096, 'h');
    if (client.write("HTTP/1.1 200 OK\r\nX-Filler: ")) {
        while (client.write(filler)) {
        }
    }
}

void stallMidBody(Connection& client)
{
    if (client.write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 1000\r\n\r\n" +
                     std::string(100, 's'))) {
        client.waitForClose();
    }
}

void resetDuringHeaders(Connection& client)
{
    client.write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nX-Half: ");
    client.reset();
}

// Answers the request with these bytes as they stand.
RawTlsServer::Behaviour answerWith(std::string bytes)
{
    return [bytes](Connection& client) {
        if (client.write(bytes)) {
            client.waitForClose();
        }
    };
}

void answerOk(Connection& client)
{
    client.write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 2\r\n\r\nok");
}

// 1 GiB of body, made while it is sent.
BodyPieces gibibyteOfText()
{
    auto piece = std::make_shared<const std::string>(kMiB, 'x');
    auto left = std::make_shared<std::size_t>(1024);
    return [piece, left]() -> std::string_view {
        if (*left == 0) {
            return {};
        }
        --*left;
        return *piece;
    };
}

// Every case ends with the "stays usable" check: right after its failure, the same
// object fetches a normal answer from a good server.
class HostileAnswers : public testing::Test {
protected:
    void SetUp() override
    {
        QUORVI_SKIP_WITHOUT_TEST_PKI();
        good = std::make_unique<HttpsTestServer>();
    }

    std::u16string goodUrl(std::string_view target) { return wide(good->url(target)); }

    template <class Component> void expectStillUsable(Component& component)
    {
        EXPECT_EQ(failureOf([&] { component.Get(goodUrl(routes::kOk)); }), "(nothing raised)");
        EXPECT_EQ(component.StatusLine(), u"HTTP/1.1 200 OK");
        EXPECT_EQ(component.TransferredDataB(), routes::kOkBody);
    }

    std::unique_ptr<HttpsTestServer> good;
};

// Both transfer components meet every hostile server.
template <class Component> class HostileServer : public HostileAnswers {
protected:
    void SetUp() override
    {
        HostileAnswers::SetUp();
        component.setTimeout(kTimeoutSeconds);
    }

    Component component;
};

using TransferComponents = testing::Types<TnetHTTP, TnetREST>;
TYPED_TEST_SUITE(HostileServer, TransferComponents);

struct ScriptedCase {
    const char* name;
    RawTlsServer::Behaviour behaviour;
    int timeoutSeconds;
    std::string message;
};

TYPED_TEST(HostileServer, ProtocolMisbehaviourFailsWithAClearError)
{
    const std::vector<ScriptedCase> cases = {
        {"header lines without end", endlessHeaderLines, kTimeoutSeconds,
         "309: Response headers larger than 65536 bytes."},
        {"one header line without end", endlessHeaderLine, kTimeoutSeconds,
         "309: Response headers larger than 65536 bytes."},
        {"stall in the middle of the body", stallMidBody, 2,
         "306: No answer within the timeout of 2 seconds."},
        {"reset during the headers", resetDuringHeaders, kTimeoutSeconds,
         "307: Connection lost during the transfer."},
        {"status code of four digits",
         answerWith("HTTP/1.1 2000 OK\r\nContent-Length: 2\r\n\r\nok"), kTimeoutSeconds,
         kMalformed},
        {"unknown HTTP version", answerWith("HTTP/9.9 200 OK\r\nContent-Length: 2\r\n\r\nok"),
         kTimeoutSeconds, kMalformed},
        {"no status line", answerWith("Content-Length: 2\r\n\r\nok"), kTimeoutSeconds, kMalformed},
        {"HTTP/0.9, a body without a head", answerWith("<html>garbage</html>\r\n"), kTimeoutSeconds,
         kMalformed},
        {"two different lengths",
         answerWith("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nContent-Length: 3\r\n\r\nok"),
         kTimeoutSeconds, kMalformed},
    };
    for (const ScriptedCase& c : cases) {
        SCOPED_TRACE(c.name);
        RawTlsServer hostile(c.behaviour);
        this->component.setTimeout(c.timeoutSeconds);
        EXPECT_EQ(failureOf([&] { this->component.Get(wide(hostile.url("/ok"))); }), c.message);
        EXPECT_EQ(hostile.requestCount(), 1u);
        EXPECT_EQ(this->component.Timeout(), c.timeoutSeconds);
        this->expectStillUsable(this->component);
    }
}

TYPED_TEST(HostileServer, EndlessBodyStopsAtTheLimitWithBoundedMemory)
{
    this->good->addRoute(
        "/gibibyte",
        TestRoute().withContentType("application/octet-stream").withStreamedBody(gibibyteOfText));
    const long peakBefore = peakMemoryMiB();
    EXPECT_EQ(failureOf([&] { this->component.Get(this->goodUrl("/gibibyte")); }), kBodyTooLarge);
    // Holding what arrived takes far less than the gibibyte sent.
    const long grown = peakMemoryMiB() - peakBefore;
    EXPECT_LT(grown, kMemoryBoundMiB) << "peak memory grew by " << grown << " MiB";
    EXPECT_LE(this->component.TransferredDataB().size(), kBodyLimit);
    this->expectStillUsable(this->component);
}

struct CertificateCase {
    const char* name;
    const ServerCredentials& credentials;
    std::string message;
};

TYPED_TEST(HostileServer, ServerCertificatesThatDoNotProveTheHostAreRejected)
{
    const TestPki& pki = TestPki::instance();
    const std::vector<CertificateCase> cases = {
        {"self-signed", pki.selfSignedServer(),
         "305: Server certificate rejected: self-signed certificate."},
        {"expired", pki.expiredServer(),
         "305: Server certificate rejected: certificate has expired."},
        {"for another host", pki.otherHostServer(),
         "305: Server certificate rejected: SSL: no alternative certificate subject name matches "
         "target host name 'localhost'."},
    };
    for (const CertificateCase& c : cases) {
        SCOPED_TRACE(c.name);
        RawTlsServer hostile(answerOk, c.credentials);
        EXPECT_EQ(failureOf([&] { this->component.Get(wide(hostile.url("/ok"))); }), c.message);
        EXPECT_EQ(hostile.requestCount(), 0u);
        EXPECT_EQ(this->component.StatusLine(), u"");
        this->expectStillUsable(this->component);
    }
}

TYPED_TEST(HostileServer, PlainHttpAddressIsRefusedBeforeAnythingIsSent)
{
    const std::string address = "http://127.0.0.1:" + std::to_string(this->good->port()) + "/ok";
    EXPECT_EQ(failureOf([&] { this->component.Get(wide(address)); }),
              "301: Invalid URL: only https:// addresses are supported.");
    EXPECT_TRUE(this->good->requests().empty());
    this->expectStillUsable(this->component);
}

TYPED_TEST(HostileServer, RedirectToAnotherHostIsNotFollowed)
{
    this->good->addRoute(
        "/elsewhere", TestRoute().withStatus(302).withHeader("Location", "https://other.example/"));
    EXPECT_EQ(failureOf([&] { this->component.Get(this->goodUrl("/elsewhere")); }),
              "151: HTTP protocol error. 302 Found.");
    EXPECT_EQ(this->component.StatusLine(), u"HTTP/1.1 302 Found");
    ASSERT_EQ(this->good->requests().size(), 1u);
    EXPECT_EQ(this->good->lastRequest()->target, "/elsewhere");
    this->expectStillUsable(this->component);
}

struct BombCase {
    const char* name;
    bool compression;
    std::string message;
};

TEST_F(HostileAnswers, GzipBombStopsAtTheLimitOfDecodedBytes)
{
    constexpr std::size_t kDecodedMiB = 1024;
    good->addRoute("/bomb",
                   TestRoute()
                       .withContentType("application/octet-stream")
                       .withHeader("Content-Encoding", "gzip")
                       .withStreamedBody([] { return quorvi::test::gzipZeros(kDecodedMiB); }));
    std::size_t compressedSize = 0;
    const BodyPieces pieces = quorvi::test::gzipZeros(kDecodedMiB);
    for (std::string_view piece = pieces(); !piece.empty(); piece = pieces()) {
        compressedSize += piece.size();
    }
    ASSERT_LT(compressedSize, 2 * kMiB);

    const std::vector<BombCase> cases = {
        {"decoded", true, kBodyTooLarge},
        {"not asked for, so kept as it came", false, "(nothing raised)"},
    };
    TnetHTTP http;
    http.setTimeout(kTimeoutSeconds);
    for (const BombCase& c : cases) {
        SCOPED_TRACE(c.name);
        http.setAllowHTTPCompression(c.compression);
        const long peakBefore = peakMemoryMiB();
        EXPECT_EQ(failureOf([&] { http.Get(goodUrl("/bomb")); }), c.message);
        const long grown = peakMemoryMiB() - peakBefore;
        EXPECT_LT(grown, kMemoryBoundMiB) << "peak memory grew by " << grown << " MiB";
        const std::string body = http.TransferredDataB();
        if (c.compression) {
            EXPECT_LE(body.size(), kBodyLimit);
            EXPECT_EQ(body.find_first_not_of('\0'), std::string::npos);
        } else {
            EXPECT_EQ(body.size(), compressedSize);
            EXPECT_EQ(body.substr(0, 2), "\x1f\x8b");
        }
        expectStillUsable(http);
    }
}

TEST_F(HostileAnswers, DeepJsonFailsWithTheDepthErrorInRestAndJson)
{
    const std::string deep = std::string(1'000'000, '[') + std::string(1'000'000, ']');
    good->addRoute("/deep.json", TestRoute().withContentType("application/json").withBody(deep));
    TnetREST rest;
    rest.setBuildDOM(true);
    EXPECT_EQ(failureOf([&] { rest.Get(goodUrl("/deep.json")); }), kDepthError);
    EXPECT_EQ(rest.TransferredDataB().size(), deep.size());
    expectStillUsable(rest);

    TnetJSON json;
    json.Config(u"StringProcessingOptions=3");
    std::vector<TnetJSONErrorEventParams> errors;
    json.OnError = [&](TnetJSON&, const TnetJSONErrorEventParams& p) { errors.push_back(p); };
    json.setInputData(wide(deep));
    EXPECT_EQ(failureOf([&] { json.Parse(); }), kDepthError);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].errorCode, 10235);
    EXPECT_EQ(errors[0].description, u"JSON nesting too deep (maximum 512 levels).");
    // As after any failed parse, Reset begins a new document.
    json.Reset();
    json.setInputData(u"{\"a\": [1]}");
    EXPECT_EQ(failureOf([&] { json.Parse(); }), "(nothing raised)");
    json.setXPath(u"/json/a/[1]");
    EXPECT_EQ(json.XText(), u"1");
}

struct Utf8Case {
    const char* name;
    std::string bytes;
    std::u16string text;
};

TEST_F(HostileAnswers, InvalidUtf8BecomesReplacementCharacters)
{
    // One U+FFFD for each byte that cannot begin a sequence, one for the longest
    // prefix of a sequence that cannot be completed.
    const std::vector<Utf8Case> cases = {
        {"lone continuation byte", "\x80", u"\uFFFD"},
        {"byte that never occurs", "\xFF", u"\uFFFD"},
        {"lead byte before ASCII", "\xC3(", u"\uFFFD("},
        {"overlong encoding", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD"},
        {"cut-off four bytes", "\xF0\x9F\x98(", u"\uFFFD("},
        {"valid around invalid", "\xC3\xA4\xFF\xC3\xA4", u"\u00E4\uFFFD\u00E4"},
    };
    TnetREST rest;
    rest.Config(u"CodePage=65001");
    TnetJSON json;
    json.Config(u"CodePage=65001");
    json.Config(u"StringProcessingOptions=3");
    for (const Utf8Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string document = "{\"Name\": \"A" + c.bytes + "B\"}";
        good->addRoute(
            "/bad-utf8.json",
            TestRoute().withContentType("application/json; charset=utf-8").withBody(document));
        EXPECT_EQ(failureOf([&] { rest.Get(goodUrl("/bad-utf8.json")); }), "(nothing raised)");
        EXPECT_EQ(rest.TransferredDataB(), document);
        EXPECT_EQ(rest.TransferredData(), u"{\"Name\": \"A" + c.text + u"B\"}");

        json.Reset();
        json.setInputData(rest.TransferredData());
        EXPECT_EQ(failureOf([&] { json.Parse(); }), "(nothing raised)");
        json.setXPath(u"/json/Name");
        EXPECT_EQ(json.XText(), u"A" + c.text + u"B");
    }
}

TEST(HostileJson, HundredThousandEntriesAreParsedAndReachable)
{
    constexpr int kEntries = 100'000;
    std::string text = "{";
    for (int i = 1; i <= kEntries; ++i) {
        text += "\"Entry\": {\"Param\": \"P" + std::to_string(i) +
                "\", \"Limit\": " + std::to_string(i) + "}, ";
    }
    text += "\"Params\": " + std::to_string(kEntries) + "}";

    TnetJSON json;
    json.Config(u"StringProcessingOptions=3");
    json.setInputData(wide(text));
    EXPECT_EQ(failureOf([&] { json.Parse(); }), "(nothing raised)");
    json.setXPath(u"/json");
    EXPECT_EQ(json.XChildCount(), kEntries + 1);
    json.setXPath(u"/json/[100000]/Param");
    EXPECT_EQ(json.XText(), u"P100000");
    json.setXPath(u"/json/Params");
    EXPECT_EQ(json.XText(), u"100000");
}

} // namespace

#include "components/cores/TransferClassIds.h"
#include "tests/components/http/CoreClient.h"
#include "tests/support/HttpsTestServer.h"
#include "tests/support/TestPki.h"

#include <gtest/gtest.h>

using namespace quorvi::test;

namespace {

using netcomp::kHttpClassIds;
using netcomp::kRestClassIds;

class RestCoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QUORVI_SKIP_WITHOUT_TEST_PKI();
        m_server = std::make_unique<HttpsTestServer>();
        m_rest = std::make_unique<CoreClient>(restCoreApi());
    }
    void TearDown() override
    {
        m_rest.reset();
        m_server.reset();
    }

    HttpsTestServer& server() { return *m_server; }
    CoreClient& rest() { return *m_rest; }
    Outcome get(std::string_view target)
    {
        return rest().call(kRestClassIds.getMethod, server().url(target));
    }
    std::string body() { return rest().bytes(kRestClassIds.transferredData); }

private:
    std::unique_ptr<HttpsTestServer> m_server;
    std::unique_ptr<CoreClient> m_rest;
};

struct BodyCase {
    const char* name;
    const char* target;
    Outcome outcome;
};

TEST_F(RestCoreTest, GetChecksJsonAndXmlBodies)
{
    const Outcome badJson{10232, "Invalid JSON markup."};
    const std::vector<BodyCase> cases = {
        {"valid json", routes::kValidJson, kSuccess},
        {"valid json again: each Get parses afresh", routes::kValidJson, kSuccess},
        {"malformed json", routes::kMalformedJson, badJson},
        {"incomplete json", routes::kIncompleteJson, badJson},
        {"valid json after a bad one", routes::kValidJson, kSuccess},
        {"valid xml", routes::kValidXml, kSuccess},
        {"malformed xml",
         routes::kMalformedXml,
         {10201, "Invalid XML markup (mismatched tag, line 3)."}},
        {"plain text is not parsed", "/text", kSuccess},
        {"json type in other case", "/upper-json", badJson},
        {"empty json body", "/empty-json", kSuccess},
        {"json after a json prefix", "/json-tail", badJson},
    };
    server().addRoute("/text", TestRoute().withBody("{not json"));
    server().addRoute("/upper-json",
                      TestRoute().withContentType("Application/JSON").withBody("{not json"));
    server().addRoute("/empty-json", TestRoute().withContentType("application/json"));
    server().addRoute("/json-tail",
                      TestRoute().withContentType("application/json").withBody("{} {}"));
    for (const BodyCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(get(c.target), c.outcome);
        // The body stays readable whether or not it parsed.
        EXPECT_EQ(rest().text(kRestClassIds.statusLine), "HTTP/1.1 200 OK");
        EXPECT_EQ(server().lastRequest()->target, c.target);
    }
}

TEST_F(RestCoreTest, HeadDoesNotParse)
{
    EXPECT_EQ(rest().call(kRestClassIds.headMethod, server().url(routes::kMalformedJson)),
              kSuccess);
    EXPECT_EQ(body(), "");
}

TEST_F(RestCoreTest, StatusFailureComesBeforeParsing)
{
    server().addRoute(
        "/missing.json",
        TestRoute().withStatus(404).withContentType("application/json").withBody("{broken"));
    EXPECT_EQ(get("/missing.json"), (Outcome{151, "HTTP protocol error. 404 Not Found."}));
    EXPECT_EQ(body(), "{broken");
}

TEST_F(RestCoreTest, ResetDropsTheAnswerAndKeepsSettings)
{
    ASSERT_EQ(rest().setValue(kRestClassIds.timeout, 5), kSuccess);
    ASSERT_EQ(rest().setValue(kRestClassIds.buildDom, 0), kSuccess);
    ASSERT_EQ(rest().setText(kRestClassIds.sslCertStore, "MY"), kSuccess);
    ASSERT_EQ(rest().config(kRestClassIds.configMethod, "CodePage=65001"), kSuccess);
    const std::string file = "/tmp/quorvi-rest-reset-" + std::to_string(getpid()) + ".json";
    ASSERT_EQ(rest().setFileName(kRestClassIds.localFile, file), kSuccess);
    ASSERT_EQ(get(routes::kValidJson), kSuccess);
    std::remove(file.c_str());
    ASSERT_FALSE(body().empty());

    ASSERT_EQ(rest().call(kRestClassIds.resetMethod), kSuccess);
    EXPECT_EQ(body(), "");
    EXPECT_EQ(rest().text(kRestClassIds.transferredData), "");
    EXPECT_EQ(rest().text(kRestClassIds.statusLine), "");
    EXPECT_EQ(rest().text(kRestClassIds.localFile), "");
    EXPECT_EQ(rest().value(kRestClassIds.timeout), 5);
    EXPECT_EQ(rest().value(kRestClassIds.buildDom), 0);
    EXPECT_EQ(rest().bytes(kRestClassIds.sslCertStore), "MY");
    std::string codePage;
    ASSERT_EQ(rest().config(kRestClassIds.configMethod, "CodePage", &codePage), kSuccess);
    EXPECT_EQ(codePage, "65001");

    ASSERT_EQ(rest().setValue(kRestClassIds.buildDom, 1), kSuccess);
    EXPECT_EQ(get(routes::kValidJson), kSuccess);
}

TEST_F(RestCoreTest, ResetWhileBusyIsRefused)
{
    server().addRoute("/delayed",
                      TestRoute().withBody("late").withDelay(std::chrono::milliseconds(200)));
    const Outcome busy{143, "Busy performing current action."};
    // From the wait and from each event of the answer.
    for (const int32_t event : {NETCOMP_HTTP_EVENT_ON_DO_EVENTS, NETCOMP_HTTP_EVENT_ON_STATUS,
                                NETCOMP_HTTP_EVENT_ON_HEADER, NETCOMP_HTTP_EVENT_ON_TRANSFER}) {
        SCOPED_TRACE(event);
        std::vector<Outcome> inner;
        const auto resetOnce = [&](int32_t id) {
            if (id == event && inner.empty()) {
                inner.push_back(rest().call(kRestClassIds.resetMethod));
            }
        };
        rest().onDoEvents = [&] { resetOnce(NETCOMP_HTTP_EVENT_ON_DO_EVENTS); };
        rest().onEvent = resetOnce;
        EXPECT_EQ(get("/delayed"), kSuccess);
        EXPECT_EQ(inner, std::vector<Outcome>{busy});
        EXPECT_EQ(body(), "late");
    }
    rest().onDoEvents = nullptr;
    rest().onEvent = nullptr;
}

TEST_F(RestCoreTest, TransferredDataUsesTheCodePage)
{
    server().addRoute("/umlaut.json", TestRoute()
                                          .withContentType("application/json")
                                          .withBody("{\"Name\": \"M\xC3\xBC"
                                                    "ller\"}"));
    ASSERT_EQ(rest().config(kRestClassIds.configMethod, "CodePage=65001"), kSuccess);
    ASSERT_EQ(get("/umlaut.json"), kSuccess);
    EXPECT_EQ(rest().text(kRestClassIds.transferredData), "{\"Name\": \"M\xC3\xBC"
                                                          "ller\"}");
}

TEST(RestCoreProperties, Defaults)
{
    CoreClient rest(restCoreApi());
    EXPECT_EQ(rest.value(kRestClassIds.buildDom), 1);
    EXPECT_EQ(rest.value(kRestClassIds.timeout), 60);
    EXPECT_EQ(rest.value(kRestClassIds.followRedirects), 0);
    EXPECT_EQ(rest.setValue(kRestClassIds.followRedirects, 2).code, 207);
    // The REST class has no AllowHTTPCompression.
    EXPECT_EQ(rest.setValue(kHttpClassIds.allowCompression, 1),
              (Outcome{201, "Unknown property (2)."}));
    EXPECT_EQ(rest.setText(kRestClassIds.transferredData, "x"),
              (Outcome{203, "Property is read-only (10053)."}));
}

} // namespace

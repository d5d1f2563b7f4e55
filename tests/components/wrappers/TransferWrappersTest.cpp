#include "components/binding/ProcessShared.h"
#include "components/wrappers/ENetCore.h"
#include "components/wrappers/EventPump.h"
#include "components/wrappers/TnetHTTP.h"
#include "components/wrappers/TnetREST.h"
#include "tests/components/wrappers/FailureOf.h"
#include "tests/support/HttpsTestServer.h"
#include "tests/support/TestPki.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using quorvi::test::HttpsTestServer;
using quorvi::test::TestRoute;
namespace routes = quorvi::test::routes;

class TransferWrappers : public testing::Test {
protected:
    void SetUp() override
    {
        QUORVI_SKIP_WITHOUT_TEST_PKI();
        server = std::make_unique<HttpsTestServer>();
    }
    void TearDown() override { netcomp::setEventPump(nullptr); }
    std::u16string url(std::string_view target) { return wide(server->url(target)); }

    std::unique_ptr<HttpsTestServer> server;
};

TEST_F(TransferWrappers, HeadGivesTheStatusLineAndFailuresRaiseENetCore)
{
    TnetHTTP http;
    http.setAllowHTTPCompression(true);
    http.Head(url(routes::kOk));
    EXPECT_EQ(http.StatusLine(), u"HTTP/1.1 200 OK");

    struct Case {
        const char* target;
        const char* message;
    };
    for (const Case& c :
         {Case{routes::kNotFound, "151: HTTP protocol error. 404 Not Found."},
          Case{routes::kMoved, "151: HTTP protocol error. 301 Moved Permanently."},
          Case{routes::kServerError, "151: HTTP protocol error. 500 Internal Server Error."}}) {
        EXPECT_EQ(failureOf([&] { http.Head(url(c.target)); }), c.message);
    }
    EXPECT_EQ(failureOf([&] { http.Head(u"http://localhost/"); }).substr(0, 5), "301: ");
}

TEST_F(TransferWrappers, RestKeepsTheBodyDecodedWithItsCodePage)
{
    server->addRoute("/doc.json", TestRoute{}
                                      .withContentType("application/json")
                                      .withBody("{\"Name\": \"Gr\xC3\xBC\xC3\x9F"
                                                "e\"}"));
    TnetREST rest;
    rest.Config(u"CodePage=65001");
    rest.Get(url("/doc.json"));
    EXPECT_EQ(rest.TransferredData(), u"{\"Name\": \"Grüße\"}");
    EXPECT_EQ(rest.TransferredDataB(), "{\"Name\": \"Gr\xC3\xBC\xC3\x9F"
                                       "e\"}");
    rest.Config(u"CodePage=0");
    EXPECT_EQ(rest.TransferredData(), u"{\"Name\": \"GrÃ¼ÃŸe\"}");
}

TEST_F(TransferWrappers, RestRaisesTheParsersErrorOnABadJsonBody)
{
    TnetREST rest;
    EXPECT_EQ(failureOf([&] { rest.Get(url(routes::kMalformedJson)); }),
              "10232: Invalid JSON markup.");
    EXPECT_NO_THROW(rest.Get(url(routes::kValidJson)));
}

TEST_F(TransferWrappers, TheInstalledPumpRunsWhileATransferWaits)
{
    server->addRoute("/late", TestRoute{}.withBody("late").withDelay(300ms));
    TnetREST rest;
    TnetHTTP other;
    int pumps = 0;
    std::string busy;
    bool otherDone = false;
    netcomp::setEventPump([&] {
        ++pumps;
        if (pumps == 1) {
            busy = failureOf([&] { rest.Get(url(routes::kOk)); });
            other.Head(url(routes::kOk));
            otherDone = true;
        }
    });
    rest.Get(url("/late"));
    EXPECT_GT(pumps, 3);
    EXPECT_EQ(busy, "143: Busy performing current action.");
    EXPECT_TRUE(otherDone);
    EXPECT_EQ(rest.TransferredData(), u"late");
}

TEST_F(TransferWrappers, EventHandlersReceiveUtf16Records)
{
    TnetHTTP http;
    std::vector<TnetStatusEventParams> statuses;
    std::u16string contentType;
    int64_t transferred = 0;
    http.OnStatus = [&](TnetHTTP&, const TnetStatusEventParams& p) { statuses.push_back(p); };
    http.OnHeader = [&](TnetHTTP&, const TnetHeaderEventParams& p) {
        if (p.field == u"Content-Type") {
            contentType = p.value;
        }
    };
    http.OnTransfer = [&](TnetHTTP&, const TnetTransferEventParams& p) {
        transferred = p.bytesTransferred;
    };
    http.Get(url(routes::kOk));
    ASSERT_EQ(statuses.size(), 1u);
    EXPECT_EQ(statuses[0].statusCode, 200);
    EXPECT_EQ(statuses[0].description, u"OK");
    EXPECT_EQ(contentType, u"text/plain");
    EXPECT_EQ(transferred, static_cast<int64_t>(std::string_view(routes::kOkBody).size()));
}

TEST_F(TransferWrappers, AComponentFreedInItsOwnEventEndsTheTransferUntouched)
{
    int firstEvents = 0;
    auto* http = new TnetHTTP;
    http->OnDoEvents = [&firstEvents](TnetHTTP& sender) {
        ++firstEvents;
        delete &sender;
    };
    // AddressSanitizer reports any touch of the freed component.
    EXPECT_NO_THROW(http->Get(url(routes::kSlow)));
    auto* rest = new TnetREST;
    rest->OnStatus = [&firstEvents](TnetREST& sender, const TnetStatusEventParams&) {
        ++firstEvents;
        delete &sender;
    };
    EXPECT_NO_THROW(rest->Get(url(routes::kValidJson)));
    EXPECT_EQ(firstEvents, 2);
}

TEST_F(TransferWrappers, AComponentFreedByTheEventPumpEndsTheTransferUntouched)
{
    // As when the window closes while a load waits.
    auto* http = new TnetHTTP;
    http->OnDoEvents = [](TnetHTTP&) {};
    int pumps = 0;
    netcomp::setEventPump([&] {
        if (++pumps == 1) {
            delete http;
        }
    });
    // AddressSanitizer reports any touch of the freed component.
    EXPECT_NO_THROW(http->Get(url(routes::kSlow)));
    EXPECT_EQ(pumps, 1);
}

// Both classes share one implementation over their own ids: each member must reach its
// own class's id, whether the two classes' ids differ or not.
template <class Component> class TransferClass : public TransferWrappers {};
using TransferClasses = testing::Types<TnetHTTP, TnetREST>;
TYPED_TEST_SUITE(TransferClass, TransferClasses);

TYPED_TEST(TransferClass, SettingsHaveTheirDefaultsAndRefuseWhatIsNotSupported)
{
    TypeParam component;
    EXPECT_EQ(component.Timeout(), 60);
    EXPECT_EQ(component.FollowRedirects(), 0);
    component.setTimeout(5);
    EXPECT_EQ(component.Timeout(), 5);
    component.setSSLCertStore(u"MY");
    EXPECT_EQ(component.SSLCertStore(), u"MY");
    component.Config(u"CodePage=65001");
    EXPECT_EQ(component.Config(u"CodePage"), u"65001");
    component.setLocalFile(u"Befund.json");
    EXPECT_EQ(component.LocalFile(), u"Befund.json");
    EXPECT_NE(failureOf([&] { component.setFollowRedirects(1); }), "(nothing raised)");
    EXPECT_EQ(failureOf([&] { component.Config(u"NoSuchThing=1"); }).substr(0, 5), "206: ");
}

TYPED_TEST(TransferClass, TransfersFillTheirOwnClassesAnswer)
{
    TypeParam component;
    component.Head(this->url(routes::kOk));
    EXPECT_EQ(component.StatusLine(), u"HTTP/1.1 200 OK");
    component.Get(this->url(routes::kOk));
    EXPECT_EQ(component.TransferredDataB(), routes::kOkBody);
    EXPECT_NO_THROW(component.Interrupt());
}

TEST_F(TransferWrappers, EachClassHasItsOwnSwitches)
{
    TnetHTTP http;
    EXPECT_FALSE(http.AllowHTTPCompression());
    http.setAllowHTTPCompression(true);
    EXPECT_TRUE(http.AllowHTTPCompression());
    TnetREST rest;
    EXPECT_TRUE(rest.BuildDOM());
    rest.setBuildDOM(false);
    EXPECT_FALSE(rest.BuildDOM());
    rest.setTimeout(5);
    rest.Reset();
    EXPECT_EQ(rest.Timeout(), 5);
    EXPECT_FALSE(rest.BuildDOM());
}

} // namespace

namespace {

#if !defined(_WIN32)
// On Windows the cores are part of the program and use the system's trust store.
TEST_F(TransferWrappers, TheHttpAndRestCoresShareOneTrustStore)
{
    TnetHTTP http;
    TnetREST rest;
    http.Head(url(routes::kOk));
    rest.Get(url(routes::kOk));
    EXPECT_EQ(netcomp::binding::processSharedMakes("netcomp.trust-store"), 1);
}
#endif

} // namespace

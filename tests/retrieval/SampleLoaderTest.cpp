#include "retrieval/SampleLoader.h"

#include "components/codepage/CodePage.h"
#include "components/exceptions/Exception.h"
#include "components/wrappers/ENetCore.h"
#include "components/wrappers/EventPump.h"
#include "components/wrappers/TnetHTTP.h"
#include "components/wrappers/TnetJSON.h"
#include "components/wrappers/TnetREST.h"
#include "tests/retrieval/FakeSampleView.h"
#include "tests/support/HttpsTestServer.h"
#include "tests/support/TestPki.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using quorvi::test::HttpsTestServer;
using quorvi::test::TestRoute;

const std::u16string kMessageA = u"Fehler: Die angegebene Probe wurde nicht ordnungsmäßig "
                                 u"aktiviert, der Abruf der Daten ist gescheitert.";
const std::u16string kMessageB =
    u"Fehler: Die Probenaktivierung existiert, jedoch liegt kein Prüfbericht auf dem Server.";
const std::u16string kMessageC = u"Ihre Probenart wird derzeit leider nicht unterstützt";
const std::u16string kUnloaded = u"-wird automatisch eingelesen-";

std::string sampleTarget(std::string_view encodedCode)
{
    return "/Dropbox%20(Veltranik-Sorbeno)/Quorvi//JSON/" + std::string(encodedCode) + ".json";
}

std::string reportTarget(std::string_view encodedCode)
{
    return "/Dropbox%20(Veltranik-Sorbeno)/Quorvi//reports/" + std::string(encodedCode) + ".pdf";
}

// Sample documents are Windows-1252 text, interpreter documents UTF-8.
std::string sampleDocument(std::u16string_view name, std::u16string_view type)
{
    return netcomp::toAnsi(u"{\"CustomerName\": \"Familie Weiß\", \"SampleName\": \"" +
                           std::u16string(name) + u"\", \"SampleType\": \"" + std::u16string(type) +
                           u"\"}");
}

std::string interpreterDocument(const std::vector<std::string>& params, std::string count,
                                std::string intro)
{
    std::string doc = "{";
    int i = 0;
    for (const auto& p : params) {
        doc += "\"e" + std::to_string(++i) + "\": {\"Param\": \"" + p +
               "\", \"MCL\": \"10\", \"MCLLevel1\": \"hoch\", \"MCLOK\": \"gut\", "
               "\"SpecialComment\": \"\", \"Unit\": \"µg/L\"},";
    }
    return doc + "\"Params\": " + count + ", \"Introtext\": \"" + intro + "\"}";
}

class SampleLoading : public testing::Test {
protected:
    void SetUp() override
    {
        QUORVI_SKIP_WITHOUT_TEST_PKI();
        server = std::make_unique<HttpsTestServer>();
        configureSampleComponents({netREST1, netJSON1, netHTTP, netREST2, netJSON2});
    }

    void TearDown() override { netcomp::setEventPump(nullptr); }

    void addSample(const std::string& code, std::u16string_view name, std::u16string_view type,
                   bool withReport = true)
    {
        server->addRoute(
            sampleTarget(code),
            TestRoute{}.withContentType("application/json").withBody(sampleDocument(name, type)));
        if (withReport) {
            server->addRoute(reportTarget(code), TestRoute{}.withContentType("application/pdf"));
        }
    }

    void addInterpreter(const std::string& encodedType, std::string document)
    {
        server->addRoute("/interpreter/" + encodedType + ".json",
                         TestRoute{}
                             .withContentType("application/json; charset=utf-8")
                             .withBody(std::move(document)));
    }

    SampleLoader loader(FakeSampleView& v)
    {
        const std::string base = server->baseUrl();
        return SampleLoader({netREST1, netJSON1, netHTTP, netREST2, netJSON2}, sample, v,
                            std::u16string(base.begin(), base.end()));
    }

    void load(const std::u16string& code)
    {
        view.code = code;
        loader(view).load();
    }

    std::u16string introOfLoadedDocument()
    {
        netJSON2.setXPath(u"/json/Introtext");
        return netJSON2.XText();
    }

    std::unique_ptr<HttpsTestServer> server;
    TnetJSON netJSON1;
    TnetREST netREST1;
    TnetREST netREST2;
    TnetJSON netJSON2;
    TnetHTTP netHTTP;
    LoadedSample sample;
    FakeSampleView view;
};

TEST_F(SampleLoading, ACompleteLoadFillsTheBoxesAndTheListInDocumentOrder)
{
    addSample("TW1", u"Brunnen Müller", u"Trinkwasser");
    addInterpreter("Trinkwasser", interpreterDocument({"Nitrat", "Blei", "Arsen"}, "4", "Intro"));
    load(u"TW1");

    EXPECT_EQ(view.name, u"Brunnen Müller");
    EXPECT_EQ(view.type, u"Trinkwasser");
    EXPECT_EQ(view.interpretation, u"HTTP/1.1 200 OK");
    EXPECT_EQ(view.parameters, (std::vector<std::u16string>{u"Nitrat", u"Blei", u"Arsen"}));
    EXPECT_EQ(view.timesMarkedLoaded, 1);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(sample.parameterCount, 4);
    EXPECT_EQ(sample.reportStatusLine, "HTTP/1.1 200 OK");
    EXPECT_EQ(sample.sampleDocumentText, sampleDocument(u"Brunnen Müller", u"Trinkwasser"));
    EXPECT_EQ(introOfLoadedDocument(), u"Intro");
}

TEST_F(SampleLoading, AMissingSampleDocumentShowsMessageAAndChangesNothing)
{
    load(u"NOPE");
    EXPECT_EQ(view.messages, std::vector<std::u16string>{kMessageA});
    EXPECT_EQ(view.name, kUnloaded);
    EXPECT_EQ(view.type, kUnloaded);
    EXPECT_EQ(view.timesMarkedLoaded, 0);
}

TEST_F(SampleLoading, AnEmptySampleCodeStillAsksTheServer)
{
    load(u"");
    ASSERT_TRUE(server->lastRequest());
    EXPECT_EQ(server->lastRequest()->target, sampleTarget(""));
    EXPECT_EQ(view.messages, std::vector<std::u16string>{kMessageA});
}

TEST_F(SampleLoading, AMissingReportShowsMessageBAfterTheSampleIsShown)
{
    addSample("TW1", u"Brunnen", u"Trinkwasser");
    addInterpreter("Trinkwasser", interpreterDocument({"Nitrat"}, "2", "Intro"));
    load(u"TW1");
    addSample("NOREP", u"Ohne Bericht", u"Trinkwasser", false);
    load(u"NOREP");

    EXPECT_EQ(view.messages, std::vector<std::u16string>{kMessageB});
    EXPECT_EQ(view.name, u"Ohne Bericht");
    EXPECT_EQ(view.interpretation, u"HTTP/1.1 200 OK"); // from the first load
    // The first sample's document is gone: it no longer matches the boxes.
    EXPECT_TRUE(view.parameters.empty());
    EXPECT_EQ(sample.parameterCount, 0);
    EXPECT_THROW(introOfLoadedDocument(), ENetCore);
}

TEST_F(SampleLoading, AnUnsupportedTypeShowsMessageCWithTheStatusLineShown)
{
    addSample("X1", u"Exot", u"Unbekannt");
    load(u"X1");
    EXPECT_EQ(view.messages, std::vector<std::u16string>{kMessageC});
    EXPECT_EQ(view.type, u"Unbekannt");
    EXPECT_EQ(view.interpretation, u"HTTP/1.1 200 OK");
    EXPECT_EQ(view.timesMarkedLoaded, 0);
}

TEST_F(SampleLoading, ParamsOfOneEnablesTheListWithoutNames)
{
    addSample("E1", u"Leer", u"Leer");
    addInterpreter("Leer", interpreterDocument({}, "1", "Intro"));
    load(u"E1");
    EXPECT_TRUE(view.parameters.empty());
    EXPECT_EQ(view.timesMarkedLoaded, 1);
}

TEST_F(SampleLoading, ParamsThatIsNoNumberReachesTheFailureReport)
{
    addSample("P1", u"Probe", u"Kaputt");
    addInterpreter("Kaputt", interpreterDocument({"Nitrat"}, "\"abc\"", "Intro"));
    try {
        load(u"P1");
        ADD_FAILURE() << "the load ended normally";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(view.type, u"Kaputt");
    EXPECT_EQ(view.interpretation, u"HTTP/1.1 200 OK");
    EXPECT_TRUE(view.parameters.empty());
    EXPECT_EQ(view.timesMarkedLoaded, 0);
}

TEST_F(SampleLoading, EachLoadShowsAndKeepsItsOwnInterpreterDocument)
{
    addSample("A", u"Probe A", u"TypA");
    addSample("B", u"Probe B", u"TypB");
    addSample("C", u"Probe C", u"TypA");
    addInterpreter("TypA", interpreterDocument({"Nitrat", "Blei"}, "3", "Intro A"));
    addInterpreter("TypB", interpreterDocument({"E. coli"}, "2", "Intro B"));

    struct Step {
        const char16_t* code;
        std::vector<std::u16string> parameters;
        const char16_t* intro;
    };
    for (const Step& step :
         {Step{u"A", {u"Nitrat", u"Blei"}, u"Intro A"}, Step{u"B", {u"E. coli"}, u"Intro B"},
          Step{u"C", {u"Nitrat", u"Blei"}, u"Intro A"}}) {
        load(step.code);
        EXPECT_TRUE(view.messages.empty());
        EXPECT_EQ(view.parameters, step.parameters) << "after loading a sample";
        EXPECT_EQ(introOfLoadedDocument(), step.intro);
    }
    EXPECT_EQ(view.timesMarkedLoaded, 3);
}

TEST_F(SampleLoading, ABadSampleDocumentSpoilsOnlyItsOwnLoad)
{
    server->addRoute(sampleTarget("BAD"),
                     TestRoute{}.withContentType("text/plain").withBody("{\"SampleName\": "));
    addSample("GOOD", u"Gut", u"Trinkwasser");
    addInterpreter("Trinkwasser", interpreterDocument({"Nitrat"}, "2", "Intro"));

    view.code = u"BAD";
    EXPECT_THROW(loader(view).load(), ENetCore);
    load(u"GOOD");
    EXPECT_EQ(view.name, u"Gut");
    EXPECT_EQ(view.parameters, std::vector<std::u16string>{u"Nitrat"});
}

TEST_F(SampleLoading, AnInterpreterDocumentDeclaredAsJsonIsCheckedInsideGuardC)
{
    addSample("B", u"Probe B", u"TypB");
    addInterpreter("TypB", "{\"Params\": ");
    load(u"B");
    EXPECT_EQ(view.messages, std::vector<std::u16string>{kMessageC});
}

TEST_F(SampleLoading, ABadInterpreterDocumentLeavesNoStaleDocumentBehind)
{
    addSample("A", u"Probe A", u"TypA");
    addSample("B", u"Probe B", u"TypB");
    addInterpreter("TypA", interpreterDocument({"Nitrat"}, "2", "Intro A"));
    server->addRoute("/interpreter/TypB.json",
                     TestRoute{}.withContentType("text/plain").withBody("{\"Params\": x}"));
    load(u"A");
    view.code = u"B";
    try {
        loader(view).load();
        ADD_FAILURE() << "the load ended normally";
    } catch (const ENetCore& e) {
        EXPECT_EQ(e.message(), "10232: Invalid JSON markup.");
    }
    EXPECT_EQ(view.type, u"TypB");
    EXPECT_EQ(sample.parameterCount, 0);
    EXPECT_THROW(introOfLoadedDocument(), ENetCore);
}

TEST_F(SampleLoading, ASampleCodeIsSentAsOneEncodedPathSegment)
{
    load(u"a b/c?d#e");
    ASSERT_TRUE(server->lastRequest());
    EXPECT_EQ(server->lastRequest()->target, sampleTarget("a%20b%2Fc%3Fd%23e"));
}

TEST_F(SampleLoading, ASampleTypeIsSentAsOneEncodedUtf8Segment)
{
    addSample("U1", u"Probe", u"Bade wasser/ä");
    load(u"U1");
    ASSERT_TRUE(server->lastRequest());
    EXPECT_EQ(server->lastRequest()->target, "/interpreter/Bade%20wasser%2F%C3%A4.json");
    EXPECT_EQ(view.messages, std::vector<std::u16string>{kMessageC});
}

TEST_F(SampleLoading, APressWhileTheSampleDocumentWaitsEndsInTheBusyMessage)
{
    addSample("SLOW", u"Langsam", u"Trinkwasser");
    server->addRoute(sampleTarget("SLOW"), TestRoute{}
                                               .withContentType("application/json")
                                               .withBody(sampleDocument(u"Langsam", u"Trinkwasser"))
                                               .withDelay(600ms));
    addInterpreter("Trinkwasser", interpreterDocument({"Nitrat", "Blei"}, "3", "Intro"));

    FakeSampleView nestedView;
    nestedView.code = u"SLOW";
    bool pressed = false;
    netcomp::setEventPump([&] {
        if (pressed) {
            return;
        }
        pressed = true;
        loader(nestedView).load();
    });
    load(u"SLOW");

    EXPECT_TRUE(pressed);
    EXPECT_EQ(nestedView.messages, std::vector<std::u16string>{kMessageA});
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(view.parameters, (std::vector<std::u16string>{u"Nitrat", u"Blei"}));
    EXPECT_EQ(view.timesMarkedLoaded, 1);
}

TEST_F(SampleLoading, ALoadOvertakenWhileTheReportWaitsListsTheShownSample)
{
    addSample("OLD", u"Alt", u"TypAlt");
    server->addRoute(reportTarget("OLD"), TestRoute{}.withDelay(600ms));
    addSample("NEW", u"Neu", u"TypNeu");
    addInterpreter("TypAlt", interpreterDocument({"Alt1"}, "2", "Intro alt"));
    addInterpreter("TypNeu", interpreterDocument({"Neu1"}, "2", "Intro neu"));

    bool pressed = false;
    netcomp::setEventPump([&] {
        // Pressed once the old sample is shown, that is while its report is probed.
        if (pressed || view.name != u"Alt") {
            return;
        }
        pressed = true;
        view.code = u"NEW"; // the same window: the nested load shows its sample there
        loader(view).load();
    });
    view.code = u"OLD";
    loader(view).load();

    // The nested load found netHTTP busy; the outer one went on with the type shown.
    EXPECT_EQ(view.messages, std::vector<std::u16string>{kMessageB});
    EXPECT_EQ(view.name, u"Neu");
    EXPECT_EQ(view.parameters, std::vector<std::u16string>{u"Neu1"});
    EXPECT_EQ(view.timesMarkedLoaded, 1);
    EXPECT_EQ(introOfLoadedDocument(), u"Intro neu");
}

TEST_F(SampleLoading, ALoadOvertakenWhileItsInterpreterDocumentWaitsStopsQuietly)
{
    addSample("OLD", u"Alt", u"TypAlt");
    addSample("NEW", u"Neu", u"TypNeu");
    server->addRoute("/interpreter/TypAlt.json",
                     TestRoute{}
                         .withContentType("application/json")
                         .withBody(interpreterDocument({"Alt1"}, "2", "Intro alt"))
                         .withDelay(600ms));
    addInterpreter("TypNeu", interpreterDocument({"Neu1"}, "2", "Intro neu"));

    bool pressed = false;
    netcomp::setEventPump([&] {
        // Pressed while the old type's document is on its way.
        if (pressed || view.interpretation.empty()) {
            return;
        }
        pressed = true;
        view.code = u"NEW";
        loader(view).load();
    });
    view.code = u"OLD";
    loader(view).load();

    // The nested load found netREST2 busy; the old type's document is listed for nobody.
    EXPECT_EQ(view.messages, std::vector<std::u16string>{kMessageC});
    EXPECT_EQ(view.name, u"Neu");
    EXPECT_TRUE(view.parameters.empty());
    EXPECT_EQ(view.timesMarkedLoaded, 0);
}

} // namespace

// The window's handlers over the window logic alone: the service probe, a load and an
// interpretation against a local service, the information texts and the failure report.
#include "app/logic/FailureReport.h"
#include "app/logic/InformationTexts.h"
#include "components/exceptions/Exception.h"
#include "components/wrappers/ENetCore.h"
#include "components/wrappers/EventPump.h"
#include "tests/app/logic/FakeWindow.h"
#include "tests/support/SampleService.h"
#include "tests/support/TestPki.h"

#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Strings = std::vector<std::u16string>;

const std::u16string kOffline = u"Fehler: Um die Anwendung zu benutzen, müssen Sie online sein!\n"
                                u"Die Anwendung wird jetzt beendet";
const std::u16string kNotActivated = u"Fehler: Die angegebene Probe wurde nicht ordnungsmäßig "
                                     u"aktiviert, der Abruf der Daten ist gescheitert.";

TEST(ServiceProbe, AnUnreachableServiceRefusesTheProgramWithOneMessage)
{
    FakeWindow w(u"https://127.0.0.1:1/");
    w.handlers.run(&WindowHandlers::FormCreate);
    EXPECT_TRUE(w.handlers.refused());
    EXPECT_EQ(w.messages.informations, Strings{kOffline});
    EXPECT_TRUE(w.messages.errors.empty());
}

TEST(ServiceProbe, AReachableServiceLetsTheProgramRunSilently)
{
    QUORVI_SKIP_WITHOUT_TEST_PKI();
    SampleService service;
    FakeWindow w(service.baseUrl());
    w.handlers.run(&WindowHandlers::FormCreate);
    EXPECT_FALSE(w.handlers.refused());
    EXPECT_TRUE(w.messages.informations.empty());
    EXPECT_TRUE(w.messages.errors.empty());
}

TEST(InformationLabels, EachClickShowsItsTextAndChangesNothingElse)
{
    FakeWindow w;
    w.handlers.run(&WindowHandlers::ImpressumClick);
    w.handlers.run(&WindowHandlers::KundendienstClick);
    w.handlers.run(&WindowHandlers::ImpressumClick);
    EXPECT_EQ(w.messages.informations,
              (Strings{impressumText(), kundendienstText(), impressumText()}));
    EXPECT_EQ(impressumText().substr(0, 21), u"Nutzungsbedingungen:\n");
    EXPECT_EQ(kundendienstText().substr(0, 9), u"Hinweis!\n");
    EXPECT_EQ(state(w.ParameterComboBox), "visible disabled white");
    EXPECT_EQ(w.SampleTypeEdit.value, u"-wird automatisch eingelesen-");
}

class LoadAndInterpret : public testing::Test {
protected:
    void SetUp() override
    {
        QUORVI_SKIP_WITHOUT_TEST_PKI();
        service = std::make_unique<SampleService>();
        service->addSample(u"P-1", u"Brunnen Süd", u"Trinkwasser");
        service->addInterpreter(
            u"Trinkwasser",
            R"({"e1": {"Param": "Blei", "MCL": "10", "MCLLevel1": "zu hoch", "MCLOK": "in Ordnung",)"
            R"( "SpecialComment": "", "Unit": "µg/L"}, "Params": 2, "Introtext": "Einleitung"})");
        window = std::make_unique<FakeWindow>(service->baseUrl());
    }

    // A complete load of P-1, then parameter, prefix, value and unit as a user gives them.
    void loadAndFill(std::u16string_view value)
    {
        FakeWindow& w = *window;
        w.type(w.SampleCodeEdit, u"P-1");
        w.handlers.run(&WindowHandlers::LoadCodeDataClick);
        w.choose(w.ParameterComboBox, u"Blei");
        w.choose(w.PrefixComboBox, u"keins");
        w.type(w.valueEdit, value);
        w.choose(w.Unit, u"µg/L");
    }

    std::unique_ptr<SampleService> service;
    std::unique_ptr<FakeWindow> window;
};

TEST_F(LoadAndInterpret, ALoadFillsTheSampleBoxesAndUnlocksTheParameters)
{
    FakeWindow& w = *window;
    w.type(w.SampleCodeEdit, u"P-1");
    w.handlers.run(&WindowHandlers::LoadCodeDataClick);

    EXPECT_EQ(w.SampleNameEdit.value, u"Brunnen Süd");
    EXPECT_EQ(w.SampleTypeEdit.value, u"Trinkwasser");
    EXPECT_EQ(w.interpretation.value, u"HTTP/1.1 200 OK");
    EXPECT_EQ(w.ParameterComboBox.items, Strings{u"Blei"});
    EXPECT_EQ(state(w.ParameterComboBox), "visible enabled yellow");
    EXPECT_TRUE(w.messages.informations.empty());
}

TEST_F(LoadAndInterpret, AStartUpAndTwoLoadsUseOneConnection)
{
#if defined(_WIN32)
    GTEST_SKIP() << "WinHTTP under Wine opens a connection per request here";
#endif
    FakeWindow& w = *window;
    w.handlers.run(&WindowHandlers::FormCreate);
    ASSERT_FALSE(w.handlers.refused());
    for (int load = 0; load < 2; ++load) {
        w.type(w.SampleCodeEdit, u"P-1");
        w.handlers.run(&WindowHandlers::LoadCodeDataClick);
        EXPECT_EQ(w.ParameterComboBox.items, Strings{u"Blei"});
    }
    // The probe, then three requests per load, one after the other on the probe's connection.
    EXPECT_EQ(service->server().requests().size(), 7u);
    EXPECT_EQ(service->server().connectionCount(), 1u);
}

TEST_F(LoadAndInterpret, AnUnknownSampleShowsItsMessageAndUnlocksNothing)
{
    FakeWindow& w = *window;
    w.type(w.SampleCodeEdit, u"P-404");
    w.handlers.run(&WindowHandlers::LoadCodeDataClick);
    EXPECT_EQ(w.messages.informations, Strings{kNotActivated});
    EXPECT_EQ(state(w.ParameterComboBox), "visible disabled white");
    EXPECT_TRUE(w.ParameterComboBox.items.empty());
}

TEST_F(LoadAndInterpret, ACommaValueIsShownWithAPointAndInterpreted)
{
    loadAndFill(u"12,5");
    FakeWindow& w = *window;
    w.handlers.run(&WindowHandlers::processClick);

    EXPECT_EQ(w.valueEdit.value, u"12.5");
    // The rewritten value raised the value box's change reaction.
    EXPECT_EQ(state(w.valueEdit), "visible enabled lime");
    EXPECT_EQ(state(w.Unit), "visible enabled yellow");
    EXPECT_EQ(w.disclaimer.value, u"Einleitung");
    EXPECT_EQ(w.interpretation.colour, colours::kYellow);
    EXPECT_NE(w.interpretation.value.find(u"zu hoch"), std::u16string::npos);
    EXPECT_TRUE(w.messages.errors.empty());
}

TEST_F(LoadAndInterpret, AnUnconvertibleValueIsReportedAndTheWindowStaysUsable)
{
    loadAndFill(u"abc");
    FakeWindow& w = *window;
    w.handlers.run(&WindowHandlers::processClick);

    EXPECT_EQ(w.messages.errors,
              Strings{u"Could not convert variant of type (String) into type (Double)"});
    // What the handler had done before the error stays done.
    EXPECT_EQ(w.interpretation.value, u"");
    w.type(w.valueEdit, u"5");
    w.handlers.run(&WindowHandlers::processClick);
    EXPECT_EQ(w.interpretation.colour, colours::kLime);
    EXPECT_EQ(w.messages.errors.size(), 1u);
}

TEST_F(LoadAndInterpret, ClosingTheWindowDuringALoadEndsItWithoutAMessage)
{
    service->addSampleRoute(u"SLOW", quorvi::test::TestRoute{}
                                         .withContentType("application/json")
                                         .withBody(R"({"SampleName": "Langsam"})")
                                         .withDelay(std::chrono::seconds(3)));
    FakeWindow& w = *window;
    bool closed = false;
    netcomp::setEventPump([&] {
        if (!closed) {
            closed = true;
            w.handlers.windowClosing();
        }
    });
    w.type(w.SampleCodeEdit, u"SLOW");
    w.handlers.run(&WindowHandlers::LoadCodeDataClick);
    netcomp::setEventPump(nullptr);

    EXPECT_TRUE(closed);
    EXPECT_TRUE(w.messages.informations.empty());
    EXPECT_TRUE(w.messages.errors.empty());
    EXPECT_EQ(w.SampleNameEdit.value, u"-wird automatisch eingelesen-");
}

struct FullStopCase {
    const char16_t* message;
    const char16_t* shown;
};

TEST(FailureReport, AFullStopIsAppendedOnlyAfterCharactersAboveIt)
{
    const FullStopCase cases[] = {
        {u"Zugriff verweigert", u"Zugriff verweigert."},
        {u"151: HTTP/1.1 404 Not Found", u"151: HTTP/1.1 404 Not Found."},
        {u"Fehler 42", u"Fehler 42."},
        {u"a/", u"a/."}, // just above the full stop
        {u"Warum?", u"Warum?."},
        {u"ungültig ä", u"ungültig ä."},
        {u"(x)", u"(x)"}, // below the full stop
        {u"Fertig.", u"Fertig."},
        {u"Fertig ", u"Fertig "},
        {u"Halt!", u"Halt!"},
        {u"eins,", u"eins,"},
        {u"eins-", u"eins-"},
        {u"eins\n", u"eins\n"},
        {u"", u""},
    };
    for (const FullStopCase& c : cases) {
        EXPECT_EQ(failureReportText(c.message), c.shown);
    }
}

struct BoundaryCase {
    const char* name;
    std::function<void()> fail;
    const char16_t* shown;
};

TEST(FailureReport, TheBoundaryReportsEveryExceptionAndStopsTheAction)
{
    const BoundaryCase cases[] = {
        {"standard exception", [] { throw std::runtime_error("Zugriff verweigert"); },
         u"Zugriff verweigert."},
        {"component exception", [] { throw ENetCore(151, "HTTP/1.1 404 Not Found"); },
         u"151: HTTP/1.1 404 Not Found."},
        {"UTF-8 message", [] { throw Exception("Ungültige Eingabe"); }, u"Ungültige Eingabe."},
        {"empty message", [] { throw std::runtime_error(""); }, u""},
        {"not an exception class", [] { throw 42; }, u""},
    };
    for (const BoundaryCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingMessages messages;
        bool continued = false;
        reportFailures(messages, [&] {
            c.fail();
            continued = true;
        });
        EXPECT_FALSE(continued);
        EXPECT_EQ(messages.errors, Strings{c.shown});
        EXPECT_TRUE(messages.informations.empty());
    }
}

} // namespace

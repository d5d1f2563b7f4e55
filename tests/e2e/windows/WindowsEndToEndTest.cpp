// QuorviV2.exe against the demo laboratory service, worked with the mouse and the
// keyboard under Wine as a user would. ServiceDown runs while the service is stopped.
#include "app/win32/NativeControls.h"
#include "tests/e2e/windows/ProgramDriver.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kYellow = colourRef(colours::kYellow);
constexpr COLORREF kLime = colourRef(colours::kLime);
constexpr COLORREF kRed = colourRef(colours::kRed);

std::wstring program()
{
    const wchar_t* path = _wgetenv(L"QUORVI_PROGRAM");
    return path ? path : L"QuorviV2.exe";
}

class Program : public testing::Test {
protected:
    void SetUp() override
    {
        driver = std::make_unique<ProgramDriver>(program());
        ASSERT_TRUE(driver->waitForWindow()) << "the main window did not show";
    }

    // Loads the sample and waits for the load to end: the parameter box is enabled, or a
    // message box shows.
    HWND load(std::wstring_view code)
    {
        driver->click("SampleCodeEdit");
        driver->type(code);
        driver->click("LoadCodeData");
        HWND box = nullptr;
        driver->waitUntil(
            [&] {
                box = driver->waitForMessageBox(0);
                return box || driver->enabled("ParameterComboBox");
            },
            30000);
        return box;
    }

    void fill(std::wstring_view parameter, std::wstring_view value, std::wstring_view unit)
    {
        driver->choose("ParameterComboBox", parameter);
        driver->choose("PrefixComboBox", L"keins");
        driver->click("valueEdit");
        driver->type(value);
        driver->choose("Unit", unit);
    }

    // The screen shows the control in the colour, once it has been painted.
    testing::AssertionResult shows(std::string_view name, COLORREF colour)
    {
        if (driver->waitUntil([&] { return driver->shownColour(name) == colour; }, 5000)) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure()
               << name << " shows " << std::hex << driver->shownColour(name);
    }

    std::unique_ptr<ProgramDriver> driver;
};

TEST_F(Program, AValueWithinTheLimitIsInterpretedAndTheOutputTurnsLime)
{
    ASSERT_EQ(load(L"TW-2026-0815"), nullptr);
    EXPECT_EQ(driver->text("SampleTypeEdit"), L"Trinkwasser");
    EXPECT_TRUE(shows("ParameterComboBox", kYellow));

    fill(L"Nitrat", L"12,5", L"mg/L");
    EXPECT_TRUE(shows("ParameterComboBox", kLime));
    EXPECT_TRUE(shows("PrefixComboBox", kLime));
    EXPECT_TRUE(shows("valueEdit", kLime));
    EXPECT_TRUE(shows("Unit", kLime));
    ASSERT_TRUE(driver->visible("process"));
    ASSERT_TRUE(driver->enabled("process"));

    driver->click("process");
    EXPECT_EQ(driver->text("valueEdit"), L"12.5");
    EXPECT_TRUE(shows("Unit", kYellow));
    const std::wstring output = driver->text("interpretation");
    EXPECT_EQ(output.rfind(L"Der gemessene Wert von 12.5mg/L für Nitrat hält den Grenzwert der "
                           L"Trinkwasserverordnung von 50000 µg/L (50 mg/L) ein.\r\n",
                           0),
              0u)
        << output.size();
    EXPECT_TRUE(shows("interpretation", kLime));
    EXPECT_FALSE(driver->text("disclaimer").empty());
}

// The rest of the usual order of use: the value emptied and typed again, the unit edited.
TEST_F(Program, EmptyingTheValueHidesUnitAndButtonUntilTheUnitChangesAgain)
{
    ASSERT_EQ(load(L"TW-2026-0815"), nullptr);
    fill(L"Nitrat", L"5", L"mg/L");
    ASSERT_TRUE(driver->visible("process"));

    driver->click("valueEdit");
    driver->press(VK_END);
    driver->press(VK_BACK);
    EXPECT_TRUE(shows("valueEdit", kRed));
    EXPECT_FALSE(driver->visible("Unit"));
    EXPECT_FALSE(driver->visible("process"));
    EXPECT_TRUE(driver->enabled("process"));

    driver->type(L"7");
    EXPECT_TRUE(shows("valueEdit", kLime));
    EXPECT_TRUE(driver->visible("Unit"));
    EXPECT_TRUE(shows("Unit", kYellow));
    EXPECT_EQ(driver->text("Unit"), L"mg/L");
    EXPECT_FALSE(driver->visible("process"));

    driver->click("Unit");
    driver->press(VK_END);
    driver->press(VK_BACK);
    EXPECT_EQ(driver->text("Unit"), L"mg/");
    EXPECT_TRUE(shows("Unit", kLime));
    EXPECT_TRUE(driver->visible("process"));
}

TEST_F(Program, AValueAboveTheLimitTurnsTheOutputYellow)
{
    ASSERT_EQ(load(L"TW-2026-0815"), nullptr);
    fill(L"Blei", L"12,5", L"µg/L");
    driver->click("process");
    EXPECT_EQ(driver->text("interpretation")
                  .rfind(L"Der gemessene Wert von 12.5µg/L für Blei "
                         L"überschreitet den Grenzwert",
                         0),
              0u);
    EXPECT_TRUE(shows("interpretation", kYellow));
}

TEST_F(Program, AMissingReportIsTold)
{
    HWND box = load(L"TW-2026-0817");
    ASSERT_TRUE(box);
    EXPECT_EQ(driver->messageBoxText(box),
              L"Fehler: Die Probenaktivierung existiert, jedoch liegt kein Prüfbericht auf dem "
              L"Server.");
    EXPECT_FALSE(driver->messageBoxHasIcon(box));
    driver->pressOk(box);
    EXPECT_FALSE(driver->enabled("ParameterComboBox"));
}

TEST_F(Program, AnUnsupportedSampleTypeIsTold)
{
    HWND box = load(L"AW-2026-0099");
    ASSERT_TRUE(box);
    EXPECT_EQ(driver->messageBoxText(box), L"Ihre Probenart wird derzeit leider nicht unterstützt");
    driver->pressOk(box);
    EXPECT_FALSE(driver->enabled("ParameterComboBox"));
}

TEST_F(Program, ControlsShowTheirTooltipsAlsoWhenDisabled)
{
    driver->hover("SampleTypeEdit");
    EXPECT_TRUE(driver->waitUntil(
        [&] {
            return driver->shownToolTip() == L"Diese Daten werden automatisch online abgerufen.";
        },
        5000))
        << "shown: " << driver->shownToolTip().size() << " characters";
    driver->hover("LoadCodeData");
    EXPECT_TRUE(driver->waitUntil(
        [&] {
            return driver->shownToolTip().starts_with(L"Nachdem Sie Ihren Probencode eingetragen");
        },
        5000));
    driver->hover("LabelCode");
    EXPECT_TRUE(driver->waitUntil([&] { return driver->shownToolTip().empty(); }, 5000));
}

TEST_F(Program, AnUnconvertibleValueShowsTheFailureReportAndTheWindowStaysUsable)
{
    ASSERT_EQ(load(L"TW-2026-0815"), nullptr);
    fill(L"Nitrat", L"abc", L"mg/L");
    driver->click("process");
    HWND box = driver->waitForMessageBox(10000);
    ASSERT_TRUE(box);
    // Ends in ")", below the full stop: shown unchanged.
    EXPECT_EQ(driver->messageBoxText(box),
              L"Could not convert variant of type (String) into type (Double)");
    EXPECT_TRUE(driver->messageBoxHasIcon(box));
    driver->pressOk(box);

    driver->click("valueEdit");
    driver->press(VK_END);
    driver->press(VK_BACK);
    EXPECT_EQ(driver->text("valueEdit"), L"ab");
    EXPECT_TRUE(shows("valueEdit", kLime));
    EXPECT_TRUE(shows("Unit", kYellow));
}

TEST_F(Program, TabSkipsDisabledAndHiddenControlsAndEnterAndEscapePressNothing)
{
    driver->click("SampleCodeEdit");
    driver->type(L"TW-2026-0815");
    const char* expected[] = {"LoadCodeData", "interpretation", "SampleCodeEdit"};
    for (const char* name : expected) {
        driver->press(VK_TAB);
        EXPECT_EQ(driver->focused(), name);
    }
    driver->press(VK_RETURN);
    driver->press(VK_ESCAPE);
    EXPECT_EQ(driver->waitForMessageBox(1000), nullptr);
    EXPECT_FALSE(driver->enabled("ParameterComboBox"));
    EXPECT_EQ(driver->text("SampleTypeEdit"), L"-wird automatisch eingelesen-");
    EXPECT_TRUE(IsWindowVisible(driver->waitForWindow()));
}

TEST_F(Program, TextsStandOutFromTheirBackground)
{
    ASSERT_EQ(load(L"TW-2026-0815"), nullptr);
    fill(L"Nitrat", L"12,5", L"mg/L");
    driver->click("process");
    ASSERT_FALSE(driver->text("disclaimer").empty());
    for (const char* name :
         {"SampleNameEdit", "SampleTypeEdit", "disclaimer", "interpretation", "SampleCodeEdit",
          "LoadCodeData", "ParameterComboBox", "LabelCode", "Impressum"}) {
        // Once painted.
        EXPECT_TRUE(driver->waitUntil([&] { return driver->textContrast(name) >= 4.5; }, 5000))
            << name << ": " << driver->textContrast(name) << " : 1";
    }
}

// TW-2026-0818's document takes about ten seconds to arrive.
TEST_F(Program, TheWindowAnswersWhileASlowSampleLoads)
{
    driver->click("SampleCodeEdit");
    driver->type(L"TW-2026-0818");
    driver->click("LoadCodeData");
    driver->click("Kundendienst");
    HWND box = driver->waitForMessageBox(5000);
    ASSERT_TRUE(box);
    EXPECT_EQ(driver->messageBoxText(box).rfind(L"Hinweis!", 0), 0u);
    EXPECT_FALSE(driver->enabled("ParameterComboBox"));
    driver->pressOk(box);

    EXPECT_TRUE(driver->waitUntil([&] { return driver->enabled("ParameterComboBox"); }, 60000));
    EXPECT_EQ(driver->text("SampleNameEdit"), L"Schankraum, Zapfhahn Kaltwasser");
    EXPECT_EQ(driver->waitForMessageBox(0), nullptr);
}

TEST_F(Program, ClosingDuringASlowLoadEndsTheProgramAtOnceWithoutAMessage)
{
    driver->click("SampleCodeEdit");
    driver->type(L"TW-2026-0818");
    driver->click("LoadCodeData");
    Sleep(1000);
    driver->closeWindow();
    // A message box would keep the program waiting for OK.
    EXPECT_EQ(driver->waitForExit(8000), 0);
}

// Run with the screen at 144 dpi: the 96-dpi layout grows by half, fonts included.
TEST(HighDpi, TheLayoutScalesWithTheScreen)
{
    ProgramDriver driver(program());
    HWND window = driver.waitForWindow();
    ASSERT_TRUE(window);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 1614);
    EXPECT_EQ(client.bottom, 1110);

    RECT button;
    GetWindowRect(driver.control("LoadCodeData"), &button);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(button.left, MulDiv(8 + 473, 144, 96));
    EXPECT_EQ(button.top, MulDiv(8 + 15, 144, 96));
    EXPECT_EQ(button.right - button.left, MulDiv(128, 144, 96));

    // A label is as high as its caption in the scaled font.
    RECT label;
    GetWindowRect(driver.control("LabelCode"), &label);
    EXPECT_GE(label.bottom - label.top, 13 * 3 / 2);
}

TEST(ServiceDown, TheProgramRefusesWithOneMessageAndEndsWithZero)
{
    ProgramDriver driver(program());
    EXPECT_EQ(driver.waitForWindow(), nullptr);
    HWND box = driver.waitForMessageBox(60000);
    ASSERT_TRUE(box);
    EXPECT_EQ(driver.messageBoxText(box),
              L"Fehler: Um die Anwendung zu benutzen, müssen Sie online sein!\nDie Anwendung "
              L"wird jetzt beendet");
    driver.pressOk(box);
    EXPECT_EQ(driver.waitForMessageBox(1000), nullptr);
    EXPECT_EQ(driver.waitForExit(30000), 0);
}

} // namespace

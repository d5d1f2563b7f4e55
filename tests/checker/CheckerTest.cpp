#include "checker/CheckerCommand.h"
#include "checker/Finding.h"
#include "checker/WebSpace.h"
#include "checker/WebSpaceCheck.h"
#include "components/codepage/CodePage.h"
#include "components/wrappers/TnetJSON.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

void PrintTo(const Finding& f, std::ostream* out)
{
    *out << (f.severity == Severity::Error ? "Fehler " : "Warnung ") << f.kind << " | " << f.file
         << " | " << f.member << " | " << f.text;
}

namespace {

const std::string kSamples = "Dropbox (Veltranik-Sorbeno)/Quorvi/JSON/";
const std::string kReports = "Dropbox (Veltranik-Sorbeno)/Quorvi/reports/";
const std::string kTrinkwasser = "interpreter/Trinkwasser.json";

std::string sampleDocument(const std::string& type)
{
    return "{\"CustomerName\": \"Gasthaus\", \"SampleName\": \"Kueche\", \"SampleType\": \"" +
           type + "\"}";
}

const std::string kInterpreterDocument = R"({
  "Blei": {
    "Param": "Blei",
    "MCL": "10",
    "MCLLevel1": "PARAM: CONCENTRATION liegt über MCL UNIT.",
    "MCLOK": "PARAM: CONCENTRATION hält MCL UNIT ein.",
    "SpecialComment": "Blei kommt aus alten Rohren.",
    "Unit": "µg/L"
  },
  "Nitrat": {
    "Param": "Nitrat",
    "MCL": "50000",
    "MCLLevel1": "PARAM: CONCENTRATION liegt über MCL UNIT.",
    "MCLOK": "PARAM: CONCENTRATION hält MCL UNIT ein.",
    "SpecialComment": "Nitrat kommt aus dem Dünger.",
    "Unit": "µg/L"
  },
  "Params": "3",
  "Introtext": "Vergleich mit dem Grenzwert."
})";

// A web space of its own in the temporary folder: two complete samples of one type with
// their reports and the type's interpreter document.
class TestWebSpace {
public:
    TestWebSpace()
        : m_root(fs::temp_directory_path() /
                 ("quorvi-check-" + std::to_string(counter++) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        fs::remove_all(m_root);
        write(kSamples + "P-1.json", sampleDocument("Trinkwasser"));
        write(kSamples + "P-2.json", sampleDocument("Trinkwasser"));
        write(kReports + "P-1.pdf", "%PDF-1.4\n");
        write(kReports + "P-2.pdf", "%PDF-1.4\n");
        write(kTrinkwasser, kInterpreterDocument);
    }
    ~TestWebSpace() { fs::remove_all(m_root); }

    const fs::path& root() const { return m_root; }
    std::string rootArgument() const
    {
        const std::u8string root = m_root.u8string();
        return std::string(root.begin(), root.end());
    }

    void write(const std::string& file, const std::string& bytes)
    {
        const fs::path path = pathOf(file);
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string read(const std::string& file) const
    {
        std::ifstream in(pathOf(file), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    void remove(const std::string& file) { fs::remove(pathOf(file)); }
    void replace(const std::string& file, const std::string& from, const std::string& to)
    {
        std::string text = read(file);
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        write(file, text.replace(at, from.size(), to));
    }

private:
    fs::path pathOf(const std::string& file) const
    {
        return m_root / fs::path(std::u8string(file.begin(), file.end()));
    }

    static inline std::atomic<int> counter = 0;
    fs::path m_root;
};

std::vector<Finding> findingsIn(const TestWebSpace& webSpace)
{
    return checkWebSpace(WebSpace(webSpace.root())).findings;
}

struct CommandResult {
    int exitCode;
    std::string out;
    std::string err;
};

CommandResult runCommand(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = runCheckerCommand(arguments, out, err);
    return {exitCode, out.str(), err.str()};
}

std::string demoWebSpace()
{
    return QUORVI_DEMO_WEB_SPACE;
}

} // namespace

TEST(CheckerDemo, FindsOnlyTheTwoSamplesTheDemoKeepsOnPurpose)
{
    const auto findings = checkWebSpace(WebSpace(demoWebSpace())).findings;
    const std::vector<Finding> expected = {
        {Severity::Warning, "interpreter-missing", kSamples + "AW-2026-0099.json", "SampleType",
         "keine Interpretervorlage „interpreter/Abwasser.json“ für die Probenart „Abwasser“; der "
         "Kunde sieht „Ihre Probenart wird derzeit leider nicht unterstützt“"},
        {Severity::Error, "report-missing", kSamples + "TW-2026-0817.json", "(Prüfbericht)",
         "kein Prüfbericht „" + kReports +
             "TW-2026-0817.pdf“; der Kunde sieht „Fehler: Die Probenaktivierung existiert, "
             "jedoch liegt kein Prüfbericht auf dem Server.“"},
    };
    EXPECT_EQ(findings, expected);
}

TEST(CheckerDemo, WithoutTheSampleLackingItsReportNothingWouldFail)
{
    TestWebSpace copy;
    fs::remove_all(copy.root());
    fs::copy(demoWebSpace(), copy.root(), fs::copy_options::recursive);
    copy.remove(kSamples + "TW-2026-0817.json");

    const auto result = runCommand({copy.rootArgument()});
    EXPECT_EQ(result.exitCode, kCheckPassed);
    EXPECT_EQ(result.out,
              kSamples +
                  "AW-2026-0099.json: SampleType: Warnung: keine Interpretervorlage "
                  "„interpreter/Abwasser.json“ für die Probenart „Abwasser“; der Kunde sieht "
                  "„Ihre Probenart wird derzeit leider nicht unterstützt“\n"
                  "9 Dokumente geprüft: 0 Fehler, 1 Warnung.\n");
    EXPECT_EQ(result.err, "");
}

TEST(CheckerFixtures, TheCompleteFixtureHasNoFinding)
{
    TestWebSpace webSpace;
    EXPECT_EQ(findingsIn(webSpace), std::vector<Finding>{});
}

namespace {

struct BrokenFixture {
    const char* name;
    std::function<void(TestWebSpace&)> breakIt;
    // The one finding, with the file relative to the web space.
    std::function<Finding(const TestWebSpace&)> expected;
};

Finding finding(Severity severity, const char* kind, std::string file, std::string member,
                std::string text)
{
    return {severity, kind, std::move(file), std::move(member), std::move(text)};
}

std::function<Finding(const TestWebSpace&)>
is(Severity severity, const char* kind, std::string file, std::string member, std::string text)
{
    return [=](const TestWebSpace&) { return finding(severity, kind, file, member, text); };
}

void setBlei(TestWebSpace& w, const std::string& field, const std::string& from,
             const std::string& to)
{
    w.replace(kTrinkwasser, "\"" + field + "\": \"" + from + "\"",
              "\"" + field + "\": \"" + to + "\"");
}

const std::string kInvalidXPath = "„10233: Invalid XPath.“";

const BrokenFixture kBrokenFixtures[] = {
    {"SampleCodeOutsideTheAddress",
     [](TestWebSpace& w) {
         w.write(kSamples + "Prüf-1.json", sampleDocument("Trinkwasser"));
         w.write(kReports + "Prüf-1.pdf", "%PDF-1.4\n");
     },
     is(Severity::Error, "sample-code-unreachable", kSamples + "Prüf-1.json", "(Dateiname)",
        "der Probencode „Prüf-1“ wird beim Abruf zur Adresse "
        "„Dropbox%20(Veltranik-Sorbeno)/Quorvi//JSON/Pr%FCf-1.json“, die nicht zu dieser Datei "
        "führt; der Kunde sieht „Fehler: Die angegebene Probe wurde nicht ordnungsmäßig "
        "aktiviert, der Abruf der Daten ist gescheitert.“")},
    {"SampleByteTheCodePageLacks",
     [](TestWebSpace& w) { w.replace(kSamples + "P-1.json", "\"Gasthaus\"", "\"Gasthaus\x81\""); },
     is(Severity::Warning, "sample-unreadable", kSamples + "P-1.json", "(Dokument)",
        "Zeichen 27 (U+0081) ist in der ANSI-Codepage kein lesbares Zeichen; der Kunde sieht "
        "dort nichts oder ein Kästchen")},
    {"SampleWrittenInUtf8",
     [](TestWebSpace& w) {
         w.replace(kSamples + "P-1.json", "Kueche",
                   "K\xC3\xBC"
                   "che");
     },
     is(Severity::Warning, "sample-utf8", kSamples + "P-1.json", "SampleName",
        "die Datei ist in UTF-8 geschrieben, gelesen wird sie in der ANSI-Codepage; der Kunde "
        "sieht „KÃ¼che“ statt „Küche“")},
    {"SampleCutShort", [](TestWebSpace& w) { w.replace(kSamples + "P-1.json", "\"}", "\""); },
     is(Severity::Error, "sample-invalid-json", kSamples + "P-1.json", "(Dokument)",
        "ist kein gültiges JSON; der Kunde sieht nach „Daten laden“ „10234: DOM tree "
        "unavailable (set BuildDOM to TRUE and reparse).“")},
    {"SampleNoJson",
     [](TestWebSpace& w) {
         w.replace(kSamples + "P-1.json", "\", \"SampleName\"", " \"SampleName\"");
     },
     is(Severity::Error, "sample-invalid-json", kSamples + "P-1.json", "(Dokument)",
        "ist kein gültiges JSON; der Kunde sieht nach „Daten laden“ „10232: Invalid JSON "
        "markup.“")},
    {"SampleWithoutCustomerName",
     [](TestWebSpace& w) {
         w.replace(kSamples + "P-1.json", "\"CustomerName\": \"Gasthaus\", ", "");
     },
     is(Severity::Error, "sample-member-missing", kSamples + "P-1.json", "CustomerName",
        "fehlt; der Kunde sieht nach „Daten laden“ " + kInvalidXPath)},
    {"ReportMissing", [](TestWebSpace& w) { w.remove(kReports + "P-1.pdf"); },
     is(Severity::Error, "report-missing", kSamples + "P-1.json", "(Prüfbericht)",
        "kein Prüfbericht „" + kReports +
            "P-1.pdf“; der Kunde sieht „Fehler: Die Probenaktivierung existiert, jedoch liegt "
            "kein Prüfbericht auf dem Server.“")},
    {"SampleTypeWithoutInterpreter",
     [](TestWebSpace& w) { w.write(kSamples + "P-1.json", sampleDocument("Abwasser")); },
     is(Severity::Warning, "interpreter-missing", kSamples + "P-1.json", "SampleType",
        "keine Interpretervorlage „interpreter/Abwasser.json“ für die Probenart „Abwasser“; "
        "der Kunde sieht „Ihre Probenart wird derzeit leider nicht unterstützt“")},
    {"InterpreterNotUtf8",
     [](TestWebSpace& w) { w.replace(kTrinkwasser, "mit dem", "f\xFCr den"); },
     [](const TestWebSpace& w) {
         const size_t at = w.read(kTrinkwasser).find('\xFC');
         return finding(Severity::Warning, "interpreter-not-utf8", kTrinkwasser, "(Dokument)",
                        "ist kein gültiges UTF-8 (Byte 0xFC an Stelle " + std::to_string(at + 1) +
                            "); der Kunde sieht dort „?“");
     }},
    {"InterpreterNoJson", [](TestWebSpace& w) { w.replace(kTrinkwasser, "\"Params\"", "Params"); },
     is(Severity::Error, "interpreter-invalid-json", kTrinkwasser, "(Dokument)",
        "ist kein gültiges JSON; der Kunde sieht nach „Daten laden“ „10232: Invalid JSON "
        "markup.“")},
    {"ParamsMissing", [](TestWebSpace& w) { w.replace(kTrinkwasser, "\"Params\": \"3\",", ""); },
     is(Severity::Error, "member-missing", kTrinkwasser, "Params",
        "fehlt; der Kunde sieht nach „Daten laden“ " + kInvalidXPath)},
    {"ParamsNotWhole",
     [](TestWebSpace& w) { w.replace(kTrinkwasser, "\"Params\": \"3\"", "\"Params\": \"3.0\""); },
     is(Severity::Error, "params-not-whole", kTrinkwasser, "Params",
        "„3.0“ ist keine ganze Zahl; der Kunde sieht nach „Daten laden“ „'3.0' is not a valid "
        "integer value.“")},
    {"ParamsHidesAnEntry",
     [](TestWebSpace& w) { w.replace(kTrinkwasser, "\"Params\": \"3\"", "\"Params\": \"2\""); },
     is(Severity::Error, "params-count", kTrinkwasser, "Params",
        "ist 2, bei 2 Parametereinträgen muss es 3 sein; der Kunde findet „Nitrat“ nicht in der "
        "Liste")},
    {"ParamsCountsTooMany",
     [](TestWebSpace& w) { w.replace(kTrinkwasser, "\"Params\": \"3\"", "\"Params\": 4"); },
     is(Severity::Error, "params-count", kTrinkwasser, "Params",
        "ist 4, bei 2 Parametereinträgen muss es 3 sein; das Programm liest mehr Einträge, als "
        "es gibt, und der Kunde sieht nach „Daten laden“ " +
            kInvalidXPath)},
    {"ParamsBeforeTheEntries",
     [](TestWebSpace& w) {
         w.replace(kTrinkwasser, "\n  \"Params\": \"3\",", "");
         w.replace(kTrinkwasser, "{\n  \"Blei\"", "{\n  \"Params\": \"3\",\n  \"Blei\"");
     },
     is(Severity::Error, "entry-position", kTrinkwasser, "Params",
        "steht an Position 1, wo das Programm einen Parametereintrag liest; der Kunde sieht "
        "nach „Daten laden“ " +
            kInvalidXPath)},
    {"IntrotextMissing",
     [](TestWebSpace& w) {
         w.replace(kTrinkwasser, ",\n  \"Introtext\": \"Vergleich mit dem Grenzwert.\"", "");
     },
     is(Severity::Error, "member-missing", kTrinkwasser, "Introtext",
        "fehlt; jede Interpretation dieser Probenart endet mit " + kInvalidXPath)},
    {"EntryWithoutSpecialComment",
     [](TestWebSpace& w) {
         w.replace(kTrinkwasser, "\"SpecialComment\": \"Blei kommt aus alten Rohren.\",", "");
     },
     is(Severity::Error, "member-missing", kTrinkwasser, "Blei/SpecialComment",
        "fehlt; die Interpretation von „Blei“ endet mit " + kInvalidXPath)},
    {"EntryWithoutUnit",
     [](TestWebSpace& w) {
         w.replace(kTrinkwasser, "\",\n    \"Unit\": \"µg/L\"\n  },\n  \"Nitrat\"",
                   "\"\n  },\n  \"Nitrat\"");
     },
     is(Severity::Error, "member-missing", kTrinkwasser, "Blei/Unit",
        "fehlt; jede Interpretation dieser Probenart endet mit " + kInvalidXPath)},
    {"LimitWithDecimalComma", [](TestWebSpace& w) { setBlei(w, "MCL", "10", "0,5"); },
     is(Severity::Error, "mcl-not-number", kTrinkwasser, "Blei/MCL",
        "„0,5“ ist keine Zahl, wie die Interpretation sie liest; der Kunde sieht bei „Blei“ "
        "„Could not convert variant of type (String) into type (Double)“")},
    {"TextTheCodePageLacks",
     [](TestWebSpace& w) { w.replace(kTrinkwasser, "hält MCL UNIT ein", "≤ MCL UNIT"); },
     is(Severity::Warning, "text-not-ansi", kTrinkwasser, "Blei/MCLOK",
        "das Zeichen „≤“ gibt es in der ANSI-Codepage nicht; der Kunde sieht „?“")},
    {"ParameterNameWithPlaceholder",
     [](TestWebSpace& w) { setBlei(w, "Param", "Blei", "Blei-UNIT"); },
     is(Severity::Warning, "placeholder-spoiled", kTrinkwasser, "Blei/Param",
        "„Blei-UNIT“ enthält „UNIT“, das die Interpretation als Platzhalter ersetzt; der Kunde "
        "sieht dort einen anderen Text")},
    {"ParameterTwice",
     [](TestWebSpace& w) {
         w.replace(kTrinkwasser, "\"Params\": \"3\"",
                   "\"Blei alt\": {\"Param\": \"Blei\", \"MCL\": \"10\", \"MCLLevel1\": \"\", "
                   "\"MCLOK\": \"\", \"SpecialComment\": \"\", \"Unit\": \"µg/L\"},\n"
                   "  \"Params\": \"4\"");
     },
     is(Severity::Warning, "duplicate-param", kTrinkwasser, "Blei alt/Param",
        "„Blei“ steht auch in „Blei“; der Kunde findet den Parameter zweimal in der Liste und "
        "bekommt beide Interpretationen untereinander")},
    {"InterpreterNoSampleUses",
     [](TestWebSpace& w) { w.write("interpreter/Badewasser.json", kInterpreterDocument); },
     is(Severity::Warning, "interpreter-unused", "interpreter/Badewasser.json", "(Dokument)",
        "keine Probe hat die Probenart „Badewasser“; kein Kunde bekommt diese Vorlage zu "
        "sehen")},
    {"LimitBeyondWhatCanBeTyped", [](TestWebSpace& w) { setBlei(w, "MCL", "10", "3000000"); },
     is(Severity::Error, "dry-run-failed", kTrinkwasser, "Blei",
        "bei 3000000 µg/L (Grenzwert) endet die Interpretation mit „'3000000000' is not a "
        "valid integer value.“, ebenso bei 9 weiteren Eingaben")},
    {"LimitWrittenForAnotherUnit",
     [](TestWebSpace& w) {
         setBlei(w, "MCL", "10", "50");
         setBlei(w, "Unit", "µg/L", "mg/L");
     },
     is(Severity::Error, "dry-run-outcome", kTrinkwasser, "Blei/MCL",
        "die Interpretation zeigt bei 50000 µg/L (Grenzwert) „überschritten“ statt "
        "„eingehalten“, 50 mg/L (Grenzwert) „überschritten“ statt „eingehalten“; der Grenzwert "
        "„50“ passt nicht zur Einheit „mg/L“ des Eintrags (verglichen wird er wie ein Wert in "
        "µg/L)")},
    {"LimitLooksLikeMilligrams", [](TestWebSpace& w) { setBlei(w, "MCL", "10", "0.5"); },
     is(Severity::Warning, "mcl-unit-suspect", kTrinkwasser, "Blei/MCL",
        "„0.5“ µg/L ist kein ganzer Wert in µg/L und sieht nach mg/L aus (gemeint vielleicht "
        "„500“); verglichen wird mit 0.5 µg/L")},
};

class CheckerFinding : public ::testing::TestWithParam<BrokenFixture> {};

} // namespace

TEST_P(CheckerFinding, IsReportedAloneWithItsText)
{
    TestWebSpace webSpace;
    GetParam().breakIt(webSpace);
    EXPECT_EQ(findingsIn(webSpace), std::vector<Finding>{GetParam().expected(webSpace)});
}

INSTANTIATE_TEST_SUITE_P(Broken, CheckerFinding, ::testing::ValuesIn(kBrokenFixtures),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

// Two documents with an error and a warning each, the warnings found first.
void breakTwoDocuments(TestWebSpace& webSpace)
{
    webSpace.replace(kSamples + "P-1.json", "Kueche",
                     "K\xC3\xBC"
                     "che");
    webSpace.remove(kReports + "P-1.pdf");
    webSpace.replace(kTrinkwasser, "hält MCL UNIT ein", "≤ MCL UNIT");
    setBlei(webSpace, "MCL", "10", "0,5");
}

// "file: member: severity" of a finding's line; a line without them whole.
std::string lineHead(const std::string& line)
{
    size_t end = 0;
    for (int field = 0; field < 3; ++field) {
        end = line.find(": ", end == 0 ? 0 : end + 2);
        if (end == std::string::npos) {
            return line;
        }
    }
    return line.substr(0, end);
}

} // namespace

TEST(CheckerReport, GroupsByDocumentWithErrorsBeforeWarnings)
{
    TestWebSpace webSpace;
    breakTwoDocuments(webSpace);

    const auto result = runCommand({webSpace.rootArgument()});
    std::istringstream lines(result.out);
    std::vector<std::string> heads;
    for (std::string line; std::getline(lines, line);) {
        heads.push_back(lineHead(line));
    }
    const std::vector<std::string> expected = {
        kSamples + "P-1.json: (Prüfbericht): Fehler",  kSamples + "P-1.json: SampleName: Warnung",
        kTrinkwasser + ": Blei/MCL: Fehler",           kTrinkwasser + ": Blei/MCLOK: Warnung",
        "3 Dokumente geprüft: 2 Fehler, 2 Warnungen.",
    };
    EXPECT_EQ(heads, expected);
}

TEST(CheckerReport, JsonCarriesTheSameFindingsForScripts)
{
    TestWebSpace webSpace;
    breakTwoDocuments(webSpace);

    const auto result = runCommand({"--json", webSpace.rootArgument()});
    EXPECT_EQ(result.exitCode, kCheckFailed);
    TnetJSON json;
    json.Config(u"StringProcessingOptions=3");
    json.setBuildDOM(true);
    json.setInputData(netcomp::fromUtf8(result.out));
    json.Parse();
    const auto textAt = [&](std::u16string_view path) {
        json.setXPath(path);
        return netcomp::toUtf8(json.XText());
    };
    EXPECT_EQ(textAt(u"/json/documents"), "3");
    EXPECT_EQ(textAt(u"/json/errors"), "2");
    EXPECT_EQ(textAt(u"/json/warnings"), "2");
    EXPECT_EQ(textAt(u"/json/findings/[1]/severity"), "error");
    EXPECT_EQ(textAt(u"/json/findings/[1]/kind"), "report-missing");
    EXPECT_EQ(textAt(u"/json/findings/[2]/member"), "SampleName");
    EXPECT_EQ(textAt(u"/json/findings/[2]/text"),
              "die Datei ist in UTF-8 geschrieben, gelesen wird sie in der ANSI-Codepage; der "
              "Kunde sieht „KÃ¼che“ statt „Küche“");
    EXPECT_EQ(textAt(u"/json/findings/[4]/file"), kTrinkwasser);
}

TEST(CheckerCommand, ExitCodeSaysWhetherSomethingWouldFail)
{
    TestWebSpace clean;
    TestWebSpace onlyWarned;
    onlyWarned.write("interpreter/Badewasser.json", kInterpreterDocument);
    TestWebSpace broken;
    broken.remove(kReports + "P-2.pdf");

    const struct {
        const char* name;
        std::vector<std::string> arguments;
        int exitCode;
    } cases[] = {
        {"clean", {clean.rootArgument()}, kCheckPassed},
        {"warnings only", {onlyWarned.rootArgument()}, kCheckPassed},
        {"an error", {broken.rootArgument()}, kCheckFailed},
        {"an error, as JSON", {"--json", broken.rootArgument()}, kCheckFailed},
        {"help", {"--help"}, kCheckPassed},
        {"no folder", {}, kCheckBadUsage},
        {"two folders", {clean.rootArgument(), broken.rootArgument()}, kCheckBadUsage},
        {"unknown option", {"--fix", clean.rootArgument()}, kCheckBadUsage},
        {"no such folder", {clean.rootArgument() + "-nirgends"}, kCheckBadUsage},
    };
    for (const auto& c : cases) {
        const auto result = runCommand(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name << "\n" << result.out << result.err;
        if (c.exitCode == kCheckBadUsage) {
            EXPECT_EQ(result.out, "") << c.name;
            EXPECT_NE(result.err, "") << c.name;
        }
    }
}

TEST(CheckerCommand, ShowsProgressOnlyOnALargeWebSpace)
{
    TestWebSpace small;
    EXPECT_EQ(runCommand({small.rootArgument()}).err, "");

    TestWebSpace large;
    for (size_t i = 3; i <= kProgressFromDocuments; ++i) {
        const std::string code = "P-" + std::to_string(i);
        large.write(kSamples + code + ".json", sampleDocument("Trinkwasser"));
        large.write(kReports + code + ".pdf", "%PDF-1.4\n");
    }
    const auto result = runCommand({large.rootArgument()});
    EXPECT_EQ(result.exitCode, kCheckPassed) << result.out;
    EXPECT_NE(result.err.find("\rQuorviCheck: 10 von 101 Dokumenten geprüft"), std::string::npos);
    EXPECT_TRUE(result.err.ends_with("\rQuorviCheck: 101 von 101 Dokumenten geprüft\n"))
        << result.err;
    EXPECT_EQ(result.out, "101 Dokumente geprüft: 0 Fehler, 0 Warnungen.\n");
}

#include "checker/SampleDocumentCheck.h"

#include "checker/CustomerMessage.h"
#include "components/codepage/CodePage.h"
#include "components/wrappers/TnetJSON.h"
#include "retrieval/DocumentMembers.h"
#include "retrieval/DocumentParsers.h"
#include "retrieval/LoadMessages.h"
#include "retrieval/ServiceAddresses.h"

#include <algorithm>
#include <cstdio>

namespace fs = std::filesystem;

namespace {

constexpr const char* kWholeDocument = "(Dokument)";

std::string memberName(std::u16string_view path)
{
    return netcomp::toUtf8(path.substr(path.rfind(u'/') + 1));
}

std::string codePoint(char16_t c)
{
    char text[8];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

// A character a customer could not read: a control other than the line breaks and the
// tab, or a code page's replacement for a byte it does not define.
bool unreadable(char16_t c)
{
    return (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || (c >= 0x7F && c <= 0x9F) ||
           c == 0xFFFD;
}

bool looksLikeUtf8(const std::string& bytes)
{
    const bool beyondAscii = std::any_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) > 0x7F; });
    return beyondAscii && netcomp::toUtf8(netcomp::fromUtf8(bytes)) == bytes;
}

class SampleCheck {
public:
    SampleCheck(const WebSpace& webSpace, const fs::path& file)
        : m_webSpace(webSpace), m_file(file), m_name(webSpace.displayName(file))
    {
    }

    SampleDocumentResult run();

private:
    void add(Severity severity, const char* kind, std::string member, std::string text)
    {
        m_result.findings.push_back({severity, kind, m_name, std::move(member), std::move(text)});
    }
    bool checkReachable(const std::u16string& code);
    void checkCharacters(const std::u16string& transferred, const std::string& bytes);
    void checkUtf8(const std::string& bytes, TnetJSON& shown);
    std::optional<std::u16string> readMember(TnetJSON& parser, std::u16string_view path);
    void checkReport(const std::u16string& code);
    void checkInterpreter(const std::u16string& type);

    const WebSpace& m_webSpace;
    const fs::path& m_file;
    std::string m_name;
    SampleDocumentResult m_result;
};

SampleDocumentResult SampleCheck::run()
{
    std::u16string code;
    try {
        code = m_file.stem().u16string();
    } catch (const std::exception&) {
        add(Severity::Error, "sample-code-unreachable", "(Dateiname)",
            "der Dateiname ist kein UTF-8; kein Probencode führt zu dieser Datei, der Kunde "
            "sieht " +
                inQuotes(loadMessages::kSampleDocumentFailed));
        return m_result;
    }
    const bool reachable = checkReachable(code);

    std::string bytes;
    try {
        bytes = WebSpace::readBytes(m_file);
    } catch (const std::exception&) {
        add(Severity::Error, "file-unreadable", kWholeDocument,
            "die Datei lässt sich nicht lesen; der Kunde sieht " +
                inQuotes(loadMessages::kSampleDocumentFailed));
        return m_result;
    }
    const std::u16string transferred = netcomp::decode(bytes, documents::kSampleDocumentCodePage);
    checkCharacters(transferred, bytes);

    TnetJSON parser;
    documents::prepareSampleDocumentParser(parser);
    try {
        documents::parseStoredText(parser, documents::storedText(transferred));
        // A document cut short parses without a tree; the first path says so.
        parser.setXPath(u"/json");
    } catch (const std::exception& error) {
        add(Severity::Error, "sample-invalid-json", kWholeDocument,
            "ist kein gültiges JSON; " + seenAfterLoading(error));
        return m_result;
    }
    checkUtf8(bytes, parser);

    readMember(parser, members::kCustomerName);
    readMember(parser, members::kSampleName);
    const auto type = readMember(parser, members::kSampleType);

    // A customer who cannot reach the sample never asks for its report.
    if (reachable) {
        checkReport(code);
    }
    if (type) {
        checkInterpreter(*type);
    }
    return m_result;
}

bool SampleCheck::checkReachable(const std::u16string& code)
{
    const std::u16string address = service::sampleDocumentAddress(WebSpace::kBaseUrl, code);
    const auto target = m_webSpace.fileFor(address);
    std::error_code error;
    if (!target || !fs::equivalent(*target, m_file, error)) {
        add(Severity::Error, "sample-code-unreachable", "(Dateiname)",
            "der Probencode " + inQuotes(code) + " wird beim Abruf zur Adresse " +
                inQuotes(WebSpace::displayAddress(address)) +
                ", die nicht zu dieser Datei führt; der Kunde sieht " +
                inQuotes(loadMessages::kSampleDocumentFailed));
        return false;
    }
    return true;
}

void SampleCheck::checkCharacters(const std::u16string& transferred, const std::string& bytes)
{
    if (looksLikeUtf8(bytes)) {
        return; // said by checkUtf8, with what the customer sees
    }
    for (size_t i = 0; i < transferred.size(); ++i) {
        if (unreadable(transferred[i])) {
            add(Severity::Warning, "sample-unreadable", kWholeDocument,
                "Zeichen " + std::to_string(i + 1) + " (" + codePoint(transferred[i]) +
                    ") ist in der ANSI-Codepage kein lesbares Zeichen; der Kunde sieht dort "
                    "nichts oder ein Kästchen");
            return;
        }
    }
}

void SampleCheck::checkUtf8(const std::string& bytes, TnetJSON& shown)
{
    if (!looksLikeUtf8(bytes)) {
        return;
    }
    TnetJSON written;
    documents::prepareSampleDocumentParser(written);
    try {
        written.setInputData(netcomp::fromUtf8(bytes));
        written.Parse();
        for (const auto path :
             {members::kCustomerName, members::kSampleName, members::kSampleType}) {
            shown.setXPath(path);
            written.setXPath(path);
            if (shown.XText() != written.XText()) {
                add(Severity::Warning, "sample-utf8", memberName(path),
                    "die Datei ist in UTF-8 geschrieben, gelesen wird sie in der "
                    "ANSI-Codepage; der Kunde sieht " +
                        inQuotes(shown.XText()) + " statt " + inQuotes(written.XText()));
                return;
            }
        }
    } catch (const std::exception&) {
        // a missing member is reported on its own
    }
    add(Severity::Warning, "sample-utf8", kWholeDocument,
        "die Datei ist in UTF-8 geschrieben, gelesen wird sie in der ANSI-Codepage; der Kunde "
        "sieht Umlaute als je zwei fremde Zeichen");
}

std::optional<std::u16string> SampleCheck::readMember(TnetJSON& parser, std::u16string_view path)
{
    try {
        parser.setXPath(path);
        return parser.XText();
    } catch (const std::exception& error) {
        add(Severity::Error, "sample-member-missing", memberName(path),
            "fehlt; " + seenAfterLoading(error));
        return std::nullopt;
    }
}

void SampleCheck::checkReport(const std::u16string& code)
{
    const std::u16string address = service::reportAddress(WebSpace::kBaseUrl, code);
    if (!m_webSpace.fileFor(address)) {
        add(Severity::Error, "report-missing", "(Prüfbericht)",
            "kein Prüfbericht " + inQuotes(WebSpace::displayServerPath(address)) +
                "; der Kunde sieht " + inQuotes(loadMessages::kReportMissing));
    }
}

void SampleCheck::checkInterpreter(const std::u16string& type)
{
    const std::u16string address = service::interpreterAddress(WebSpace::kBaseUrl, type);
    m_result.interpreterDocument = m_webSpace.fileFor(address);
    if (!m_result.interpreterDocument) {
        add(Severity::Warning, "interpreter-missing", "SampleType",
            "keine Interpretervorlage " + inQuotes(WebSpace::displayServerPath(address)) +
                " für die Probenart " + inQuotes(type) + "; der Kunde sieht " +
                inQuotes(loadMessages::kTypeUnsupported));
    }
}

} // namespace

SampleDocumentResult checkSampleDocument(const WebSpace& webSpace, const fs::path& file)
{
    return SampleCheck(webSpace, file).run();
}

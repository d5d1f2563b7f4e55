#include "checker/InterpreterDocumentCheck.h"

#include "checker/CustomerMessage.h"
#include "components/codepage/CodePage.h"
#include "components/wrappers/TnetJSON.h"
#include "interpretation/LimitClassification.h"
#include "interpretation/PreparedValue.h"
#include "retrieval/DocumentMembers.h"
#include "retrieval/DocumentParsers.h"
#include "retrieval/EntryPath.h"
#include "retrieval/ParameterCount.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr const char* kWholeDocument = "(Dokument)";
constexpr std::u16string_view kPlaceholdersBroughtIn[] = {u"MCL", u"UNIT", u"CONCENTRATION"};

std::string utf8(std::u16string_view text)
{
    return netcomp::toUtf8(text);
}

// The characters of the text that the ANSI code page cannot hold, each once.
std::u16string lostCharacters(std::u16string_view text)
{
    std::u16string lost;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t length =
            (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size()) ? 2 : 1;
        const std::u16string_view character = text.substr(i, length);
        // Bytes that were no UTF-8 are told of once, for the whole document.
        if (character != u"\uFFFD" && netcomp::fromAnsi(netcomp::toAnsi(character)) != character &&
            lost.find(character) == std::u16string::npos) {
            lost.append(character);
        }
        i += length - 1;
    }
    return lost;
}

class InterpreterCheck {
public:
    InterpreterCheck(const WebSpace& webSpace, const fs::path& file)
        : m_file(file), m_name(webSpace.displayName(file))
    {
    }

    InterpreterDocumentResult run();

private:
    void add(Severity severity, const char* kind, std::string member, std::string text)
    {
        m_result.findings.push_back({severity, kind, m_name, std::move(member), std::move(text)});
    }
    void checkUtf8(const std::string& bytes, const std::u16string& decoded);
    std::optional<int32_t> readParams();
    // False when Params does not count the entries.
    bool checkEntryCount(std::optional<int32_t> params, const std::vector<std::u16string>& names);
    std::optional<std::u16string> readText(std::u16string_view path, const std::string& member,
                                           const std::string& consequence);
    void checkShownText(std::u16string_view path, const std::string& member,
                        std::u16string_view shown);
    void checkEntry(int32_t index, const std::u16string& key, bool countMatches);

    const fs::path& m_file;
    std::string m_name;
    TnetJSON m_shown;    // through the program's text chain
    TnetJSON m_original; // as written, for what the chain changes
    bool m_originalParsed = false;
    std::map<std::u16string, std::string> m_firstEntryOf;
    InterpreterDocumentResult m_result;
};

InterpreterDocumentResult InterpreterCheck::run()
{
    std::string bytes;
    try {
        bytes = WebSpace::readBytes(m_file);
    } catch (const std::exception&) {
        add(Severity::Error, "file-unreadable", kWholeDocument, "die Datei lässt sich nicht lesen");
        return m_result;
    }
    const std::u16string decoded = netcomp::decode(bytes, documents::kInterpreterDocumentCodePage);
    checkUtf8(bytes, decoded);

    documents::prepareInterpreterDocumentParser(m_shown);
    m_result.storedText = documents::storedText(decoded);
    try {
        documents::parseStoredText(m_shown, m_result.storedText);
        // A document cut short parses without a tree; the first path says so.
        m_shown.setXPath(u"/json");
    } catch (const std::exception& error) {
        add(Severity::Error, "interpreter-invalid-json", kWholeDocument,
            "ist kein gültiges JSON; " + seenAfterLoading(error));
        return m_result;
    }
    documents::prepareInterpreterDocumentParser(m_original);
    try {
        m_original.setInputData(decoded);
        m_original.Parse();
        m_originalParsed = true;
    } catch (const std::exception&) {
        // The chain's own parse went through; without it no texts are compared.
    }

    std::vector<std::u16string> names;
    for (int32_t i = 0; i < m_shown.XChildCount(); ++i) {
        names.push_back(m_shown.XChildName(i));
    }

    const auto params = readParams();
    const bool countMatches = checkEntryCount(params, names);
    if (const auto intro = readText(members::kIntrotext, "Introtext",
                                    "jede Interpretation dieser Probenart endet mit")) {
        checkShownText(members::kIntrotext, "Introtext", *intro);
    }

    // The entries the program reads: positions 1 to Params - 1, or every entry when
    // Params cannot be read.
    const int32_t last = params ? *params - 1 : static_cast<int32_t>(names.size());
    for (int32_t index = 1; index <= last && index <= static_cast<int32_t>(names.size()); ++index) {
        checkEntry(index, names[static_cast<size_t>(index - 1)], params && countMatches);
    }
    m_result.parameterCount = params.value_or(0);
    return m_result;
}

void InterpreterCheck::checkUtf8(const std::string& bytes, const std::u16string& decoded)
{
    const std::string again = netcomp::encode(decoded, documents::kInterpreterDocumentCodePage);
    size_t at = 0;
    while (at < bytes.size() && at < again.size() && bytes[at] == again[at]) {
        ++at;
    }
    if (at < bytes.size() || at < again.size()) {
        char byte[8];
        std::snprintf(byte, sizeof byte, "0x%02X",
                      at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0U);
        add(Severity::Warning, "interpreter-not-utf8", kWholeDocument,
            "ist kein gültiges UTF-8 (Byte " + std::string(byte) + " an Stelle " +
                std::to_string(at + 1) + "); der Kunde sieht dort „?“");
    }
}

std::optional<int32_t> InterpreterCheck::readParams()
{
    const auto text = readText(members::kParams, "Params", std::string(kAfterLoading));
    if (!text) {
        return std::nullopt;
    }
    try {
        return readParameterCount(*text);
    } catch (const std::exception& error) {
        add(Severity::Error, "params-not-whole", "Params",
            inQuotes(*text) + " ist keine ganze Zahl; " + seenAfterLoading(error));
        return std::nullopt;
    }
}

bool InterpreterCheck::checkEntryCount(std::optional<int32_t> params,
                                       const std::vector<std::u16string>& names)
{
    std::vector<std::u16string> entries;
    for (const auto& name : names) {
        if (u"/json/" + name != members::kParams && u"/json/" + name != members::kIntrotext) {
            entries.push_back(name);
        }
    }
    const auto expected = static_cast<int32_t>(entries.size()) + 1;
    if (!params || *params == expected) {
        return true;
    }
    std::string text = "ist " + std::to_string(*params) + ", bei " +
                       std::to_string(entries.size()) + " Parametereinträgen muss es " +
                       std::to_string(expected) + " sein; ";
    if (*params < expected) {
        std::string hidden;
        for (size_t i = static_cast<size_t>(std::max(*params - 1, 0)); i < entries.size(); ++i) {
            hidden += (hidden.empty() ? "" : ", ") + inQuotes(entries[i]);
        }
        text += "der Kunde findet " + hidden + " nicht in der Liste";
    } else {
        text += "das Programm liest mehr Einträge, als es gibt";
        for (int32_t index = 1; index < *params; ++index) {
            try {
                m_shown.setXPath(entryPath(index, members::kParam));
            } catch (const std::exception& error) {
                text += ", und " + seenAfterLoading(error);
                break;
            }
        }
    }
    add(Severity::Error, "params-count", "Params", text);
    return false;
}

std::optional<std::u16string> InterpreterCheck::readText(std::u16string_view path,
                                                         const std::string& member,
                                                         const std::string& consequence)
{
    try {
        m_shown.setXPath(path);
        return m_shown.XText();
    } catch (const std::exception& error) {
        add(Severity::Error, "member-missing", member,
            "fehlt; " + consequence + " " + inQuotes(customerMessage(error)));
        return std::nullopt;
    }
}

void InterpreterCheck::checkShownText(std::u16string_view path, const std::string& member,
                                      std::u16string_view shown)
{
    if (!m_originalParsed) {
        return;
    }
    std::u16string written;
    try {
        m_original.setXPath(path);
        written = m_original.XText();
    } catch (const std::exception&) {
        return;
    }
    if (written == shown) {
        return;
    }
    const std::u16string lost = lostCharacters(written);
    if (lost.empty()) {
        return;
    }
    add(Severity::Warning, "text-not-ansi", member,
        (lost.size() == 1 ? "das Zeichen " : "die Zeichen ") + inQuotes(lost) +
            " gibt es in der ANSI-Codepage nicht; der Kunde sieht „?“");
}

void InterpreterCheck::checkEntry(int32_t index, const std::u16string& keyText, bool countMatches)
{
    const std::string key = utf8(keyText);
    if (u"/json/" + keyText == members::kParams || u"/json/" + keyText == members::kIntrotext) {
        // Without a count that fits, where the entries end is unknown: Params has said it.
        if (!countMatches) {
            return;
        }
        std::string seen;
        try {
            m_shown.setXPath(entryPath(index, members::kParam));
        } catch (const std::exception& error) {
            seen = "; " + seenAfterLoading(error);
        }
        add(Severity::Error, "entry-position", key,
            "steht an Position " + std::to_string(index) +
                ", wo das Programm einen Parametereintrag liest" + seen);
        return;
    }

    InterpreterEntry entry{key, {}, {}, {}, false};
    std::u16string param = keyText;
    bool mclRead = false;
    for (const auto field : members::kEntryFields) {
        const std::string member = key + "/" + utf8(field);
        const bool everyRun =
            field == members::kParam || field == members::kMcl || field == members::kUnit;
        const std::string consequence =
            field == members::kParam
                ? std::string(kAfterLoading)
                : (everyRun ? "jede Interpretation dieser Probenart endet mit"
                            : "die Interpretation von " + inQuotes(param) + " endet mit");
        const auto text = readText(entryPath(index, field), member, consequence);
        if (!text) {
            continue;
        }
        checkShownText(entryPath(index, field), member, *text);
        if (field == members::kParam) {
            param = *text;
            entry.param = *text;
        } else if (field == members::kMcl) {
            entry.mcl = *text;
            mclRead = true;
        } else if (field == members::kUnit) {
            entry.unit = *text;
        }
        if (field == members::kParam || field == members::kUnit) {
            for (const auto placeholder : kPlaceholdersBroughtIn) {
                if (text->find(placeholder) != std::u16string::npos) {
                    add(Severity::Warning, "placeholder-spoiled", member,
                        inQuotes(*text) + " enthält " + inQuotes(placeholder) +
                            ", das die Interpretation als Platzhalter ersetzt; der Kunde sieht "
                            "dort einen anderen Text");
                }
            }
        }
    }

    if (mclRead) {
        try {
            const double limit = limitValue(entry.mcl);
            entry.mclReadable = true;
            const double written = limit / 1000.0;
            if (entry.unit == u"µg/L" && written != std::floor(written)) {
                add(Severity::Warning, "mcl-unit-suspect", key + "/MCL",
                    inQuotes(entry.mcl) +
                        " µg/L ist kein ganzer Wert in µg/L und sieht nach "
                        "mg/L aus (gemeint vielleicht " +
                        inQuotes(preparedValueText(limit)) + "); verglichen wird mit " +
                        utf8(entry.mcl) + " µg/L");
            }
        } catch (const std::exception& error) {
            add(Severity::Error, "mcl-not-number", key + "/MCL",
                inQuotes(entry.mcl) +
                    " ist keine Zahl, wie die Interpretation sie liest; der "
                    "Kunde sieht bei " +
                    inQuotes(param) + " " + inQuotes(customerMessage(error)));
        }
    }

    if (!entry.param.empty()) {
        const auto [first, added] = m_firstEntryOf.emplace(entry.param, key);
        if (!added) {
            add(Severity::Warning, "duplicate-param", key + "/Param",
                inQuotes(entry.param) + " steht auch in " + inQuotes(first->second) +
                    "; der Kunde findet den Parameter zweimal in der Liste und bekommt beide "
                    "Interpretationen untereinander");
        }
    }
    m_result.entries.push_back(std::move(entry));
}

} // namespace

InterpreterDocumentResult checkInterpreterDocument(const WebSpace& webSpace, const fs::path& file)
{
    return InterpreterCheck(webSpace, file).run();
}

// The JSON engine driven the way the JSON core object drives it: input taken in (whole or
// in chunks, as repeated Parse calls do), XPath steps from the current element, XText and
// the children (XChildCount, XChildName) read, then Reset and the input parsed again.
//
// Input: one settings byte, then XPath lines up to an empty line, then the document. The
// settings byte holds StringProcessingOptions (bits 0-1), the code page (bits 2-3:
// 0, 1252, 28591, 65001) and the chunk size (high nibble below 4: whole, else nibble - 3).
// Without an empty line everything after the settings byte is the document.

#include "components/codepage/CodePage.h"
#include "components/cores/common/CoreError.h"
#include "components/cores/json/JsonParser.h"
#include "components/cores/json/JsonPath.h"
#include "components/cores/netcomp_api.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using netcomp::core::CoreError;
using netcomp::json::JsonDocument;
using netcomp::json::JsonParser;
using netcomp::json::ParseSettings;
using netcomp::json::selectPath;
using NodeId = JsonDocument::NodeId;
using Kind = JsonDocument::Kind;

constexpr std::array<int, 4> kCodePages = {0, 1252, 28591, 65001};
constexpr std::size_t kMaxPaths = 8;
constexpr uint32_t kMaxChildNames = 16;
constexpr std::size_t kMaxPathChecks = 64;

struct Outcome {
    bool complete = false;
    int32_t error = 0;
};

Outcome parseWhole(JsonParser& parser, std::string_view input, const ParseSettings& settings)
{
    parser.append(input);
    try {
        return {parser.parse(settings), 0};
    } catch (const CoreError& e) {
        return {false, e.code()};
    }
}

// Parse after every chunk; the first error ends the feeding, as it ends a Parse call.
Outcome parseInChunks(JsonParser& parser, std::string_view input, std::size_t chunk,
                      const ParseSettings& settings)
{
    Outcome outcome;
    for (std::size_t at = 0; at < input.size(); at += chunk) {
        parser.append(input.substr(at, chunk));
        try {
            outcome.complete = parser.parse(settings);
        } catch (const CoreError& e) {
            return {false, e.code()};
        }
    }
    return outcome;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

char32_t hexValue(std::string_view digits)
{
    char32_t value = 0;
    for (const char c : digits) {
        value = value * 16 + static_cast<char32_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    }
    return value;
}

// The body of a valid JSON string with its escapes decoded; \u escapes become the code
// page's bytes, a surrogate pair one character.
std::string unescape(std::string_view body, int codePage)
{
    std::string out;
    for (std::size_t i = 0; i < body.size();) {
        if (body[i] != '\\') {
            out += body[i++];
            continue;
        }
        const char kind = body[i + 1];
        if (kind != 'u') {
            static constexpr std::string_view kFrom = "bfnrt", kTo = "\b\f\n\r\t";
            const std::size_t k = kFrom.find(kind);
            out += k == kFrom.npos ? kind : kTo[k];
            i += 2;
            continue;
        }
        char32_t c = hexValue(body.substr(i + 2, 4));
        i += 6;
        if (c >= 0xD800 && c <= 0xDBFF && body.substr(i, 2) == "\\u" && i + 6 <= body.size()) {
            const char32_t low = hexValue(body.substr(i + 2, 4));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 6;
            }
        }
        netcomp::appendCodePoint(out, c, codePage);
    }
    return out;
}

// A string token as written, taken in with the settings.
std::string processed(std::string_view token, const ParseSettings& settings)
{
    std::string_view body = token.substr(1, token.size() - 2);
    std::string text =
        settings.decodeEscapes ? unescape(body, settings.codePage) : std::string(body);
    return settings.stripQuotes ? text : '"' + text + '"';
}

bool isJsonNumber(std::string_view text)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        return i - start;
    };
    if (i < text.size() && text[i] == '-') {
        ++i;
    }
    const std::size_t start = i;
    const std::size_t whole = digits();
    if (whole == 0 || (whole > 1 && text[start] == '0')) {
        return false;
    }
    if (i < text.size() && text[i] == '.' && (++i, digits() == 0)) {
        return false;
    }
    if (i < text.size() && (text[i] | 0x20) == 'e') {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        if (digits() == 0) {
            return false;
        }
    }
    return i == text.size();
}

// The tree's own invariants: document order, contiguous children, parents, texts.
void checkTree(const JsonDocument& doc, std::string_view value, const ParseSettings& settings)
{
    FUZZ_CHECK(doc.size() > 0);
    FUZZ_CHECK(doc.name(doc.root()) == "json");
    FUZZ_CHECK(!doc.parent(doc.root()));
    const bool raw = !settings.stripQuotes && !settings.decodeEscapes;
    if (doc.isContainer(doc.root()) || doc.kind(doc.root()) == Kind::Primitive || raw) {
        FUZZ_CHECK(doc.text(doc.root()) == value);
    }

    std::size_t children = 0;
    for (NodeId id = 0; id < doc.size(); ++id) {
        const std::string_view text = doc.text(id);
        switch (doc.kind(id)) {
        case Kind::Object:
            FUZZ_CHECK(text.front() == '{' && text.back() == '}');
            break;
        case Kind::Array:
            FUZZ_CHECK(text.front() == '[' && text.back() == ']');
            break;
        case Kind::String:
            if (!settings.stripQuotes) {
                FUZZ_CHECK(text.size() >= 2 && text.front() == '"' && text.back() == '"');
            }
            break;
        case Kind::Primitive:
            FUZZ_CHECK(text == "true" || text == "false" || text == "null" || isJsonNumber(text));
            break;
        }
        const uint32_t count = doc.childCount(id);
        FUZZ_CHECK(doc.isContainer(id) || count == 0);
        children += count;
        NodeId previous = id;
        for (uint32_t i = 0; i < count; ++i) {
            const NodeId child = doc.child(id, i);
            FUZZ_CHECK(child < doc.size());
            // Document order: the first child follows its parent, siblings ascend.
            FUZZ_CHECK(i == 0 ? child == id + 1 : child > previous);
            FUZZ_CHECK(doc.parent(child) == id);
            if (doc.kind(id) == Kind::Array) {
                FUZZ_CHECK(doc.name(child).empty());
            } else if (!settings.stripQuotes) {
                FUZZ_CHECK(doc.name(child).size() >= 2);
            }
            previous = child;
        }
    }
    FUZZ_CHECK(children == doc.size() - 1);
}

// Two trees of the same input: the one taken in raw, the other with settings.
void checkSameTree(const JsonDocument& raw, const JsonDocument& doc, const ParseSettings& settings)
{
    FUZZ_CHECK(raw.size() == doc.size());
    for (NodeId id = 0; id < raw.size(); ++id) {
        FUZZ_CHECK(raw.kind(id) == doc.kind(id));
        FUZZ_CHECK(raw.childCount(id) == doc.childCount(id));
        for (uint32_t i = 0; i < raw.childCount(id); ++i) {
            FUZZ_CHECK(raw.child(id, i) == doc.child(id, i));
        }
        if (raw.kind(id) == Kind::String) {
            FUZZ_CHECK(doc.text(id) == processed(raw.text(id), settings));
        } else {
            FUZZ_CHECK(doc.text(id) == raw.text(id));
        }
        if (id != raw.root() && !raw.name(id).empty()) {
            FUZZ_CHECK(doc.name(id) == processed(raw.name(id), settings));
        } else {
            FUZZ_CHECK(doc.name(id) == raw.name(id));
        }
    }
}

// The path of positions from the root to a node.
std::string positionPath(const JsonDocument& doc, NodeId id)
{
    std::vector<uint32_t> positions;
    for (std::optional<NodeId> node = id; *node != doc.root();) {
        const NodeId parent = *doc.parent(*node);
        uint32_t i = 0;
        while (doc.child(parent, i) != *node) {
            ++i;
        }
        positions.push_back(i + 1);
        node = parent;
    }
    std::string path = "/json";
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        path += "/[" + std::to_string(*it) + "]";
    }
    return path;
}

bool usableAsStep(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name != "*" &&
           name.find_first_of("/[]") == name.npos;
}

// What selecting from one node must give: positions, last(), names, "." and "..".
void checkSteps(const JsonDocument& doc, NodeId node)
{
    FUZZ_CHECK(selectPath(doc, std::nullopt, positionPath(doc, node)) == node);
    FUZZ_CHECK(selectPath(doc, node, ".") == node);
    FUZZ_CHECK(selectPath(doc, node, "..") == doc.parent(node));
    const uint32_t count = doc.childCount(node);
    FUZZ_CHECK(selectPath(doc, node, "[0]") == std::nullopt);
    FUZZ_CHECK(selectPath(doc, node, "[" + std::to_string(count + 1) + "]") == std::nullopt);
    if (count == 0) {
        FUZZ_CHECK(selectPath(doc, node, "*") == std::nullopt);
        return;
    }
    FUZZ_CHECK(selectPath(doc, node, "*") == doc.child(node, 0));
    FUZZ_CHECK(selectPath(doc, node, "[last()]") == doc.child(node, count - 1));
    FUZZ_CHECK(selectPath(doc, node, "*[last()-" + std::to_string(count - 1) + "]") ==
               doc.child(node, 0));
    for (uint32_t i = 0; i < std::min(count, kMaxChildNames); ++i) {
        const NodeId child = doc.child(node, i);
        FUZZ_CHECK(selectPath(doc, node, "[" + std::to_string(i + 1) + "]") == child);
        const std::string_view name = doc.name(child);
        if (!usableAsStep(name)) {
            continue;
        }
        // A name selects its first match, name[n] the n-th, counting without case.
        uint32_t matchesBefore = 0;
        for (uint32_t k = 0; k < i; ++k) {
            matchesBefore += equalsIgnoringAsciiCase(doc.name(doc.child(node, k)), name);
        }
        const std::optional<NodeId> first = selectPath(doc, node, name);
        FUZZ_CHECK(first && equalsIgnoringAsciiCase(doc.name(*first), name) && *first <= child);
        FUZZ_CHECK(selectPath(doc, node,
                              std::string(name) + "[" + std::to_string(matchesBefore + 1) + "]") ==
                   child);
    }
}

// The current element as XPath moves it: a path that selects nothing leaves it.
class Session {
public:
    explicit Session(const JsonDocument& doc) : m_doc(doc) {}

    void setXPath(std::string_view path)
    {
        const std::optional<NodeId> node = selectPath(m_doc, m_current, path);
        if (!node) {
            return;
        }
        FUZZ_CHECK(*node < m_doc.size());
        m_current = node;
    }

    std::optional<NodeId> current() const { return m_current; }

private:
    const JsonDocument& m_doc;
    std::optional<NodeId> m_current;
};

bool startsWithNumber(std::string_view document)
{
    const std::size_t first = document.find_first_not_of(" \t\n\r");
    return first != document.npos &&
           (document[first] == '-' || (document[first] >= '0' && document[first] <= '9'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const uint8_t control = data[0];
    const ParseSettings settings =
        ParseSettings::fromOptions(control & 3, kCodePages[(control >> 2) & 3]);
    std::size_t chunk = control >> 4 < 4 ? 0 : (control >> 4) - 3;

    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::vector<std::string_view> paths;
    std::string_view document = rest;
    if (const std::size_t blank = rest.find("\n\n"); blank != rest.npos) {
        document = rest.substr(blank + 2);
        for (std::string_view lines = rest.substr(0, blank + 1); !lines.empty();) {
            const std::size_t end = lines.find('\n');
            if (paths.size() < kMaxPaths) {
                paths.push_back(lines.substr(0, end));
            }
            lines.remove_prefix(end + 1);
        }
    }
    // A top-level number may end at any chunk boundary ("12" then "3"), so it is whole.
    if (startsWithNumber(document)) {
        chunk = 0;
    }

    JsonParser reference;
    const ParseSettings rawSettings = ParseSettings::fromOptions(0, settings.codePage);
    const Outcome expected = parseWhole(reference, document, rawSettings);

    JsonParser parser;
    const Outcome outcome = chunk ? parseInChunks(parser, document, chunk, settings)
                                  : parseWhole(parser, document, settings);
    FUZZ_CHECK(outcome.complete == expected.complete);
    FUZZ_CHECK(outcome.error == expected.error);
    FUZZ_CHECK(!expected.error || expected.error == NETCOMP_ERR_JSON_MARKUP ||
               expected.error == NETCOMP_ERR_JSON_DEPTH);
    FUZZ_CHECK((reference.document() != nullptr) == expected.complete);
    if (!expected.complete) {
        return 0;
    }

    const JsonDocument& raw = *reference.document();
    const JsonDocument& doc = *parser.document();
    FUZZ_CHECK(parser.valueBegin() == reference.valueBegin());
    FUZZ_CHECK(parser.valueEnd() == reference.valueEnd());
    const std::string_view value =
        document.substr(parser.valueBegin(), parser.valueEnd() - parser.valueBegin());
    FUZZ_CHECK(document.substr(parser.valueEnd()).find_first_not_of(" \t\n\r") ==
               std::string_view::npos);
    checkTree(raw, value, rawSettings);
    checkTree(doc, value, settings);
    checkSameTree(raw, doc, settings);

    Session session(doc);
    for (const std::string_view path : paths) {
        session.setXPath(path);
    }
    if (session.current()) {
        checkSteps(doc, *session.current());
    }
    const std::size_t stride = doc.size() / kMaxPathChecks + 1;
    for (NodeId id = 0; id < doc.size(); id += static_cast<NodeId>(stride)) {
        checkSteps(doc, id);
    }

    // Reset drops tree and input; the same input then parses to the same tree.
    parser.reset();
    FUZZ_CHECK(parser.document() == nullptr && !parser.complete() && parser.input().empty());
    const Outcome again = parseWhole(parser, document, settings);
    FUZZ_CHECK(again.complete && again.error == 0);
    checkSameTree(raw, *parser.document(), settings);
    return 0;
}

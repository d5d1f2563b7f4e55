#include "components/cores/json/JsonParser.h"

#include "components/cores/common/CoreError.h"
#include "components/cores/json/JsonChars.h"
#include "components/cores/json/JsonEscapes.h"
#include "components/cores/json/JsonLimits.h"
#include "components/cores/netcomp_api.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <memory>

namespace netcomp::json {
namespace {

using core::CoreError;
using Kind = JsonDocument::Kind;

// The input ended inside a value: more may follow.
struct Incomplete {};

// Storage follows an upper bound of the node count taken from the input; a
// pathological input (commas only) must not reserve its full bound up front.
constexpr std::size_t kMaxReservedNodes = std::size_t{1} << 22;

constexpr uint64_t kOnes = 0x0101'0101'0101'0101ull;
constexpr uint64_t kHigh = 0x8080'8080'8080'8080ull;

uint64_t load8(const char* p)
{
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// Nonzero when some byte is zero (the marks above the first are not exact).
uint64_t anyZeroByte(uint64_t v)
{
    return (v - kOnes) & ~v & kHigh;
}
// Exactly one mark per zero byte.
uint64_t zeroBytes(uint64_t v)
{
    return ~(((v & ~kHigh) + ~kHigh) | v) & kHigh;
}

// Adds up the eight byte lanes (each below 256).
std::size_t sumLanes(uint64_t lanes)
{
    lanes = (lanes & 0x00FF'00FF'00FF'00FFull) + ((lanes >> 8) & 0x00FF'00FF'00FF'00FFull);
    return static_cast<std::size_t>((lanes * 0x0001'0001'0001'0001ull) >> 48);
}

bool hasStringSpecial(uint64_t w)
{
    const uint64_t control = (w - kOnes * 0x20) & ~w & kHigh;
    return (control | anyZeroByte(w ^ (kOnes * '"')) | anyZeroByte(w ^ (kOnes * '\\'))) != 0;
}

using chars::byte;
using chars::isDigit;
using chars::isHex;
using chars::kStringSpecial;
using chars::kWhitespace;

// Skips a run of digits, a word at a time where the byte order allows. XOR with '0' turns
// a digit into 0-9, the only values whose high nibble stays clear also once 6 is added; a
// carry leaves only a byte that is no digit, so the lowest marked byte is exact.
const char* skipDigits(const char* p, const char* end)
{
    if constexpr (std::endian::native == std::endian::little) {
        for (; p + 8 <= end; p += 8) {
            const uint64_t x = load8(p) ^ (kOnes * '0');
            const uint64_t nonDigits = (x | (x + kOnes * 6)) & (kOnes * 0xF0);
            if (nonDigits) {
                return p + (std::countr_zero(nonDigits) >> 3);
            }
        }
    }
    while (isDigit(*p)) {
        ++p;
    }
    return p;
}

uint32_t textInfo(Kind kind, uint32_t length)
{
    return length | (static_cast<uint32_t>(kind) << 29);
}

// What a tree built from the input can need at most.
struct Bounds {
    std::size_t nodes;
    std::size_t containers;
    std::size_t depth;
    std::size_t sideBytes;
};

Bounds countBounds(const char* p, const char* end, bool decodeEscapes, std::size_t maxNodes)
{
    // Every value but the root follows an opening bracket or a comma, and a decoded string
    // is never longer than its token. Matches are summed per byte lane and the lanes folded
    // before any of them can overflow.
    const auto length = static_cast<std::size_t>(end - p);
    std::size_t separators = 0;
    std::size_t opens = 0;
    bool escapes = false;
    const auto findEscapes = [&](const char* from, const char* to) {
        if (decodeEscapes && !escapes) {
            escapes = std::memchr(from, '\\', static_cast<std::size_t>(to - from)) != nullptr;
        }
    };
    while (p + 8 <= end) {
        const char* const block = p;
        uint64_t separatorLanes = 0;
        uint64_t openLanes = 0;
        for (int i = 0; i < 255 && p + 8 <= end; ++i, p += 8) {
            const uint64_t w = load8(p);
            separatorLanes += zeroBytes(w ^ (kOnes * ',')) >> 7;
            openLanes += zeroBytes((w | (kOnes * 0x20)) ^ (kOnes * '{')) >> 7;
        }
        separators += sumLanes(separatorLanes);
        opens += sumLanes(openLanes);
        // While the block is in the cache.
        findEscapes(block, p);
    }
    findEscapes(p, end);
    for (; p < end; ++p) {
        separators += *p == ',';
        opens += (*p | 0x20) == '{';
    }
    maxNodes = std::min(maxNodes, kMaxReservedNodes);
    return {std::min(separators + opens + 1, maxNodes), std::min(opens, maxNodes),
            std::min(opens, JsonParser::kMaxDepth), escapes ? length : 0};
}

template <typename T> void lendFrom(std::byte*& storage, GrowableArray<T>& array, std::size_t count)
{
    array.lend(reinterpret_cast<T*>(storage), count);
    storage += count * sizeof(T);
}

} // namespace

JsonParser::JsonParser() : m_document(&m_input)
{
}

void JsonParser::append(std::string_view bytes)
{
    m_input.append(bytes);
}

void JsonParser::appendOwned(std::string&& bytes)
{
    if (m_input.empty()) {
        m_input = std::move(bytes);
    } else {
        m_input.append(bytes);
    }
}

// The zero that ends the std::string stops every byte-wise scan at the end of the
// input; word-wise scans check the bound themselves.
const char* JsonParser::skipWhitespace(const char* p) const
{
    while (kWhitespace[byte(*p)]) {
        // Indentation after a line break is skipped a word at a time.
        if (*p++ == '\n') {
            while (p + 8 <= m_end && load8(p) == kOnes * ' ') {
                p += 8;
            }
        }
    }
    return p;
}

void JsonParser::reset()
{
    discardDocument();
    m_input = std::string();
    m_complete = false;
    m_valueBegin = m_valueEnd = m_checked = 0;
    m_scanner.reset();
    m_scanning = false;
    m_scanned = 0;
}

void JsonParser::discardDocument()
{
    m_frames.release();
    m_pending.release();
    m_document.release();
    m_hasDocument = false;
}

void JsonParser::fail(const char* p) const
{
    if (p >= m_end) {
        throw Incomplete{};
    }
    throw core::failure(NETCOMP_ERR_JSON_MARKUP);
}

bool JsonParser::parse(const ParseSettings& settings)
{
    if (m_input.size() > settings.maxInputBytes) {
        throw CoreError(NETCOMP_ERR_JSON_SIZE, inputTooLargeText(settings.maxInputBytes));
    }
    const char* begin = m_input.data();
    m_end = begin + m_input.size();
    if (m_complete) {
        checkTail();
        return true;
    }
    if (m_scanning) {
        const std::size_t from = m_scanned;
        m_scanned = m_input.size();
        if (!m_scanner.scan(std::string_view(m_input).substr(from), kMaxDepth,
                            settings.maxValues)) {
            return false;
        }
    }
    const char* start = skipWhitespace(begin);
    if (start == m_end) {
        startScanning(settings);
        return false;
    }
    const char* after = nullptr;
    try {
        after = buildTree(start, settings);
        m_checked = static_cast<std::size_t>(after - begin);
        checkTail();
    } catch (const Incomplete&) {
        discardDocument();
        startScanning(settings);
        return false;
    } catch (...) {
        discardDocument();
        throw;
    }
    m_hasDocument = true;
    m_complete = true;
    m_valueBegin = static_cast<std::size_t>(start - begin);
    m_valueEnd = static_cast<std::size_t>(after - begin);
    return true;
}

// The first parse that finds the value incomplete scans what it has, so that later
// calls go on from there instead of building from the start again.
void JsonParser::startScanning(const ParseSettings& settings)
{
    if (m_scanning) {
        return;
    }
    m_scanning = true;
    m_scanned = m_input.size();
    m_scanner.scan(m_input, kMaxDepth, settings.maxValues);
}

void JsonParser::checkTail()
{
    const char* p = skipWhitespace(m_input.data() + m_checked);
    if (p != m_end) {
        throw core::failure(NETCOMP_ERR_JSON_MARKUP);
    }
    m_checked = m_input.size();
}

void JsonParser::allocateFor(const char* p, const ParseSettings& settings)
{
    using Node = JsonDocument::Node;
    using Container = JsonDocument::Container;
    using NodeId = JsonDocument::NodeId;
    // One block for the whole parse: items of four-byte alignment first, bytes last.
    static_assert(alignof(Node) == 4 && alignof(Container) == 4 && alignof(NodeId) == 4 &&
                  alignof(Frame) == 4);
    const Bounds bounds = countBounds(p, m_end, settings.decodeEscapes, settings.maxValues);
    const std::size_t children = bounds.nodes - 1;
    JsonDocument& doc = m_document;
    doc.m_storage = std::make_unique_for_overwrite<std::byte[]>(
        bounds.nodes * sizeof(Node) + bounds.containers * sizeof(Container) +
        2 * children * sizeof(NodeId) + bounds.depth * sizeof(Frame) + bounds.sideBytes);
    std::byte* storage = doc.m_storage.get();
    lendFrom(storage, doc.m_nodes, bounds.nodes);
    lendFrom(storage, doc.m_containers, bounds.containers);
    lendFrom(storage, doc.m_children, children);
    lendFrom(storage, m_pending, children);
    lendFrom(storage, m_frames, bounds.depth);
    lendFrom(storage, doc.m_side, bounds.sideBytes);
}

const char* JsonParser::scanString(const char* open, bool& escaped) const
{
    const char* q = open + 1;
    for (;;) {
        while (q + 8 <= m_end && !hasStringSpecial(load8(q))) {
            q += 8;
        }
        while (!kStringSpecial[byte(*q)]) {
            ++q;
        }
        if (*q == '"') {
            return q;
        }
        if (*q != '\\') {
            fail(q);
        }
        escaped = true;
        switch (q[1]) {
        case '"':
        case '\\':
        case '/':
        case 'b':
        case 'f':
        case 'n':
        case 'r':
        case 't':
            q += 2;
            break;
        case 'u':
            for (int i = 2; i < 6; ++i) {
                if (!isHex(q[i])) {
                    fail(q + i);
                }
            }
            q += 6;
            break;
        default:
            fail(q + 1);
        }
    }
}

void JsonParser::storeString(const char* open, const char* close, bool escaped,
                             const ParseSettings& settings, uint32_t& offset, uint32_t& info)
{
    if (!escaped || !settings.decodeEscapes) {
        const char* first = settings.stripQuotes ? open + 1 : open;
        const char* last = settings.stripQuotes ? close : close + 1;
        offset = static_cast<uint32_t>(first - m_input.data());
        info = static_cast<uint32_t>(last - first);
        return;
    }
    GrowableArray<char>& side = m_document.m_side;
    const auto length = static_cast<std::size_t>(close - open - 1);
    char* const first = side.makeRoom(length + 2);
    char* last = first;
    if (!settings.stripQuotes) {
        *last++ = '"';
    }
    last = writeUnescaped(last, std::string_view(open + 1, length), settings.codePage);
    if (!settings.stripQuotes) {
        *last++ = '"';
    }
    offset = static_cast<uint32_t>(side.size());
    info = static_cast<uint32_t>(last - first) | JsonDocument::kSideFlag;
    side.setEnd(last);
}

const char* JsonParser::parseKey(const char* p, const ParseSettings& settings, uint32_t& offset,
                                 uint32_t& info)
{
    if (*p != '"') {
        fail(p);
    }
    bool escaped = false;
    const char* close = scanString(p, escaped);
    storeString(p, close, escaped, settings, offset, info);
    p = skipWhitespace(close + 1);
    if (*p != ':') {
        fail(p);
    }
    return skipWhitespace(p + 1);
}

void JsonParser::closeContainer(const Frame& frame, const char* closer)
{
    JsonDocument& doc = m_document;
    auto& container =
        doc.m_containers[doc.m_nodes[frame.node].textInfo & JsonDocument::kLengthMask];
    const std::size_t count = m_pending.size() - frame.pendingBase;
    container.firstChild = static_cast<uint32_t>(doc.m_children.size());
    container.childCount = static_cast<uint32_t>(count);
    container.end = static_cast<uint32_t>(closer + 1 - m_input.data());
    doc.m_children.append(m_pending.data() + frame.pendingBase, count);
    m_pending.truncate(frame.pendingBase);
}

const char* JsonParser::buildTree(const char* p, const ParseSettings& settings)
{
    JsonDocument& doc = m_document;
    const char* const begin = m_input.data();
    allocateFor(p, settings);
    uint32_t nameOffset = 0;
    uint32_t nameInfo = 0;

    for (;;) {
        // A value starts at p.
        if (doc.m_nodes.size() == settings.maxValues) {
            if (p >= m_end) {
                throw Incomplete{};
            }
            throw CoreError(NETCOMP_ERR_JSON_SIZE, tooManyValuesText(settings.maxValues));
        }
        const auto id = static_cast<JsonDocument::NodeId>(doc.m_nodes.size());
        const auto offset = static_cast<uint32_t>(p - begin);
        if (!m_frames.empty()) {
            m_pending.push_back(id);
        }
        const char c = *p;
        if (c == '{' || c == '[') {
            if (m_frames.size() == kMaxDepth) {
                throw CoreError(NETCOMP_ERR_JSON_DEPTH, tooDeepText(kMaxDepth));
            }
            const bool object = c == '{';
            const auto index = static_cast<uint32_t>(doc.m_containers.size());
            doc.m_containers.push_back({});
            doc.m_nodes.push_back({offset, textInfo(object ? Kind::Object : Kind::Array, index),
                                   nameOffset, nameInfo});
            nameOffset = nameInfo = 0;
            m_frames.push_back({id, static_cast<uint32_t>(m_pending.size()), object});
            p = skipWhitespace(p + 1);
            if (*p != (object ? '}' : ']')) {
                if (object) {
                    p = parseKey(p, settings, nameOffset, nameInfo);
                }
                continue;
            }
        } else {
            uint32_t textOffset = offset;
            uint32_t text = 0;
            if (c == '"') {
                bool escaped = false;
                const char* close = scanString(p, escaped);
                storeString(p, close, escaped, settings, textOffset, text);
                text |= static_cast<uint32_t>(Kind::String) << 29;
                p = close + 1;
            } else if (c == '-' || isDigit(c)) {
                const char* q = p;
                if (*q == '-') {
                    ++q;
                }
                if (*q == '0') {
                    ++q;
                } else {
                    if (!isDigit(*q)) {
                        fail(q);
                    }
                    q = skipDigits(q, m_end);
                }
                if (*q == '.') {
                    if (!isDigit(*++q)) {
                        fail(q);
                    }
                    q = skipDigits(q, m_end);
                }
                if ((*q | 0x20) == 'e') {
                    ++q;
                    if (*q == '+' || *q == '-') {
                        ++q;
                    }
                    if (!isDigit(*q)) {
                        fail(q);
                    }
                    q = skipDigits(q, m_end);
                }
                text = textInfo(Kind::Primitive, static_cast<uint32_t>(q - p));
                p = q;
            } else {
                const std::string_view literal = c == 't'   ? std::string_view("true")
                                                 : c == 'f' ? std::string_view("false")
                                                            : std::string_view("null");
                for (std::size_t i = 0; i < literal.size(); ++i) {
                    if (p[i] != literal[i]) {
                        fail(p + i);
                    }
                }
                text = textInfo(Kind::Primitive, static_cast<uint32_t>(literal.size()));
                p += literal.size();
            }
            doc.m_nodes.push_back({textOffset, text, nameOffset, nameInfo});
            nameOffset = nameInfo = 0;
        }

        // A value ended before p: close containers until the next value starts.
        for (;;) {
            if (m_frames.empty()) {
                // The working stacks are done with; their storage stays with the tree.
                m_frames.release();
                m_pending.release();
                return p;
            }
            p = skipWhitespace(p);
            const Frame& frame = m_frames.back();
            if (*p == ',') {
                p = skipWhitespace(p + 1);
                if (frame.object) {
                    p = parseKey(p, settings, nameOffset, nameInfo);
                }
                break;
            }
            if (*p != (frame.object ? '}' : ']')) {
                fail(p);
            }
            closeContainer(frame, p);
            m_frames.pop_back();
            ++p;
        }
    }
}

} // namespace netcomp::json

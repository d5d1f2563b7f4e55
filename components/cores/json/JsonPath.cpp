#include "components/cores/json/JsonPath.h"

#include "components/cores/common/CoreObject.h"

#include <cstdint>

namespace netcomp::json {
namespace {

using NodeId = JsonDocument::NodeId;

// One step that picks among the children: by name (empty: any), by position.
struct Selector {
    std::string_view name;
    bool anyName = true;
    enum class Position { First, FromStart, FromEnd } position = Position::First;
    uint64_t number = 0; // FromStart: n counting from 1; FromEnd: k before the last
};

bool parseNumber(std::string_view digits, uint64_t& value)
{
    if (digits.empty()) {
        return false;
    }
    value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return false;
        }
        // Saturate: a position that large selects nothing anyway.
        value = value > (UINT64_MAX - 9) / 10 ? UINT64_MAX : value * 10 + (c - '0');
    }
    return true;
}

std::optional<Selector> parseSelector(std::string_view step)
{
    Selector selector;
    const std::size_t bracket = step.find('[');
    std::string_view name = step.substr(0, bracket);
    if (bracket != std::string_view::npos) {
        if (step.back() != ']') {
            return std::nullopt;
        }
        const std::string_view predicate = step.substr(bracket + 1, step.size() - bracket - 2);
        constexpr std::string_view kLast = "last()";
        if (predicate.substr(0, kLast.size()) == kLast) {
            selector.position = Selector::Position::FromEnd;
            const std::string_view rest = predicate.substr(kLast.size());
            if (!rest.empty() &&
                (rest.front() != '-' || !parseNumber(rest.substr(1), selector.number))) {
                return std::nullopt;
            }
        } else {
            selector.position = Selector::Position::FromStart;
            if (!parseNumber(predicate, selector.number)) {
                return std::nullopt;
            }
        }
    }
    if (name.find_first_of("[]") != std::string_view::npos) {
        return std::nullopt;
    }
    selector.anyName = name.empty() || name == "*";
    selector.name = name;
    return selector;
}

// The children a step chooses from: those of a node, or the root alone above it.
class Level {
public:
    Level(const JsonDocument& doc, std::optional<NodeId> node) : m_doc(doc), m_node(node) {}

    uint64_t count() const { return m_node ? m_doc.childCount(*m_node) : 1; }
    NodeId at(uint64_t index) const
    {
        return m_node ? m_doc.child(*m_node, static_cast<uint32_t>(index)) : m_doc.root();
    }

private:
    const JsonDocument& m_doc;
    std::optional<NodeId> m_node;
};

std::optional<NodeId> select(const JsonDocument& doc, const Level& level, const Selector& s)
{
    const uint64_t count = level.count();
    if (s.anyName) {
        switch (s.position) {
        case Selector::Position::First:
            return count ? std::optional(level.at(0)) : std::nullopt;
        case Selector::Position::FromStart:
            return s.number >= 1 && s.number <= count ? std::optional(level.at(s.number - 1))
                                                      : std::nullopt;
        case Selector::Position::FromEnd:
            return s.number < count ? std::optional(level.at(count - 1 - s.number)) : std::nullopt;
        }
    }
    auto matches = [&](NodeId id) { return core::equalsIgnoringCase(doc.name(id), s.name); };
    if (s.position == Selector::Position::FromEnd) {
        uint64_t skip = s.number;
        for (uint64_t i = count; i-- > 0;) {
            if (matches(level.at(i)) && skip-- == 0) {
                return level.at(i);
            }
        }
        return std::nullopt;
    }
    uint64_t wanted = s.position == Selector::Position::First ? 1 : s.number;
    if (wanted == 0) {
        return std::nullopt;
    }
    for (uint64_t i = 0; i < count; ++i) {
        if (matches(level.at(i)) && --wanted == 0) {
            return level.at(i);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<NodeId> selectPath(const JsonDocument& doc, std::optional<NodeId> current,
                                 std::string_view path)
{
    // Empty means above the root.
    std::optional<NodeId> node = path.starts_with('/') ? std::nullopt : current;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view step = path.substr(0, slash);
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
        if (step.empty() || step == ".") {
            continue;
        }
        if (step == "..") {
            if (!node) {
                return std::nullopt;
            }
            node = doc.parent(*node);
            if (!node) {
                return std::nullopt;
            }
            continue;
        }
        const std::optional<Selector> selector = parseSelector(step);
        if (!selector) {
            return std::nullopt;
        }
        node = select(doc, Level(doc, node), *selector);
        if (!node) {
            return std::nullopt;
        }
    }
    return node;
}

} // namespace netcomp::json

#pragma once

#include "components/cores/json/GrowableArray.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace netcomp::json {

class JsonParser;

// The tree of one parsed JSON value. Nodes are numbered in document order (the root
// is 0); each container keeps its children's ids contiguously, so the n-th child is
// found in constant time. Texts are spans of the parser's input buffer, or of a side
// buffer for strings whose escapes were decoded; the input is never changed. The arrays
// and the side buffer share one block sized by the parser for the input at hand.
//
// A document reads the input through the parser that built it and is valid only
// while that parser lives and has not been reset.
class JsonDocument {
public:
    using NodeId = uint32_t;
    enum class Kind : uint8_t { Object, Array, String, Primitive };

    static constexpr std::string_view kRootName = "json";

    JsonDocument(const JsonDocument&) = delete;
    JsonDocument& operator=(const JsonDocument&) = delete;

    NodeId root() const { return 0; }
    std::size_t size() const { return m_nodes.size(); }

    Kind kind(NodeId id) const;
    bool isContainer(NodeId id) const { return kind(id) <= Kind::Array; }
    // The root is "json", members carry their key as processed by the parse settings,
    // array items have no name.
    std::string_view name(NodeId id) const;
    // Scalars: the value as processed; containers: their JSON text as written.
    std::string_view text(NodeId id) const;
    std::optional<NodeId> parent(NodeId id) const;
    uint32_t childCount(NodeId id) const;
    // zeroBasedIndex must be below childCount(id).
    NodeId child(NodeId id, uint32_t zeroBasedIndex) const;

private:
    friend class JsonParser;

    static constexpr uint32_t kSideFlag = 0x8000'0000u;
    static constexpr uint32_t kLengthMask = 0x1FFF'FFFFu;
    static constexpr int kKindShift = 29;

    struct Node {
        uint32_t textOffset; // container: offset of its opening bracket in the input
        uint32_t textInfo;   // length (scalar) or container index, kind, side-buffer flag
        uint32_t nameOffset;
        uint32_t nameInfo; // length, side-buffer flag
    };
    struct Container {
        uint32_t firstChild; // into m_children
        uint32_t childCount;
        uint32_t end; // input offset just after the closing bracket
    };

    explicit JsonDocument(const std::string* input) : m_input(input) {}

    std::string_view span(uint32_t offset, uint32_t info) const;
    const Container& container(NodeId id) const;
    void release();

    const std::string* m_input;
    // Lent to the arrays below and to the parser's working stacks.
    std::unique_ptr<std::byte[]> m_storage;
    GrowableArray<Node> m_nodes;
    GrowableArray<Container> m_containers;
    GrowableArray<NodeId> m_children;
    GrowableArray<char> m_side;
};

} // namespace netcomp::json

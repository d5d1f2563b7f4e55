#include "components/cores/json/JsonDocument.h"

#include <algorithm>

namespace netcomp::json {

JsonDocument::Kind JsonDocument::kind(NodeId id) const
{
    return static_cast<Kind>((m_nodes[id].textInfo >> kKindShift) & 3u);
}

std::string_view JsonDocument::span(uint32_t offset, uint32_t info) const
{
    const char* buffer = (info & kSideFlag) ? m_side.data() : m_input->data();
    return std::string_view(buffer + offset, info & kLengthMask);
}

const JsonDocument::Container& JsonDocument::container(NodeId id) const
{
    return m_containers[m_nodes[id].textInfo & kLengthMask];
}

std::string_view JsonDocument::name(NodeId id) const
{
    if (id == root()) {
        return kRootName;
    }
    const Node& node = m_nodes[id];
    return span(node.nameOffset, node.nameInfo);
}

std::string_view JsonDocument::text(NodeId id) const
{
    const Node& node = m_nodes[id];
    if (isContainer(id)) {
        return std::string_view(*m_input).substr(node.textOffset,
                                                 container(id).end - node.textOffset);
    }
    return span(node.textOffset, node.textInfo);
}

uint32_t JsonDocument::childCount(NodeId id) const
{
    return isContainer(id) ? container(id).childCount : 0;
}

JsonDocument::NodeId JsonDocument::child(NodeId id, uint32_t zeroBasedIndex) const
{
    return m_children[container(id).firstChild + zeroBasedIndex];
}

std::optional<JsonDocument::NodeId> JsonDocument::parent(NodeId id) const
{
    // Ids follow document order, so a container's children ascend and the subtree of
    // a child ends where the next child begins: descend from the root towards id.
    if (id == root() || id >= m_nodes.size()) {
        return std::nullopt;
    }
    NodeId current = root();
    for (;;) {
        const Container& c = container(current);
        const NodeId* first = m_children.data() + c.firstChild;
        const NodeId* last = first + c.childCount;
        const NodeId* next = std::upper_bound(first, last, id);
        const NodeId holder = *(next - 1);
        if (holder == id) {
            return current;
        }
        current = holder;
    }
}

void JsonDocument::release()
{
    m_nodes.release();
    m_containers.release();
    m_children.release();
    m_side.release();
    m_storage.reset();
}

} // namespace netcomp::json

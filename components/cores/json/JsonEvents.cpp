#include "components/cores/json/JsonEvents.h"

#include "components/codepage/CodePage.h"

#include <vector>

namespace netcomp::json {

void JsonEvents::fire(int32_t eventId, int32_t count, netcomp_value* slots, netcomp_value* lengths,
                      int32_t textSlot, int codePage)
{
    slots[textSlot] = reinterpret_cast<netcomp_value>(m_bytes.c_str());
    lengths[textSlot] = static_cast<netcomp_value>(m_bytes.size());
    if (m_sink(m_context, eventId, count, slots, lengths) != NETCOMP_EVENT_WANT_UTF16 || !m_sink) {
        return;
    }
    m_utf16 = decode(m_bytes, codePage);
    slots[textSlot] = reinterpret_cast<netcomp_value>(m_utf16.c_str());
    lengths[textSlot] = static_cast<netcomp_value>(m_utf16.size());
    m_sink(m_context, eventId + NETCOMP_ID_UTF16, count, slots, lengths);
}

void JsonEvents::text(int32_t eventId, std::string_view text, int codePage)
{
    if (!m_sink) {
        return;
    }
    m_bytes.assign(text);
    netcomp_value slots[2] = {};
    netcomp_value lengths[2] = {};
    fire(eventId, 1, slots, lengths, 0, codePage);
}

void JsonEvents::error(int32_t code, std::string_view text, int codePage)
{
    if (!m_sink) {
        return;
    }
    m_bytes.assign(text);
    netcomp_value slots[3] = {code, 0, 0};
    netcomp_value lengths[3] = {};
    fire(NETCOMP_JSON_EVENT_ON_ERROR, 2, slots, lengths, 1, codePage);
}

void JsonEvents::elements(const JsonDocument& doc, int codePage)
{
    if (!m_sink) {
        return;
    }
    struct Open {
        JsonDocument::NodeId node;
        uint32_t next;
    };
    std::vector<Open> open;
    auto enter = [&](JsonDocument::NodeId id) {
        text(NETCOMP_JSON_EVENT_ON_START_ELEMENT, doc.name(id), codePage);
        if (doc.isContainer(id)) {
            open.push_back({id, 0});
            return;
        }
        text(NETCOMP_JSON_EVENT_ON_CHARACTERS, doc.text(id), codePage);
        text(NETCOMP_JSON_EVENT_ON_END_ELEMENT, doc.name(id), codePage);
    };
    enter(doc.root());
    while (!open.empty() && m_sink) {
        Open& top = open.back();
        if (top.next < doc.childCount(top.node)) {
            enter(doc.child(top.node, top.next++));
            continue;
        }
        const JsonDocument::NodeId done = top.node;
        open.pop_back();
        text(NETCOMP_JSON_EVENT_ON_END_ELEMENT, doc.name(done), codePage);
    }
}

} // namespace netcomp::json

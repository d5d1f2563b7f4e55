#pragma once

#include "components/cores/json/JsonDocument.h"
#include "components/cores/netcomp_api.h"

#include <string>
#include <string_view>

namespace netcomp::json {

// Fires the JSON core's events through the sink: once with the plain id and 8-bit text,
// and again with id + 10000 and UTF-16 text only when the sink asks for it. Kept apart
// from the general event path because a document fires several events per node and a
// sink without handlers must cost next to nothing.
class JsonEvents {
public:
    JsonEvents(netcomp_event_sink sink, void* context) : m_sink(sink), m_context(context) {}

    bool connected() const { return m_sink != nullptr; }
    // No event reaches the sink any more, also not the rest of a running walk.
    void disconnect() { m_sink = nullptr; }
    void text(int32_t eventId, std::string_view text, int codePage);
    void error(int32_t code, std::string_view text, int codePage);
    // OnStartElement, OnCharacters (scalars) and OnEndElement for every node, in
    // document order.
    void elements(const JsonDocument& doc, int codePage);

private:
    void fire(int32_t eventId, int32_t count, netcomp_value* slots, netcomp_value* lengths,
              int32_t textSlot, int codePage);

    netcomp_event_sink m_sink;
    void* m_context;
    std::string m_bytes;
    std::u16string m_utf16;
};

} // namespace netcomp::json

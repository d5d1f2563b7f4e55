#pragma once

#include "components/cores/common/CoreError.h"
#include "components/cores/netcomp_api.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace netcomp::core {

// One event parameter as a core fires it. Texts are 8-bit in the component's code
// page on the first firing and UTF-16 on the second; bytes travel unchanged.
struct EventParam {
    enum class Kind { Text, Bytes, Integer, Flag };
    Kind kind;
    std::string bytes;   // Text, Bytes
    int64_t integer = 0; // Integer, Flag (in/out)

    static EventParam text(std::string value) { return {Kind::Text, std::move(value), 0}; }
    static EventParam data(std::string value) { return {Kind::Bytes, std::move(value), 0}; }
    static EventParam number(int64_t value) { return {Kind::Integer, {}, value}; }
    static EventParam flag(bool value) { return {Kind::Flag, {}, value ? 1 : 0}; }
};

// Base of the three core objects: the handle behind the entry points. Keeps the last
// error, the code page, the event sink and the buffers that returned texts live in.
class CoreObject {
public:
    static constexpr uint32_t kMagic = 0x4E43'4F52; // "NCOR"

    CoreObject(netcomp_event_sink sink, void* context) : m_sink(sink), m_context(context) {}
    virtual ~CoreObject() = default;
    CoreObject(const CoreObject&) = delete;
    CoreObject& operator=(const CoreObject&) = delete;

    // The class's own dispatch; each may throw CoreError.
    virtual netcomp_value getProperty(int32_t id, int32_t index, int32_t* length) = 0;
    virtual void setProperty(int32_t id, int32_t index, netcomp_value value, int32_t length) = 0;
    virtual void invoke(int32_t id, int32_t argCount, netcomp_value* args,
                        netcomp_value* lengths) = 0;
    virtual void checkIndex(int32_t id, int32_t index);

    uint32_t magic() const { return m_magic; }

    // A call is running on this object (maybe waiting in a transfer, with events firing).
    // Destroying it then stops the running call and its events; the outermost call
    // deletes the object on its way out.
    int callDepth() const { return m_callDepth; }
    void enterCall() { ++m_callDepth; }
    bool leaveCall() { return --m_callDepth == 0 && m_destroyPending; }
    void markDestroyed();
    int codePage() const { return m_codePage; }

    void setLastError(int32_t code, std::string text);
    const char* lastError() const { return m_lastErrorCode ? m_lastError.c_str() : nullptr; }
    int32_t lastErrorCode() const { return m_lastErrorCode; }

protected:
    // A text argument as bytes: plain id 8-bit as given, +10000 UTF-16 converted with
    // the code page, +20000 UTF-16 file name converted to UTF-8. Length 0 means the
    // text ends with a zero.
    std::string textArgument(int32_t id, netcomp_value value, netcomp_value length) const;
    // Returns bytes as the property protocol wants them for this id.
    netcomp_value returnText(int32_t id, std::string_view bytes, int32_t* length);
    netcomp_value returnMethodText(int32_t id, std::string_view bytes, netcomp_value* lengthSlot);

    // The plain id of a text property or method, and whether it is one of the
    // three encodings.
    static int32_t plainId(int32_t id);

    // Config: "Name=Value" sets, "Name" reads; names compare without regard to case.
    // Derived classes answer their own names and defer the rest to this base.
    std::string config(std::string_view setting);
    virtual std::optional<std::string> configValue(std::string_view name,
                                                   const std::string* newValue);

    // Fires an event: plain id with 8-bit texts, then, when the sink asks for it,
    // id + 10000 with UTF-16 texts. Flags are read back after each firing.
    void fire(int32_t eventId, std::vector<EventParam>& params);

    // Destroy arrived while a call runs: end that call soon. Events are already silenced.
    virtual void stopRunningCall() {}

    static void requireArgs(int32_t argCount, int32_t expected);
    [[noreturn]] static void unknownProperty(int32_t id);
    [[noreturn]] static void unknownMethod(int32_t id);
    [[noreturn]] static void readOnly(int32_t id);

private:
    uint32_t m_magic = kMagic;
    int m_callDepth = 0;
    bool m_destroyPending = false;
    netcomp_event_sink m_sink;
    void* m_context;
    int m_codePage = 0;
    int32_t m_lastErrorCode = 0;
    std::string m_lastError;
    std::string m_bytes;
    std::u16string m_text;
    std::string m_methodBytes;
    std::u16string m_methodText;
};

bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace netcomp::core

#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

namespace netcomp {
struct CoreEntryPoints;
namespace binding {
class CoreClass;
}
} // namespace netcomp

// What the three component classes share: the handle of their core object, the calls
// through the class's entry points, and the one error treatment: a nonzero result
// raises ENetCore with that code and the core's last error text.
class TnetComponent {
public:
    TnetComponent(const TnetComponent&) = delete;
    TnetComponent& operator=(const TnetComponent&) = delete;

protected:
    explicit TnetComponent(netcomp::binding::CoreClass& coreClass);
    virtual ~TnetComponent();

    // Reads raise nothing.
    bool getBool(int32_t id) const;
    int32_t getInt(int32_t id) const;
    std::u16string getText(int32_t id) const;
    std::u16string getTextWithLength(int32_t id) const;
    std::string getBytes(int32_t id) const;
    std::u16string getFileName(int32_t id) const;
    // Array properties check the index first.
    std::u16string getIndexedText(int32_t id, int32_t index, const char* indexName);

    void setBool(int32_t id, bool value);
    void setInt(int32_t id, int32_t value);
    void setText(int32_t id, std::u16string_view value);
    void setTextWithLength(int32_t id, std::u16string_view value);
    void setFileName(int32_t id, std::u16string_view value);

    void call(int32_t methodId);
    void call(int32_t methodId, std::u16string_view argument);
    std::u16string callText(int32_t methodId, std::u16string_view argument);

    // First firing of an event (plain id, 8-bit texts): return true when a handler is
    // assigned, so the core fires it again with UTF-16 texts.
    virtual bool eventFired(int32_t eventId, int32_t count, intptr_t* params,
                            intptr_t* lengths) = 0;
    // Second firing: build the parameters, call the handler, write outputs back.
    virtual void eventFiredUtf16(int32_t eventId, int32_t count, intptr_t* params,
                                 intptr_t* lengths) = 0;

private:
    friend struct TnetEventSink;
    const netcomp::CoreEntryPoints& entry() const;
    void check(int32_t result);
    void checkIndex(int32_t id, int32_t index, const char* indexName);
    intptr_t callWithText(int32_t methodId, std::u16string_view argument, intptr_t* resultLength);
    // False when the component was destroyed during the call.
    bool invoke(int32_t methodId, int32_t count, intptr_t* args, intptr_t* lengths);

    netcomp::binding::CoreClass& m_class;
    void* m_handle = nullptr;
    std::exception_ptr m_pendingError;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

#include "components/wrappers/TnetComponent.h"

#include "components/binding/CoreClass.h"
#include "components/codepage/CodePage.h"
#include "components/cores/ErrorTexts.h"
#include "components/wrappers/ENetCore.h"

#include <cstring>

using netcomp::binding::CoreClass;

namespace {

// The event sink every wrapper hands to its core. Nothing may unwind through the core,
// so an exception from a handler is kept and raised again when the call returns.
int32_t eventSink(void* context, int32_t eventId, int32_t count, netcomp_value* params,
                  netcomp_value* lengths);

} // namespace

struct TnetEventSink {
    static int32_t fire(TnetComponent& component, int32_t eventId, int32_t count,
                        netcomp_value* params, netcomp_value* lengths)
    {
        if (component.m_pendingError) {
            return 0;
        }
        try {
            if (eventId < NETCOMP_ID_UTF16) {
                return component.eventFired(eventId, count, params, lengths)
                           ? NETCOMP_EVENT_WANT_UTF16
                           : 0;
            }
            component.eventFiredUtf16(eventId - NETCOMP_ID_UTF16, count, params, lengths);
        } catch (...) {
            component.m_pendingError = std::current_exception();
        }
        return 0;
    }
};

namespace {

int32_t eventSink(void* context, int32_t eventId, int32_t count, netcomp_value* params,
                  netcomp_value* lengths)
{
    return TnetEventSink::fire(*static_cast<TnetComponent*>(context), eventId, count, params,
                               lengths);
}

const char16_t kEmptyText[] = u"";

netcomp_value textValue(std::u16string_view text, std::u16string& buffer)
{
    if (text.empty()) {
        return reinterpret_cast<netcomp_value>(kEmptyText);
    }
    buffer.assign(text);
    return reinterpret_cast<netcomp_value>(buffer.c_str());
}

} // namespace

TnetComponent::TnetComponent(CoreClass& coreClass) : m_class(coreClass)
{
    const auto& entry = m_class.entryPoints();
    m_handle = entry.create(&eventSink, this, 0);
    if (!m_handle) {
        throw EOutOfMemory("Error initializing " + m_class.className() + ".");
    }
}

TnetComponent::~TnetComponent()
{
    *m_alive = false;
    if (m_handle) {
        m_class.entryPoints().destroy(m_handle);
    }
    m_handle = nullptr;
}

const netcomp::CoreEntryPoints& TnetComponent::entry() const
{
    return m_class.entryPoints();
}

void TnetComponent::check(int32_t result)
{
    if (m_pendingError) {
        auto error = m_pendingError;
        m_pendingError = nullptr;
        std::rethrow_exception(error);
    }
    if (result == 0) {
        return;
    }
    const char* text = entry().getLastError(m_handle);
    throw ENetCore(result, netcomp::toUtf8(netcomp::fromAnsi(text ? text : "")));
}

bool TnetComponent::getBool(int32_t id) const
{
    return entry().get(m_handle, id, 0, nullptr) != 0;
}

int32_t TnetComponent::getInt(int32_t id) const
{
    return static_cast<int32_t>(entry().get(m_handle, id, 0, nullptr));
}

std::u16string TnetComponent::getText(int32_t id) const
{
    const auto* p =
        reinterpret_cast<const char16_t*>(entry().get(m_handle, id + NETCOMP_ID_UTF16, 0, nullptr));
    return p ? std::u16string(p) : std::u16string();
}

std::u16string TnetComponent::getTextWithLength(int32_t id) const
{
    int32_t length = 0;
    const auto* p =
        reinterpret_cast<const char16_t*>(entry().get(m_handle, id + NETCOMP_ID_UTF16, 0, &length));
    return p ? std::u16string(p, static_cast<std::size_t>(length)) : std::u16string();
}

std::string TnetComponent::getBytes(int32_t id) const
{
    int32_t length = 0;
    const auto* p = reinterpret_cast<const char*>(entry().get(m_handle, id, 0, &length));
    return p ? std::string(p, static_cast<std::size_t>(length)) : std::string();
}

std::u16string TnetComponent::getFileName(int32_t id) const
{
    const auto* p = reinterpret_cast<const char16_t*>(
        entry().get(m_handle, id + NETCOMP_ID_FILENAME, 0, nullptr));
    return p ? std::u16string(p) : std::u16string();
}

std::u16string TnetComponent::getIndexedText(int32_t id, int32_t index, const char* indexName)
{
    checkIndex(id, index, indexName);
    const auto* p = reinterpret_cast<const char16_t*>(
        entry().get(m_handle, id + NETCOMP_ID_UTF16, index, nullptr));
    return p ? std::u16string(p) : std::u16string();
}

void TnetComponent::checkIndex(int32_t id, int32_t index, const char* indexName)
{
    const int32_t result = entry().checkIndex(m_handle, id, index);
    if (result != 0) {
        throw ENetCore(result, std::string(netcomp::errorText(NETCOMP_ERR_INVALID_INDEX)) + " (" +
                                   indexName + ").");
    }
}

void TnetComponent::setBool(int32_t id, bool value)
{
    check(entry().set(m_handle, id, 0, value ? 1 : 0, 0));
}

void TnetComponent::setInt(int32_t id, int32_t value)
{
    check(entry().set(m_handle, id, 0, value, 0));
}

void TnetComponent::setText(int32_t id, std::u16string_view value)
{
    std::u16string buffer;
    check(entry().set(m_handle, id + NETCOMP_ID_UTF16, 0, textValue(value, buffer), 0));
}

void TnetComponent::setTextWithLength(int32_t id, std::u16string_view value)
{
    std::u16string buffer;
    check(entry().set(m_handle, id + NETCOMP_ID_UTF16, 0, textValue(value, buffer),
                      static_cast<int32_t>(value.size())));
}

void TnetComponent::setFileName(int32_t id, std::u16string_view value)
{
    std::u16string buffer;
    check(entry().set(m_handle, id + NETCOMP_ID_FILENAME, 0, textValue(value, buffer), 0));
}

bool TnetComponent::invoke(int32_t methodId, int32_t count, netcomp_value* args,
                           netcomp_value* lengths)
{
    // A handler may destroy this component inside the call; then none of it is touched.
    const std::shared_ptr<bool> alive = m_alive;
    const netcomp::CoreEntryPoints& entryPoints = entry();
    const int32_t result =
        entryPoints.doMethod(m_handle, methodId + NETCOMP_ID_UTF16, count, args, lengths);
    if (!*alive) {
        return false;
    }
    check(result);
    return true;
}

void TnetComponent::call(int32_t methodId)
{
    netcomp_value args[1] = {0};
    netcomp_value lengths[1] = {0};
    invoke(methodId, 0, args, lengths);
}

netcomp_value TnetComponent::callWithText(int32_t methodId, std::u16string_view argument,
                                          netcomp_value* resultLength)
{
    std::u16string buffer;
    netcomp_value args[2] = {textValue(argument, buffer), 0};
    netcomp_value lengths[2] = {0, 0};
    if (!invoke(methodId, 1, args, lengths)) {
        return 0;
    }
    if (resultLength) {
        *resultLength = lengths[1];
    }
    return args[1];
}

void TnetComponent::call(int32_t methodId, std::u16string_view argument)
{
    callWithText(methodId, argument, nullptr);
}

std::u16string TnetComponent::callText(int32_t methodId, std::u16string_view argument)
{
    netcomp_value length = 0;
    const auto* p = reinterpret_cast<const char16_t*>(callWithText(methodId, argument, &length));
    if (!p) {
        return {};
    }
    return length ? std::u16string(p, static_cast<std::size_t>(length)) : std::u16string(p);
}

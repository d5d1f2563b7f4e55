#include "tests/components/http/CoreClient.h"

#include "components/codepage/CodePage.h"

#include <stdexcept>

CoreApi httpCoreApi()
{
    return {&NetComp_HTTP_Create,       &NetComp_HTTP_Destroy,
            &NetComp_HTTP_Get,          &NetComp_HTTP_Set,
            &NetComp_HTTP_Do,           &NetComp_HTTP_CheckIndex,
            &NetComp_HTTP_GetLastError, &NetComp_HTTP_GetLastErrorCode};
}

CoreApi restCoreApi()
{
    return {&NetComp_REST_Create,       &NetComp_REST_Destroy,
            &NetComp_REST_Get,          &NetComp_REST_Set,
            &NetComp_REST_Do,           &NetComp_REST_CheckIndex,
            &NetComp_REST_GetLastError, &NetComp_REST_GetLastErrorCode};
}

void PrintTo(const Outcome& outcome, std::ostream* out)
{
    *out << "{" << outcome.code << ", \"" << outcome.text << "\"}";
}

std::u16string utf16(std::string_view utf8Text)
{
    return netcomp::decode(utf8Text, netcomp::kCodePageUtf8);
}

std::string utf8(std::u16string_view text)
{
    return netcomp::encode(text, netcomp::kCodePageUtf8);
}

CoreClient::CoreClient(const CoreApi& api) : m_api(api)
{
    m_handle = m_api.create(&CoreClient::sink, this, 0);
    if (!m_handle) {
        throw std::runtime_error("core object not created");
    }
}

CoreClient::~CoreClient()
{
    m_api.destroy(m_handle);
}

Outcome CoreClient::outcome(int32_t code)
{
    if (code == 0) {
        return {};
    }
    const char* text = m_api.getLastError(m_handle);
    return {code, text ? text : ""};
}

Outcome CoreClient::call(int32_t methodId, std::string_view utf8Argument)
{
    const std::u16string argument = utf16(utf8Argument);
    netcomp_value args[2] = {reinterpret_cast<netcomp_value>(argument.c_str()), 0};
    netcomp_value lengths[2] = {static_cast<netcomp_value>(argument.size()), 0};
    return outcome(m_api.doMethod(m_handle, methodId + NETCOMP_ID_UTF16, 1, args, lengths));
}

Outcome CoreClient::call(int32_t methodId)
{
    netcomp_value args[1] = {0};
    netcomp_value lengths[1] = {0};
    return outcome(m_api.doMethod(m_handle, methodId + NETCOMP_ID_UTF16, 0, args, lengths));
}

Outcome CoreClient::config(int32_t methodId, std::string_view setting, std::string* configAnswer)
{
    const std::u16string argument = utf16(setting);
    netcomp_value args[2] = {reinterpret_cast<netcomp_value>(argument.c_str()), 0};
    netcomp_value lengths[2] = {0, 0};
    const Outcome result =
        outcome(m_api.doMethod(m_handle, methodId + NETCOMP_ID_UTF16, 1, args, lengths));
    if (result.code == 0 && configAnswer) {
        *configAnswer = utf8(std::u16string_view(reinterpret_cast<const char16_t*>(args[1]),
                                                 static_cast<std::size_t>(lengths[1])));
    }
    return result;
}

Outcome CoreClient::setValue(int32_t propertyId, intptr_t value)
{
    return outcome(m_api.set(m_handle, propertyId, 0, value, 0));
}

Outcome CoreClient::setText(int32_t propertyId, std::string_view utf8Text)
{
    const std::u16string text = utf16(utf8Text);
    return outcome(m_api.set(m_handle, propertyId + NETCOMP_ID_UTF16, 0,
                             reinterpret_cast<netcomp_value>(text.c_str()),
                             static_cast<int32_t>(text.size())));
}

Outcome CoreClient::setFileName(int32_t propertyId, std::string_view utf8Name)
{
    const std::u16string name = utf16(utf8Name);
    return outcome(m_api.set(m_handle, propertyId + NETCOMP_ID_FILENAME, 0,
                             reinterpret_cast<netcomp_value>(name.c_str()), 0));
}

Outcome CoreClient::setBytes(int32_t propertyId, std::string_view data)
{
    return outcome(m_api.set(m_handle, propertyId, 0, reinterpret_cast<netcomp_value>(data.data()),
                             static_cast<int32_t>(data.size())));
}

intptr_t CoreClient::value(int32_t propertyId)
{
    return m_api.get(m_handle, propertyId, 0, nullptr);
}

std::string CoreClient::text(int32_t propertyId)
{
    int32_t length = 0;
    const auto* p = reinterpret_cast<const char16_t*>(
        m_api.get(m_handle, propertyId + NETCOMP_ID_UTF16, 0, &length));
    return p ? utf8(std::u16string_view(p, static_cast<std::size_t>(length))) : std::string();
}

std::string CoreClient::bytes(int32_t propertyId)
{
    int32_t length = 0;
    const auto* p = reinterpret_cast<const char*>(m_api.get(m_handle, propertyId, 0, &length));
    return p ? std::string(p, static_cast<std::size_t>(length)) : std::string();
}

int32_t CoreClient::sink(void* context, int32_t eventId, int32_t count, netcomp_value* params,
                         netcomp_value* lengths)
{
    auto& client = *static_cast<CoreClient*>(context);
    if (eventId == NETCOMP_HTTP_EVENT_ON_DO_EVENTS) {
        ++client.doEventsCount;
        if (client.onDoEvents) {
            client.onDoEvents();
        }
        return 0;
    }
    RecordedEvent event{eventId, {}};
    auto textAt = [&](int i) {
        return std::string(reinterpret_cast<const char*>(params[i]),
                           static_cast<std::size_t>(lengths[i]));
    };
    auto numberAt = [&](int i) { return std::to_string(params[i]); };
    switch (eventId) {
    case NETCOMP_HTTP_EVENT_ON_HEADER:
        event.values = {textAt(0), textAt(1)};
        break;
    case NETCOMP_HTTP_EVENT_ON_STATUS:
        event.values = {textAt(0), numberAt(1), textAt(2)};
        break;
    case NETCOMP_HTTP_EVENT_ON_TRANSFER:
        event.values = {numberAt(0), textAt(1)};
        break;
    default:
        for (int i = 0; i < count; ++i) {
            event.values.push_back(numberAt(i));
        }
        break;
    }
    client.events.push_back(std::move(event));
    if (client.onEvent) {
        client.onEvent(eventId);
    }
    return 0;
}

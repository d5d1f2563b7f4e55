#include "components/cores/common/CoreObject.h"

#include "components/codepage/CodePage.h"
#include "components/cores/common/CoreError.h"

#include <charconv>
#include <cstring>

namespace netcomp::core {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

void CoreObject::checkIndex(int32_t id, int32_t)
{
    unknownProperty(id);
}

void CoreObject::markDestroyed()
{
    m_destroyPending = true;
    stopRunningCall();
}

void CoreObject::setLastError(int32_t code, std::string text)
{
    m_lastErrorCode = code;
    m_lastError = std::move(text);
}

int32_t CoreObject::plainId(int32_t id)
{
    if (id >= NETCOMP_ID_FILENAME) {
        return id - NETCOMP_ID_FILENAME;
    }
    if (id >= NETCOMP_ID_UTF16) {
        return id - NETCOMP_ID_UTF16;
    }
    return id;
}

std::string CoreObject::textArgument(int32_t id, netcomp_value value, netcomp_value length) const
{
    if (length < 0) {
        throw CoreError(NETCOMP_ERR_INVALID_VALUE,
                        "Invalid text length (" + std::to_string(length) + ").");
    }
    if (value == 0) {
        return {};
    }
    if (id >= NETCOMP_ID_UTF16) {
        const auto* p = reinterpret_cast<const char16_t*>(value);
        std::size_t n = static_cast<std::size_t>(length);
        if (n == 0) {
            n = std::char_traits<char16_t>::length(p);
        }
        const int cp = id >= NETCOMP_ID_FILENAME ? kCodePageUtf8 : m_codePage;
        return encode(std::u16string_view(p, n), cp);
    }
    const auto* p = reinterpret_cast<const char*>(value);
    const std::size_t n = length ? static_cast<std::size_t>(length) : std::strlen(p);
    return std::string(p, n);
}

netcomp_value CoreObject::returnText(int32_t id, std::string_view bytes, int32_t* length)
{
    if (id >= NETCOMP_ID_UTF16) {
        m_text = decode(bytes, id >= NETCOMP_ID_FILENAME ? kCodePageUtf8 : m_codePage);
        if (length) {
            *length = static_cast<int32_t>(m_text.size());
        }
        return reinterpret_cast<netcomp_value>(m_text.c_str());
    }
    m_bytes.assign(bytes);
    if (length) {
        *length = static_cast<int32_t>(m_bytes.size());
    }
    return reinterpret_cast<netcomp_value>(m_bytes.c_str());
}

netcomp_value CoreObject::returnMethodText(int32_t id, std::string_view bytes,
                                           netcomp_value* lengthSlot)
{
    if (id >= NETCOMP_ID_UTF16) {
        m_methodText = decode(bytes, m_codePage);
        if (lengthSlot) {
            *lengthSlot = static_cast<netcomp_value>(m_methodText.size());
        }
        return reinterpret_cast<netcomp_value>(m_methodText.c_str());
    }
    m_methodBytes.assign(bytes);
    if (lengthSlot) {
        *lengthSlot = static_cast<netcomp_value>(m_methodBytes.size());
    }
    return reinterpret_cast<netcomp_value>(m_methodBytes.c_str());
}

std::string CoreObject::config(std::string_view setting)
{
    const auto eq = setting.find('=');
    std::string_view name = setting.substr(0, eq);
    while (!name.empty() && name.back() == ' ') {
        name.remove_suffix(1);
    }
    while (!name.empty() && name.front() == ' ') {
        name.remove_prefix(1);
    }
    std::optional<std::string> result;
    if (eq == std::string_view::npos) {
        result = configValue(name, nullptr);
    } else {
        const std::string value(setting.substr(eq + 1));
        result = configValue(name, &value);
    }
    if (!result) {
        throw CoreError(NETCOMP_ERR_UNKNOWN_SETTING,
                        "Unknown configuration setting (" + std::string(name) + ").");
    }
    return *result;
}

std::optional<std::string> CoreObject::configValue(std::string_view name,
                                                   const std::string* newValue)
{
    if (equalsIgnoringCase(name, "CodePage")) {
        if (newValue) {
            int cp = 0;
            const auto* first = newValue->data();
            const auto* last = first + newValue->size();
            auto [end, ec] = std::from_chars(first, last, cp);
            if (ec != std::errc() || end != last || !isSupportedCodePage(cp)) {
                throw CoreError(NETCOMP_ERR_INVALID_VALUE,
                                "Unsupported code page (" + *newValue + ").");
            }
            m_codePage = cp;
        }
        return std::to_string(m_codePage);
    }
    return std::nullopt;
}

void CoreObject::fire(int32_t eventId, std::vector<EventParam>& params)
{
    // The sink's owner may be gone once Destroy has returned.
    if (!m_sink || m_destroyPending) {
        return;
    }
    const std::size_t n = params.size();
    std::vector<netcomp_value> slots(n + 1, 0);
    std::vector<netcomp_value> lengths(n + 1, 0);
    std::vector<std::u16string> texts(n);

    auto load = [&](bool utf16) {
        for (std::size_t i = 0; i < n; ++i) {
            EventParam& p = params[i];
            switch (p.kind) {
            case EventParam::Kind::Text:
                if (utf16) {
                    texts[i] = decode(p.bytes, m_codePage);
                    slots[i] = reinterpret_cast<netcomp_value>(texts[i].c_str());
                    lengths[i] = static_cast<netcomp_value>(texts[i].size());
                } else {
                    slots[i] = reinterpret_cast<netcomp_value>(p.bytes.c_str());
                    lengths[i] = static_cast<netcomp_value>(p.bytes.size());
                }
                break;
            case EventParam::Kind::Bytes:
                slots[i] = reinterpret_cast<netcomp_value>(p.bytes.data());
                lengths[i] = static_cast<netcomp_value>(p.bytes.size());
                break;
            case EventParam::Kind::Integer:
            case EventParam::Kind::Flag:
                slots[i] = static_cast<netcomp_value>(p.integer);
                lengths[i] = 0;
                break;
            }
        }
    };
    auto readBack = [&] {
        for (std::size_t i = 0; i < n; ++i) {
            if (params[i].kind == EventParam::Kind::Flag) {
                params[i].integer = slots[i] ? 1 : 0;
            }
        }
    };

    load(false);
    const int32_t answer =
        m_sink(m_context, eventId, static_cast<int32_t>(n), slots.data(), lengths.data());
    readBack();
    if (answer != NETCOMP_EVENT_WANT_UTF16 || m_destroyPending) {
        return;
    }
    load(true);
    m_sink(m_context, eventId + NETCOMP_ID_UTF16, static_cast<int32_t>(n), slots.data(),
           lengths.data());
    readBack();
}

void CoreObject::requireArgs(int32_t argCount, int32_t expected)
{
    if (argCount != expected) {
        throw failure(NETCOMP_ERR_ARGUMENT_COUNT,
                      std::to_string(argCount) + ", expected " + std::to_string(expected));
    }
}

void CoreObject::unknownProperty(int32_t id)
{
    throw failure(NETCOMP_ERR_UNKNOWN_PROPERTY, std::to_string(id));
}

void CoreObject::unknownMethod(int32_t id)
{
    throw failure(NETCOMP_ERR_UNKNOWN_METHOD, std::to_string(id));
}

void CoreObject::readOnly(int32_t id)
{
    throw failure(NETCOMP_ERR_READ_ONLY, std::to_string(id));
}

} // namespace netcomp::core

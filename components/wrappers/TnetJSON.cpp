#include "components/wrappers/TnetJSON.h"

#include "components/binding/CoreClass.h"
#include "components/cores/netcomp_api.h"
#include "components/wrappers/EventParams.h"

TnetJSON::TnetJSON() : TnetComponent(netcomp::binding::jsonCoreClass())
{
}
TnetJSON::~TnetJSON() = default;

bool TnetJSON::BuildDOM() const
{
    return getBool(NETCOMP_JSON_PROP_BUILD_DOM);
}
void TnetJSON::setBuildDOM(bool value)
{
    setBool(NETCOMP_JSON_PROP_BUILD_DOM, value);
}
std::u16string TnetJSON::InputData() const
{
    return getText(NETCOMP_JSON_PROP_INPUT_DATA);
}
void TnetJSON::setInputData(std::u16string_view text)
{
    setText(NETCOMP_JSON_PROP_INPUT_DATA, text);
}
bool TnetJSON::Overwrite() const
{
    return getBool(NETCOMP_JSON_PROP_OVERWRITE);
}
void TnetJSON::setOverwrite(bool value)
{
    setBool(NETCOMP_JSON_PROP_OVERWRITE, value);
}
int32_t TnetJSON::XChildCount() const
{
    return getInt(NETCOMP_JSON_PROP_XCHILD_COUNT);
}
std::u16string TnetJSON::XChildName(int32_t index)
{
    return getIndexedText(NETCOMP_JSON_PROP_XCHILD_NAME, index, "XChildIndex");
}
std::u16string TnetJSON::XPath() const
{
    return getText(NETCOMP_JSON_PROP_XPATH);
}
void TnetJSON::setXPath(std::u16string_view path)
{
    setText(NETCOMP_JSON_PROP_XPATH, path);
}
std::u16string TnetJSON::XText() const
{
    return getText(NETCOMP_JSON_PROP_XTEXT);
}

std::u16string TnetJSON::Config(std::u16string_view setting)
{
    return callText(NETCOMP_JSON_METHOD_CONFIG, setting);
}
void TnetJSON::Parse()
{
    call(NETCOMP_JSON_METHOD_PARSE);
}
void TnetJSON::Reset()
{
    call(NETCOMP_JSON_METHOD_RESET);
}

bool TnetJSON::eventFired(int32_t eventId, int32_t, intptr_t*, intptr_t*)
{
    switch (eventId) {
    case NETCOMP_JSON_EVENT_ON_CHARACTERS:
        return static_cast<bool>(OnCharacters);
    case NETCOMP_JSON_EVENT_ON_END_ELEMENT:
        return static_cast<bool>(OnEndElement);
    case NETCOMP_JSON_EVENT_ON_ERROR:
        return static_cast<bool>(OnError);
    case NETCOMP_JSON_EVENT_ON_IGNORABLE_WHITESPACE:
        return static_cast<bool>(OnIgnorableWhitespace);
    case NETCOMP_JSON_EVENT_ON_JSON:
        return static_cast<bool>(OnJSON);
    case NETCOMP_JSON_EVENT_ON_START_ELEMENT:
        return static_cast<bool>(OnStartElement);
    default:
        return false;
    }
}

void TnetJSON::eventFiredUtf16(int32_t eventId, int32_t count, intptr_t* params, intptr_t* lengths)
{
    using netcomp::events::text;
    if (count < 1) {
        return;
    }
    switch (eventId) {
    case NETCOMP_JSON_EVENT_ON_CHARACTERS:
        if (OnCharacters) {
            OnCharacters(*this, {text(params, lengths, 0)});
        }
        break;
    case NETCOMP_JSON_EVENT_ON_END_ELEMENT:
        if (OnEndElement) {
            OnEndElement(*this, {text(params, lengths, 0)});
        }
        break;
    case NETCOMP_JSON_EVENT_ON_ERROR:
        if (OnError && count >= 2) {
            OnError(*this, {static_cast<int32_t>(params[0]), text(params, lengths, 1)});
        }
        break;
    case NETCOMP_JSON_EVENT_ON_IGNORABLE_WHITESPACE:
        if (OnIgnorableWhitespace) {
            OnIgnorableWhitespace(*this, {text(params, lengths, 0)});
        }
        break;
    case NETCOMP_JSON_EVENT_ON_JSON:
        if (OnJSON) {
            OnJSON(*this, {text(params, lengths, 0)});
        }
        break;
    case NETCOMP_JSON_EVENT_ON_START_ELEMENT:
        if (OnStartElement) {
            OnStartElement(*this, {text(params, lengths, 0)});
        }
        break;
    default:
        break;
    }
}

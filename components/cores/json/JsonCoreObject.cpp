#include "components/cores/json/JsonCoreObject.h"

#include "components/cores/common/CoreError.h"
#include "components/cores/json/JsonPath.h"

#include <charconv>

namespace netcomp::json {
namespace {

using core::CoreError;

// Booleans and integers travel with the plain id only; file-name ids are not used here.
bool isTextId(int32_t id, int32_t plain)
{
    return id == plain || id == plain + NETCOMP_ID_UTF16;
}

} // namespace

JsonCoreObject::JsonCoreObject(netcomp_event_sink sink, void* context)
    : CoreObject(sink, context), m_events(sink, context)
{
}

uint32_t JsonCoreObject::childCount() const
{
    const JsonDocument* doc = m_parser.document();
    return doc && m_current ? doc->childCount(*m_current) : 0;
}

netcomp_value JsonCoreObject::getProperty(int32_t id, int32_t index, int32_t* length)
{
    const JsonDocument* doc = m_parser.document();
    const int32_t plain = id < NETCOMP_ID_FILENAME ? plainId(id) : -1;
    switch (plain) {
    case NETCOMP_JSON_PROP_BUILD_DOM:
        if (id == plain) {
            return m_buildDom;
        }
        break;
    case NETCOMP_JSON_PROP_OVERWRITE:
        if (id == plain) {
            return m_overwrite;
        }
        break;
    case NETCOMP_JSON_PROP_XCHILD_COUNT:
        if (id == plain) {
            return childCount();
        }
        break;
    case NETCOMP_JSON_PROP_INPUT_DATA:
        return returnText(id, m_inputData, length);
    case NETCOMP_JSON_PROP_XPATH:
        return returnText(id, m_xpath, length);
    case NETCOMP_JSON_PROP_XTEXT:
        return returnText(id, doc && m_current ? doc->text(*m_current) : std::string_view(),
                          length);
    case NETCOMP_JSON_PROP_XCHILD_NAME:
        checkIndex(id, index);
        return returnText(id, doc->name(doc->child(*m_current, static_cast<uint32_t>(index))),
                          length);
    }
    unknownProperty(id);
}

void JsonCoreObject::setProperty(int32_t id, int32_t, netcomp_value value, int32_t length)
{
    const int32_t plain = id < NETCOMP_ID_FILENAME ? plainId(id) : -1;
    switch (plain) {
    case NETCOMP_JSON_PROP_BUILD_DOM:
        if (id != plain) {
            break;
        }
        m_buildDom = value != 0;
        return;
    case NETCOMP_JSON_PROP_OVERWRITE:
        if (id != plain) {
            break;
        }
        m_overwrite = value != 0;
        return;
    case NETCOMP_JSON_PROP_INPUT_DATA:
        m_inputData = textArgument(id, value, length);
        return;
    case NETCOMP_JSON_PROP_XPATH:
        setXPath(textArgument(id, value, length));
        return;
    case NETCOMP_JSON_PROP_XCHILD_COUNT:
        if (id == plain) {
            readOnly(id);
        }
        break;
    case NETCOMP_JSON_PROP_XCHILD_NAME:
    case NETCOMP_JSON_PROP_XTEXT:
        readOnly(id);
    }
    unknownProperty(id);
}

void JsonCoreObject::checkIndex(int32_t id, int32_t index)
{
    if (!isTextId(id, NETCOMP_JSON_PROP_XCHILD_NAME)) {
        CoreObject::checkIndex(id, index);
        return;
    }
    if (index < 0 || static_cast<uint32_t>(index) >= childCount()) {
        throw core::failure(NETCOMP_ERR_INVALID_INDEX, "XChildName");
    }
}

void JsonCoreObject::invoke(int32_t id, int32_t argCount, netcomp_value* args,
                            netcomp_value* lengths)
{
    const int32_t plain = id < NETCOMP_ID_FILENAME ? plainId(id) : -1;
    switch (plain) {
    case NETCOMP_JSON_METHOD_CONFIG: {
        requireArgs(argCount, 1);
        const std::string value = config(textArgument(id, args[0], lengths[0]));
        args[1] = returnMethodText(id, value, &lengths[1]);
        return;
    }
    case NETCOMP_JSON_METHOD_PARSE:
        requireArgs(argCount, 0);
        refuseWhileParsing();
        parse();
        return;
    case NETCOMP_JSON_METHOD_RESET:
        requireArgs(argCount, 0);
        refuseWhileParsing();
        reset();
        return;
    }
    unknownMethod(id);
}

std::optional<std::string> JsonCoreObject::configValue(std::string_view name,
                                                       const std::string* newValue)
{
    if (!core::equalsIgnoringCase(name, "StringProcessingOptions")) {
        return CoreObject::configValue(name, newValue);
    }
    if (newValue) {
        int options = -1;
        const char* first = newValue->data();
        const char* last = first + newValue->size();
        const auto [end, ec] = std::from_chars(first, last, options);
        if (ec != std::errc() || end != last || options < 0 || options > 3) {
            throw CoreError(NETCOMP_ERR_INVALID_VALUE,
                            "Invalid value for StringProcessingOptions (" + *newValue + ").");
        }
        m_stringOptions = options;
    }
    return std::to_string(m_stringOptions);
}

// Events fire only while Parse runs, so a call nested in this object's own call comes
// from an event handler: parsing again or resetting would free the input and the tree
// the running parse still walks.
void JsonCoreObject::refuseWhileParsing() const
{
    if (callDepth() > 1) {
        throw core::failure(NETCOMP_ERR_BUSY);
    }
}

void JsonCoreObject::parse()
{
    const bool wasComplete = m_parser.complete();
    const std::size_t before = m_parser.input().size();
    m_parser.appendOwned(std::move(m_inputData));
    m_inputData.clear();
    bool done = false;
    try {
        done = m_parser.parse(ParseSettings::fromOptions(m_stringOptions, codePage()));
    } catch (const CoreError& e) {
        m_events.error(e.code(), e.text(), codePage());
        throw;
    }
    if (!done) {
        return;
    }

    const std::string_view input = m_parser.input();
    const std::size_t trailingFrom = wasComplete ? before : m_parser.valueEnd();
    if (!wasComplete) {
        m_current.reset();
        m_xpath.clear();
        if (m_parser.valueBegin() > 0) {
            m_events.text(NETCOMP_JSON_EVENT_ON_IGNORABLE_WHITESPACE,
                          input.substr(0, m_parser.valueBegin()), codePage());
        }
        if (m_events.connected()) {
            m_events.elements(*m_parser.document(), codePage());
            m_events.text(
                NETCOMP_JSON_EVENT_ON_JSON,
                input.substr(m_parser.valueBegin(), m_parser.valueEnd() - m_parser.valueBegin()),
                codePage());
        }
        if (!m_buildDom) {
            m_parser.discardDocument();
        }
    }
    if (trailingFrom < input.size()) {
        m_events.text(NETCOMP_JSON_EVENT_ON_IGNORABLE_WHITESPACE, input.substr(trailingFrom),
                      codePage());
    }
}

void JsonCoreObject::reset()
{
    m_parser.reset();
    m_inputData.clear();
    m_xpath.clear();
    m_current.reset();
}

void JsonCoreObject::setXPath(const std::string& path)
{
    const JsonDocument* doc = m_parser.document();
    if (!doc) {
        throw CoreError(NETCOMP_ERR_NO_DOM,
                        "DOM tree unavailable (set BuildDOM to TRUE and reparse).");
    }
    const std::optional<JsonDocument::NodeId> node = selectPath(*doc, m_current, path);
    if (!node) {
        throw core::failure(NETCOMP_ERR_XPATH);
    }
    m_current = node;
    m_xpath = path;
}

} // namespace netcomp::json

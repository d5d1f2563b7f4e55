#pragma once

#include "components/cores/common/CoreObject.h"
#include "components/cores/json/JsonEvents.h"
#include "components/cores/json/JsonParser.h"

#include <optional>
#include <string>

namespace netcomp::json {

// The core object behind TnetJSON: takes InputData into the parser on Parse, fires the
// document's events and keeps the current element that XPath selects.
class JsonCoreObject : public core::CoreObject {
public:
    JsonCoreObject(netcomp_event_sink sink, void* context);

    netcomp_value getProperty(int32_t id, int32_t index, int32_t* length) override;
    void setProperty(int32_t id, int32_t index, netcomp_value value, int32_t length) override;
    void invoke(int32_t id, int32_t argCount, netcomp_value* args, netcomp_value* lengths) override;
    void checkIndex(int32_t id, int32_t index) override;

protected:
    void stopRunningCall() override { m_events.disconnect(); }
    std::optional<std::string> configValue(std::string_view name,
                                           const std::string* newValue) override;

private:
    void parse();
    void refuseWhileParsing() const;
    void reset();
    void setXPath(const std::string& path);
    uint32_t childCount() const;

    JsonParser m_parser;
    JsonEvents m_events;
    bool m_buildDom = true;
    bool m_overwrite = false;
    int m_stringOptions = 0;
    std::string m_inputData;
    std::string m_xpath;
    std::optional<JsonDocument::NodeId> m_current;
};

} // namespace netcomp::json

#pragma once

#include "components/cores/json/JsonParser.h"
#include "components/wrappers/TnetJSON.h"

#include <string>
#include <string_view>

// A parsed interpreter document of 15,000 entries, once in the JSON engine and once
// in a TnetJSON, for looking up "/json/[i]/Param" at both ends. The constructor checks
// that both find the name of entry 15,000.
class LookupCase {
public:
    static constexpr int kEntries = 15'000;

    LookupCase();
    LookupCase(const LookupCase&) = delete;
    LookupCase& operator=(const LookupCase&) = delete;

    std::string_view lookUpInEngine(std::string_view path) const;
    std::u16string lookUpInComponent(std::u16string_view path);

private:
    netcomp::json::JsonParser m_parser;
    TnetJSON m_json;
};

std::string paramPath(int index);
std::u16string paramPath16(int index);

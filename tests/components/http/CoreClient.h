#pragma once

#include "components/cores/CoreEntryPoints.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The entry points of the HTTP and REST cores, linked into the test program.
using CoreApi = netcomp::CoreEntryPoints;
CoreApi httpCoreApi();
CoreApi restCoreApi();

// The result of a call: its code and, when nonzero, the core's last error text.
struct Outcome {
    int32_t code = 0;
    std::string text;
    bool operator==(const Outcome&) const = default;
};
inline constexpr Outcome kSuccess{};
void PrintTo(const Outcome& outcome, std::ostream* out);

struct RecordedEvent {
    int32_t id = 0;
    std::vector<std::string> values; // texts and bytes as passed; numbers in decimal
};

// One core object driven through the entry points, as a wrapper would: methods with
// id + 10000 and UTF-16 arguments. Records every event but OnDoEvents, which runs
// onDoEvents instead.
class CoreClient {
public:
    explicit CoreClient(const CoreApi& api);
    ~CoreClient();
    CoreClient(const CoreClient&) = delete;
    CoreClient& operator=(const CoreClient&) = delete;

    Outcome call(int32_t methodId, std::string_view utf8Argument);
    Outcome call(int32_t methodId);
    // Config(setting); the answer goes to configAnswer.
    Outcome config(int32_t methodId, std::string_view setting, std::string* configAnswer = nullptr);

    Outcome setValue(int32_t propertyId, intptr_t value);
    Outcome setText(int32_t propertyId, std::string_view utf8Text);     // via id + 10000
    Outcome setFileName(int32_t propertyId, std::string_view utf8Name); // via id + 20000
    Outcome setBytes(int32_t propertyId, std::string_view bytes);       // plain id, with length
    intptr_t value(int32_t propertyId);
    std::string text(int32_t propertyId);  // read with id + 10000, returned as UTF-8
    std::string bytes(int32_t propertyId); // read with the plain id and its length

    std::function<void()> onDoEvents;
    // Runs inside every other event, after it was recorded.
    std::function<void(int32_t eventId)> onEvent;
    int doEventsCount = 0;
    std::vector<RecordedEvent> events;

private:
    static int32_t sink(void* context, int32_t eventId, int32_t count, netcomp_value* params,
                        netcomp_value* lengths);
    Outcome outcome(int32_t code);

    CoreApi m_api;
    void* m_handle = nullptr;
};

std::u16string utf16(std::string_view utf8);
std::string utf8(std::u16string_view text);

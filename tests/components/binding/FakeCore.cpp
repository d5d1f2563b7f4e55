// A core library for binding tests: it answers through the same entry-point table as the
// real cores, with behaviour the tests can steer. NetComp_FAKE_ is a working class;
// NetComp_NULL_ refuses to create objects.
#include "components/cores/netcomp_api.h"

#include <string>

#if defined(_WIN32)
#define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

struct FakeObject {
    netcomp_event_sink sink = nullptr;
    void* context = nullptr;
    int32_t value = 0;
    int32_t firings = 0;
    std::string lastError;
    int32_t lastErrorCode = 0;
    bool lastErrorNull = false;
};

FakeObject* object(void* handle)
{
    return static_cast<FakeObject*>(handle);
}

int32_t fail(FakeObject* o, int32_t code, const char* text)
{
    o->lastErrorCode = code;
    o->lastErrorNull = text == nullptr;
    o->lastError = text ? text : "";
    return code;
}

} // namespace

enum { FakePropValue = 1, FakePropFirings = 2 };
enum { FakeFailEmpty = 1, FakeFireEvent = 2, FakeFailText = 3, FakeFailNull = 4 };

FAKE_EXPORT void* NetComp_FAKE_Create(netcomp_event_sink sink, void* context, netcomp_value)
{
    auto* o = new FakeObject;
    o->sink = sink;
    o->context = context;
    return o;
}

FAKE_EXPORT int32_t NetComp_FAKE_Destroy(void* handle)
{
    delete object(handle);
    return 0;
}

FAKE_EXPORT netcomp_value NetComp_FAKE_Get(void* handle, int32_t id, int32_t, int32_t*)
{
    if (!handle) {
        return 0;
    }
    return id == FakePropFirings ? object(handle)->firings : object(handle)->value;
}

FAKE_EXPORT int32_t NetComp_FAKE_Set(void* handle, int32_t id, int32_t, netcomp_value value,
                                     int32_t)
{
    if (!handle) {
        return NETCOMP_ERR_NULL_HANDLE;
    }
    if (id != FakePropValue) {
        return fail(object(handle), NETCOMP_ERR_READ_ONLY, "Property is read-only.");
    }
    object(handle)->value = static_cast<int32_t>(value);
    return 0;
}

FAKE_EXPORT int32_t NetComp_FAKE_Do(void* handle, int32_t id, int32_t, netcomp_value*,
                                    netcomp_value*)
{
    if (!handle) {
        return NETCOMP_ERR_NULL_HANDLE;
    }
    FakeObject* o = object(handle);
    switch (id - NETCOMP_ID_UTF16) {
    case FakeFailEmpty:
        return fail(o, 77, "");
    case FakeFailText:
        return fail(o, 78, "Something broke \xE4.");
    case FakeFailNull:
        return fail(o, 79, nullptr);
    case FakeFireEvent: {
        std::string ansi = "\xE4";
        std::u16string wide = u"\u00E4";
        netcomp_value params[2] = {reinterpret_cast<netcomp_value>(ansi.c_str()), 0};
        netcomp_value lengths[2] = {1, 0};
        ++o->firings;
        if (o->sink(o->context, 1, 1, params, lengths) == NETCOMP_EVENT_WANT_UTF16) {
            params[0] = reinterpret_cast<netcomp_value>(wide.c_str());
            ++o->firings;
            o->sink(o->context, 1 + NETCOMP_ID_UTF16, 1, params, lengths);
        }
        return 0;
    }
    default:
        return fail(o, NETCOMP_ERR_UNKNOWN_METHOD, "Unknown method.");
    }
}

FAKE_EXPORT int32_t NetComp_FAKE_CheckIndex(void* handle, int32_t, int32_t index)
{
    if (!handle) {
        return NETCOMP_ERR_NULL_HANDLE;
    }
    return index >= 0 && index < 3 ? 0 : NETCOMP_ERR_INVALID_INDEX;
}

FAKE_EXPORT const char* NetComp_FAKE_GetLastError(void* handle)
{
    if (!handle || object(handle)->lastErrorNull) {
        return nullptr;
    }
    return object(handle)->lastError.c_str();
}

FAKE_EXPORT int32_t NetComp_FAKE_GetLastErrorCode(void* handle)
{
    return handle ? object(handle)->lastErrorCode : NETCOMP_ERR_NULL_HANDLE;
}

FAKE_EXPORT void* NetComp_NULL_Create(netcomp_event_sink, void*, netcomp_value)
{
    return nullptr;
}
FAKE_EXPORT int32_t NetComp_NULL_Destroy(void* h)
{
    return NetComp_FAKE_Destroy(h);
}
FAKE_EXPORT netcomp_value NetComp_NULL_Get(void* h, int32_t a, int32_t b, int32_t* c)
{
    return NetComp_FAKE_Get(h, a, b, c);
}
FAKE_EXPORT int32_t NetComp_NULL_Set(void* h, int32_t a, int32_t b, netcomp_value c, int32_t d)
{
    return NetComp_FAKE_Set(h, a, b, c, d);
}
FAKE_EXPORT int32_t NetComp_NULL_Do(void* h, int32_t a, int32_t b, netcomp_value* c,
                                    netcomp_value* d)
{
    return NetComp_FAKE_Do(h, a, b, c, d);
}
FAKE_EXPORT int32_t NetComp_NULL_CheckIndex(void* h, int32_t a, int32_t b)
{
    return NetComp_FAKE_CheckIndex(h, a, b);
}
FAKE_EXPORT const char* NetComp_NULL_GetLastError(void* h)
{
    return NetComp_FAKE_GetLastError(h);
}
FAKE_EXPORT int32_t NetComp_NULL_GetLastErrorCode(void* h)
{
    return NetComp_FAKE_GetLastErrorCode(h);
}

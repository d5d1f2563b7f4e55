#pragma once

// Implements the ten entry points of a core library for one CoreObject class.
// Only these symbols leave the library (it is built with hidden visibility).

#include "CoreObject.h"
#include "HandleRegistry.h"

#include <new>

#define NETCOMP_EXPORT extern "C" __attribute__((visibility("default")))

namespace netcomp::core {

template <class Fn> int32_t guarded(void* handle, Fn&& fn)
{
    CoreObject* object = HandleRegistry::instance().find(handle);
    if (!object)
        return NETCOMP_ERR_NULL_HANDLE;
    int32_t code = 0;
    object->enterCall();
    try {
        fn(*object);
        object->setLastError(0, {});
    } catch (const CoreError& e) {
        code = e.code();
        object->setLastError(code, e.text());
    } catch (const std::bad_alloc&) {
        code = NETCOMP_ERR_TRANSPORT;
        object->setLastError(code, "Out of memory.");
    } catch (const std::exception& e) {
        code = NETCOMP_ERR_TRANSPORT;
        object->setLastError(code, e.what());
    }
    if (object->leaveCall())
        delete object;
    return code;
}

// Destroy: an object in the middle of a call is deleted when that call returns.
inline int32_t destroy(void* handle)
{
    CoreObject* object = HandleRegistry::instance().remove(handle);
    if (!object)
        return 0;
    if (object->callDepth() > 0)
        object->markDestroyed();
    else
        delete object;
    return 0;
}

} // namespace netcomp::core

#define NETCOMP_DEFINE_ENTRY_POINTS(prefix, Class)                                             \
    NETCOMP_EXPORT void* prefix##Create(netcomp_event_sink sink, void* context, netcomp_value) \
    {                                                                                          \
        try {                                                                                  \
            auto* object = new Class(sink, context);                                           \
            netcomp::core::HandleRegistry::instance().add(object);                             \
            return object;                                                                     \
        } catch (...) {                                                                        \
            return nullptr;                                                                    \
        }                                                                                      \
    }                                                                                          \
    NETCOMP_EXPORT int32_t prefix##Destroy(void* handle)                                       \
    {                                                                                          \
        return netcomp::core::destroy(handle);                                                 \
    }                                                                                          \
    NETCOMP_EXPORT netcomp_value prefix##Get(void* handle, int32_t id, int32_t index,          \
                                             int32_t* length)                                  \
    {                                                                                          \
        netcomp_value result = 0;                                                              \
        if (length)                                                                            \
            *length = 0;                                                                       \
        if (netcomp::core::guarded(handle, [&](netcomp::core::CoreObject& o) {                 \
                result = o.getProperty(id, index, length);                                     \
            }) != 0)                                                                           \
            return 0;                                                                          \
        return result;                                                                         \
    }                                                                                          \
    NETCOMP_EXPORT int32_t prefix##Set(void* handle, int32_t id, int32_t index,                \
                                       netcomp_value value, int32_t length)                    \
    {                                                                                          \
        return netcomp::core::guarded(handle, [&](netcomp::core::CoreObject& o) {              \
            o.setProperty(id, index, value, length);                                           \
        });                                                                                    \
    }                                                                                          \
    NETCOMP_EXPORT int32_t prefix##Do(void* handle, int32_t id, int32_t argCount,              \
                                      netcomp_value* args, netcomp_value* lengths)             \
    {                                                                                          \
        if (argCount < 0 || (argCount > 0 && (!args || !lengths)))                             \
            return netcomp::core::guarded(handle, [&](netcomp::core::CoreObject&) {            \
                throw netcomp::core::CoreError(NETCOMP_ERR_ARGUMENT_COUNT,                     \
                                               "Invalid argument slots.");                     \
            });                                                                                \
        return netcomp::core::guarded(handle, [&](netcomp::core::CoreObject& o) {              \
            o.invoke(id, argCount, args, lengths);                                             \
        });                                                                                    \
    }                                                                                          \
    NETCOMP_EXPORT int32_t prefix##CheckIndex(void* handle, int32_t id, int32_t index)         \
    {                                                                                          \
        return netcomp::core::guarded(                                                         \
            handle, [&](netcomp::core::CoreObject& o) { o.checkIndex(id, index); });           \
    }                                                                                          \
    NETCOMP_EXPORT const char* prefix##GetLastError(void* handle)                              \
    {                                                                                          \
        auto* o = netcomp::core::HandleRegistry::instance().find(handle);                      \
        return o ? o->lastError() : nullptr;                                                   \
    }                                                                                          \
    NETCOMP_EXPORT int32_t prefix##GetLastErrorCode(void* handle)                              \
    {                                                                                          \
        auto* o = netcomp::core::HandleRegistry::instance().find(handle);                      \
        return o ? o->lastErrorCode() : NETCOMP_ERR_NULL_HANDLE;                               \
    }                                                                                          \
    NETCOMP_EXPORT int32_t prefix##StaticInit(void*) { return 0; }                             \
    NETCOMP_EXPORT int32_t prefix##StaticDestroy(void) { return 0; }

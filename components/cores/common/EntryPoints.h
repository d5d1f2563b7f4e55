#pragma once

// Implements the ten entry points of a core library for one CoreObject class.
// Only these symbols leave a shared core library (it is built with hidden visibility).

#include "components/cores/common/CoreError.h"
#include "components/cores/common/CoreObject.h"
#include "components/cores/common/HandleRegistry.h"

#include <new>

#if defined(_WIN32)
// Built into the program on Windows: found through the binding's table, not exported.
#define NETCOMP_EXPORT extern "C"
#else
#define NETCOMP_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace netcomp::core {

// Each class keeps its own live handles, so a handle of one class is foreign to
// another even where several cores share one binary.
template <class Class> HandleRegistry& registryOf()
{
    static HandleRegistry registry;
    return registry;
}

template <class Class, class Fn> int32_t guarded(void* handle, Fn&& fn)
{
    CoreObject* object = registryOf<Class>().find(handle);
    if (!object) {
        return NETCOMP_ERR_NULL_HANDLE;
    }
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
        object->setLastError(code, std::string(kOutOfMemoryText));
    } catch (const std::exception& e) {
        code = NETCOMP_ERR_TRANSPORT;
        object->setLastError(code, e.what());
    }
    if (object->leaveCall()) {
        delete object;
    }
    return code;
}

template <class Class> void* create(netcomp_event_sink sink, void* context)
{
    try {
        auto* object = new Class(sink, context);
        registryOf<Class>().add(object);
        return object;
    } catch (...) {
        return nullptr;
    }
}

// An object in the middle of a call is deleted when that call returns.
template <class Class> int32_t destroy(void* handle)
{
    CoreObject* object = registryOf<Class>().remove(handle);
    if (!object) {
        return 0;
    }
    if (object->callDepth() > 0) {
        object->markDestroyed();
    } else {
        delete object;
    }
    return 0;
}

template <class Class> netcomp_value get(void* handle, int32_t id, int32_t index, int32_t* length)
{
    netcomp_value result = 0;
    if (length) {
        *length = 0;
    }
    const int32_t code =
        guarded<Class>(handle, [&](CoreObject& o) { result = o.getProperty(id, index, length); });
    return code == 0 ? result : 0;
}

template <class Class>
int32_t set(void* handle, int32_t id, int32_t index, netcomp_value value, int32_t length)
{
    return guarded<Class>(handle, [&](CoreObject& o) { o.setProperty(id, index, value, length); });
}

template <class Class>
int32_t invoke(void* handle, int32_t id, int32_t argCount, netcomp_value* args,
               netcomp_value* lengths)
{
    return guarded<Class>(handle, [&](CoreObject& o) {
        if (argCount < 0 || (argCount > 0 && (!args || !lengths))) {
            throw CoreError(NETCOMP_ERR_ARGUMENT_COUNT, "Invalid argument slots.");
        }
        o.invoke(id, argCount, args, lengths);
    });
}

template <class Class> int32_t checkIndex(void* handle, int32_t id, int32_t index)
{
    return guarded<Class>(handle, [&](CoreObject& o) { o.checkIndex(id, index); });
}

template <class Class> const char* lastError(void* handle)
{
    CoreObject* object = registryOf<Class>().find(handle);
    return object ? object->lastError() : nullptr;
}

template <class Class> int32_t lastErrorCode(void* handle)
{
    CoreObject* object = registryOf<Class>().find(handle);
    return object ? object->lastErrorCode() : NETCOMP_ERR_NULL_HANDLE;
}

} // namespace netcomp::core

#define NETCOMP_DEFINE_ENTRY_POINTS(prefix, Class)                                                 \
    NETCOMP_EXPORT void* prefix##Create(netcomp_event_sink s, void* c, netcomp_value)              \
    {                                                                                              \
        return netcomp::core::create<Class>(s, c);                                                 \
    }                                                                                              \
    NETCOMP_EXPORT int32_t prefix##Destroy(void* h)                                                \
    {                                                                                              \
        return netcomp::core::destroy<Class>(h);                                                   \
    }                                                                                              \
    NETCOMP_EXPORT netcomp_value prefix##Get(void* h, int32_t id, int32_t i, int32_t* n)           \
    {                                                                                              \
        return netcomp::core::get<Class>(h, id, i, n);                                             \
    }                                                                                              \
    NETCOMP_EXPORT int32_t prefix##Set(void* h, int32_t id, int32_t i, netcomp_value v, int32_t n) \
    {                                                                                              \
        return netcomp::core::set<Class>(h, id, i, v, n);                                          \
    }                                                                                              \
    NETCOMP_EXPORT int32_t prefix##Do(void* h, int32_t id, int32_t n, netcomp_value* a,            \
                                      netcomp_value* l)                                            \
    {                                                                                              \
        return netcomp::core::invoke<Class>(h, id, n, a, l);                                       \
    }                                                                                              \
    NETCOMP_EXPORT int32_t prefix##CheckIndex(void* h, int32_t id, int32_t i)                      \
    {                                                                                              \
        return netcomp::core::checkIndex<Class>(h, id, i);                                         \
    }                                                                                              \
    NETCOMP_EXPORT const char* prefix##GetLastError(void* h)                                       \
    {                                                                                              \
        return netcomp::core::lastError<Class>(h);                                                 \
    }                                                                                              \
    NETCOMP_EXPORT int32_t prefix##GetLastErrorCode(void* h)                                       \
    {                                                                                              \
        return netcomp::core::lastErrorCode<Class>(h);                                             \
    }                                                                                              \
    NETCOMP_EXPORT int32_t prefix##StaticInit(void*)                                               \
    {                                                                                              \
        return 0;                                                                                  \
    }                                                                                              \
    NETCOMP_EXPORT int32_t prefix##StaticDestroy(void)                                             \
    {                                                                                              \
        return 0;                                                                                  \
    }

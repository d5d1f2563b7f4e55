#include "components/cores/common/HandleRegistry.h"

#include "components/cores/common/CoreObject.h"

namespace netcomp::core {

void HandleRegistry::add(CoreObject* object)
{
    std::lock_guard lock(m_mutex);
    m_live.insert(object);
}

CoreObject* HandleRegistry::remove(void* handle)
{
    std::lock_guard lock(m_mutex);
    if (!handle || !m_live.erase(handle)) {
        return nullptr;
    }
    return static_cast<CoreObject*>(handle);
}

CoreObject* HandleRegistry::find(void* handle) const
{
    std::lock_guard lock(m_mutex);
    if (!handle || !m_live.count(handle)) {
        return nullptr;
    }
    auto* object = static_cast<CoreObject*>(handle);
    return object->magic() == CoreObject::kMagic ? object : nullptr;
}

} // namespace netcomp::core

#pragma once

#include <mutex>
#include <unordered_set>

namespace netcomp::core {

class CoreObject;

// The live core objects of one class, so a stale or foreign handle is answered with an
// error instead of being dereferenced.
class HandleRegistry {
public:
    void add(CoreObject* object);
    CoreObject* remove(void* handle);
    CoreObject* find(void* handle) const;

private:
    mutable std::mutex m_mutex;
    std::unordered_set<const void*> m_live;
};

} // namespace netcomp::core

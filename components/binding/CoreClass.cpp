#include "CoreClass.h"

#include "Exception.h"

namespace netcomp::binding {

CoreClass::CoreClass(std::string className, std::string prefix, std::string libraryFileName,
                     CoreImage image)
    : m_className(std::move(className)), m_prefix(std::move(prefix)),
      m_libraryFileName(std::move(libraryFileName)), m_image(image)
{
}

CoreClass::~CoreClass() = default;

void CoreClass::map()
{
    std::lock_guard lock(m_lock);
    if (m_library)
        return;
    // Without an embedded image, or where memory files are missing, the library file
    // beside the executable is used instead.
    if (m_image.data && CoreLibrary::memoryFilesAvailable())
        m_library = CoreLibrary::fromImage(m_image, m_libraryFileName);
    else
        m_library = CoreLibrary::fromFile(executableDirectory() + "/" + m_libraryFileName);
    if (m_library)
        ++m_mappings;
}

void CoreClass::resolve()
{
    std::lock_guard lock(m_lock);
    if (m_resolved || !m_library)
        return;
    auto entry = [&](const char* name) { return m_library->symbol((m_prefix + name).c_str()); };
    EntryPoints e;
    e.create = reinterpret_cast<netcomp_create_fn>(entry("Create"));
    e.destroy = reinterpret_cast<netcomp_destroy_fn>(entry("Destroy"));
    e.checkIndex = reinterpret_cast<netcomp_check_index_fn>(entry("CheckIndex"));
    e.get = reinterpret_cast<netcomp_get_fn>(entry("Get"));
    e.set = reinterpret_cast<netcomp_set_fn>(entry("Set"));
    e.doMethod = reinterpret_cast<netcomp_do_fn>(entry("Do"));
    e.getLastError = reinterpret_cast<netcomp_get_last_error_fn>(entry("GetLastError"));
    e.getLastErrorCode =
        reinterpret_cast<netcomp_get_last_error_code_fn>(entry("GetLastErrorCode"));
    // A library missing any entry point is as good as none.
    if (!e.create || !e.destroy || !e.checkIndex || !e.get || !e.set || !e.doMethod ||
        !e.getLastError || !e.getLastErrorCode)
        return;
    m_entryPoints = e;
    m_resolved = true;
}

const EntryPoints& CoreClass::entryPoints()
{
    if (!m_resolved) {
        map();
        resolve();
    }
    if (!m_resolved)
        throw EOutOfMemory("Could not load component library (" + m_libraryFileName + ").");
    return m_entryPoints;
}

CoreClass& httpCoreClass()
{
    static CoreClass coreClass("TnetHTTP", "NetComp_HTTP_", "libnetcomp_http.so",
                               httpCoreImage());
    return coreClass;
}

CoreClass& restCoreClass()
{
    static CoreClass coreClass("TnetREST", "NetComp_REST_", "libnetcomp_rest.so",
                               restCoreImage());
    return coreClass;
}

CoreClass& jsonCoreClass()
{
    static CoreClass coreClass("TnetJSON", "NetComp_JSON_", "libnetcomp_json.so",
                               jsonCoreImage());
    return coreClass;
}

} // namespace netcomp::binding

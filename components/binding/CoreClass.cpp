#include "components/binding/CoreClass.h"

#include "components/exceptions/Exception.h"

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
    if (m_library) {
        return;
    }
    m_library = CoreLibrary::load(m_image, m_libraryFileName, m_prefix);
    if (m_library) {
        ++m_mappings;
    }
}

void CoreClass::resolve()
{
    std::lock_guard lock(m_lock);
    if (m_resolved || !m_library) {
        return;
    }
    const auto e = CoreEntryPoints::resolve(
        m_prefix, [&](const char* name) { return m_library->symbol(name); });
    // A library missing any entry point is as good as none.
    if (!e.complete()) {
        return;
    }
    m_entryPoints = e;
    m_resolved = true;
}

const CoreEntryPoints& CoreClass::entryPoints()
{
    if (!m_resolved) {
        map();
        resolve();
    }
    if (!m_resolved) {
        throw EOutOfMemory("Could not load component library (" + m_libraryFileName + ").");
    }
    return m_entryPoints;
}

namespace {

// The file a class's core is loaded from where it is not carried in the program.
std::string libraryFile([[maybe_unused]] const char* stem)
{
#if defined(_WIN32)
    return "netcomp16.dll";
#else
    return std::string("lib") + stem + ".so";
#endif
}

} // namespace

CoreClass& httpCoreClass()
{
    static CoreClass coreClass("TnetHTTP", "NetComp_HTTP_", libraryFile("netcomp_http"),
                               httpCoreImage());
    return coreClass;
}

CoreClass& restCoreClass()
{
    static CoreClass coreClass("TnetREST", "NetComp_REST_", libraryFile("netcomp_rest"),
                               restCoreImage());
    return coreClass;
}

CoreClass& jsonCoreClass()
{
    static CoreClass coreClass("TnetJSON", "NetComp_JSON_", libraryFile("netcomp_json"),
                               jsonCoreImage());
    return coreClass;
}

} // namespace netcomp::binding

#include "components/cores/http/LocalFile.h"

#include "components/codepage/CodePage.h"
#include "components/cores/common/CoreError.h"
#include "components/cores/netcomp_api.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace netcomp::http {

void writeLocalFile(const std::string& fileName, std::string_view body)
{
#if defined(_WIN32)
    const std::u16string wide = fromUtf8(fileName);
    std::FILE* file = _wfopen(reinterpret_cast<const wchar_t*>(wide.c_str()), L"wb");
#else
    std::FILE* file = std::fopen(fileName.c_str(), "wb");
#endif
    bool written = file && std::fwrite(body.data(), 1, body.size(), file) == body.size();
    const int error = errno;
    if (file && std::fclose(file) != 0) {
        written = false;
    }
    if (!written) {
        throw core::CoreError(NETCOMP_ERR_LOCAL_FILE,
                              std::string(errorText(NETCOMP_ERR_LOCAL_FILE)) + " " + fileName +
                                  ": " + std::strerror(error) + ".");
    }
}

} // namespace netcomp::http

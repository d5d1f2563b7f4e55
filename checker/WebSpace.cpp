#include "checker/WebSpace.h"

#include "components/codepage/CodePage.h"
#include "retrieval/ServiceAddresses.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// What a server makes of an address's path before it looks for the file.
std::string serverPath(std::string_view encoded)
{
    std::string bytes;
    for (size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '%' && i + 2 < encoded.size() && hexValue(encoded[i + 1]) >= 0 &&
            hexValue(encoded[i + 2]) >= 0) {
            bytes.push_back(
                static_cast<char>(hexValue(encoded[i + 1]) * 16 + hexValue(encoded[i + 2])));
            i += 2;
        } else {
            bytes.push_back(encoded[i]);
        }
    }
    std::string merged;
    for (const char c : bytes) {
        if (c != '/' || merged.empty() || merged.back() != '/') {
            merged.push_back(c);
        }
    }
    return merged;
}

std::optional<fs::path> utf8Path(const std::string& bytes)
{
    try {
        return fs::path(std::u8string(bytes.begin(), bytes.end()));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

fs::path dataFolder()
{
    return *utf8Path(serverPath(service::kDataFolderPath));
}

} // namespace

WebSpace::WebSpace(fs::path root) : m_root(std::move(root))
{
    if (!fs::is_directory(m_root)) {
        throw std::invalid_argument("kein Ordner: " + displayName(m_root));
    }
}

std::vector<fs::path> WebSpace::sampleDocuments() const
{
    return jsonFilesIn(m_root / dataFolder() / "JSON");
}

std::vector<fs::path> WebSpace::interpreterDocuments() const
{
    return jsonFilesIn(m_root / "interpreter");
}

std::vector<fs::path> WebSpace::jsonFilesIn(const fs::path& folder) const
{
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.is_regular_file() && entry.path().extension() == ".json") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::optional<fs::path> WebSpace::fileFor(std::u16string_view address) const
{
    if (!address.starts_with(kBaseUrl)) {
        return std::nullopt;
    }
    const std::string path = serverPath(netcomp::toUtf8(address.substr(kBaseUrl.size())));
    const auto relative = utf8Path(path);
    if (!relative || path.find("..") != std::string::npos) {
        return std::nullopt;
    }
    fs::path file = m_root / *relative;
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return std::nullopt;
    }
    return file;
}

std::string WebSpace::displayName(const fs::path& file) const
{
    const fs::path relative = file.lexically_relative(m_root);
    const std::u8string name = (relative.empty() ? file : relative).generic_u8string();
    return std::string(name.begin(), name.end());
}

std::string WebSpace::displayAddress(std::u16string_view address)
{
    if (address.starts_with(kBaseUrl)) {
        address.remove_prefix(kBaseUrl.size());
    }
    return netcomp::toUtf8(address);
}

std::string WebSpace::displayServerPath(std::u16string_view address)
{
    return netcomp::toUtf8(netcomp::fromUtf8(serverPath(displayAddress(address))));
}

std::string WebSpace::readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error("nicht lesbar");
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The laboratory's web space as files, laid out as the service serves them: the data
// folder with JSON/ and reports/, and interpreter/. It answers an address of the program
// with the file a server would send: the address's path percent-decoded to bytes, doubled
// slashes merged, read as a UTF-8 file name below the root.
class WebSpace {
public:
    // Raises std::invalid_argument when the root is no folder.
    explicit WebSpace(std::filesystem::path root);

    // Stands for the service's address; only what follows it matters here.
    static constexpr std::u16string_view kBaseUrl = u"https://labor.invalid/";

    std::vector<std::filesystem::path> sampleDocuments() const;
    std::vector<std::filesystem::path> interpreterDocuments() const;

    std::optional<std::filesystem::path> fileFor(std::u16string_view address) const;

    // The file relative to the root, with "/" between folders, in UTF-8.
    std::string displayName(const std::filesystem::path& file) const;
    // The address relative to the service's root, as the program sends it.
    static std::string displayAddress(std::u16string_view address);
    // The file a server looks for at the address, relative to the root (UTF-8 where the
    // decoded bytes are no UTF-8 show as U+FFFD).
    static std::string displayServerPath(std::u16string_view address);

    static std::string readBytes(const std::filesystem::path& file);

private:
    std::vector<std::filesystem::path> jsonFilesIn(const std::filesystem::path& folder) const;

    std::filesystem::path m_root;
};

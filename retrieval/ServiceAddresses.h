#pragma once

#include <string>
#include <string_view>

// The addresses of the laboratory's web service. The sample code and the sample type
// are percent-encoded path segments: the sample code as its ANSI bytes, the sample
// type as UTF-8, the code pages their requests go out with.
namespace service {

// Already percent-encoded; the "%20" is a space in the server's folder name.
inline constexpr std::string_view kDataFolderPath = "Dropbox%20(Veltranik-Sorbeno)/Quorvi/";

std::u16string sampleDocumentAddress(std::u16string_view serviceBaseUrl,
                                     std::u16string_view sampleCode);
std::u16string reportAddress(std::u16string_view serviceBaseUrl, std::u16string_view sampleCode);
std::u16string interpreterAddress(std::u16string_view serviceBaseUrl,
                                  std::u16string_view sampleType);

} // namespace service

#include "retrieval/ServiceAddresses.h"

#include "components/codepage/CodePage.h"
#include "retrieval/PercentEncoding.h"

namespace service {
namespace {

// Built as 8-bit ANSI text, then handed to the component as Unicode.
std::u16string sampleAddress(std::u16string_view base, std::u16string_view sampleCode,
                             std::string_view folder, std::string_view suffix)
{
    std::string address = netcomp::toAnsi(base);
    address += kDataFolderPath;
    address += folder;
    address += percentEncodePathSegment(netcomp::toAnsi(sampleCode));
    address += suffix;
    return netcomp::fromAnsi(address);
}

} // namespace

std::u16string sampleDocumentAddress(std::u16string_view serviceBaseUrl,
                                     std::u16string_view sampleCode)
{
    return sampleAddress(serviceBaseUrl, sampleCode, "/JSON/", ".json");
}

std::u16string reportAddress(std::u16string_view serviceBaseUrl, std::u16string_view sampleCode)
{
    return sampleAddress(serviceBaseUrl, sampleCode, "/reports/", ".pdf");
}

// Unlike a sample's addresses, the interpreter document's is not under the data folder,
// and its segment is the sample type's UTF-8, not the ANSI bytes of a typed code.
std::u16string interpreterAddress(std::u16string_view serviceBaseUrl,
                                  std::u16string_view sampleType)
{
    std::u16string address(serviceBaseUrl);
    address += u"interpreter/";
    address += netcomp::fromAnsi(percentEncodePathSegment(netcomp::toUtf8(sampleType)));
    address += u".json";
    return address;
}

} // namespace service

#include "components/cores/common/CoreError.h"
#include "components/cores/netcomp_api.h"
#include "components/cores/rest/XmlCheck.h"

#include <expat.h>
#include <memory>
#include <string>

namespace netcomp::rest {

void checkXml(std::string_view body)
{
    const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
        XML_ParserCreate(nullptr), &XML_ParserFree);
    if (!parser) {
        throw core::CoreError(NETCOMP_ERR_TRANSPORT, std::string(kOutOfMemoryText));
    }
    // Fed in pieces, since expat takes an int length.
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    bool ok = true;
    for (std::size_t offset = 0; ok && offset < body.size(); offset += kPiece) {
        const std::string_view part = body.substr(offset, kPiece);
        ok = XML_Parse(parser.get(), part.data(), static_cast<int>(part.size()),
                       offset + kPiece >= body.size()) == XML_STATUS_OK;
    }
    if (!ok) {
        throw core::failure(NETCOMP_ERR_XML_MARKUP,
                            std::string(XML_ErrorString(XML_GetErrorCode(parser.get()))) +
                                ", line " + std::to_string(XML_GetCurrentLineNumber(parser.get())));
    }
}

} // namespace netcomp::rest

#include "retrieval/DocumentParsers.h"

#include "components/wrappers/TnetJSON.h"

namespace documents {

std::u16string codePageSetting(int codePage)
{
    const std::string digits = std::to_string(codePage);
    return u"CodePage=" + std::u16string(digits.begin(), digits.end());
}

void prepareSampleDocumentParser(TnetJSON& parser)
{
    parser.Config(u"StringProcessingOptions=3");
    parser.setBuildDOM(true);
}

void prepareInterpreterDocumentParser(TnetJSON& parser)
{
    parser.Config(u"StringProcessingOptions=3");
    parser.Config(codePageSetting(kInterpreterDocumentCodePage));
    parser.setBuildDOM(true);
}

std::string storedText(std::u16string_view transferred)
{
    return netcomp::toAnsi(transferred);
}

void parseStoredText(TnetJSON& parser, std::string_view stored)
{
    parser.setInputData(netcomp::fromAnsi(stored));
    parser.Parse();
}

} // namespace documents

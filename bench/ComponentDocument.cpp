#include "ComponentDocument.h"

#include "TnetJSON.h"

void parseInterpreterDocument(TnetJSON& json, std::u16string_view text)
{
    json.Reset();
    json.Config(u"StringProcessingOptions=3");
    json.Config(u"CodePage=65001");
    json.setBuildDOM(true);
    json.setInputData(text);
    json.Parse();
}

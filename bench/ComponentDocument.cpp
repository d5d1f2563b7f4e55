#include "bench/ComponentDocument.h"

#include "components/wrappers/TnetJSON.h"
#include "retrieval/DocumentParsers.h"

void parseInterpreterDocument(TnetJSON& json, std::u16string_view text)
{
    json.Reset();
    documents::prepareInterpreterDocumentParser(json);
    json.setInputData(text);
    json.Parse();
}

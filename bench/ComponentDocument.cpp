#include "bench/ComponentDocument.h"

#include "retrieval/DocumentParsers.h"
#include "components/wrappers/TnetJSON.h"

void parseInterpreterDocument(TnetJSON& json, std::u16string_view text)
{
    json.Reset();
    documents::prepareInterpreterDocumentParser(json);
    json.setInputData(text);
    json.Parse();
}

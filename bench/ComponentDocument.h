#pragma once

#include <string_view>

class TnetJSON;

// Parses an interpreter document in json the way sample loading does: a fresh parser,
// "StringProcessingOptions=3", "CodePage=65001", BuildDOM, the text as InputData, Parse.
void parseInterpreterDocument(TnetJSON& json, std::u16string_view text);

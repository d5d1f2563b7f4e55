#pragma once

#include "components/codepage/CodePage.h"

#include <string>
#include <string_view>

class TnetJSON;

// How the two documents travel and are parsed. Both pass through 8-bit ANSI text on
// their way from the transfer to the parser.
namespace documents {

// The code page each document's transfer is decoded with.
inline constexpr int kSampleDocumentCodePage = netcomp::kCodePageAnsi;
inline constexpr int kInterpreterDocumentCodePage = netcomp::kCodePageUtf8;

// The component setting that selects a code page.
std::u16string codePageSetting(int codePage);

// Settings a parser gets before a document is parsed into it.
void prepareSampleDocumentParser(TnetJSON& parser);
void prepareInterpreterDocumentParser(TnetJSON& parser);

// The transferred text as it is stored: 8-bit text in the ANSI code page, where
// characters the code page lacks have become its default character.
std::string storedText(std::u16string_view transferred);

// Parses stored 8-bit text.
void parseStoredText(TnetJSON& parser, std::string_view stored);

} // namespace documents

#pragma once

#include "components/cores/json/JsonLimits.h"

namespace netcomp::json {

// How string tokens are taken into the tree. StringProcessingOptions n maps to
// stripQuotes = n & 1, decodeEscapes = n & 2; codePage decides the bytes of \u escapes.
struct ParseSettings {
    bool stripQuotes = false;
    bool decodeEscapes = false;
    int codePage = 0;
    std::size_t maxInputBytes = kDefaultMaxInputBytes;
    std::size_t maxValues = kDefaultMaxValues;

    static ParseSettings fromOptions(int options, int codePage)
    {
        return {(options & 1) != 0, (options & 2) != 0, codePage};
    }
};

} // namespace netcomp::json

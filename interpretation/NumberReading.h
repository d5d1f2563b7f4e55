#pragma once

#include <string_view>

// Reads a value or limit text as a double, independent of any locale: an optional sign,
// digits with an optional "." and digits, an optional exponent ("e" or "E"). Nothing else,
// not even blanks. Raises EConvertError when the text is no such number or lies beyond
// the double range; a number too small for a double reads as zero.
double readNumber(std::u16string_view text);

#pragma once

#include <exception>
#include <string>
#include <string_view>

// What a customer sees for an error that ends a load or an interpretation: the text of
// the program's general failure report, in UTF-8.
std::string customerMessage(const std::exception& error);

// What the customer sees once an error has ended "Daten laden".
inline constexpr std::string_view kAfterLoading = "der Kunde sieht nach „Daten laden“";
// kAfterLoading with the customer's message for the error: "… „Daten laden“ „message“".
std::string seenAfterLoading(const std::exception& error);

// A German quotation of a text: „text“.
std::string inQuotes(std::u16string_view text);
std::string inQuotes(std::string_view utf8);

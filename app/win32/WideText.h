#pragma once

#include <string>
#include <string_view>

// On Windows wchar_t is UTF-16 as char16_t is: the window logic's texts pass unchanged.
inline std::wstring toWide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

inline std::u16string fromWide(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}

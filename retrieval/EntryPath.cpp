#include "retrieval/EntryPath.h"

#include <charconv>

std::u16string entryPath(int32_t index, std::u16string_view field)
{
    char digits[12];
    const auto written = std::to_chars(digits, digits + sizeof digits, index);
    std::u16string path = u"/json/[";
    path.append(digits, written.ptr);
    return path.append(u"]/").append(field);
}

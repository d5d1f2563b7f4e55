#pragma once

#include <array>
#include <string_view>

// The members of the two documents that the program reads, by path or by entry field.
namespace members {

inline constexpr std::u16string_view customerName = u"/json/CustomerName";
inline constexpr std::u16string_view sampleName = u"/json/SampleName";
inline constexpr std::u16string_view sampleType = u"/json/SampleType";

inline constexpr std::u16string_view params = u"/json/Params";
inline constexpr std::u16string_view introtext = u"/json/Introtext";

// Fields of a parameter entry, read through entryPath().
inline constexpr std::u16string_view param = u"Param";
inline constexpr std::u16string_view mcl = u"MCL";
inline constexpr std::u16string_view unit = u"Unit";
inline constexpr std::u16string_view mclLevel1 = u"MCLLevel1";
inline constexpr std::u16string_view mclOk = u"MCLOK";
inline constexpr std::u16string_view specialComment = u"SpecialComment";
inline constexpr std::array<std::u16string_view, 6> entryFields = {
    param, mcl, unit, mclLevel1, mclOk, specialComment};

} // namespace members

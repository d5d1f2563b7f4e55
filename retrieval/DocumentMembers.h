#pragma once

#include <array>
#include <string_view>

// The members of the two documents that the program reads, by path or by entry field.
namespace members {

inline constexpr std::u16string_view kCustomerName = u"/json/CustomerName";
inline constexpr std::u16string_view kSampleName = u"/json/SampleName";
inline constexpr std::u16string_view kSampleType = u"/json/SampleType";

inline constexpr std::u16string_view kParams = u"/json/Params";
inline constexpr std::u16string_view kIntrotext = u"/json/Introtext";

// Fields of a parameter entry, read through entryPath().
inline constexpr std::u16string_view kParam = u"Param";
inline constexpr std::u16string_view kMcl = u"MCL";
inline constexpr std::u16string_view kUnit = u"Unit";
inline constexpr std::u16string_view kMclLevel1 = u"MCLLevel1";
inline constexpr std::u16string_view kMclOk = u"MCLOK";
inline constexpr std::u16string_view kSpecialComment = u"SpecialComment";
inline constexpr std::array<std::u16string_view, 6> kEntryFields = {
    kParam, kMcl, kUnit, kMclLevel1, kMclOk, kSpecialComment};

} // namespace members

#pragma once

#include <string_view>

// The providers' contact values shown in the window caption and the information texts.
namespace contacts {

inline constexpr std::u16string_view veltranikWebAddress = u"www.veltranik.example";
inline constexpr std::u16string_view sorbenoWebAddress = u"www.sorbeno-analytik.example";
inline constexpr std::u16string_view serviceWebSite = u"www.pruefbericht-online.example";
inline constexpr std::u16string_view supportEmail = u"quorvi@sorbeno-analytik.example";
inline constexpr std::u16string_view companyName = u"Sorbeno Analytik GmbH";
inline constexpr std::u16string_view ownerName = u"Dr. Henrike Vosskamp";
inline constexpr std::u16string_view streetAndNumber = u"Am Laborhof 7";
inline constexpr std::u16string_view postalCode = u"99999";
inline constexpr std::u16string_view city = u"Musterstadt";
inline constexpr std::u16string_view telephone = u"+49 (0)99 1234567-0";
inline constexpr std::u16string_view vatId = u"DE999999999";

} // namespace contacts

#pragma once

#include <string_view>

// The providers' contact values shown in the window caption and the information texts.
namespace contacts {

inline constexpr std::u16string_view kVeltranikWebAddress = u"www.veltranik.example";
inline constexpr std::u16string_view kSorbenoWebAddress = u"www.sorbeno-analytik.example";
inline constexpr std::u16string_view kServiceWebSite = u"www.pruefbericht-online.example";
inline constexpr std::u16string_view kSupportEmail = u"quorvi@sorbeno-analytik.example";
inline constexpr std::u16string_view kCompanyName = u"Sorbeno Analytik GmbH";
inline constexpr std::u16string_view kOwnerName = u"Dr. Henrike Vosskamp";
inline constexpr std::u16string_view kStreetAndNumber = u"Am Laborhof 7";
inline constexpr std::u16string_view kPostalCode = u"99999";
inline constexpr std::u16string_view kCity = u"Musterstadt";
inline constexpr std::u16string_view kTelephone = u"+49 (0)99 1234567-0";
inline constexpr std::u16string_view kVatId = u"DE999999999";

} // namespace contacts

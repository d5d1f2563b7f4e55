#pragma once

#include <QStringView>

// The providers' contact values shown in the window caption and the information texts.
namespace contacts {

inline constexpr QStringView veltranikWebAddress = u"www.veltranik.example";
inline constexpr QStringView sorbenoWebAddress = u"www.sorbeno-analytik.example";
inline constexpr QStringView serviceWebSite = u"www.pruefbericht-online.example";
inline constexpr QStringView supportEmail = u"quorvi@sorbeno-analytik.example";
inline constexpr QStringView companyName = u"Sorbeno Analytik GmbH";
inline constexpr QStringView ownerName = u"Dr. Henrike Vosskamp";
inline constexpr QStringView streetAndNumber = u"Am Laborhof 7";
inline constexpr QStringView postalCode = u"99999";
inline constexpr QStringView city = u"Musterstadt";
inline constexpr QStringView telephone = u"+49 (0)99 1234567-0";
inline constexpr QStringView vatId = u"DE999999999";

} // namespace contacts

#pragma once

#include <string_view>

// The three messages a load shows when one of its transfers fails.
namespace loadMessages {

inline constexpr std::u16string_view kSampleDocumentFailed =
    u"Fehler: Die angegebene Probe wurde nicht ordnungsmäßig aktiviert, der Abruf der Daten "
    u"ist gescheitert.";
inline constexpr std::u16string_view kReportMissing =
    u"Fehler: Die Probenaktivierung existiert, jedoch liegt kein Prüfbericht auf dem Server.";
inline constexpr std::u16string_view kTypeUnsupported =
    u"Ihre Probenart wird derzeit leider nicht unterstützt";

} // namespace loadMessages

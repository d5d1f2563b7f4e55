#pragma once

#include <string_view>

// The three messages a load shows when one of its transfers fails.
namespace loadMessages {

inline constexpr std::u16string_view sampleDocumentFailed =
    u"Fehler: Die angegebene Probe wurde nicht ordnungsmäßig aktiviert, der Abruf der Daten "
    u"ist gescheitert.";
inline constexpr std::u16string_view reportMissing =
    u"Fehler: Die Probenaktivierung existiert, jedoch liegt kein Prüfbericht auf dem Server.";
inline constexpr std::u16string_view typeUnsupported =
    u"Ihre Probenart wird derzeit leider nicht unterstützt";

} // namespace loadMessages

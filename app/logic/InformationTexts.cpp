#include "app/logic/InformationTexts.h"

#include "app/logic/ProviderContacts.h"

#include <initializer_list>

using namespace contacts;

namespace {

// Joins the pieces into one text.
std::u16string join(std::initializer_list<std::u16string_view> pieces)
{
    std::u16string text;
    for (std::u16string_view piece : pieces) {
        text += piece;
    }
    return text;
}

// The lines separated by line breaks.
std::u16string lines(std::initializer_list<std::u16string> lines)
{
    std::u16string text;
    for (const std::u16string& line : lines) {
        if (&line != lines.begin()) {
            text += u'\n';
        }
        text += line;
    }
    return text;
}

} // namespace

std::u16string windowCaption()
{
    return join({kVeltranikWebAddress, u" / ", kSorbenoWebAddress, u" Quorvi V2"});
}

std::u16string impressumText()
{
    return lines({
        u"Nutzungsbedingungen:",
        join({u"Diese Software wird als Freeware bereitgestellt und ist nur kompatibel mit "
              u"Prüfberichten, welche online auf ",
              kServiceWebSite,
              u" aktiviert worden sind und unter der Bedingung, dass der Prüfbericht online "
              u"zum Abruf bereitsteht."}),
        u"Jede Modifikation der Software, einschließlich Debugging, ist untersagt.",
        u"Angezeigte Bilder sind urheberrechtlich geschützt.",
        u"Nutzungsrecht an Dritte wird untersagt.",
        u"",
        u"Impressum",
        u"",
        std::u16string(kCompanyName),
        join({u"Inhaber ", kOwnerName}),
        std::u16string(kStreetAndNumber),
        join({kPostalCode, u"  ", kCity}),
        join({u"Email: ", kSupportEmail, u" (Keine Softwareberatung!)"}),
        join({u"Tel:", kTelephone, u"(Keine Softwareberatung!)"}),
        join({u"UmStID: ", kVatId}),
        u"",
        u"",
        u"Bugs entdeckt oder Verbesserungsvorschläge?",
        u"Bitte mit Screenshot und genauer Beschreibung an o.g. Email senden.Danke!",
    });
}

std::u16string kundendienstText()
{
    return lines({
               u"Hinweis!",
               join({u"Diese Software ist eine FREEWARE, welche als kostenloser Bonus den Kunden "
                     u"von ",
                     kSorbenoWebAddress, u" und ", kVeltranikWebAddress, u" zur Verfügung steht."}),
               u"Ein Kundendienst wird für diese Software NICHT angeboten.",
               u"",
               join({u"Falls Softwarefehler oder Fehler inhaltlicher Art oder Verbesserungswünsche "
                     u"vorliegen, senden Sie bitte eine Email an ",
                     kSupportEmail,
                     u" mit einer eindeutigen Beschreibung sowie einem Screenshot."}),
               u"",
               u"Ein Kundendienst im Sinne einer Anwenderhilfe wird derzeit nicht angeboten.",
               u"Wir bitten Sie daher auf Anrufe bei der Hotline zu technischen Fragen oder Emails "
               u"zu verzichten.",
           }) +
           u'\n';
}

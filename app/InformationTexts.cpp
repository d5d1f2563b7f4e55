#include "InformationTexts.h"

#include "ProviderContacts.h"

#include <QStringList>

using namespace contacts;

QString windowCaption()
{
    return u"%1 / %2 Quorvi V2"_qs.arg(veltranikWebAddress, sorbenoWebAddress);
}

QString impressumText()
{
    const QStringList lines = {
        u"Nutzungsbedingungen:"_qs,
        u"Diese Software wird als Freeware bereitgestellt und ist nur kompatibel mit "
        u"Prüfberichten, welche online auf %1 aktiviert worden sind und unter der Bedingung, "
        u"dass der Prüfbericht online zum Abruf bereitsteht."_qs.arg(serviceWebSite),
        u"Jede Modifikation der Software, einschließlich Debugging, ist untersagt."_qs,
        u"Angezeigte Bilder sind urheberrechtlich geschützt."_qs,
        u"Nutzungsrecht an Dritte wird untersagt."_qs,
        QString(),
        u"Impressum"_qs,
        QString(),
        companyName.toString(),
        u"Inhaber %1"_qs.arg(ownerName),
        streetAndNumber.toString(),
        u"%1  %2"_qs.arg(postalCode, city),
        u"Email: %1 (Keine Softwareberatung!)"_qs.arg(supportEmail),
        u"Tel:%1(Keine Softwareberatung!)"_qs.arg(telephone),
        u"UmStID: %1"_qs.arg(vatId),
        QString(),
        QString(),
        u"Bugs entdeckt oder Verbesserungsvorschläge?"_qs,
        u"Bitte mit Screenshot und genauer Beschreibung an o.g. Email senden.Danke!"_qs,
    };
    return lines.join(u'\n');
}

QString kundendienstText()
{
    const QStringList lines = {
        u"Hinweis!"_qs,
        u"Diese Software ist eine FREEWARE, welche als kostenloser Bonus den Kunden von %1 "
        u"und %2 zur Verfügung steht."_qs.arg(sorbenoWebAddress, veltranikWebAddress),
        u"Ein Kundendienst wird für diese Software NICHT angeboten."_qs,
        QString(),
        u"Falls Softwarefehler oder Fehler inhaltlicher Art oder Verbesserungswünsche "
        u"vorliegen, senden Sie bitte eine Email an %1 mit einer eindeutigen Beschreibung "
        u"sowie einem Screenshot."_qs.arg(supportEmail),
        QString(),
        u"Ein Kundendienst im Sinne einer Anwenderhilfe wird derzeit nicht angeboten."_qs,
        u"Wir bitten Sie daher auf Anrufe bei der Hotline zu technischen Fragen oder Emails "
        u"zu verzichten."_qs,
    };
    QString text;
    for (const QString& line : lines) {
        text += line + u'\n';
    }
    return text;
}

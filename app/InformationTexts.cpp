#include "InformationTexts.h"

#include "ProviderContacts.h"

#include <QStringList>

using namespace Qt::StringLiterals;
using namespace contacts;

QString windowCaption()
{
    return u"%1 / %2 Quorvi V2"_s.arg(veltranikWebAddress, sorbenoWebAddress);
}

QString impressumText()
{
    const QStringList lines = {
        u"Nutzungsbedingungen:"_s,
        u"Diese Software wird als Freeware bereitgestellt und ist nur kompatibel mit "
        u"Prüfberichten, welche online auf %1 aktiviert worden sind und unter der Bedingung, "
        u"dass der Prüfbericht online zum Abruf bereitsteht."_s.arg(serviceWebSite),
        u"Jede Modifikation der Software, einschließlich Debugging, ist untersagt."_s,
        u"Angezeigte Bilder sind urheberrechtlich geschützt."_s,
        u"Nutzungsrecht an Dritte wird untersagt."_s,
        QString(),
        u"Impressum"_s,
        QString(),
        companyName.toString(),
        u"Inhaber %1"_s.arg(ownerName),
        streetAndNumber.toString(),
        u"%1  %2"_s.arg(postalCode, city),
        u"Email: %1 (Keine Softwareberatung!)"_s.arg(supportEmail),
        u"Tel:%1(Keine Softwareberatung!)"_s.arg(telephone),
        u"UmStID: %1"_s.arg(vatId),
        QString(),
        QString(),
        u"Bugs entdeckt oder Verbesserungsvorschläge?"_s,
        u"Bitte mit Screenshot und genauer Beschreibung an o.g. Email senden.Danke!"_s,
    };
    return lines.join(u'\n');
}

QString kundendienstText()
{
    const QStringList lines = {
        u"Hinweis!"_s,
        u"Diese Software ist eine FREEWARE, welche als kostenloser Bonus den Kunden von %1 "
        u"und %2 zur Verfügung steht."_s.arg(sorbenoWebAddress, veltranikWebAddress),
        u"Ein Kundendienst wird für diese Software NICHT angeboten."_s,
        QString(),
        u"Falls Softwarefehler oder Fehler inhaltlicher Art oder Verbesserungswünsche "
        u"vorliegen, senden Sie bitte eine Email an %1 mit einer eindeutigen Beschreibung "
        u"sowie einem Screenshot."_s.arg(supportEmail),
        QString(),
        u"Ein Kundendienst im Sinne einer Anwenderhilfe wird derzeit nicht angeboten."_s,
        u"Wir bitten Sie daher auf Anrufe bei der Hotline zu technischen Fragen oder Emails "
        u"zu verzichten."_s,
    };
    QString text;
    for (const QString& line : lines) {
        text += line + u'\n';
    }
    return text;
}

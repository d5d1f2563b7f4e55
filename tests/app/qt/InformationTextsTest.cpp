// The two information texts behind the footer labels, and what clicking the labels does.
#include "app/logic/InformationTexts.h"

#include "app/logic/ProviderContacts.h"
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/TextConversion.h"
#include "app/qt/controls/TextArea.h"
#include "tests/support/window/ControlState.h"
#include "tests/support/window/RecordingPresenter.h"
#include "tests/support/window/WindowDriver.h"
#include "tests/support/window/WindowTestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every control's name, state and text, to see that nothing else changed.
QStringList windowSnapshot(QWidget& window)
{
    QStringList snapshot;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty()) {
            continue;
        }
        QString text;
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            text = edit->text();
        } else if (auto* area = qobject_cast<TextArea*>(control)) {
            text = area->text();
        }
        snapshot.append(control->objectName() + u": "_s + controlState(*control) + u' ' + text);
    }
    return snapshot;
}

} // namespace

class InformationTextsTest : public QObject {
    Q_OBJECT

private slots:
    void impressumLines_data();
    void impressumLines();
    void impressumHasNoFinalLineBreak();
    void kundendienstLines_data();
    void kundendienstLines();
    void kundendienstEndsEachLineWithABreak();
    void contactValuesAreFilledIn();
    void clickingALabelShowsItsTextAndChangesNothingElse_data();
    void clickingALabelShowsItsTextAndChangesNothingElse();
};

void InformationTextsTest::impressumLines_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("pattern");

    // Fixed pieces exactly; the contact values as "(.+)".
    const char* lines[] = {
        "Nutzungsbedingungen:",
        "Diese Software wird als Freeware bereitgestellt und ist nur kompatibel mit "
        "Prüfberichten, welche online auf (.+) aktiviert worden sind und unter der Bedingung, "
        "dass der Prüfbericht online zum Abruf bereitsteht\\.",
        "Jede Modifikation der Software, einschließlich Debugging, ist untersagt\\.",
        "Angezeigte Bilder sind urheberrechtlich geschützt\\.",
        "Nutzungsrecht an Dritte wird untersagt\\.",
        "",
        "Impressum",
        "",
        "(.+)",
        "Inhaber (.+)",
        "(.+)",
        "(\\S+)  (\\S+)",
        "Email: (.+) \\(Keine Softwareberatung!\\)",
        "Tel:(.+)\\(Keine Softwareberatung!\\)",
        "UmStID: (.+)",
        "",
        "",
        "Bugs entdeckt oder Verbesserungsvorschläge\\?",
        "Bitte mit Screenshot und genauer Beschreibung an o\\.g\\. Email senden\\.Danke!",
    };
    int number = 0;
    for (const char* pattern : lines) {
        ++number;
        QTest::addRow("line %d", number) << number << QString::fromUtf8(pattern);
    }
}

void InformationTextsTest::impressumLines()
{
    QFETCH(int, line);
    QFETCH(QString, pattern);
    const QStringList lines = toQString(impressumText()).split(u'\n');
    QCOMPARE(lines.size(), 19);
    const QString text = lines.at(line - 1);
    QVERIFY2(
        QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch(),
        qPrintable(text));
}

void InformationTextsTest::impressumHasNoFinalLineBreak()
{
    QVERIFY(!toQString(impressumText()).endsWith(u'\n'));
    QCOMPARE(toQString(impressumText()).count(u'\n'), 18);
}

void InformationTextsTest::kundendienstLines_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("pattern");

    const char* lines[] = {
        "Hinweis!",
        "Diese Software ist eine FREEWARE, welche als kostenloser Bonus den Kunden von (.+) "
        "und (.+) zur Verfügung steht\\.",
        "Ein Kundendienst wird für diese Software NICHT angeboten\\.",
        "",
        "Falls Softwarefehler oder Fehler inhaltlicher Art oder Verbesserungswünsche vorliegen, "
        "senden Sie bitte eine Email an (.+) mit einer eindeutigen Beschreibung sowie einem "
        "Screenshot\\.",
        "",
        "Ein Kundendienst im Sinne einer Anwenderhilfe wird derzeit nicht angeboten\\.",
        "Wir bitten Sie daher auf Anrufe bei der Hotline zu technischen Fragen oder Emails zu "
        "verzichten\\.",
    };
    int number = 0;
    for (const char* pattern : lines) {
        ++number;
        QTest::addRow("line %d", number) << number << QString::fromUtf8(pattern);
    }
}

void InformationTextsTest::kundendienstLines()
{
    QFETCH(int, line);
    QFETCH(QString, pattern);
    const QStringList lines = toQString(kundendienstText()).split(u'\n');
    QCOMPARE(lines.size(), 9);
    const QString text = lines.at(line - 1);
    QVERIFY2(
        QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch(),
        qPrintable(text));
}

void InformationTextsTest::kundendienstEndsEachLineWithABreak()
{
    QVERIFY(toQString(kundendienstText()).endsWith(u"verzichten.\n"_s));
    QCOMPARE(toQString(kundendienstText()).count(u'\n'), 8);
}

void InformationTextsTest::contactValuesAreFilledIn()
{
    using namespace contacts;
    const QStringList imprint = toQString(impressumText()).split(u'\n');
    QVERIFY(imprint[1].contains(u" auf %1 aktiviert"_s.arg(toQString(kServiceWebSite))));
    QCOMPARE(imprint[8], toQString(kCompanyName));
    QCOMPARE(imprint[9], u"Inhaber %1"_s.arg(toQString(kOwnerName)));
    QCOMPARE(imprint[10], toQString(kStreetAndNumber));
    QCOMPARE(imprint[11], u"%1  %2"_s.arg(toQString(kPostalCode), toQString(kCity)));
    QCOMPARE(imprint[12], u"Email: %1 (Keine Softwareberatung!)"_s.arg(toQString(kSupportEmail)));
    QCOMPARE(imprint[13], u"Tel:%1(Keine Softwareberatung!)"_s.arg(toQString(kTelephone)));
    QCOMPARE(imprint[14], u"UmStID: %1"_s.arg(toQString(kVatId)));

    const QStringList note = toQString(kundendienstText()).split(u'\n');
    QVERIFY(note[1].contains(u" von %1 und %2 zur "_s.arg(toQString(kSorbenoWebAddress),
                                                          toQString(kVeltranikWebAddress))));
    QVERIFY(note[4].contains(u" an %1 mit "_s.arg(toQString(kSupportEmail))));
    QCOMPARE(toQString(windowCaption()), u"%1 / %2 Quorvi V2"_s.arg(toQString(kVeltranikWebAddress),
                                                                    toQString(kSorbenoWebAddress)));
}

void InformationTextsTest::clickingALabelShowsItsTextAndChangesNothingElse_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("Impressum") << u"Impressum"_s << toQString(impressumText());
    QTest::newRow("Kundendienst") << u"Kundendienst"_s << toQString(kundendienstText());
}

void InformationTextsTest::clickingALabelShowsItsTextAndChangesNothingElse()
{
    QFETCH(QString, label);
    QFETCH(QString, text);

    RecordingPresenter messages;
    TQuorviInterpreter window(messages, u"https://127.0.0.1:1/");
    QVERIFY(drive::showActive(window));
    drive::loadParameters(window, messages, {u"Blei"_s});
    const QStringList before = windowSnapshot(window);

    auto* footer = window.findChild<QLabel*>(label);
    QVERIFY(footer);
    drive::clickInto(*footer);
    drive::clickInto(*footer);

    QCOMPARE(messages.informations(), (QStringList{text, text}));
    QVERIFY(messages.errors().isEmpty());
    QCOMPARE(windowSnapshot(window), before);
}

int main(int argc, char* argv[])
{
    return runWindowTest<InformationTextsTest>(argc, argv);
}

#include "InformationTextsTest.moc"

// The window against a local HTTPS service: the start-up probe, a sample load and an
// interpretation, all through the real components and user input.
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/TextConversion.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"
#include "app/qt/controls/TextArea.h"
#include "retrieval/ServiceAddresses.h"
#include "tests/support/window/ControlState.h"
#include "tests/support/window/RecordingPresenter.h"
#include "tests/support/window/WindowDriver.h"
#include "tests/support/window/WindowFixture.h"
#include "tests/support/window/WindowService.h"
#include "tests/support/window/WindowTestMain.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;

using quorvi::test::TestRoute;

namespace {

const QString kProbeFailed =
    u"Fehler: Um die Anwendung zu benutzen, müssen Sie online sein!\nDie Anwendung wird jetzt "
    u"beendet"_s;

const char kInterpreterDocument[] = R"({
  "Blei": {"Param": "Blei", "MCL": "10",
           "MCLLevel1": "Der Wert CONCENTRATION liegt über dem Grenzwert von MCL UNIT für PARAM.",
           "MCLOK": "CONCENTRATION / MCL UNIT",
           "SpecialComment": "Blei stammt oft aus alten Leitungen.", "Unit": "µg/L"},
  "Nitrat": {"Param": "Nitrat", "MCL": 50, "MCLLevel1": "PARAM über MCL UNIT",
             "MCLOK": "PARAM unter MCL UNIT", "SpecialComment": "", "Unit": "mg/L"},
  "Arsen": {"Param": "Arsen", "MCL": "0.0015", "MCLLevel1": "zu hoch: CONCENTRATION",
            "MCLOK": "in Ordnung: CONCENTRATION", "SpecialComment": "", "Unit": "µg/L"},
  "Params": 4,
  "Introtext": "So lesen Sie Ihre Trinkwasserwerte."
})";

} // namespace

class EndToEndTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void probe_data();
    void probe();
    void loadAndInterpret();
    void closingTheWindowEndsAWaitingLoad();
    void aSecondLoadDuringTheReportProbeLeavesTheShownSampleListed();

private:
    std::u16string baseUrl() const { return m_service->baseUrl(); }
};

void EndToEndTest::initTestCase()
{
    if (!startService()) {
        return;
    }
    m_service->addSample(u"TW1"_s, u"Brunnen Müller"_s, u"Trinkwasser"_s);
    m_service->addInterpreter(u"Trinkwasser"_s, kInterpreterDocument);
}

void EndToEndTest::cleanupTestCase()
{
    stopService();
}

void EndToEndTest::probe_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QStringList>("messages");

    const QString base = QString::fromStdString(m_service->server().baseUrl());
    QTest::newRow("service answers") << base << QStringList();
    QTest::newRow("service answers with an error status")
        << base + u"missing/"_s << QStringList{kProbeFailed};
    QTest::newRow("nobody listens") << u"https://127.0.0.1:1/"_s << QStringList{kProbeFailed};
}

void EndToEndTest::probe()
{
    QFETCH(QString, base);
    QFETCH(QStringList, messages);

    RecordingPresenter shown;
    TQuorviInterpreter window(shown, toU16String(base));
    window.afterConstruction();
    QCOMPARE(shown.informations(), messages);
    QVERIFY(shown.errors().isEmpty());
    QCOMPARE(window.refused(), !messages.isEmpty());
    QVERIFY(!window.isVisible());
}

void EndToEndTest::loadAndInterpret()
{
    RecordingPresenter messages;
    TQuorviInterpreter w(messages, baseUrl());
    w.afterConstruction();
    QVERIFY(drive::showActive(w));

    drive::clickInto(*w.SampleCodeEdit);
    drive::type(*w.SampleCodeEdit, u"TW1"_s);
    drive::clickInto(*w.LoadCodeData);
    QCOMPARE(messages.informations(), QStringList());
    QCOMPARE(w.SampleNameEdit->text(), u"Brunnen Müller"_s);
    QCOMPARE(w.SampleTypeEdit->text(), u"Trinkwasser"_s);
    QCOMPARE(w.interpretation->text(), u"HTTP/1.1 200 OK"_s);
    QCOMPARE(w.ParameterComboBox->count(), 3);
    QCOMPARE(w.ParameterComboBox->itemText(2), u"Arsen"_s);
    QCOMPARE(w.ParameterComboBox->text(), u"-bitte auswählen-"_s);
    QCOMPARE(controlState(*w.ParameterComboBox), u"visible enabled yellow"_s);

    QVERIFY(drive::fillInputs(w, u"Blei"_s, u"1,5"_s, u"µg/L"_s));
    drive::clickInto(*w.process);

    QVERIFY(messages.errors().isEmpty());
    QCOMPARE(w.valueEdit->text(), u"1.5"_s);
    QCOMPARE(w.disclaimer->text(), u"So lesen Sie Ihre Trinkwasserwerte."_s);
    QCOMPARE(w.interpretation->text(),
             u"1.5µg/L / 10 µg/L\nBlei stammt oft aus alten Leitungen.\n"_s);
    QCOMPARE(controlState(*w.interpretation), u"visible enabled lime"_s);
    QCOMPARE(controlState(*w.Unit), u"visible enabled yellow"_s);
    QCOMPARE(controlState(*w.process, false), u"visible enabled"_s);
}

void EndToEndTest::closingTheWindowEndsAWaitingLoad()
{
    m_service->addSampleRoute(u"SLOW"_s,
                              TestRoute{}
                                  .withContentType("application/json")
                                  .withBody(R"({"CustomerName": "", "SampleName": "Langsam",
                                        "SampleType": "Trinkwasser"})")
                                  .withDelay(std::chrono::milliseconds(3000)));
    RecordingPresenter messages;
    TQuorviInterpreter w(messages, baseUrl());
    w.afterConstruction();
    drive::type(*w.SampleCodeEdit, u"SLOW"_s);
    // Closed while the sample document is still on its way: the transfer is given up
    // instead of keeping the closed program alive, and the load cut short is no failure
    // of the sample to tell anyone about.
    QTimer::singleShot(200, &w, [&w] { w.close(); });
    drive::clickInto(*w.LoadCodeData);
    QVERIFY(messages.informations().isEmpty());
    QVERIFY(messages.errors().isEmpty());
    QCOMPARE(w.SampleNameEdit->text(), u"-wird automatisch eingelesen-"_s);
}

void EndToEndTest::aSecondLoadDuringTheReportProbeLeavesTheShownSampleListed()
{
    m_service->addSample(u"OLD"_s, u"Alt"_s, u"TypAlt"_s, false);
    m_service->server().addRoute(
        m_service->target(service::reportAddress(baseUrl(), u"OLD")),
        TestRoute{}.withContentType("application/pdf").withDelay(std::chrono::milliseconds(1500)));
    m_service->addSample(u"NEW"_s, u"Neu"_s, u"TypNeu"_s);
    m_service->addInterpreter(u"TypNeu"_s, R"({"e1": {"Param": "Neu1", "MCL": "1", "MCLLevel1": "",
        "MCLOK": "", "SpecialComment": "", "Unit": "µg/L"}, "Params": 2, "Introtext": ""})");
    RecordingPresenter messages;
    TQuorviInterpreter w(messages, baseUrl());
    w.afterConstruction();
    drive::type(*w.SampleCodeEdit, u"OLD"_s);
    // While the old sample's report is probed, another code and the button again.
    QTimer::singleShot(700, &w, [&w] {
        drive::typeOver(*w.SampleCodeEdit, u"NEW"_s);
        drive::clickInto(*w.LoadCodeData);
    });
    drive::clickInto(*w.LoadCodeData);

    QCOMPARE(messages.informations(),
             QStringList{u"Fehler: Die Probenaktivierung existiert, jedoch liegt kein "
                         u"Prüfbericht auf dem Server."_s});
    QCOMPARE(w.SampleNameEdit->text(), u"Neu"_s);
    QCOMPARE(itemTexts(*w.ParameterComboBox), QStringList{u"Neu1"_s});
    QCOMPARE(controlState(*w.ParameterComboBox), u"visible enabled yellow"_s);
}

int main(int argc, char* argv[])
{
    return runWindowTest<EndToEndTest>(argc, argv);
}

#include "EndToEndTest.moc"

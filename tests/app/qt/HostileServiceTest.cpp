// The window against a service that sends what no laboratory should: documents nested a
// million deep, parameter counts outside every list, huge lists, broken bytes and broken
// transfers. Each load ends in its message or the failure report, keeps what the window
// held before, and the next load and interpretation work as usual.
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"
#include "app/qt/controls/TextArea.h"
#include "tests/support/window/ControlState.h"
#include "tests/support/window/RecordingPresenter.h"
#include "tests/support/window/WindowDriver.h"
#include "tests/support/window/WindowFixture.h"
#include "tests/support/window/WindowService.h"
#include "tests/support/window/WindowTestMain.h"

#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using quorvi::test::Delivery;
using quorvi::test::TestRoute;

namespace {

const QString kMessageA = u"Fehler: Die angegebene Probe wurde nicht ordnungsmäßig aktiviert, der "
                          u"Abruf der Daten ist gescheitert."_s;
const QString kMessageC = u"Ihre Probenart wird derzeit leider nicht unterstützt"_s;
const QString kTooDeep = u"10235: JSON nesting too deep (maximum 512 levels)."_s;

const char kGoodInterpreter[] = R"({
  "Nitrat": {"Param": "Nitrat", "MCL": 50000, "MCLLevel1": "PARAM über MCL UNIT",
             "MCLOK": "CONCENTRATION liegt unter MCL UNIT", "SpecialComment": "",
             "Unit": "µg/L"},
  "Blei": {"Param": "Blei", "MCL": "10", "MCLLevel1": "PARAM über MCL UNIT",
           "MCLOK": "PARAM unter MCL UNIT", "SpecialComment": "", "Unit": "µg/L"},
  "Params": 3,
  "Introtext": "So lesen Sie Ihre Trinkwasserwerte."
})";

std::string nested(std::size_t depth)
{
    return std::string(depth, '[') + std::string(depth, ']');
}

std::string interpreterWithCount(const std::string& count)
{
    return R"({"a": {"Param": "Nitrat", "MCL": 50, "MCLLevel1": "", "MCLOK": "",
               "SpecialComment": "", "Unit": "mg/L"}, "Params": )" +
           count + R"(, "Introtext": ""})";
}

std::string interpreterWithEntries(int entries)
{
    std::string doc = "{";
    for (int i = 1; i <= entries; ++i) {
        doc += "\"p" + std::to_string(i) + "\":{\"Param\":\"Stoff " + std::to_string(i) +
               "\",\"MCL\":\"" + std::to_string(i) +
               "\",\"MCLLevel1\":\"zu hoch\",\"MCLOK\":\"PARAM unter MCL UNIT\","
               "\"SpecialComment\":\"\",\"Unit\":\"µg/L\"},";
    }
    return doc + "\"Params\":" + std::to_string(entries + 1) + ",\"Introtext\":\"Viele\"}";
}

} // namespace

class HostileServiceTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void hostileLoadKeepsTheWindowWorking_data();
    void hostileLoadKeepsTheWindowWorking();
    void aListOfFiftyThousandParameters();

private:
    // The good sample loaded and Nitrat interpreted; returns the output text.
    QString loadAndInterpretTheGoodSample(TQuorviInterpreter& w, RecordingPresenter& messages);
};

void HostileServiceTest::initTestCase()
{
    if (!startService()) {
        return;
    }
    WindowService& s = *m_service;
    s.addSample(u"GUT"_s, u"Brunnen Müller"_s, u"Trinkwasser"_s);
    s.addInterpreter(u"Trinkwasser"_s, kGoodInterpreter);

    s.addSampleRoute(u"TIEF"_s,
                     TestRoute{}.withContentType("application/json").withBody(nested(1'000'000)));
    s.addSampleRoute(u"TIEFTEXT"_s,
                     TestRoute{}.withContentType("text/plain").withBody(nested(1'000'000)));
    s.addSampleRoute(u"RESET"_s, TestRoute{}
                                     .withContentType("application/json")
                                     .withBody(std::string(100'000, ' ') + "{}")
                                     .withDelivery(Delivery::ResetMidBody));
    s.addSampleRoute(u"GZIP"_s, TestRoute{}
                                    .withContentType("application/json")
                                    .withBody("{}")
                                    .withEncoding(quorvi::test::BodyEncoding::BrokenGzip));
    s.addSampleRoute(
        u"MÜLL"_s,
        TestRoute{}.withContentType("application/json").withBody("\xff\xfe{\"SampleName\": \x01}"));

    s.addSample(u"TIEFINT"_s, u"Tiefe Probe"_s, u"Tiefwasser"_s);
    s.addInterpreter(u"Tiefwasser"_s, nested(1'000'000));
    s.addSample(u"ZUVIEL"_s, u"Große Zahl"_s, u"Zuviel"_s);
    s.addInterpreter(u"Zuviel"_s, interpreterWithCount("2147483648"));
    s.addSample(u"NEGATIV"_s, u"Negative Zahl"_s, u"Negativ"_s);
    s.addInterpreter(u"Negativ"_s, interpreterWithCount("-5"));
    s.addSample(u"UTF8"_s, u"Kaputte Bytes"_s, u"Kaputt"_s);
    s.addInterpreter(u"Kaputt"_s, "{\"a\": {\"Param\": \"Ni\xC3\x28trat\xFF\", \"MCL\": 50, "
                                  "\"MCLLevel1\": \"\", \"MCLOK\": \"\", \"SpecialComment\": \"\", "
                                  "\"Unit\": \"mg/L\"}, \"Params\": 2, \"Introtext\": \"\"}");
    s.addSample(u"VIELE"_s, u"Lange Liste"_s, u"Viele"_s);
    s.addInterpreter(u"Viele"_s, interpreterWithEntries(50'000));
}

void HostileServiceTest::cleanupTestCase()
{
    stopService();
}

QString HostileServiceTest::loadAndInterpretTheGoodSample(TQuorviInterpreter& w,
                                                          RecordingPresenter& messages)
{
    drive::loadSample(w, u"GUT"_s);
    if (w.ParameterComboBox->count() != 2 || !messages.informations().isEmpty()) {
        return u"the good sample did not load"_s;
    }
    if (const QString failed = drive::interpret(w, u"Nitrat"_s, u"keins"_s, u"12,5"_s, u"mg/L"_s);
        !failed.isEmpty()) {
        return failed;
    }
    return w.interpretation->text();
}

void HostileServiceTest::hostileLoadKeepsTheWindowWorking_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("informations");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<QString>("sampleName");
    QTest::addColumn<QStringList>("parameters");

    const QString good = u"Brunnen Müller"_s;
    const QStringList goodList{u"Nitrat"_s, u"Blei"_s};
    // The REST component parses a body declared as JSON itself: its failure is the
    // request's, and message A says so.
    QTest::newRow("sample nested a million deep, declared JSON")
        << u"TIEF"_s << QStringList{kMessageA} << QStringList() << good << goodList;
    QTest::newRow("sample nested a million deep, plain text")
        << u"TIEFTEXT"_s << QStringList() << QStringList{kTooDeep} << good << goodList;
    QTest::newRow("connection reset in the sample document")
        << u"RESET"_s << QStringList{kMessageA} << QStringList() << good << goodList;
    QTest::newRow("sample document with broken gzip")
        << u"GZIP"_s << QStringList{kMessageA} << QStringList() << good << goodList;
    QTest::newRow("sample document of garbage bytes")
        << u"MÜLL"_s << QStringList{kMessageA} << QStringList() << good << goodList;
    QTest::newRow("interpreter document nested a million deep")
        << u"TIEFINT"_s << QStringList{kMessageC} << QStringList() << u"Tiefe Probe"_s
        << QStringList();
    QTest::newRow("Params above the 32-bit range")
        << u"ZUVIEL"_s << QStringList{}
        << QStringList{u"'2147483648' is not a valid integer value."_s} << u"Große Zahl"_s
        << QStringList();
    QTest::newRow("negative Params")
        << u"NEGATIV"_s << QStringList{} << QStringList{} << u"Negative Zahl"_s << QStringList();
    // Each broken sequence becomes U+FFFD, which the 8-bit text chain of the list turns
    // into "?".
    QTest::newRow("invalid UTF-8 in the interpreter document")
        << u"UTF8"_s << QStringList{} << QStringList{} << u"Kaputte Bytes"_s
        << QStringList{u"Ni?(trat?"_s};
}

void HostileServiceTest::hostileLoadKeepsTheWindowWorking()
{
    QFETCH(QString, code);
    QFETCH(QStringList, informations);
    QFETCH(QStringList, errors);
    QFETCH(QString, sampleName);
    QFETCH(QStringList, parameters);

    RecordingPresenter messages;
    TQuorviInterpreter w(messages, m_service->baseUrl());
    w.afterConstruction();
    QVERIFY(drive::showActive(w));
    const QString reference = loadAndInterpretTheGoodSample(w, messages);
    QCOMPARE(reference, u"12.5mg/L liegt unter 50000 µg/L\n\n"_s);

    drive::loadSample(w, code);
    QCOMPARE(messages.informations(), informations);
    QCOMPARE(messages.errors(), errors);
    QCOMPARE(w.SampleNameEdit->text(), sampleName);
    QCOMPARE(itemTexts(*w.ParameterComboBox), parameters);
    QCOMPARE(w.ParameterComboBox->isEnabled(), true);

    messages.clear();
    QCOMPARE(loadAndInterpretTheGoodSample(w, messages), reference);
    QCOMPARE(messages.errors(), QStringList());
    QCOMPARE(controlState(*w.interpretation), u"visible enabled lime"_s);
}

void HostileServiceTest::aListOfFiftyThousandParameters()
{
    RecordingPresenter messages;
    TQuorviInterpreter w(messages, m_service->baseUrl());
    w.afterConstruction();
    QVERIFY(drive::showActive(w));

    drive::loadSample(w, u"VIELE"_s);
    QCOMPARE(messages.informations(), QStringList());
    QCOMPARE(messages.errors(), QStringList());
    QCOMPARE(w.ParameterComboBox->count(), 50'000);
    QCOMPARE(w.ParameterComboBox->itemText(49'999), u"Stoff 50000"_s);

    // The last entry is found after a walk over all the others.
    w.ParameterComboBox->setFocus();
    drive::typeOver(*w.ParameterComboBox, u"Stoff 50000"_s);
    QVERIFY(drive::chooseWithMouse(*w.PrefixComboBox, u"keins"_s));
    drive::typeOver(*w.valueEdit, u"49999"_s);
    QVERIFY(drive::chooseWithMouse(*w.Unit, u"µg/L"_s));
    drive::clickInto(*w.process);
    QCOMPARE(messages.errors(), QStringList());
    QCOMPARE(w.interpretation->text(), u"Stoff 50000 unter 50000 µg/L\n\n"_s);
}

int main(int argc, char* argv[])
{
    return runWindowTest<HostileServiceTest>(argc, argv);
}

#include "HostileServiceTest.moc"

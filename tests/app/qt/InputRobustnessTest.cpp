// Whatever a user types or pastes into the sample code and the four inputs, the window
// either does what it should or ends in a message or the failure report, and stays
// usable: random inputs from a fixed seed, checked against rules that hold for every
// input, with a known pass repeated in between that must give the same result each time.
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
#include <QRegularExpression>
#include <QTest>
#include <memory>
#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr unsigned kSeed = 20261210;
constexpr int kValueCases = 2000;
constexpr int kSampleCodeCases = 500;
constexpr int kCasesBetweenReferencePasses = 25;

const QString kMessageA = u"Fehler: Die angegebene Probe wurde nicht ordnungsmäßig aktiviert, der "
                          u"Abruf der Daten ist gescheitert."_s;

const char kInterpreter[] = R"({
  "Nitrat": {"Param": "Nitrat", "MCL": 50000, "MCLLevel1": "PARAM: CONCENTRATION über MCL UNIT",
             "MCLOK": "PARAM: CONCENTRATION unter MCL UNIT", "SpecialComment": "Hinweis",
             "Unit": "µg/L"},
  "E. coli": {"Param": "E. coli", "MCL": "0", "MCLLevel1": "PARAM nachgewiesen",
              "MCLOK": "PARAM nicht nachgewiesen", "SpecialComment": "", "Unit": "KBE/100mL"},
  "Blei": {"Param": "Blei", "MCL": "10", "MCLLevel1": "zu viel PARAM", "MCLOK": "PARAM gut",
           "SpecialComment": "", "Unit": "µg/L"},
  "Params": 4,
  "Introtext": "So lesen Sie Ihre Werte."
})";

// What an interpretation may end in when it fails: the conversions of the value.
const QRegularExpression
    kFailureReport(u"^(Could not convert variant of type \\(String\\) into type \\(Double\\)|"
                   u"Overflow while converting variant of type \\(String\\) into type \\(Double\\)|"
                   u"'[^']*' is not a valid integer value\\.)$"_s);

// Texts a user may type: printable characters, among them the ones that mean something
// to the number reading.
const QString kTypable = u"0123456789,.,.-+eE <>nbaPOSITVNEG%/?#ä߀µ"_s;
// Texts that can only be pasted: controls, line breaks, NUL, characters outside
// Windows-1252 and outside the Basic Multilingual Plane.
const QString kPastable = kTypable + u"\t\n\r\u0001\u007F\u0000\u00A0\u200B\u2126\u4E2D"_s +
                          QString::fromUcs4(U"\U0001F600");
const QStringList kWholeTexts{u"n.b."_s,      u"n.a."_s, u"n.n."_s,       u"POSITIV"_s,
                              u"NEGATIV"_s,   u"1,5"_s,  u"<0,05"_s,      u"12.5e3"_s,
                              u"1e999"_s,     u"-0"_s,   u"2147483648"_s, u"9999999"_s,
                              u"0,0000001"_s, u" 5"_s,   u"5,"_s,         u",5"_s};

class Random {
public:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    bool chance(int percent) { return below(100) < percent; }

    QString textFrom(const QString& alphabet, int maxLength)
    {
        QString text;
        for (int i = below(maxLength + 1); i > 0; --i) {
            text.append(alphabet.at(below(alphabet.size())));
        }
        return text;
    }

    QString pick(const QStringList& texts) { return texts.at(below(texts.size())); }

private:
    std::mt19937 m_engine{kSeed};
};

} // namespace

class InputRobustnessTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void anyInputsEndInAResultOrAReport();
    void anySampleCodeGoesOutAsOneSegment();

private:
    // Chooses, types or pastes one random text into the control.
    void enterRandomly(ComboBox& box);
    void enterRandomly(EditBox& edit);
    // Nitrat, keins, "12,5", mg/L: its output and colour must be the same each time.
    QString referencePass();

    Random m_random;
};

void InputRobustnessTest::initTestCase()
{
    if (!startService()) {
        return;
    }
    m_service->addSample(u"TW1"_s, u"Brunnen Müller"_s, u"Trinkwasser"_s);
    m_service->addInterpreter(u"Trinkwasser"_s, kInterpreter);
}

void InputRobustnessTest::cleanupTestCase()
{
    stopService();
}

void InputRobustnessTest::init()
{
    openWindow();
    m_window->afterConstruction();
    QVERIFY(drive::showActive(*m_window));
    drive::loadSample(*m_window, u"TW1"_s);
    QCOMPARE(itemTexts(*m_window->ParameterComboBox),
             (QStringList{u"Nitrat"_s, u"E. coli"_s, u"Blei"_s}));
}

void InputRobustnessTest::cleanup()
{
    closeWindow();
}

void InputRobustnessTest::enterRandomly(ComboBox& box)
{
    const int how = m_random.below(4);
    if (how == 0 && box.count() > 0) {
        QVERIFY(drive::chooseWithMouse(box, box.itemText(m_random.below(box.count()))));
    } else if (how == 1) {
        drive::typeOver(box, m_random.textFrom(kTypable, 12));
    } else if (how == 2) {
        drive::pasteOver(box, m_random.textFrom(kPastable, 12));
    } else {
        drive::chooseNextWithArrowKey(box);
    }
}

void InputRobustnessTest::enterRandomly(EditBox& edit)
{
    const int how = m_random.below(3);
    const QString text = how == 0   ? m_random.pick(kWholeTexts)
                         : how == 1 ? m_random.textFrom(kTypable, 10)
                                    : m_random.textFrom(kPastable, 10);
    if (how == 2) {
        drive::pasteOver(edit, text);
    } else {
        drive::typeOver(edit, text);
    }
    QVERIFY2(edit.text().size() <= 7, qPrintable(edit.text()));
    if (how != 2) {
        // Typed text arrives whole up to the length limit.
        QCOMPARE(edit.text(), text.left(7));
    }
}

QString InputRobustnessTest::referencePass()
{
    TQuorviInterpreter& w = *m_window;
    if (const QString failed = drive::interpret(w, u"Nitrat"_s, u"keins"_s, u"12,5"_s, u"mg/L"_s);
        !failed.isEmpty()) {
        return failed;
    }
    return w.interpretation->text() + u" | "_s + controlState(*w.interpretation);
}

void InputRobustnessTest::anyInputsEndInAResultOrAReport()
{
    TQuorviInterpreter& w = *m_window;
    const QString reference = referencePass();
    QCOMPARE(reference, u"Nitrat: 12.5mg/L unter 50000 µg/L\nHinweis\n | visible enabled lime"_s);
    m_messages.clear();

    int reports = 0;
    int results = 0;
    for (int i = 1; i <= kValueCases; ++i) {
        enterRandomly(*w.ParameterComboBox);
        enterRandomly(*w.PrefixComboBox);
        const bool hadValue = !w.valueEdit->text().isEmpty();
        enterRandomly(*w.valueEdit);
        if (hadValue && w.valueEdit->text().isEmpty()) {
            // Emptying the value hides the button until the unit is entered again.
            QVERIFY(!w.process->isVisible());
        }
        enterRandomly(*w.Unit);
        const QString value = w.valueEdit->text();
        const QString before = w.interpretation->text();
        drive::clickInto(*w.process);
        if (!w.process->isVisible()) {
            QCOMPARE(w.interpretation->text(), before);
        } else if (!m_messages.errors().isEmpty()) {
            QCOMPARE(m_messages.errors().size(), 1);
            QVERIFY2(kFailureReport.match(m_messages.errors().first()).hasMatch(),
                     qPrintable(m_messages.errors().first()));
            ++reports;
        } else {
            ++results;
        }
        QVERIFY(m_messages.informations().isEmpty());
        // No comma survives a run.
        QVERIFY(!w.process->isVisible() || !w.valueEdit->text().contains(u','));
        m_messages.clear();
        if (i % kCasesBetweenReferencePasses == 0) {
            QCOMPARE(referencePass(), reference);
            QCOMPARE(m_messages.errors(), QStringList());
        }
    }
    qInfo("%d value cases: %d results, %d failure reports", kValueCases, results, reports);
    // The generator reaches both ends.
    QVERIFY(reports > 0 && results > 0);
}

void InputRobustnessTest::anySampleCodeGoesOutAsOneSegment()
{
    TQuorviInterpreter& w = *m_window;
    const QString reference = referencePass();
    const QStringList loadedList = itemTexts(*w.ParameterComboBox);
    m_messages.clear();

    for (int i = 1; i <= kSampleCodeCases; ++i) {
        const bool paste = m_random.chance(50);
        const QString code = m_random.textFrom(paste ? kPastable : kTypable, 20);
        m_service->server().clearLog();
        if (paste) {
            drive::pasteOver(*w.SampleCodeEdit, code);
            drive::clickInto(*w.LoadCodeData);
        } else {
            drive::loadSample(w, code);
            QCOMPARE(w.SampleCodeEdit->text(), code);
        }
        // Whatever the box holds is asked for as one document below the data folder.
        const auto request = m_service->server().lastRequest();
        QVERIFY(request.has_value());
        QCOMPARE(request->target,
                 m_service->target(service::sampleDocumentAddress(
                     m_service->baseUrl(), toU16String(w.SampleCodeEdit->text()))));
        QCOMPARE(m_messages.informations(), QStringList{kMessageA});
        QCOMPARE(m_messages.errors(), QStringList());
        // A failed load changes nothing that was loaded.
        QCOMPARE(w.SampleNameEdit->text(), u"Brunnen Müller"_s);
        QCOMPARE(itemTexts(*w.ParameterComboBox), loadedList);
        m_messages.clear();
        if (i % kCasesBetweenReferencePasses == 0) {
            QCOMPARE(referencePass(), reference);
        }
    }
    qInfo("%d sample codes", kSampleCodeCases);
    drive::loadSample(w, u"TW1"_s);
    QCOMPARE(m_messages.informations(), QStringList());
    QCOMPARE(referencePass(), reference);
}

int main(int argc, char* argv[])
{
    return runWindowTest<InputRobustnessTest>(argc, argv);
}

#include "InputRobustnessTest.moc"

// A complete pass through the input workflow in the usual order of use, with real mouse
// clicks, key presses and list choices. Each row replays the steps up to its own on a
// fresh window and checks the five controls after it.
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"
#include "tests/support/window/ControlState.h"
#include "tests/support/window/RecordingPresenter.h"
#include "tests/support/window/WindowDriver.h"
#include "tests/support/window/WindowTestMain.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct Step {
    const char* name;
    std::function<bool(TQuorviInterpreter&, MessagePresenter&)> perform;
};

const Step kSteps[] = {
    {"start", [](TQuorviInterpreter&, MessagePresenter&) { return true; }},
    {"load completes",
     [](TQuorviInterpreter& w, MessagePresenter& messages) {
         drive::loadParameters(w, messages, {u"Blei"_s, u"Nitrat"_s, u"Arsen"_s});
         return true;
     }},
    {"parameter list opened",
     [](TQuorviInterpreter& w, MessagePresenter&) {
         return drive::openListWithMouse(*w.ParameterComboBox);
     }},
    {"parameter chosen",
     [](TQuorviInterpreter& w, MessagePresenter&) {
         return drive::clickItem(*w.ParameterComboBox, 1) &&
                w.ParameterComboBox->text() == u"Nitrat"_s;
     }},
    {"prefix chosen",
     [](TQuorviInterpreter& w, MessagePresenter&) {
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
         if (!w.PrefixComboBox->hasFocus()) {
             return false;
         }
         QTest::keyClick(w.PrefixComboBox, Qt::Key_Down);
         return w.PrefixComboBox->text() == u"keins"_s;
     }},
    {"click into value box",
     [](TQuorviInterpreter& w, MessagePresenter&) {
         drive::clickInto(*w.valueEdit);
         return w.valueEdit->hasFocus();
     }},
    {"first character typed",
     [](TQuorviInterpreter& w, MessagePresenter&) {
         drive::type(*w.valueEdit, u"5"_s);
         return w.valueEdit->text() == u"5"_s;
     }},
    {"unit chosen from the list",
     [](TQuorviInterpreter& w, MessagePresenter&) {
         return drive::chooseWithMouse(*w.Unit, u"mg/L"_s) && w.Unit->text() == u"mg/L"_s;
     }},
    {"value emptied",
     [](TQuorviInterpreter& w, MessagePresenter&) {
         // Back into the value box by key, which selects its text, and delete it.
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
         QTest::keyClick(w.valueEdit, Qt::Key_Backspace);
         return w.valueEdit->text().isEmpty();
     }},
    {"a character typed again",
     [](TQuorviInterpreter& w, MessagePresenter&) {
         drive::type(*w.valueEdit, u"7"_s);
         return w.valueEdit->text() == u"7"_s;
     }},
    {"unit edited again",
     [](TQuorviInterpreter& w, MessagePresenter&) {
         QTest::keyClick(w.valueEdit, Qt::Key_Tab);
         if (!w.Unit->hasFocus()) {
             return false;
         }
         QTest::keyClick(w.Unit, Qt::Key_End);
         QTest::keyClick(w.Unit, Qt::Key_Backspace);
         return w.Unit->text() == u"mg/"_s;
     }},
};

} // namespace

class CompletePassTest : public QObject {
    Q_OBJECT

private slots:
    void pass_data();
    void pass();
};

void CompletePassTest::pass_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("button");

    const auto row = [](int step, const char* parameter, const char* prefix, const char* value,
                        const char* unit, const char* button) {
        QTest::newRow(kSteps[step].name)
            << step << QString::fromLatin1(parameter) << QString::fromLatin1(prefix)
            << QString::fromLatin1(value) << QString::fromLatin1(unit)
            << QString::fromLatin1(button);
    };
    // clang-format off
    //  step  ParameterComboBox           PrefixComboBox             valueEdit                  Unit                       process
    row(0,  "visible disabled white",   "hidden enabled white",    "hidden enabled white",    "hidden enabled white",    "hidden disabled");
    row(1,  "visible enabled yellow",   "hidden enabled white",    "hidden enabled white",    "hidden enabled white",    "hidden disabled");
    row(2,  "visible enabled yellow",   "hidden enabled white",    "hidden enabled white",    "hidden enabled white",    "hidden disabled");
    row(3,  "visible enabled lime",     "visible enabled yellow",  "hidden enabled yellow",   "hidden enabled yellow",   "hidden disabled");
    row(4,  "visible enabled lime",     "visible enabled lime",    "visible enabled yellow",  "hidden enabled yellow",   "hidden disabled");
    row(5,  "visible enabled lime",     "visible enabled lime",    "visible enabled yellow",  "hidden enabled yellow",   "hidden disabled");
    row(6,  "visible enabled lime",     "visible enabled lime",    "visible enabled lime",    "visible enabled yellow",  "hidden disabled");
    row(7,  "visible enabled lime",     "visible enabled lime",    "visible enabled lime",    "visible enabled lime",    "visible enabled");
    row(8,  "visible enabled lime",     "visible enabled lime",    "visible enabled red",     "hidden enabled lime",     "hidden enabled");
    row(9,  "visible enabled lime",     "visible enabled lime",    "visible enabled lime",    "visible enabled yellow",  "hidden enabled");
    row(10, "visible enabled lime",     "visible enabled lime",    "visible enabled lime",    "visible enabled lime",    "visible enabled");
    // clang-format on
}

void CompletePassTest::pass()
{
    QFETCH(int, step);
    QFETCH(QString, parameter);
    QFETCH(QString, prefix);
    QFETCH(QString, value);
    QFETCH(QString, unit);
    QFETCH(QString, button);

    RecordingPresenter messages;
    TQuorviInterpreter window(messages, u"https://127.0.0.1:1/");
    QVERIFY(drive::showActive(window));
    for (int i = 0; i <= step; ++i) {
        QVERIFY2(kSteps[i].perform(window, messages), kSteps[i].name);
    }

    QCOMPARE(controlState(*window.ParameterComboBox), parameter);
    QCOMPARE(controlState(*window.PrefixComboBox), prefix);
    QCOMPARE(controlState(*window.valueEdit), value);
    QCOMPARE(controlState(*window.Unit), unit);
    QCOMPARE(controlState(*window.process, false), button);
    QVERIFY(messages.informations().isEmpty());
    QVERIFY(messages.errors().isEmpty());
}

int main(int argc, char* argv[])
{
    return runWindowTest<CompletePassTest>(argc, argv);
}

#include "CompletePassTest.moc"

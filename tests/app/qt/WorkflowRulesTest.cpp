// The seven rules that unlock and colour the input controls, one behaviour at a time.
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"
#include "tests/support/window/ControlState.h"
#include "tests/support/window/RecordingPresenter.h"
#include "tests/support/window/WindowDriver.h"
#include "tests/support/window/WindowFixture.h"
#include "tests/support/window/WindowTestMain.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

class WorkflowRulesTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nothingIsUnlockedBeforeALoad();
    void openingTheParameterListTurnsItYellow();
    void parameterChange_data();
    void parameterChange();
    void prefixChange_data();
    void prefixChange();
    void clickIntoTheValueBoxTurnsItYellowWhateverItsText();
    void valueChange_data();
    void valueChange();
    void emptyingTheValueHidesUnitAndButton();
    void editingAFilledValueTurnsUnitYellowAgain();
    void unitChosenFromTheListEndsLime();
    void anyTypedUnitShowsAndEnablesTheButton();
    void anotherParameterKeepsTextsAndButton();

private:
    // Load, parameter "Blei", prefix "keins", value "5", unit "mg/L".
    bool completePass();
    QString state(const QWidget* control) { return controlState(*control); }
};

void WorkflowRulesTest::init()
{
    openWindow();
    QVERIFY(drive::showActive(*m_window));
}

void WorkflowRulesTest::cleanup()
{
    closeWindow();
    QVERIFY(m_messages.informations().isEmpty());
    QVERIFY(m_messages.errors().isEmpty());
}

bool WorkflowRulesTest::completePass()
{
    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_s, u"Nitrat"_s, u"Arsen"_s});
    return drive::fillInputs(w, u"Blei"_s, u"5"_s, u"mg/L"_s) &&
           controlState(*w.process, false) == u"visible enabled"_s;
}

void WorkflowRulesTest::nothingIsUnlockedBeforeALoad()
{
    TQuorviInterpreter& w = *m_window;
    drive::clickInto(*w.ParameterComboBox);
    drive::type(*w.ParameterComboBox, u"Blei"_s);
    QCOMPARE(w.ParameterComboBox->text(), u"-bitte auswählen-"_s);
    QCOMPARE(state(w.ParameterComboBox), u"visible disabled white"_s);
    QCOMPARE(state(w.PrefixComboBox), u"hidden enabled white"_s);
}

void WorkflowRulesTest::openingTheParameterListTurnsItYellow()
{
    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_s, u"Nitrat"_s});
    QVERIFY(drive::chooseWithMouse(*w.ParameterComboBox, u"Nitrat"_s));
    QCOMPARE(state(w.ParameterComboBox), u"visible enabled lime"_s);

    QVERIFY(drive::openListWithMouse(*w.ParameterComboBox));
    QCOMPARE(state(w.ParameterComboBox), u"visible enabled yellow"_s);
    QTest::keyClick(w.ParameterComboBox->view(), Qt::Key_Escape);
    QTRY_VERIFY(!w.ParameterComboBox->view()->isVisible());

    QCOMPARE(state(w.ParameterComboBox), u"visible enabled yellow"_s);
    QCOMPARE(w.ParameterComboBox->text(), u"Nitrat"_s);
    QCOMPARE(state(w.PrefixComboBox), u"visible enabled yellow"_s);
}

void WorkflowRulesTest::parameterChange_data()
{
    QTest::addColumn<bool>("typed");
    QTest::newRow("chosen from the list") << false;
    QTest::newRow("one character typed") << true;
}

void WorkflowRulesTest::parameterChange()
{
    QFETCH(bool, typed);
    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_s, u"Nitrat"_s});
    if (typed) {
        drive::clickInto(*w.ParameterComboBox->lineEdit());
        drive::type(*w.ParameterComboBox, u"x"_s);
    } else {
        QVERIFY(drive::chooseWithMouse(*w.ParameterComboBox, u"Blei"_s));
    }

    QCOMPARE(state(w.ParameterComboBox), u"visible enabled lime"_s);
    QCOMPARE(state(w.PrefixComboBox), u"visible enabled yellow"_s);
    QCOMPARE(state(w.valueEdit), u"hidden enabled yellow"_s);
    QCOMPARE(state(w.Unit), u"hidden enabled yellow"_s);
    QCOMPARE(controlState(*w.process, false), u"hidden disabled"_s);
}

void WorkflowRulesTest::prefixChange_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::newRow("\"keins\" by arrow key") << u"key"_s << u"keins"_s;
    QTest::newRow("\"<\" by mouse") << u"mouse"_s << u"<"_s;
    QTest::newRow("typed") << u"typed"_s << u"Vorzeichen="_s;
}

void WorkflowRulesTest::prefixChange()
{
    QFETCH(QString, how);
    QFETCH(QString, text);
    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_s});
    QVERIFY(drive::chooseWithMouse(*w.ParameterComboBox, u"Blei"_s));

    if (how == u"key") {
        drive::chooseNextWithArrowKey(*w.PrefixComboBox);
    } else if (how == u"mouse") {
        QVERIFY(drive::chooseWithMouse(*w.PrefixComboBox, u"<"_s));
    } else {
        drive::clickInto(*w.PrefixComboBox->lineEdit());
        QTest::keyClick(w.PrefixComboBox, Qt::Key_End);
        drive::type(*w.PrefixComboBox, u"="_s);
    }

    QCOMPARE(w.PrefixComboBox->text(), text);
    QCOMPARE(state(w.PrefixComboBox), u"visible enabled lime"_s);
    QCOMPARE(state(w.valueEdit), u"visible enabled yellow"_s);
    QCOMPARE(state(w.Unit), u"hidden enabled yellow"_s);
}

void WorkflowRulesTest::clickIntoTheValueBoxTurnsItYellowWhateverItsText()
{
    TQuorviInterpreter& w = *m_window;
    QVERIFY(completePass());
    QCOMPARE(state(w.valueEdit), u"visible enabled lime"_s);

    drive::clickInto(*w.valueEdit);
    QCOMPARE(state(w.valueEdit), u"visible enabled yellow"_s);
    drive::clickInto(*w.valueEdit);
    QCOMPARE(state(w.valueEdit), u"visible enabled yellow"_s);
    QCOMPARE(state(w.Unit), u"visible enabled lime"_s);

    QTest::keyClick(w.valueEdit, Qt::Key_End);
    drive::type(*w.valueEdit, u"0"_s);
    QCOMPARE(state(w.valueEdit), u"visible enabled lime"_s);
}

void WorkflowRulesTest::valueChange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("digit") << u"5"_s;
    QTest::newRow("blank only") << u" "_s;
    QTest::newRow("not a number") << u"POSITIV"_s;
}

void WorkflowRulesTest::valueChange()
{
    QFETCH(QString, typed);
    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_s});
    QVERIFY(drive::enterValue(w, u"Blei"_s, typed));

    QCOMPARE(w.valueEdit->text(), typed);
    QCOMPARE(state(w.valueEdit), u"visible enabled lime"_s);
    QCOMPARE(state(w.Unit), u"visible enabled yellow"_s);
    QCOMPARE(controlState(*w.process, false), u"hidden disabled"_s);
}

void WorkflowRulesTest::emptyingTheValueHidesUnitAndButton()
{
    TQuorviInterpreter& w = *m_window;
    QVERIFY(completePass());

    drive::clickInto(*w.valueEdit);
    QTest::keyClick(w.valueEdit, Qt::Key_End);
    QTest::keyClick(w.valueEdit, Qt::Key_Backspace);
    QCOMPARE(state(w.valueEdit), u"visible enabled red"_s);
    QCOMPARE(state(w.Unit), u"hidden enabled lime"_s);
    QCOMPARE(w.Unit->text(), u"mg/L"_s);
    QCOMPARE(controlState(*w.process, false), u"hidden enabled"_s);

    drive::type(*w.valueEdit, u"8"_s);
    QCOMPARE(state(w.valueEdit), u"visible enabled lime"_s);
    QCOMPARE(state(w.Unit), u"visible enabled yellow"_s);
    QCOMPARE(controlState(*w.process, false), u"hidden enabled"_s);
}

void WorkflowRulesTest::editingAFilledValueTurnsUnitYellowAgain()
{
    TQuorviInterpreter& w = *m_window;
    QVERIFY(completePass());
    drive::clickInto(*w.valueEdit);
    QTest::keyClick(w.valueEdit, Qt::Key_End);
    drive::type(*w.valueEdit, u"0"_s);

    QCOMPARE(w.valueEdit->text(), u"50"_s);
    QCOMPARE(state(w.Unit), u"visible enabled yellow"_s);
    QCOMPARE(controlState(*w.process, false), u"visible enabled"_s);
}

void WorkflowRulesTest::unitChosenFromTheListEndsLime()
{
    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_s});
    QVERIFY(drive::enterValue(w, u"Blei"_s, u"5"_s));

    // Connected after the window's own handlers, so each sees what its handler left.
    QStringList seen;
    connect(w.Unit, &ComboBox::clicked, this, [&] { seen.append(u"click "_s + state(w.Unit)); });
    connect(w.Unit, &ComboBox::changed, this, [&] { seen.append(u"change "_s + state(w.Unit)); });
    QVERIFY(drive::chooseWithMouse(*w.Unit, u"KBE/100mL"_s));

    QCOMPARE(seen,
             (QStringList{u"click visible enabled green"_s, u"change visible enabled lime"_s}));
    QCOMPARE(w.Unit->text(), u"KBE/100mL"_s);
    QCOMPARE(controlState(*w.process, false), u"visible enabled"_s);
}

void WorkflowRulesTest::anyTypedUnitShowsAndEnablesTheButton()
{
    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_s});
    QVERIFY(drive::enterValue(w, u"Blei"_s, u"5"_s));
    drive::clickInto(*w.Unit->lineEdit());
    w.Unit->lineEdit()->selectAll();
    drive::type(*w.Unit, u"ppm"_s);

    QCOMPARE(w.Unit->text(), u"ppm"_s);
    QCOMPARE(state(w.Unit), u"visible enabled lime"_s);
    QCOMPARE(controlState(*w.process, false), u"visible enabled"_s);
}

void WorkflowRulesTest::anotherParameterKeepsTextsAndButton()
{
    TQuorviInterpreter& w = *m_window;
    QVERIFY(completePass());
    QVERIFY(drive::chooseWithMouse(*w.ParameterComboBox, u"Arsen"_s));

    QCOMPARE(state(w.ParameterComboBox), u"visible enabled lime"_s);
    QCOMPARE(state(w.PrefixComboBox), u"visible enabled yellow"_s);
    QCOMPARE(state(w.valueEdit), u"visible enabled yellow"_s);
    QCOMPARE(state(w.Unit), u"visible enabled yellow"_s);
    QCOMPARE(controlState(*w.process, false), u"visible enabled"_s);
    QCOMPARE(w.PrefixComboBox->text(), u"keins"_s);
    QCOMPARE(w.valueEdit->text(), u"5"_s);
    QCOMPARE(w.Unit->text(), u"mg/L"_s);
}

int main(int argc, char* argv[])
{
    return runWindowTest<WorkflowRulesTest>(argc, argv);
}

#include "WorkflowRulesTest.moc"

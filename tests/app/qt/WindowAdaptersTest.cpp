// How sample loading and the interpretation run reach the window, and the two button
// handlers that construct them, without a service.
#include "app/logic/ControlInterpretationView.h"
#include "app/logic/ControlSampleView.h"
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"
#include "app/qt/controls/TextArea.h"
#include "tests/support/window/ControlState.h"
#include "tests/support/window/RecordingPresenter.h"
#include "tests/support/window/WindowDriver.h"
#include "tests/support/window/WindowFixture.h"
#include "tests/support/window/WindowTestMain.h"

#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kUnloaded = u"-wird automatisch eingelesen-"_s;

} // namespace

class WindowAdaptersTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sampleViewReadsAndWritesTheBoxes();
    void sampleViewKeepsTheParameterTextWhileTheListChanges();
    void sampleViewMarksTheParametersLoaded();
    void sampleViewShowsMessagesWithoutIcon();
    void interpretationViewWritesTheValueThroughTheEditBox_data();
    void interpretationViewWritesTheValueThroughTheEditBox();
    void interpretationViewOutputArea();
    void loadWithoutServiceShowsTheLoadingMessageOnly();
    void processAnswersASpecialResult();

private:
};

void WindowAdaptersTest::init()
{
    openWindow();
    QVERIFY(drive::showActive(*m_window));
}

void WindowAdaptersTest::cleanup()
{
    closeWindow();
    QVERIFY(m_messages.errors().isEmpty());
}

void WindowAdaptersTest::sampleViewReadsAndWritesTheBoxes()
{
    TQuorviInterpreter& w = *m_window;
    ControlSampleView view(w.controls(), m_messages);
    drive::clickInto(*w.SampleCodeEdit);
    drive::type(*w.SampleCodeEdit, u"TW 1/"_s);
    QVERIFY(view.sampleCode() == u"TW 1/");
    QVERIFY(view.sampleType() == kUnloaded.toStdU16String());

    view.setSampleName(u"Brunnen Müller");
    view.setSampleType(u"Trinkwasser");
    view.setInterpretationText(u"HTTP/1.1 200 OK");
    QCOMPARE(w.SampleNameEdit->text(), u"Brunnen Müller"_s);
    QCOMPARE(w.SampleTypeEdit->text(), u"Trinkwasser"_s);
    QVERIFY(view.sampleType() == u"Trinkwasser");
    QCOMPARE(w.interpretation->text(), u"HTTP/1.1 200 OK"_s);
    QCOMPARE(controlState(*w.SampleNameEdit), u"visible disabled white"_s);
    QVERIFY(m_messages.informations().isEmpty());
}

void WindowAdaptersTest::sampleViewKeepsTheParameterTextWhileTheListChanges()
{
    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_s, u"Nitrat"_s});
    QVERIFY(drive::chooseWithMouse(*w.ParameterComboBox, u"Nitrat"_s));

    ControlSampleView view(w.controls(), m_messages);
    view.clearParameters();
    QVERIFY(itemTexts(*w.ParameterComboBox).isEmpty());
    QCOMPARE(w.ParameterComboBox->text(), u"Nitrat"_s);
    QCOMPARE(controlState(*w.ParameterComboBox), u"visible enabled lime"_s);

    view.appendParameter(u"Arsen");
    view.appendParameter(u"Kupfer");
    QCOMPARE(itemTexts(*w.ParameterComboBox), (QStringList{u"Arsen"_s, u"Kupfer"_s}));
    QCOMPARE(w.ParameterComboBox->text(), u"Nitrat"_s);
    QCOMPARE(w.ParameterComboBox->currentIndex(), -1);
    QCOMPARE(controlState(*w.ParameterComboBox), u"visible enabled lime"_s);
    QCOMPARE(controlState(*w.PrefixComboBox), u"visible enabled yellow"_s);
}

void WindowAdaptersTest::sampleViewMarksTheParametersLoaded()
{
    TQuorviInterpreter& w = *m_window;
    ControlSampleView view(w.controls(), m_messages);
    view.appendParameter(u"Blei");
    QCOMPARE(w.ParameterComboBox->text(), u"-bitte auswählen-"_s);
    QCOMPARE(controlState(*w.ParameterComboBox), u"visible disabled white"_s);
    view.markParametersLoaded();
    QCOMPARE(controlState(*w.ParameterComboBox), u"visible enabled yellow"_s);
    QCOMPARE(controlState(*w.PrefixComboBox), u"hidden enabled white"_s);
}

void WindowAdaptersTest::sampleViewShowsMessagesWithoutIcon()
{
    ControlSampleView view(m_window->controls(), m_messages);
    view.showMessage(u"Ihre Probenart wird derzeit leider nicht unterstützt");
    QCOMPARE(m_messages.informations(),
             QStringList{u"Ihre Probenart wird derzeit leider nicht unterstützt"_s});
}

void WindowAdaptersTest::interpretationViewWritesTheValueThroughTheEditBox_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("unit");
    QTest::newRow("changed text runs the value rule") << u"5.5"_s << u"visible enabled yellow"_s;
    QTest::newRow("same text runs nothing") << u"5,5"_s << u"visible enabled lime"_s;
    QTest::newRow("emptied") << QString() << u"hidden enabled lime"_s;
}

void WindowAdaptersTest::interpretationViewWritesTheValueThroughTheEditBox()
{
    QFETCH(QString, written);
    QFETCH(QString, unit);

    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_s});
    QVERIFY(drive::fillInputs(w, u"Blei"_s, u"5,5"_s, u"mg/L"_s));

    ControlInterpretationView view(w.controls());
    QVERIFY(view.valueText() == u"5,5");
    QVERIFY(view.unitText() == u"mg/L");
    QVERIFY(view.prefixText() == u"keins");
    QVERIFY(view.parameterText() == u"Blei");
    view.setValueText(written.toStdU16String());

    QCOMPARE(w.valueEdit->text(), written);
    QCOMPARE(controlState(*w.Unit), unit);
}

void WindowAdaptersTest::interpretationViewOutputArea()
{
    TQuorviInterpreter& w = *m_window;
    ControlInterpretationView view(w.controls());
    view.setOutputText(u"HTTP/1.1 200 OK");
    view.setOutputText(u"");
    view.appendOutputLine(u"Erste Zeile");
    view.appendOutputLine(u"Zweite\nZeile");
    QVERIFY(view.outputText() == u"Erste Zeile\nZweite\nZeile\n");
    QCOMPARE(w.interpretation->toPlainText(), u"Erste Zeile\nZweite\nZeile\n"_s);

    view.setOutputColour(OutputColour::Yellow);
    QCOMPARE(controlState(*w.interpretation), u"visible enabled yellow"_s);
    view.setOutputColour(OutputColour::Lime);
    QCOMPARE(controlState(*w.interpretation), u"visible enabled lime"_s);

    view.setIntroText(u"So lesen Sie Ihre Trinkwasserwerte.");
    QCOMPARE(w.disclaimer->text(), u"So lesen Sie Ihre Trinkwasserwerte."_s);
    QCOMPARE(controlState(*w.disclaimer), u"visible disabled white"_s);
}

void WindowAdaptersTest::loadWithoutServiceShowsTheLoadingMessageOnly()
{
    TQuorviInterpreter& w = *m_window;
    drive::clickInto(*w.SampleCodeEdit);
    drive::type(*w.SampleCodeEdit, u"TW1"_s);
    drive::clickInto(*w.LoadCodeData);

    QCOMPARE(m_messages.informations(),
             QStringList{u"Fehler: Die angegebene Probe wurde nicht ordnungsmäßig aktiviert, der "
                         u"Abruf der Daten ist gescheitert."_s});
    QCOMPARE(w.SampleTypeEdit->text(), kUnloaded);
    QCOMPARE(w.SampleNameEdit->text(), kUnloaded);
    QCOMPARE(w.ParameterComboBox->count(), 0);
    QCOMPARE(controlState(*w.ParameterComboBox), u"visible disabled white"_s);
    QCOMPARE(w.interpretation->text(), QString());
}

void WindowAdaptersTest::processAnswersASpecialResult()
{
    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_s});
    QVERIFY(drive::fillInputs(w, u"Blei"_s, u"n,b,"_s, u"mg/L"_s));
    w.interpretation->setText(u"HTTP/1.1 200 OK"_s);

    drive::clickInto(*w.process);

    QCOMPARE(w.valueEdit->text(), u"n.b."_s);
    QCOMPARE(w.interpretation->text(), u"Der Prüfwert war nicht bestimmbar oder wurde aus "
                                       u"anderen Gründen nicht bestimmt.\n"_s);
    QCOMPARE(controlState(*w.interpretation), u"visible enabled white"_s);
    QCOMPARE(controlState(*w.Unit), u"visible enabled yellow"_s);
    QCOMPARE(controlState(*w.process, false), u"visible enabled"_s);
    QVERIFY(m_messages.informations().isEmpty());
}

int main(int argc, char* argv[])
{
    return runWindowTest<WindowAdaptersTest>(argc, argv);
}

#include "WindowAdaptersTest.moc"

// How sample loading and the interpretation run reach the window, and the two button
// handlers that construct them, without a service.
#include "ComboBox.h"
#include "ControlState.h"
#include "EditBox.h"
#include "RecordingPresenter.h"
#include "TQuorviInterpreter.h"
#include "TextArea.h"
#include "WindowDriver.h"
#include "WindowInterpretationView.h"
#include "WindowSampleView.h"
#include "WindowTestMain.h"

#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

const QString unloaded = u"-wird automatisch eingelesen-"_qs;

QStringList itemsOf(const ComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i) {
        items.append(box.itemText(i));
    }
    return items;
}

} // namespace

class WindowAdaptersTest : public QObject {
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
    RecordingPresenter m_messages;
    std::unique_ptr<TQuorviInterpreter> m_window;
};

void WindowAdaptersTest::init()
{
    m_messages.clear();
    m_window = std::make_unique<TQuorviInterpreter>(m_messages, u"https://127.0.0.1:1/");
    QVERIFY(drive::showActive(*m_window));
}

void WindowAdaptersTest::cleanup()
{
    m_window.reset();
    QVERIFY(m_messages.errors().isEmpty());
}

void WindowAdaptersTest::sampleViewReadsAndWritesTheBoxes()
{
    TQuorviInterpreter& w = *m_window;
    WindowSampleView view(w, m_messages);
    drive::clickInto(*w.SampleCodeEdit);
    drive::type(*w.SampleCodeEdit, u"TW-ä 1"_qs);
    QVERIFY(view.sampleCode() == u"TW-ä 1");
    QVERIFY(view.sampleType() == unloaded.toStdU16String());

    view.setSampleName(u"Brunnen Müller");
    view.setSampleType(u"Trinkwasser");
    view.setInterpretationText(u"HTTP/1.1 200 OK");
    QCOMPARE(w.SampleNameEdit->text(), u"Brunnen Müller"_qs);
    QCOMPARE(w.SampleTypeEdit->text(), u"Trinkwasser"_qs);
    QVERIFY(view.sampleType() == u"Trinkwasser");
    QCOMPARE(w.interpretation->text(), u"HTTP/1.1 200 OK"_qs);
    QCOMPARE(controlState(*w.SampleNameEdit), u"visible disabled white"_qs);
    QVERIFY(m_messages.informations().isEmpty());
}

void WindowAdaptersTest::sampleViewKeepsTheParameterTextWhileTheListChanges()
{
    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_qs, u"Nitrat"_qs});
    QVERIFY(drive::chooseWithMouse(*w.ParameterComboBox, u"Nitrat"_qs));

    WindowSampleView view(w, m_messages);
    view.clearParameters();
    QVERIFY(itemsOf(*w.ParameterComboBox).isEmpty());
    QCOMPARE(w.ParameterComboBox->text(), u"Nitrat"_qs);
    QCOMPARE(controlState(*w.ParameterComboBox), u"visible enabled lime"_qs);

    view.appendParameter(u"Arsen");
    view.appendParameter(u"Kupfer");
    QCOMPARE(itemsOf(*w.ParameterComboBox), (QStringList{u"Arsen"_qs, u"Kupfer"_qs}));
    QCOMPARE(w.ParameterComboBox->text(), u"Nitrat"_qs);
    QCOMPARE(w.ParameterComboBox->currentIndex(), -1);
    QCOMPARE(controlState(*w.ParameterComboBox), u"visible enabled lime"_qs);
    QCOMPARE(controlState(*w.PrefixComboBox), u"visible enabled yellow"_qs);
}

void WindowAdaptersTest::sampleViewMarksTheParametersLoaded()
{
    TQuorviInterpreter& w = *m_window;
    WindowSampleView view(w, m_messages);
    view.appendParameter(u"Blei");
    QCOMPARE(w.ParameterComboBox->text(), u"-bitte auswählen-"_qs);
    QCOMPARE(controlState(*w.ParameterComboBox), u"visible disabled white"_qs);
    view.markParametersLoaded();
    QCOMPARE(controlState(*w.ParameterComboBox), u"visible enabled yellow"_qs);
    QCOMPARE(controlState(*w.PrefixComboBox), u"hidden enabled white"_qs);
}

void WindowAdaptersTest::sampleViewShowsMessagesWithoutIcon()
{
    WindowSampleView view(*m_window, m_messages);
    view.showMessage(u"Ihre Probenart wird derzeit leider nicht unterstützt");
    QCOMPARE(m_messages.informations(),
             QStringList{u"Ihre Probenart wird derzeit leider nicht unterstützt"_qs});
}

void WindowAdaptersTest::interpretationViewWritesTheValueThroughTheEditBox_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("unit");
    QTest::newRow("changed text runs the value rule") << u"5.5"_qs << u"visible enabled yellow"_qs;
    QTest::newRow("same text runs nothing") << u"5,5"_qs << u"visible enabled lime"_qs;
    QTest::newRow("emptied") << QString() << u"hidden enabled lime"_qs;
}

void WindowAdaptersTest::interpretationViewWritesTheValueThroughTheEditBox()
{
    QFETCH(QString, written);
    QFETCH(QString, unit);

    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_qs});
    QVERIFY(drive::chooseWithMouse(*w.ParameterComboBox, u"Blei"_qs));
    drive::chooseNextWithArrowKey(*w.PrefixComboBox);
    drive::clickInto(*w.valueEdit);
    drive::type(*w.valueEdit, u"5,5"_qs);
    QVERIFY(drive::chooseWithMouse(*w.Unit, u"mg/L"_qs));

    WindowInterpretationView view(w);
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
    WindowInterpretationView view(w);
    view.setOutputText(u"HTTP/1.1 200 OK");
    view.setOutputText(u"");
    view.appendOutputLine(u"Erste Zeile");
    view.appendOutputLine(u"Zweite\nZeile");
    QVERIFY(view.outputText() == u"Erste Zeile\nZweite\nZeile\n");
    QCOMPARE(w.interpretation->toPlainText(), u"Erste Zeile\nZweite\nZeile\n"_qs);

    view.setOutputColour(OutputColour::Yellow);
    QCOMPARE(controlState(*w.interpretation), u"visible enabled yellow"_qs);
    view.setOutputColour(OutputColour::Lime);
    QCOMPARE(controlState(*w.interpretation), u"visible enabled lime"_qs);

    view.setIntroText(u"So lesen Sie Ihre Trinkwasserwerte.");
    QCOMPARE(w.disclaimer->text(), u"So lesen Sie Ihre Trinkwasserwerte."_qs);
    QCOMPARE(controlState(*w.disclaimer), u"visible disabled white"_qs);
}

void WindowAdaptersTest::loadWithoutServiceShowsTheLoadingMessageOnly()
{
    TQuorviInterpreter& w = *m_window;
    drive::clickInto(*w.SampleCodeEdit);
    drive::type(*w.SampleCodeEdit, u"TW1"_qs);
    drive::clickInto(*w.LoadCodeData);

    QCOMPARE(m_messages.informations(),
             QStringList{u"Fehler: Die angegebene Probe wurde nicht ordnungsmäßig aktiviert, der "
                         u"Abruf der Daten ist gescheitert."_qs});
    QCOMPARE(w.SampleTypeEdit->text(), unloaded);
    QCOMPARE(w.SampleNameEdit->text(), unloaded);
    QCOMPARE(w.ParameterComboBox->count(), 0);
    QCOMPARE(controlState(*w.ParameterComboBox), u"visible disabled white"_qs);
    QCOMPARE(w.interpretation->text(), QString());
}

void WindowAdaptersTest::processAnswersASpecialResult()
{
    TQuorviInterpreter& w = *m_window;
    drive::loadParameters(w, m_messages, {u"Blei"_qs});
    QVERIFY(drive::chooseWithMouse(*w.ParameterComboBox, u"Blei"_qs));
    drive::chooseNextWithArrowKey(*w.PrefixComboBox);
    drive::clickInto(*w.valueEdit);
    drive::type(*w.valueEdit, u"n,b,"_qs);
    QVERIFY(drive::chooseWithMouse(*w.Unit, u"mg/L"_qs));
    w.interpretation->setText(u"HTTP/1.1 200 OK"_qs);

    drive::clickInto(*w.process);

    QCOMPARE(w.valueEdit->text(), u"n.b."_qs);
    QCOMPARE(w.interpretation->text(), u"Der Prüfwert war nicht bestimmbar oder wurde aus "
                                       u"anderen Gründen nicht bestimmt.\n"_qs);
    QCOMPARE(controlState(*w.interpretation), u"visible enabled white"_qs);
    QCOMPARE(controlState(*w.Unit), u"visible enabled yellow"_qs);
    QCOMPARE(controlState(*w.process, false), u"visible enabled"_qs);
    QVERIFY(m_messages.informations().isEmpty());
}

int main(int argc, char* argv[])
{
    return runWindowTest<WindowAdaptersTest>(argc, argv);
}

#include "WindowAdaptersTest.moc"

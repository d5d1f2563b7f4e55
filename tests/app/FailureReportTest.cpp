// The general failure report: its text rule, the boundary around every handler and the
// application's last guard.
#include "ComboBox.h"
#include "ControlState.h"
#include "EditBox.h"
#include "ENetCore.h"
#include "FailureReport.h"
#include "RecordingPresenter.h"
#include "TQuorviInterpreter.h"
#include "TextArea.h"
#include "WindowDriver.h"
#include "WindowTestMain.h"

#include <QPushButton>
#include <QTest>
#include <functional>
#include <stdexcept>

namespace {

class ThrowingObject : public QObject {
protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User) {
            throw std::runtime_error("Ereignis fehlgeschlagen");
        }
        return QObject::event(event);
    }
};

} // namespace

Q_DECLARE_METATYPE(std::function<void()>)

class FailureReportTest : public QObject {
    Q_OBJECT

public:
    explicit FailureReportTest(RecordingPresenter& applicationGuard)
        : m_applicationGuard(applicationGuard)
    {
    }

private slots:
    void fullStopRule_data();
    void fullStopRule();
    void boundaryReportsEveryException_data();
    void boundaryReportsEveryException();
    void handlerErrorIsReportedAndTheWindowStaysUsable();
    void applicationGuardCatchesWhatEscapesAnEvent();

private:
    RecordingPresenter& m_applicationGuard;
};

void FailureReportTest::fullStopRule_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letter") << u"Zugriff verweigert"_qs << u"Zugriff verweigert."_qs;
    QTest::newRow("component error")
        << u"151: HTTP/1.1 404 Not Found"_qs << u"151: HTTP/1.1 404 Not Found."_qs;
    QTest::newRow("digit") << u"Fehler 42"_qs << u"Fehler 42."_qs;
    QTest::newRow("slash, just above the full stop") << u"a/"_qs << u"a/."_qs;
    QTest::newRow("question mark") << u"Warum?"_qs << u"Warum?."_qs;
    QTest::newRow("closing parenthesis, below the full stop") << u"(x)"_qs << u"(x)"_qs;
    QTest::newRow("umlaut") << u"ungültig ä"_qs << u"ungültig ä."_qs;
    QTest::newRow("full stop") << u"Fertig."_qs << u"Fertig."_qs;
    QTest::newRow("blank") << u"Fertig "_qs << u"Fertig "_qs;
    QTest::newRow("exclamation mark") << u"Halt!"_qs << u"Halt!"_qs;
    QTest::newRow("comma") << u"eins,"_qs << u"eins,"_qs;
    QTest::newRow("hyphen") << u"eins-"_qs << u"eins-"_qs;
    QTest::newRow("line break") << u"eins\n"_qs << u"eins\n"_qs;
    QTest::newRow("empty") << QString() << QString();
}

void FailureReportTest::fullStopRule()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(failureReportText(message), shown);
}

void FailureReportTest::boundaryReportsEveryException_data()
{
    QTest::addColumn<std::function<void()>>("fail");
    QTest::addColumn<QString>("shown");

    QTest::newRow("standard exception")
        << std::function<void()>([] { throw std::runtime_error("Zugriff verweigert"); })
        << u"Zugriff verweigert."_qs;
    QTest::newRow("component exception")
        << std::function<void()>([] { throw ENetCore(151, "HTTP/1.1 404 Not Found"); })
        << u"151: HTTP/1.1 404 Not Found."_qs;
    QTest::newRow("UTF-8 message")
        << std::function<void()>([] { throw Exception("Ungültige Eingabe"); })
        << u"Ungültige Eingabe."_qs;
    QTest::newRow("empty message")
        << std::function<void()>([] { throw std::runtime_error(""); }) << QString();
    QTest::newRow("not an exception class")
        << std::function<void()>([] { throw 42; }) << QString();
}

void FailureReportTest::boundaryReportsEveryException()
{
    QFETCH(std::function<void()>, fail);
    QFETCH(QString, shown);

    RecordingPresenter messages;
    bool continued = false;
    reportFailures(messages, [&] {
        fail();
        continued = true;
    });
    QVERIFY(!continued);
    QCOMPARE(messages.errors(), QStringList{shown});
    QVERIFY(messages.informations().isEmpty());
}

void FailureReportTest::handlerErrorIsReportedAndTheWindowStaysUsable()
{
    RecordingPresenter messages;
    TQuorviInterpreter w(messages, u"https://127.0.0.1:1/");
    QVERIFY(drive::showActive(w));
    drive::loadParameters(w, messages, {u"Blei"_qs});
    QVERIFY(drive::chooseWithMouse(*w.ParameterComboBox, u"Blei"_qs));
    drive::chooseNextWithArrowKey(*w.PrefixComboBox);
    drive::clickInto(*w.valueEdit);
    drive::type(*w.valueEdit, u"abc"_qs);
    QVERIFY(drive::chooseWithMouse(*w.Unit, u"mg/L"_qs));
    w.interpretation->setText(u"HTTP/1.1 200 OK"_qs);

    drive::clickInto(*w.process);

    // Ends in ")", below the full stop: shown unchanged.
    QCOMPARE(messages.errors(),
             QStringList{u"Could not convert variant of type (String) into type (Double)"_qs});
    // What the handler had done before the error stays done.
    QCOMPARE(w.interpretation->text(), QString());
    QVERIFY(w.isVisible());

    drive::clickInto(*w.valueEdit);
    QTest::keyClick(w.valueEdit, Qt::Key_End);
    QTest::keyClick(w.valueEdit, Qt::Key_Backspace);
    QCOMPARE(controlState(*w.valueEdit), u"visible enabled lime"_qs);
    QCOMPARE(controlState(*w.Unit), u"visible enabled yellow"_qs);
    QCOMPARE(messages.errors().size(), 1);
}

void FailureReportTest::applicationGuardCatchesWhatEscapesAnEvent()
{
    ThrowingObject target;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);
    QCOMPARE(m_applicationGuard.errors(), QStringList{u"Ereignis fehlgeschlagen."_qs});
    m_applicationGuard.clear();
}

int main(int argc, char* argv[])
{
    return runWindowTest<FailureReportTest>(argc, argv);
}

#include "FailureReportTest.moc"

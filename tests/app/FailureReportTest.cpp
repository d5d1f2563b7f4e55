// The general failure report: its text rule, the boundary around every handler and the
// application's last guard.
#include "FailureReport.h"

#include "ComboBox.h"
#include "ControlState.h"
#include "ENetCore.h"
#include "EditBox.h"
#include "RecordingPresenter.h"
#include "TQuorviInterpreter.h"
#include "TextArea.h"
#include "WindowDriver.h"
#include "WindowTestMain.h"

#include <QPushButton>
#include <QTest>
#include <functional>
#include <stdexcept>

using namespace Qt::StringLiterals;

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

    QTest::newRow("letter") << u"Zugriff verweigert"_s << u"Zugriff verweigert."_s;
    QTest::newRow("component error")
        << u"151: HTTP/1.1 404 Not Found"_s << u"151: HTTP/1.1 404 Not Found."_s;
    QTest::newRow("digit") << u"Fehler 42"_s << u"Fehler 42."_s;
    QTest::newRow("slash, just above the full stop") << u"a/"_s << u"a/."_s;
    QTest::newRow("question mark") << u"Warum?"_s << u"Warum?."_s;
    QTest::newRow("closing parenthesis, below the full stop") << u"(x)"_s << u"(x)"_s;
    QTest::newRow("umlaut") << u"ungültig ä"_s << u"ungültig ä."_s;
    QTest::newRow("full stop") << u"Fertig."_s << u"Fertig."_s;
    QTest::newRow("blank") << u"Fertig "_s << u"Fertig "_s;
    QTest::newRow("exclamation mark") << u"Halt!"_s << u"Halt!"_s;
    QTest::newRow("comma") << u"eins,"_s << u"eins,"_s;
    QTest::newRow("hyphen") << u"eins-"_s << u"eins-"_s;
    QTest::newRow("line break") << u"eins\n"_s << u"eins\n"_s;
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
        << u"Zugriff verweigert."_s;
    QTest::newRow("component exception")
        << std::function<void()>([] { throw ENetCore(151, "HTTP/1.1 404 Not Found"); })
        << u"151: HTTP/1.1 404 Not Found."_s;
    QTest::newRow("UTF-8 message")
        << std::function<void()>([] { throw Exception("Ungültige Eingabe"); })
        << u"Ungültige Eingabe."_s;
    QTest::newRow("empty message")
        << std::function<void()>([] { throw std::runtime_error(""); }) << QString();
    QTest::newRow("not an exception class") << std::function<void()>([] { throw 42; }) << QString();
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
    drive::loadParameters(w, messages, {u"Blei"_s});
    QVERIFY(drive::fillInputs(w, u"Blei"_s, u"abc"_s, u"mg/L"_s));
    w.interpretation->setText(u"HTTP/1.1 200 OK"_s);

    drive::clickInto(*w.process);

    // Ends in ")", below the full stop: shown unchanged.
    QCOMPARE(messages.errors(),
             QStringList{u"Could not convert variant of type (String) into type (Double)"_s});
    // What the handler had done before the error stays done.
    QCOMPARE(w.interpretation->text(), QString());
    QVERIFY(w.isVisible());

    drive::clickInto(*w.valueEdit);
    QTest::keyClick(w.valueEdit, Qt::Key_End);
    QTest::keyClick(w.valueEdit, Qt::Key_Backspace);
    QCOMPARE(controlState(*w.valueEdit), u"visible enabled lime"_s);
    QCOMPARE(controlState(*w.Unit), u"visible enabled yellow"_s);
    QCOMPARE(messages.errors().size(), 1);
}

void FailureReportTest::applicationGuardCatchesWhatEscapesAnEvent()
{
    ThrowingObject target;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);
    QCOMPARE(m_applicationGuard.errors(), QStringList{u"Ereignis fehlgeschlagen."_s});
    m_applicationGuard.clear();
}

int main(int argc, char* argv[])
{
    return runWindowTest<FailureReportTest>(argc, argv);
}

#include "FailureReportTest.moc"

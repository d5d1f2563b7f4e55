// The general failure report in the Qt window: around every handler, and the
// application's last guard.
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"
#include "app/qt/controls/TextArea.h"
#include "tests/support/window/ControlState.h"
#include "tests/support/window/RecordingPresenter.h"
#include "tests/support/window/WindowDriver.h"
#include "tests/support/window/WindowTestMain.h"

#include <QPushButton>
#include <QTest>
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

class FailureReportTest : public QObject {
    Q_OBJECT

public:
    explicit FailureReportTest(RecordingPresenter& applicationGuard)
        : m_applicationGuard(applicationGuard)
    {
    }

private slots:
    void handlerErrorIsReportedAndTheWindowStaysUsable();
    void applicationGuardCatchesWhatEscapesAnEvent();

private:
    RecordingPresenter& m_applicationGuard;
};

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

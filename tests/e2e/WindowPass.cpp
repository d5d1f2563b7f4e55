// Linked into builds of the program that drive one pass through their own main window, as
// a user would. QUORVI_PASS names it: "code" only loads the sample, "code|parameter|prefix|
// value|unit" then also interprets and prints the output area's text and state, and
// "code|close" closes the window a second after the load has started.
// QUORVI_PASS_SHOT names a PNG to write the window to at the end. The window closes after
// the pass, which ends the program.
#include "app/qt/TQuorviInterpreter.h"
#include "app/qt/controls/TextArea.h"
#include "tests/support/window/ControlState.h"
#include "tests/support/window/WindowDriver.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void print(const QString& line)
{
    std::fputs(line.toUtf8().append('\n').constData(), stdout);
    std::fflush(stdout);
}

QString oneLine(QString text)
{
    return text.replace(u'\n', u"\\n"_s);
}

// Returns the step that did not take, or an empty text.
QString drivePass(TQuorviInterpreter& w, const QStringList& pass)
{
    if (pass.size() == 2) {
        QTimer::singleShot(1000, &w, [&w] { w.close(); });
    }
    drive::loadSample(w, pass[0]);
    if (pass.size() <= 2) {
        return {};
    }
    if (const QString failed = drive::interpret(w, pass[1], pass[2], pass[3], pass[4]);
        !failed.isEmpty()) {
        return failed;
    }
    print(u"interpretation: "_s + oneLine(w.interpretation->text()));
    print(u"interpretation area: "_s + controlState(*w.interpretation));
    return {};
}

void runPass(TQuorviInterpreter& window, const QStringList& pass)
{
    if (!QTest::qWaitForWindowExposed(&window)) {
        print(u"pass failed: the window was not exposed"_s);
    } else if (const QString failed = drivePass(window, pass); !failed.isEmpty()) {
        print(u"pass failed: "_s + failed);
    }
    const QString shot = qEnvironmentVariable("QUORVI_PASS_SHOT");
    if (!shot.isEmpty() && !window.grab().save(shot)) {
        print(u"cannot write "_s + shot);
    }
    window.close();
    QCoreApplication::quit();
}

class PassStarter : public QObject {
public:
    PassStarter(QStringList pass, QObject* parent) : QObject(parent), m_pass(std::move(pass)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<TQuorviInterpreter*>(watched);
        if (window && event->type() == QEvent::Show) {
            // Once the event loop runs, as it does when a user starts typing.
            QTimer::singleShot(0, window, [window, pass = m_pass] { runPass(*window, pass); });
            qApp->removeEventFilter(this);
        }
        return false;
    }

private:
    QStringList m_pass;
};

void installPass()
{
    const QStringList pass = qEnvironmentVariable("QUORVI_PASS").split(u'|');
    if (pass[0].isEmpty()) {
        return;
    }
    const bool closing = pass.size() == 2 && pass[1] == u"close"_s;
    if (pass.size() != 1 && pass.size() != 5 && !closing) {
        print(u"QUORVI_PASS: expected \"code\", \"code|close\" or "
              u"\"code|parameter|prefix|value|unit\""_s);
        return;
    }
    qApp->installEventFilter(new PassStarter(pass, qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installPass)

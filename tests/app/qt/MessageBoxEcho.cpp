// Linked into the probe-check build of the program only: prints every message box and
// the main window's showing to stdout, and presses OK, so the program runs unattended
// and a test sees what a user would have seen.
#include "tests/support/window/MessageBoxWatcher.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const char* iconName(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::NoIcon:
        return "no icon";
    case QMessageBox::Critical:
        return "error icon";
    default:
        return "other icon";
    }
}

void print(const QString& line)
{
    std::fputs(line.toUtf8().append('\n').constData(), stdout);
    std::fflush(stdout);
}

class MainWindowEcho : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == u"QuorviInterpreter") {
            print(u"main window shown"_s);
        }
        return false;
    }
};

void installEcho()
{
    new MessageBoxWatcher(
        [](const ShownMessageBox& box) {
            const bool oneOk = box.buttons == QMessageBox::Ok && box.buttonCount == 1;
            print(u"message box \"%1\", %2, %3, %4: %5"_s.arg(
                box.title, QString::fromLatin1(iconName(box.icon)),
                oneOk ? u"one OK button"_s : u"other buttons"_s,
                box.activeModal && box.modality == Qt::ApplicationModal ? u"application modal"_s
                                                                        : u"not modal"_s,
                QString(box.text).replace(u'\n', u"\\n"_s)));
        },
        qApp);
    qApp->installEventFilter(new MainWindowEcho(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installEcho)

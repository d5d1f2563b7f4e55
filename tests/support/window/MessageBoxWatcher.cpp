#include "tests/support/window/MessageBoxWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QScreen>

MessageBoxWatcher::MessageBoxWatcher(std::function<void(const ShownMessageBox&)> report,
                                     QObject* parent)
    : QObject(parent), m_report(std::move(report))
{
    qApp->installEventFilter(this);
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    // A watcher owned by the application goes while the application is already gone.
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->removeEventFilter(this);
    }
}

bool MessageBoxWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            // Looked at once showing has finished, then answered.
            QPointer<QMessageBox> shown(box);
            QMetaObject::invokeMethod(
                this,
                [this, shown] {
                    if (!shown) {
                        return;
                    }
                    ShownMessageBox seen;
                    seen.title = shown->windowTitle();
                    seen.text = shown->text();
                    seen.textFormat = shown->textFormat();
                    seen.icon = shown->icon();
                    seen.buttons = shown->standardButtons();
                    seen.buttonCount = int(shown->buttons().size());
                    seen.modality = shown->windowModality();
                    seen.activeModal = QApplication::activeModalWidget() == shown;
                    seen.centre = shown->frameGeometry().center();
                    seen.screenCentre = shown->screen()->geometry().center();
                    m_report(seen);
                    if (QAbstractButton* ok = shown->button(QMessageBox::Ok)) {
                        ok->click();
                    } else {
                        shown->reject();
                    }
                },
                Qt::QueuedConnection);
        }
    }
    return false;
}

#include "app/qt/MessageBoxPresenter.h"

#include "app/qt/TextConversion.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>

namespace {

class CentredMessageBox : public QMessageBox {
public:
    CentredMessageBox(Icon icon, const QString& text)
        : QMessageBox(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok)
    {
        setTextFormat(Qt::PlainText);
    }

protected:
    // QMessageBox sizes itself while being shown and centres on the active window.
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        const QRect screenArea = screen()->geometry();
        QRect frame = frameGeometry();
        frame.moveCenter(screenArea.center());
        move(frame.topLeft());
    }
};

void show(QMessageBox::Icon icon, const QString& text)
{
    CentredMessageBox box(icon, text);
    box.exec();
}

} // namespace

void MessageBoxPresenter::inform(std::u16string_view text)
{
    show(QMessageBox::NoIcon, toQString(text));
}

void MessageBoxPresenter::error(std::u16string_view text)
{
    show(QMessageBox::Critical, toQString(text));
}

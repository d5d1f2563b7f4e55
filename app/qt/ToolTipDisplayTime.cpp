#include "app/qt/ToolTipDisplayTime.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QToolTip>
#include <QWidget>

namespace {

// Shows a widget's own tooltip in place of Qt, with the display time; a widget without
// one is left to Qt, which passes the request on to its parent.
class ToolTipDisplayFilter : public QObject {
public:
    explicit ToolTipDisplayFilter(QObject* parent) : QObject(parent) {}

    int milliseconds = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->toolTip().isEmpty()) {
            return false;
        }
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), milliseconds);
        return true;
    }
};

QPointer<ToolTipDisplayFilter> filter;

} // namespace

void setApplicationToolTipDisplayTime(int milliseconds)
{
    if (!filter) {
        filter = new ToolTipDisplayFilter(qApp);
        qApp->installEventFilter(filter);
    }
    filter->milliseconds = milliseconds;
}

int applicationToolTipDisplayTime()
{
    return filter ? filter->milliseconds : -1;
}

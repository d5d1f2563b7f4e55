#include "ControlState.h"

#include "BackgroundColour.h"

#include <QPalette>
#include <QWidget>

namespace {

QString colourName(const QWidget& control)
{
    if (!control.palette().isBrushSet(QPalette::Active, QPalette::Base)) {
        return u"white"_qs;
    }
    const QColor colour = backgroundColour(control);
    const struct {
        QColor colour;
        QString name;
    } named[] = {{QColor(255, 255, 0), u"yellow"_qs},
                 {QColor(0, 255, 0), u"lime"_qs},
                 {QColor(0, 128, 0), u"green"_qs},
                 {QColor(255, 0, 0), u"red"_qs}};
    for (const auto& entry : named) {
        if (entry.colour == colour) {
            return entry.name;
        }
    }
    return colour.name();
}

} // namespace

QString controlState(const QWidget& control, bool withColour)
{
    QString state = control.isVisibleTo(control.window()) ? u"visible"_qs : u"hidden"_qs;
    state += control.isEnabled() ? u" enabled"_qs : u" disabled"_qs;
    if (withColour) {
        state += u' ' + colourName(control);
    }
    return state;
}

#include "tests/support/window/ControlState.h"

#include "app/qt/controls/BackgroundColour.h"

#include <QComboBox>
#include <QPalette>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

QString colourName(const QWidget& control)
{
    if (!control.palette().isBrushSet(QPalette::Active, QPalette::Base)) {
        return u"white"_s;
    }
    const QColor colour = backgroundColour(control);
    const struct {
        QColor colour;
        QString name;
    } named[] = {{QColor(255, 255, 0), u"yellow"_s},
                 {QColor(0, 255, 0), u"lime"_s},
                 {QColor(0, 128, 0), u"green"_s},
                 {QColor(255, 0, 0), u"red"_s}};
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
    QString state = control.isVisibleTo(control.window()) ? u"visible"_s : u"hidden"_s;
    state += control.isEnabled() ? u" enabled"_s : u" disabled"_s;
    if (withColour) {
        state += u' ' + colourName(control);
    }
    return state;
}

QStringList itemTexts(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i) {
        items.append(box.itemText(i));
    }
    return items;
}

#include "app/qt/controls/BackgroundColour.h"

#include <QPalette>
#include <QWidget>

void setBackgroundColour(QWidget& control, const QColor& colour)
{
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, colour);
    control.setPalette(palette);
}

QColor backgroundColour(const QWidget& control)
{
    return control.palette().color(QPalette::Base);
}

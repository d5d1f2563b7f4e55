#pragma once

#include <QColor>

class QWidget;

// The background of edit boxes, combo boxes and text areas is the palette's Base role,
// so a colour set here is what the control paints and what a test reads back.
void setBackgroundColour(QWidget& control, const QColor& colour);
QColor backgroundColour(const QWidget& control);

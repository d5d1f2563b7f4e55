#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

// A control's workflow state in words, for readable comparisons: "visible enabled lime",
// "hidden disabled white". "white" is the untouched system colour; a colour outside the
// workflow's is given as #rrggbb. Without colour for buttons.
QString controlState(const QWidget& control, bool withColour = true);

// The texts of the box's list items, in order.
QStringList itemTexts(const QComboBox& box);

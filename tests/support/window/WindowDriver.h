#pragma once

#include <QString>
#include <QWidget>

class ComboBox;

// Drives the window's controls with real mouse and key input, as a user would. The
// functions that wait return false when the control did not react.
namespace drive {

// The window's control of that name and class, or nullptr.
template <typename Control>
Control* control(QWidget& window, const char* name)
{
    return window.findChild<Control*>(QString::fromLatin1(name));
}

// Shows the window and waits until it has the focus.
bool showActive(QWidget& window);

// Presses the mouse on the list arrow, which opens the list.
bool openListWithMouse(ComboBox& box);
// Opens the list with the mouse, moves to the item and clicks it.
bool chooseWithMouse(ComboBox& box, const QString& item);
// Gives the closed box the focus and presses the down arrow key.
void chooseNextWithArrowKey(ComboBox& box);

void clickInto(QWidget& control);
void type(QWidget& control, const QString& text);

} // namespace drive

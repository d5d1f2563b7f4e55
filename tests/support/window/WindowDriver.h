#pragma once

#include <QStringList>
#include <QWidget>

class ComboBox;
class MessagePresenter;
class TQuorviInterpreter;

// Drives the window's controls with real mouse and key input, as a user would. The
// functions that wait return false when the control did not react.
namespace drive {

// The window's control of that name and class, or nullptr.
template <typename Control> Control* control(QWidget& window, const char* name)
{
    return window.findChild<Control*>(QString::fromLatin1(name));
}

// Shows the window and waits until it has the focus.
bool showActive(QWidget& window);

// Does to the window what a complete sample load does, through the window's SampleView.
void loadParameters(TQuorviInterpreter& window, MessagePresenter& messages,
                    const QStringList& names);

// Presses the mouse on the list arrow, which opens the list.
bool openListWithMouse(ComboBox& box);
// Moves the mouse to the item of the open list and clicks it.
bool clickItem(ComboBox& box, int row);
// Opens the list with the mouse, moves to the item and clicks it.
bool chooseWithMouse(ComboBox& box, const QString& item);
// Gives the closed box the focus and presses the down arrow key.
void chooseNextWithArrowKey(ComboBox& box);

void clickInto(QWidget& control);
void type(QWidget& control, const QString& text);
// Selects the whole text of the control (of a combo box's text field) by key and types
// over it; an empty text deletes it.
void typeOver(QWidget& control, const QString& text);
// Selects the whole text by key and pastes the text over it from the clipboard.
void pasteOver(QWidget& control, const QString& text);

// Chooses parameter, prefix and unit with the mouse, types the value over the value box
// and clicks "Interpretation erstellen". Returns the step that did not take, or an empty
// text.
QString interpret(TQuorviInterpreter& window, const QString& parameter, const QString& prefix,
                  const QString& value, const QString& unit);

// Types the sample code over the code box and clicks "Daten laden".
void loadSample(TQuorviInterpreter& window, const QString& code);

// After a load: chooses the parameter with the mouse, the first prefix ("keins") with the
// arrow key, clicks into the value box and types the value.
bool enterValue(TQuorviInterpreter& window, const QString& parameter, const QString& value);
// enterValue, then chooses the unit with the mouse.
bool fillInputs(TQuorviInterpreter& window, const QString& parameter, const QString& value,
                const QString& unit);

} // namespace drive

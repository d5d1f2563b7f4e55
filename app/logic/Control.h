#pragma once

#include "app/logic/Colour.h"

#include <string>
#include <string_view>

// What the window logic needs of a native control. Each front end implements it over its
// own controls and raises the control's events as the workflow expects them: setting a
// different text raises the change event as typing does.
class Control {
public:
    virtual ~Control() = default;

    virtual std::u16string text() const = 0;
    virtual void setText(std::u16string_view text) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setBackground(Rgb colour) = 0;
    // Paints the control now rather than with the next regular repaint.
    virtual void repaint() = 0;
};

// A combo box: its list changes without changing the text shown in the box.
class ListControl : public Control {
public:
    virtual void clearItems() = 0;
    virtual void appendItem(std::u16string_view item) = 0;
};

// A multi-line text area that grows by lines.
class TextAreaControl : public Control {
public:
    virtual void appendLine(std::u16string_view line) = 0;
};

// The controls the handlers read and change, by their names in the window.
struct WindowControls {
    Control& SampleCodeEdit;
    Control& SampleTypeEdit;
    Control& SampleNameEdit;
    ListControl& ParameterComboBox;
    Control& PrefixComboBox;
    Control& valueEdit;
    Control& Unit;
    Control& process;
    TextAreaControl& interpretation;
    Control& disclaimer;
};

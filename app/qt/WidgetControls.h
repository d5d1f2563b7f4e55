#pragma once

#include "app/logic/Control.h"
#include "app/qt/TextConversion.h"
#include "app/qt/controls/BackgroundColour.h"
#include "app/qt/controls/ComboBox.h"
#include "app/qt/controls/EditBox.h"
#include "app/qt/controls/TextArea.h"

#include <QPushButton>

// The window logic's controls over Qt widgets. The widgets raise the workflow's events
// themselves, also when a text is set here.
template <class Widget, class Interface = Control> class WidgetControl : public Interface {
public:
    WidgetControl(Widget& widget) : m_widget(widget) {}

    std::u16string text() const override { return toU16String(m_widget.text()); }
    void setText(std::u16string_view text) override { m_widget.setText(toQString(text)); }
    void setVisible(bool visible) override { m_widget.setVisible(visible); }
    void setEnabled(bool enabled) override { m_widget.setEnabled(enabled); }
    void setBackground(Rgb colour) override { setBackgroundColour(m_widget, toQColor(colour)); }
    void repaint() override { m_widget.repaint(); }

protected:
    Widget& m_widget;
};

class ComboBoxControl : public WidgetControl<ComboBox, ListControl> {
public:
    using WidgetControl::WidgetControl;

    void clearItems() override { m_widget.clearItems(); }
    void appendItem(std::u16string_view item) override { m_widget.appendItem(toQString(item)); }
};

class TextAreaWidgetControl : public WidgetControl<TextArea, TextAreaControl> {
public:
    using WidgetControl::WidgetControl;

    void appendLine(std::u16string_view line) override { m_widget.appendLine(toQString(line)); }
};

// One adapter per control the handlers use.
struct WidgetControls {
    WidgetControl<EditBox> SampleCodeEdit;
    WidgetControl<EditBox> SampleTypeEdit;
    WidgetControl<EditBox> SampleNameEdit;
    ComboBoxControl ParameterComboBox;
    ComboBoxControl PrefixComboBox;
    WidgetControl<EditBox> valueEdit;
    ComboBoxControl Unit;
    WidgetControl<QPushButton> process;
    TextAreaWidgetControl interpretation;
    TextAreaWidgetControl disclaimer;

    WindowControls controls{SampleCodeEdit, SampleTypeEdit, SampleNameEdit, ParameterComboBox,
                            PrefixComboBox, valueEdit,      Unit,           process,
                            interpretation, disclaimer};
};

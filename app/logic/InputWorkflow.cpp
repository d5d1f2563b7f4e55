#include "app/logic/InputWorkflow.h"

#include "app/logic/Control.h"

namespace workflow {

void parameterListOpened(WindowControls& c)
{
    c.ParameterComboBox.setBackground(colours::kYellow);
    c.ParameterComboBox.repaint();
}

void parameterChanged(WindowControls& c)
{
    c.ParameterComboBox.setBackground(colours::kLime);
    c.valueEdit.setBackground(colours::kYellow);
    c.Unit.setBackground(colours::kYellow);
    c.PrefixComboBox.setVisible(true);
    c.PrefixComboBox.setBackground(colours::kYellow);
}

void prefixChanged(WindowControls& c)
{
    c.PrefixComboBox.setBackground(colours::kLime);
    c.valueEdit.setVisible(true);
}

void valueClicked(WindowControls& c)
{
    c.valueEdit.setBackground(colours::kYellow);
}

// Only the length counts: blanks and any other text are a value here.
void valueChanged(WindowControls& c)
{
    if (!c.valueEdit.text().empty()) {
        c.valueEdit.setBackground(colours::kLime);
        c.Unit.setVisible(true);
        c.Unit.setBackground(colours::kYellow);
    } else {
        c.valueEdit.setBackground(colours::kRed);
        c.Unit.setVisible(false);
        c.process.setVisible(false);
    }
}

// A list choice is always followed by the change, which leaves the box lime.
void unitChosenFromList(WindowControls& c)
{
    c.Unit.setBackground(colours::kGreen);
}

void unitChanged(WindowControls& c)
{
    c.Unit.setBackground(colours::kLime);
    c.process.setVisible(true);
    c.process.setEnabled(true);
}

} // namespace workflow

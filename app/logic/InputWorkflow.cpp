#include "app/logic/InputWorkflow.h"

#include "app/logic/Control.h"

namespace workflow {

void parameterListOpened(WindowControls& c)
{
    c.ParameterComboBox.setBackground(colours::yellow);
    c.ParameterComboBox.repaint();
}

void parameterChanged(WindowControls& c)
{
    c.ParameterComboBox.setBackground(colours::lime);
    c.valueEdit.setBackground(colours::yellow);
    c.Unit.setBackground(colours::yellow);
    c.PrefixComboBox.setVisible(true);
    c.PrefixComboBox.setBackground(colours::yellow);
}

void prefixChanged(WindowControls& c)
{
    c.PrefixComboBox.setBackground(colours::lime);
    c.valueEdit.setVisible(true);
}

void valueClicked(WindowControls& c)
{
    c.valueEdit.setBackground(colours::yellow);
}

// Only the length counts: blanks and any other text are a value here.
void valueChanged(WindowControls& c)
{
    if (!c.valueEdit.text().empty()) {
        c.valueEdit.setBackground(colours::lime);
        c.Unit.setVisible(true);
        c.Unit.setBackground(colours::yellow);
    } else {
        c.valueEdit.setBackground(colours::red);
        c.Unit.setVisible(false);
        c.process.setVisible(false);
    }
}

// A list choice is always followed by the change, which leaves the box lime.
void unitChosenFromList(WindowControls& c)
{
    c.Unit.setBackground(colours::green);
}

void unitChanged(WindowControls& c)
{
    c.Unit.setBackground(colours::lime);
    c.process.setVisible(true);
    c.process.setEnabled(true);
}

} // namespace workflow

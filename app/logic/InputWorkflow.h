#pragma once

struct WindowControls;

// The rules that unlock the inputs one after another and colour them: yellow still to be
// filled in, lime filled in, red emptied. The controls' states are the only state.
namespace workflow {

void parameterListOpened(WindowControls& controls);
void parameterChanged(WindowControls& controls);
void prefixChanged(WindowControls& controls);
void valueClicked(WindowControls& controls);
void valueChanged(WindowControls& controls);
void unitChosenFromList(WindowControls& controls);
void unitChanged(WindowControls& controls);

} // namespace workflow

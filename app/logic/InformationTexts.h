#pragma once

#include <string>

// The fixed texts of the main window that carry the providers' contact values.
std::u16string windowCaption();
// Terms of use and imprint: 19 lines, no line break after the last.
std::u16string impressumText();
// Customer-service note: 8 lines, each ending in a line break.
std::u16string kundendienstText();

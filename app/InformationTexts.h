#pragma once

#include <QString>

// The fixed texts of the main window that carry the providers' contact values.
QString windowCaption();
// Terms of use and imprint: 19 lines, no line break after the last.
QString impressumText();
// Customer-service note: 8 lines, each ending in a line break.
QString kundendienstText();

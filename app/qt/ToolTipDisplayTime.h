#pragma once

// How long a tooltip stays up, for every widget of the application (Qt alone only has a
// per-widget duration). Needs the QApplication to exist.
void setApplicationToolTipDisplayTime(int milliseconds);
// -1 until set: Qt's own duration.
int applicationToolTipDisplayTime();

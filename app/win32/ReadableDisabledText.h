#pragma once

#include <windows.h>

// A disabled edit control draws its text in the system's grey, whatever colour its parent
// asks for, and that grey on white is hard to read (about 2.4 : 1 under Wine). An edit
// given here draws its own text while disabled: still greyed, but in the colour given.
void keepDisabledTextReadable(HWND edit, COLORREF greyed);

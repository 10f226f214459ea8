// The main window's list boxes, subclassed: the font sample on a right press, and Tab, Shift+Tab
// and F6 to the other list.
#pragma once

#include <windows.h>

#include "base/exports.h"

// Puts ListCapProc in place of the list box's procedure, keeping the previous one.
void SubclassFontList(HWND listBox);

MARLIX_EXPORT LRESULT CALLBACK ListCapProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

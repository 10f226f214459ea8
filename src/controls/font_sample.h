// The font sample window ("ABYZ abyz 123" in the font under the pointer) and the list-box
// subclass that opens it on a right press.
#pragma once

#include <windows.h>

#include "app/exports.h"

// Shows the sample of the list box's caret item; returns the new sample window (or none).
MARLIX_EXPORT HWND ShowFontSample(HWND listBox);
// Subclasses a list box with ListCapProc, remembering its previous procedure.
void SubclassFontList(HWND listBox);

MARLIX_EXPORT LRESULT CALLBACK MXShowFontProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam);
MARLIX_EXPORT LRESULT CALLBACK ListCapProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

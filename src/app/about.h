// The About box (dialog 241): animation, the program's rich text, and the Close button.
#pragma once

#include <windows.h>

#include "base/exports.h"

// Runs the About box modally; returns how it ended (1 from Close).
INT_PTR RunAboutBox(HWND owner);

MARLIX_EXPORT INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam);

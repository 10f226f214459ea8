// The warning after a rewrite of WIN.INI: running programs may not notice the new fonts. The
// user can switch it off for good with its check box (setting Warn01).
#pragma once

#include <windows.h>

#include "base/exports.h"

// True while the warning is to be shown after each save (setting Warn01, default 1).
extern bool WarnOnFontChange;
// Sets WarnOnFontChange (non-zero: on) and stores it as Warn01 at once.
bool SetFontChangeWarning(int value);

// Shows the warning (dialog 101, or 401 in Spanish) modally over owner while WarnOnFontChange
// holds; does nothing otherwise.
void ShowFontChangeWarning(HWND owner);

MARLIX_EXPORT INT_PTR CALLBACK WarningDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                              LPARAM lParam);

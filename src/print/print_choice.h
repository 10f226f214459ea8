// The print command: dialog 1011, where the user chooses which list to print, then the job.
#pragma once

#include <windows.h>

#include "base/exports.h"
#include "print/print_state.h"

MARLIX_EXPORT int SetKWPrnSel(int value);
MARLIX_EXPORT INT_PTR CALLBACK PrintSelDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                               LPARAM lParam);
// Runs dialog 1011 over the owner, the main window, on the source's lists and, when it ends with
// OK, prints the chosen one.
void RunPrintCommand(HWND owner, const PrintSource& source);

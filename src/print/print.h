// Printing: the printer choice, the choice of list and the print job.
#pragma once

#include <windows.h>

#include "app/exports.h"

MARLIX_EXPORT BOOL KWGetPrintSetup(HWND owner);
MARLIX_EXPORT void KWPrintPages(HWND owner);
MARLIX_EXPORT INT_PTR CALLBACK PrintSelDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                               LPARAM lParam);
// Runs dialog 1011 and, when it ends with OK, prints the chosen list.
void RunPrintCommand(HWND owner);

// The print job: a context for the chosen printer, the "Printing" dialog that can stop it, and
// the pages of the chosen list.
#pragma once

#include <windows.h>

#include "base/exports.h"

// Prints the list of the print command's source that the PrintListChoice names.
MARLIX_EXPORT void KWPrintPages(HWND owner);
MARLIX_EXPORT int SetKWPrintAbort(int value);
MARLIX_EXPORT BOOL CALLBACK PrintAbort(HDC dc, int error);
MARLIX_EXPORT INT_PTR CALLBACK PrintStopDlg(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam);
// Draws every item of the list box, page after page, inside a started document; each footer
// shows the list file's name under the page number.
void PrintListPages(HDC dc, HWND listBox, const char* listTitle);

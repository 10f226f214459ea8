// The printer-section dialog 1020: lists the PostScript sections of WIN.INI and opens the chosen
// one into the SelectedList (open mode) or saves the SelectedList into it (save mode).
#pragma once

#include <windows.h>

#include "app/exports.h"

enum SectionMode { SectionSave = 0, SectionOpen = 1 };
// Which sections are offered and what OK does; set before the dialog runs.
extern int SectionDialogMode;

MARLIX_EXPORT INT_PTR CALLBACK WinSectionDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                                 LPARAM lParam);
// Runs dialog 1020 in the given mode over the owner (commands 23 and 24). Returns 1 when a
// section was chosen and its operation run (whatever came of it), 0 otherwise.
INT_PTR RunSectionDialog(HWND owner, int mode);

// The printer-section dialog (open from / save to WIN.INI) and the font-change warning.
#pragma once

#include <windows.h>

#include "app/exports.h"

enum SectionMode { SectionSave = 0, SectionOpen = 1 };
extern int SectionDialogMode;

MARLIX_EXPORT INT_PTR CALLBACK WinSectionDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                                 LPARAM lParam);
// Runs dialog 1020 in the given mode over the owner.
void RunSectionDialog(HWND owner, int mode);

// The printer-section dialog 1020: lists the PostScript sections of WIN.INI and opens the chosen
// one into the SelectedList (open mode) or saves the SelectedList into it (save mode).
#pragma once

#include <windows.h>

#include "base/exports.h"
#include "catalog/main_lists.h"

enum SectionMode { SectionSave = 0, SectionOpen = 1 };
// Which sections are offered and what OK does; set before the dialog runs.
extern int SectionDialogMode;

// What the dialog works on while it runs, and what came of it.
struct SectionDialogState {
    const MainLists* lists = nullptr;
    bool opened = false; // open mode: the chosen section was read into the SelectedList
};
extern SectionDialogState SectionDialog;

MARLIX_EXPORT INT_PTR CALLBACK WinSectionDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                                 LPARAM lParam);
// Runs dialog 1020 in the given mode over the owner, the main window (commands 23 and 24), on
// its lists. Returns 1 when a section was chosen and its operation run (whatever came of it), 0
// otherwise; SectionDialog.opened tells whether an open read the section.
INT_PTR RunSectionDialog(HWND owner, int mode, const MainLists& lists);

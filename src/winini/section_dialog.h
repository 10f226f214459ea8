// The printer-section dialog 1020: lists the PostScript sections of WIN.INI and opens the chosen
// one into the SelectedList (open mode) or saves the SelectedList into it (save mode).
#pragma once

#include <windows.h>

#include "base/exports.h"
#include "catalog/main_lists.h"

enum SectionMode { SectionSave = 0, SectionOpen = 1 };
// Which sections are offered and what OK does; RunSectionDialog sets it before the dialog runs.
extern int SectionDialogMode;

// What the dialog works on, and what came of it: handed to it as its lParam.
struct SectionDialogWork {
    const MainLists& lists;
    bool opened = false; // open mode: the chosen section was read into the SelectedList
};

MARLIX_EXPORT INT_PTR CALLBACK WinSectionDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                                 LPARAM lParam);
// Runs dialog 1020 in the given mode over the owner, the main window (commands 23 and 24), on
// its lists, after putting back a whole WIN.INI that a cut save left aside. Returns 1 when a
// section was chosen and its operation run (whatever came of it), 0 otherwise; opened (if given)
// tells whether an open read the section.
INT_PTR RunSectionDialog(HWND owner, int mode, const MainLists& lists, bool* opened = nullptr);

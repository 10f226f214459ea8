// Matching a font list from outside the program (a list file, a printer section of WIN.INI)
// against the catalogue, into the main window's lists: the wait cursor while it runs, the
// "Non-Matching Items" dialog for what named nothing, and message 118 when nothing ends up
// selected. The selected count is the caller's.
#pragma once

#include <windows.h>

#include "base/exports.h"
#include "catalog/main_lists.h"
#include "listfile/matching.h"

// What a match came to, over owner: dialog 1005 with the names that matched nothing, message
// 106/107 when memory ran out, 118/119 when the SelectedList is empty afterwards. True when the
// SelectedList holds a font.
bool ShowMatchOutcome(HWND owner, const MatchResult& result);

// Reads text (zero-terminated; lowered in place) by its .pfm file names from the offset start
// into the SelectedList, which is first emptied into the AtmList. As ShowMatchOutcome.
bool MatchSectionFonts(HWND owner, const MainLists& lists, char* text, long start);

MARLIX_EXPORT INT_PTR CALLBACK BadMatchDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                               LPARAM lParam);

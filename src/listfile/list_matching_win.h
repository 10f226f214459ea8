// Matching a font list from outside the program (a list file, a printer section of WIN.INI)
// against the catalogue, into the main window's lists: the wait cursor while it runs, the
// "Non-Matching Items" dialog for what named nothing, the selected count, and message 118 when
// nothing ends up selected.
#pragma once

#include <windows.h>

#include <functional>

#include "app/exports.h"
#include "catalog/font_list.h"
#include "listfile/matching.h"

// Reads text (zero-terminated; lowered in place) by its .pfm file names from the offset start
// into App.SelectedList; without merge the SelectedList is first emptied into App.AtmList.
// True when the SelectedList holds a font afterwards. Every failure has been shown to the user.
bool MatchByFileNames(char* text, long start, bool merge);
// The same for a names-only text, one font name per line, read from its start.
bool MatchByFontNames(const char* text, bool merge);

// The frame both run in: match moves fonts between the two lists it is given (App.AtmList and
// App.SelectedList) and says what it did. True as above.
bool RunListMatch(
    const std::function<MatchResult(FontList& atmList, FontList& selectedList)>& match);

MARLIX_EXPORT INT_PTR CALLBACK BadMatchDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                               LPARAM lParam);

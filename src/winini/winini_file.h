// WIN.INI on disk: finding it, reading it whole, rewriting one printer section from the
// SelectedList and reading one back into it. The file is never read through the profile
// functions: it is taken whole, scanned as text and written back whole, with the system's profile
// cache flushed before each read and after each rewrite.
#pragma once

#include <windows.h>

#include <string>

#include "catalog/main_lists.h"

// A WIN.INI larger than this is not worked with (message 117).
constexpr DWORD WinIniLoadLimit = 70000;

// Where a save cut short left WIN.INI's whole copy aside, puts it back (telling the user over
// owner when another program's file stood in its place); quiet otherwise. False when the copy
// cannot go back (146/147 shown): the file in its place is another program's, not to be worked on.
bool TakeBackWinIni(HWND owner);

// These run inside the section dialog: memory running out throws std::bad_alloc to it.

// Locates the file (path: at least MAX_PATH bytes) and reads it whole into file (its bytes as they
// are, zero bytes included; file.c_str() is the text as the scan sees it, ending at the first
// zero). Failures are reported: size and memory over owner, the others over the main window, the
// owner's top owner.
bool LoadWinIni(HWND owner, char* path, std::string& file);

// Rewrites the named section so that it holds the SelectedList, tells every top-level window that
// the fonts changed and shows the font-change warning over owner, the main window. A section that
// is no longer in the file changes nothing, silently.
void SaveToWinIni(HWND owner, const char* sectionName, const MainLists& lists);

// Replaces the SelectedList by the catalogue fonts the named section names and clears the list
// file title of owner, the main window. False when WIN.INI could not be loaded or the section is
// no longer in it.
bool OpenFromWinIni(HWND owner, const char* sectionName, const MainLists& lists);

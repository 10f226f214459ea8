// The current list file, and opening, merging and saving list files. Only this module writes the
// current file: once, where an open or a save ends, or where there is no file any more.
#pragma once

#include <windows.h>

#include "catalog/main_lists.h"

struct ListFileState {
    char CurrentListPath[261] = "";  // full path of the current list file
    char CurrentListTitle[257] = ""; // its file name; empty: no current file
    int CurrentListForm = 0;         // the ListForm of the font lines
};
// The file the last finished read or save left current (a cancelled file dialog sets its form). A
// file that a dialog, a drop or the command line names is handed to the open or the save, and
// becomes current only when it ends: "Save" writes only to a file the program really read or wrote.
extern ListFileState ListFile;

// The list file a path names: its full path, cut to fit, its file name, and the current form.
ListFileState NamedListFile(const char* path);

enum SaveMode { SaveToCurrent = 1, SaveAs = 10 };

// Reads the named file into the SelectedList, replacing (merge false) or adding to it; true when
// fonts are selected afterwards. Every failure has been shown to the user. Read, the file becomes
// the current one in the form read; not read, there is no current file; not found, the current
// file stays. The owner is the main window: its title shows the outcome.
bool OpenListFile(HWND owner, const MainLists& lists, const ListFileState& named, bool merge);
// Writes the fonts of the SelectedList to the current file in its form (SaveAs asks for both
// first), which is then the current file. An existing file is replaced whole or left as it was.
// False when the dialog was cancelled or the file could not be written; an empty list only beeps
// and counts as saved.
bool SaveListFile(HWND owner, const MainLists& lists, int mode);
// No current list file any more (New, a printer section read): its title is cleared and the main
// window shows the plain title.
void ForgetListFile(HWND mainWindow);

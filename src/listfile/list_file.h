// The current list file, opening / merging / saving list files, the file dialogs and the title.
#pragma once

#include <windows.h>

struct ListFileState {
    char CurrentListPath[261] = "";  // full path of the current list file
    char CurrentListTitle[257] = ""; // its file name; empty: no current file
    int CurrentListForm = 0;         // form of the font lines: 1, 2 or 3
};
extern ListFileState ListFile;

enum AskKind { AskOpen = 0, AskSave = 1 };
enum SaveMode { SaveToCurrent = 1, SaveAs = 10 };

// The open or save dialog; true when the user chose a file (path and title are then set).
bool AskListFileName(HWND owner, int kind);
// Reads CurrentListPath into SelectedList, replacing (merge false) or adding to it.
bool OpenListFile(HWND owner, bool merge);
bool SaveListFile(HWND owner, HWND list, int mode);
// Shows the current file in the title, or (false) clears it and shows the plain title.
void UpdateWindowTitle(bool hasFile);

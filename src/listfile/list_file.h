// The current list file, opening / merging / saving list files, the file dialogs and the title.
#pragma once

#include <windows.h>

#include "catalog/main_lists.h"

struct ListFileState {
    char CurrentListPath[261] = "";  // full path of the current list file
    char CurrentListTitle[257] = ""; // its file name; empty: no current file
    int CurrentListForm = 0;         // the ListForm of the font lines
};
extern ListFileState ListFile;
// ListFile as the last finished read, save or change of the title left it. A file that a dialog,
// a drop or the command line named but that could not be read or written gives way to it again,
// so that "Save" writes only to a file the program really read or wrote.
extern ListFileState SettledListFile;

// Makes path the current list file: its full path, cut to fit, and its file name.
void SetCurrentListFile(const char* path);

enum AskKind { AskOpen = 0, AskSave = 1 };
enum SaveMode { SaveToCurrent = 1, SaveAs = 10 };

// The open or save dialog; true when the user chose a file (path, title and the chosen filter,
// which is CurrentListForm, are then set).
bool AskListFileName(HWND owner, int kind);
// Reads CurrentListPath into the SelectedList, replacing (merge false) or adding to it; true
// when fonts are selected afterwards. Every failure has been shown to the user. The owner is the
// main window: its title shows the outcome.
bool OpenListFile(HWND owner, const MainLists& lists, bool merge);
// Writes the fonts of the SelectedList to CurrentListPath in CurrentListForm (SaveAs asks for
// both first). An existing file is replaced whole or left as it was. False when the dialog was
// cancelled or the file could not be written; an empty list only beeps and counts as saved.
bool SaveListFile(HWND owner, const MainLists& lists, int mode);
// Shows the current file in the main window's title, or (false) clears it and shows the plain
// title.
void UpdateWindowTitle(HWND mainWindow, bool hasFile);

// The open and save dialogs for list files.
#pragma once

#include <windows.h>

#include "listfile/list_file.h"

enum AskKind { AskOpen = 0, AskSave = 1 };

// The open or save dialog, starting from chosen; true when the user chose a file (chosen then
// holds its path, its title and the chosen filter as its form). Cancelled, the current file takes
// the form the dialog offered first.
bool AskListFileName(HWND owner, int kind, ListFileState& chosen);

// The roof's state: the main window and its children, and what the commands, menus and panels
// read of them. Only the roof reads it; the operations below are handed what they work on.
#pragma once

#include <windows.h>

#include "catalog/main_lists.h"
#include "resource.h"

struct MainWindowState {
    HWND MainWindow = nullptr;
    HWND Toolbar = nullptr;
    HWND AtmList = nullptr;      // control 1001, the catalogue fonts not selected
    HWND SelectedList = nullptr; // control 1002, the selected fonts
    HWND FocusList = nullptr;    // the list that had the keyboard focus last
    HFONT ListFont = nullptr;
    HFONT AtmListOldFont = nullptr;
    HFONT SelectedListOldFont = nullptr;
    int ActiveList = IDC_ATM_LIST;
    bool IsAlwaysOnTop = false;
    bool MergeNextDrop = false;
    bool OpenListOnStart = false;
    // The list file the command line or the last drop named, for the posted open to read.
    char NamedListPath[MAX_PATH + 1] = "";
    unsigned long SelectedFontCount = 0;
};
extern MainWindowState App;

// What the operations on the two lists work on: the main window's list boxes and the catalogue.
MainLists MainWindowLists();

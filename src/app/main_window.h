// The main window: its class registration, creation, procedure and process-wide state.
#pragma once

#include <windows.h>

#include "base/exports.h"
#include "base/instance.h"
#include "catalog/catalog_win.h"

struct MainWindowState {
    HWND MainWindow = nullptr;
    HWND Toolbar = nullptr;
    HWND AtmList = nullptr;      // control 1001, the catalogue fonts not selected
    HWND SelectedList = nullptr; // control 1002, the selected fonts
    HWND FocusList = nullptr;    // the list that had the keyboard focus last
    HFONT ListFont = nullptr;
    HFONT AtmListOldFont = nullptr;
    HFONT SelectedListOldFont = nullptr;
    int ActiveList = 1001;
    bool IsAlwaysOnTop = false;
    bool MergeNextDrop = false;
    bool OpenListOnStart = false;
    unsigned long SelectedFontCount = 0;
};
extern MainWindowState App;

// What the operations on the two lists work on: the main window's list boxes and the catalogue.
MainLists MainWindowLists();

// Registers the five window classes in their order; false when any registration fails.
bool RegisterMarlixClasses(HINSTANCE instance);
// Takes the list file named on the command line (sets OpenListOnStart, path and title).
void TakeCommandLine(const char* commandLine);
// A fresh start of the program's state for this instance: the command line's file taken, the
// main window created and shown. Returns the window, or none.
HWND StartMainWindow(HINSTANCE instance, const char* commandLine, int showState);
// Runs one message of the program's loop. The accelerator table acts only on messages for the
// main window and its children (in the help window Ctrl+Insert copies text); a key press first
// ends a rest on a toolbar button and closes the font sample.
void DispatchProgramMessage(MSG& message, HACCEL accelerators);
// Creates the main window at the stored geometry; WM_CREATE has run when it returns.
HWND CreateMainWindow();

MARLIX_EXPORT LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

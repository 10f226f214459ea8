// Start-up and the message loop: the program's window classes, the command line's list file, the
// main window made and shown, and each message of the loop.
#pragma once

#include <windows.h>

// Registers the five window classes in their order; false when any registration fails.
bool RegisterMarlixClasses(HINSTANCE instance);
// A fresh start of the program's state for this instance: the command line's file taken, the
// main window created and shown. Returns the window, or none.
HWND StartMainWindow(HINSTANCE instance, const char* commandLine, int showState);
// Runs one message of the program's loop. The accelerator table acts only on messages for the
// main window and its children (in the help window Ctrl+Insert copies text); a key press first
// ends a rest on a toolbar button and closes the font sample.
void DispatchProgramMessage(MSG& message, HACCEL accelerators);

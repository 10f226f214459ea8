// Help: every help command and Help button asks for a topic of the help file through here.
// Where WinHelp or the help file cannot show it, the program shows its own text for the topic in
// its own help window, in the current language.
#pragma once

#include <windows.h>

#include "help/help_book.h"

// Topics of the program's own help that no help context number asks for.
constexpr int UsingHelpTopic = 90;

struct HelpState {
    HWND Window = nullptr; // the program's own help window, or none
    int BookLanguage = -1; // LanguageOffset of the book loaded, -1 before the first
    HelpBook Book;
    int ShownTopic = -1; // id of the topic in the text pane
    HFONT TextFont = nullptr;
    HHOOK KeyHook = nullptr; // takes the window's keys under any message loop
};
extern HelpState Help;

// WinHelpA with this file, command and data; where that shows nothing, the program's own help:
// HELP_CONTEXT shows the topic of that context number (the contents for an unknown one),
// HELP_PARTIALKEY lists the topics that hold the keyword (all for an empty one) with the cursor
// in the search box, "WINHELP.HLP" shows how to use help, anything else the contents.
void ShowHelpTopic(HWND owner, const char* file, UINT command, ULONG_PTR data);

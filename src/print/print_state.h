// What printing keeps from one command to the next, and what the print command was handed.
#pragma once

#include <windows.h>

// What a print works on: the main window's two lists, and the current list file's name that
// every page's footer shows (empty: none).
struct PrintSource {
    HWND atmList = nullptr;
    HWND selectedList = nullptr;
    const char* listTitle = "";
};

struct PrintState {
    // From the first confirmed print setup to the end of the run; handed to every later setup
    // and to every job. Without PrinterDevNames the printer is the [windows] "device" entry.
    HGLOBAL PrinterDevMode = nullptr;
    HGLOBAL PrinterDevNames = nullptr;
    int PrintListChoice = 0;        // 0 before the first choice, 1 AtmList, 2 SelectedList
    bool PrintAborted = false;      // Cancel pressed in the "Printing" dialog
    HWND PrintStopWindow = nullptr; // dialog 1010 while a job runs
    PrintSource Source;             // while the print command runs
};
extern PrintState Printing;

// Frees the kept device mode and names and forgets every choice.
void ReleasePrinterChoice();

// The list of the source that a choice names: 1 its AtmList, 2 its SelectedList, else none.
inline HWND ListOfChoice(int choice) {
    return choice == 1   ? Printing.Source.atmList
           : choice == 2 ? Printing.Source.selectedList
                         : nullptr;
}

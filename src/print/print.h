// Printing: the printer choice, the choice of list and the print job.
#pragma once

#include <windows.h>

#include <string>

#include "base/exports.h"

struct PrintState {
    // From the first confirmed print setup to the end of the run; handed to every later setup
    // and to every job. Without PrinterDevNames the printer is the [windows] "device" entry.
    HGLOBAL PrinterDevMode = nullptr;
    HGLOBAL PrinterDevNames = nullptr;
    int PrintListChoice = 0;        // 0 before the first choice, 1 AtmList, 2 SelectedList
    bool PrintAborted = false;      // Cancel pressed in the "Printing" dialog
    HWND PrintStopWindow = nullptr; // dialog 1010 while a job runs
};
extern PrintState Printing;

// Frees the kept device mode and names and forgets every choice.
void ReleasePrinterChoice();

// Print setup and the choice of list.
MARLIX_EXPORT BOOL KWGetPrintSetup(HWND owner);
MARLIX_EXPORT int SetKWPrnSel(int value);
MARLIX_EXPORT INT_PTR CALLBACK PrintSelDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                               LPARAM lParam);
// Runs dialog 1011 over the owner, the main window, and, when it ends with OK, prints the chosen
// one of its lists.
void RunPrintCommand(HWND owner);
// The owner's list that a choice names: 1 its AtmList, 2 its SelectedList, else none.
HWND ListOfChoice(HWND owner, int choice);

constexpr int PrinterLineSize = 200;
// "<device> on <port>" of the printer a job will use, cut to fit PrinterLineSize.
void FormatPrinterLine(char* buffer);
// The whole "device" entry of WIN.INI's [windows] section ("device,driver,port").
std::string ReadDeviceEntry();

// The print job.
MARLIX_EXPORT void KWPrintPages(HWND owner);
MARLIX_EXPORT int SetKWPrintAbort(int value);
MARLIX_EXPORT BOOL CALLBACK PrintAbort(HDC dc, int error);
MARLIX_EXPORT INT_PTR CALLBACK PrintStopDlg(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam);
// A context for the chosen printer with the kept device mode, or none.
HDC CreatePrinterDC();
// Draws every item of the list box, page after page, inside a started document.
void PrintListPages(HDC dc, HWND listBox);

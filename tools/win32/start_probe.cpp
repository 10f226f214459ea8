// Starts a marlix32.exe, waits for its main window, and tells how many fonts its catalogue list
// (control 1001) shows; then closes the window as a user would and waits for the program to end.
// Usage: start_probe PROGRAM FONTS [LIST SELECTED]. Exits 0 only if the list shows FONTS fonts
// and the program ends by itself with exit code 0; given a list file (passed quoted after the
// program's quoted name, as Explorer does), the selected list must show SELECTED fonts too, and
// the selection is saved into the printer section listed first: WIN.INI's [PostScript,FILE] or
// [PostScript,LPT1] must then count SELECTED soft fonts. (Cross-process LB_GETCOUNT is reliable;
// item texts are not.)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/driving.h"

namespace {

constexpr DWORD kWaitMs = 30000;

HWND WaitForMainWindow(const PROCESS_INFORMATION& started) {
    HWND found = nullptr;
    for (DWORD waited = 0; waited < kWaitMs && !found; waited += 100) {
        if (WaitForSingleObject(started.hProcess, 100) == WAIT_OBJECT_0)
            break;
        found = FindProcessWindow(started.dwProcessId, "MarlixClass");
    }
    return found;
}

// The process's dialog that holds this control, once it shows, or null.
HWND WaitForDialog(DWORD processId, int controlId) {
    for (DWORD waited = 0; waited < kWaitMs; waited += 100) {
        const HWND dialog = FindProcessWindow(processId, "#32770");
        if (dialog && GetDlgItem(dialog, controlId))
            return dialog;
        Sleep(100);
    }
    return nullptr;
}

// Saves the selected list into the first printer section the dialog lists and answers the
// warning that follows; true if WIN.INI's [PostScript,FILE] or [PostScript,LPT1] then counts
// SELECTED soft fonts (the demo's [PostScript,LPT1] counts 8 before).
bool SavedIntoFirstSection(DWORD processId, HWND window, UINT selected) {
    PostMessageA(window, WM_COMMAND, 24 /* Save to WIN.INI */, 0);
    const HWND sections = WaitForDialog(processId, 1021 /* the section list */);
    if (!sections)
        return false;
    SendMessageA(GetDlgItem(sections, 1021), LB_SETCURSEL, 0, 0);
    PostMessageA(sections, WM_COMMAND, IDOK, 0);
    // The warning shows once WIN.INI is written.
    const HWND warning = WaitForDialog(processId, 11 /* the warning's text */);
    if (!warning)
        return false;
    PostMessageA(warning, WM_COMMAND, IDOK, 0);
    return GetProfileIntA("PostScript,FILE", "softfonts", 0) == selected ||
           GetProfileIntA("PostScript,LPT1", "softfonts", 0) == selected;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: start_probe PROGRAM FONTS [LIST SELECTED]\n");
        return 2;
    }
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    if (argc == 5)
        commandLine += std::string(" \"") + argv[3] + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(argv[1], &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        std::printf("%s: could not start (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    HWND window = WaitForMainWindow(started);
    // The catalogue is loaded once the program waits for input.
    WaitForInputIdle(started.hProcess, kWaitMs);
    const LRESULT fonts = window ? SendMessageA(GetDlgItem(window, 1001), LB_GETCOUNT, 0, 0) : -1;
    const LRESULT selected =
        window ? SendMessageA(GetDlgItem(window, 1002), LB_GETCOUNT, 0, 0) : -1;
    const bool listOpened = argc == 3 || selected == std::atol(argv[4]);
    const bool saved =
        argc == 3 || (listOpened && SavedIntoFirstSection(started.dwProcessId, window,
                                                          static_cast<UINT>(selected)));
    if (window)
        PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(started.hProcess, kWaitMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(started.hProcess, &exitCode);
    else
        TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    std::printf("%s: main window %s, %ld fonts listed, %ld selected%s, exit code %lu\n", argv[1],
                window ? "shown" : "not shown", static_cast<long>(fonts),
                static_cast<long>(selected),
                argc == 3 ? ""
                : saved   ? ", saved into a printer section"
                          : ", not saved",
                exitCode);
    return window && fonts == std::atol(argv[2]) && listOpened && saved && exitCode == 0 ? 0 : 1;
}

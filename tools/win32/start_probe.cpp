// Starts a marlix32.exe, waits for its main window, and tells how many fonts its catalogue list
// (control 1001) shows; then closes the window as a user would and waits for the program to end.
// Usage: start_probe PROGRAM FONTS [LIST SELECTED]. Exits 0 only if the list shows FONTS fonts
// and the program ends by itself with exit code 0; given a list file (passed quoted after the
// program's quoted name, as Explorer does), the selected list must show SELECTED fonts too.
// (Cross-process LB_GETCOUNT is reliable; item texts are not.)
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
    if (window)
        PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(started.hProcess, kWaitMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(started.hProcess, &exitCode);
    else
        TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    std::printf("%s: main window %s, %ld fonts listed, %ld selected, exit code %lu\n", argv[1],
                window ? "shown" : "not shown", static_cast<long>(fonts),
                static_cast<long>(selected), exitCode);
    const bool listOpened = argc == 3 || selected == std::atol(argv[4]);
    return window && fonts == std::atol(argv[2]) && listOpened && exitCode == 0 ? 0 : 1;
}

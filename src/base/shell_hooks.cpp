#include "base/shell_hooks.h"

namespace {
BeepObserver beepObserver;
HelpObserver helpObserver;
FlushObserver flushObserver;

// WinHelp would only ask the user to look for a help file that it cannot find, so without the
// file it is not started. It looks where SearchPath does, and in the Help folder of Windows.
bool HelpFileAvailable(const char* file) {
    char path[MAX_PATH], folder[MAX_PATH];
    char* name = nullptr;
    if (!file || !*file)
        return false;
    if (SearchPathA(nullptr, file, nullptr, MAX_PATH, path, &name))
        return true;
    UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length == 0 || length + 6 > MAX_PATH)
        return false;
    lstrcatA(folder, "\\Help");
    return SearchPathA(folder, file, nullptr, MAX_PATH, path, &name) != 0;
}

} // namespace

void SoundBeep(UINT type) {
    if (beepObserver)
        beepObserver(type);
    MessageBeep(type);
}

BOOL CallWinHelp(HWND owner, const char* file, UINT command, ULONG_PTR data) {
    BOOL result = FALSE;
    if (helpObserver && helpObserver(owner, file, command, data, &result))
        return result;
    if (!HelpFileAvailable(file))
        return FALSE;
    return WinHelpA(owner, file, command, data);
}

void FlushWinIniCache() {
    WriteProfileStringA(nullptr, nullptr, nullptr);
    if (flushObserver)
        flushObserver();
}

void SetBeepObserver(BeepObserver observer) {
    beepObserver = observer;
}
void SetHelpObserver(HelpObserver observer) {
    helpObserver = observer;
}
void SetFlushObserver(FlushObserver observer) {
    flushObserver = observer;
}

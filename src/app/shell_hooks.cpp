#include "app/shell_hooks.h"

namespace {
BeepObserver beepObserver;
HelpObserver helpObserver;
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
    return WinHelpA(owner, file, command, data);
}

void SetBeepObserver(BeepObserver observer) {
    beepObserver = observer;
}
void SetHelpObserver(HelpObserver observer) {
    helpObserver = observer;
}

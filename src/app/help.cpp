#include "app/help.h"

#include "app/shell_hooks.h"

void ShowHelpTopic(HWND owner, const char* file, UINT command, ULONG_PTR data) {
    CallWinHelp(owner, file, command, data);
}

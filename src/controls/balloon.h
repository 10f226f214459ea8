// The balloon help window that a toolbar button shows after the pointer rests on it.
#pragma once

#include <windows.h>

#include "app/exports.h"

// mode 1 shows the balloon for the button (if none is shown), 0 removes it.
void ShowBalloonHelp(HWND button, int mode);

MARLIX_EXPORT LRESULT CALLBACK MXBalHelpProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

// The balloon help window that a toolbar button shows after the pointer rests on it.
#pragma once

#include <windows.h>

#include "base/exports.h"

// One balloon at a time, for the button at Index of the toolbar's table.
struct BalloonState {
    HWND Window = nullptr;
    int Index = 0;
    char Text[160] = "";
    int Length = 0;
    RECT Frame = {};                // (0, 0, text width + 10, text height + 4)
    HGDIOBJ PreviousFont = nullptr; // put back into the balloon's own DC when it goes
};
extern BalloonState Balloon;

// mode 1 shows the balloon for the button (if none is shown), 0 removes it.
void ShowBalloonHelp(HWND button, int mode);

MARLIX_EXPORT LRESULT CALLBACK MXBalHelpProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

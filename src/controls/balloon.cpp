#include "controls/balloon.h"

void ShowBalloonHelp(HWND, int) {}

LRESULT CALLBACK MXBalHelpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

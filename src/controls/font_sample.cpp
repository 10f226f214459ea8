#include "controls/font_sample.h"

HWND ShowFontSample(HWND) {
    return nullptr;
}

void SubclassFontList(HWND) {}

LRESULT CALLBACK MXShowFontProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK ListCapProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

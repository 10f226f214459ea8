// Registers one of the program's window classes: arrow cursor, this procedure, style, background
// and icon; false when the system refuses it.
#pragma once

#include <windows.h>

inline bool RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure, UINT style,
                                HBRUSH background, HICON icon) {
    WNDCLASSA windowClass = {};
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

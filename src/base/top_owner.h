// The window at the top of a window's chain of owners: the main window, for the main window
// itself and for its dialogs.
#pragma once

#include <windows.h>

inline HWND TopOwner(HWND window) {
    while (HWND owner = GetParent(window))
        window = owner;
    return window;
}

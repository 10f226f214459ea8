// The main window: its creation and its procedure.
#pragma once

#include <windows.h>

#include "app/app_state.h"
#include "base/exports.h"

// Creates the main window at the stored geometry; WM_CREATE has run when it returns.
HWND CreateMainWindow();

MARLIX_EXPORT LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The main window's commands: menu items, accelerators, toolbar buttons and list notifications
// all arrive here as one numeric id.
#pragma once

#include <windows.h>

void OnCommand(HWND window, int id, int notifyCode);

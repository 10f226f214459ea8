// A file dropped on the main window: opened, or merged after Alt+M.
#pragma once

#include <windows.h>
#include <shellapi.h>

void OnDropFiles(HWND window, HDROP drop);

#include "app/about.h"

void RunAboutBox(HWND) {}

INT_PTR CALLBACK AboutDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

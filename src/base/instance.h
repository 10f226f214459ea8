// The program's instance handle, from which every part loads its resources (strings, menus,
// dialogs, pictures). Set once when the program starts.
#pragma once

#include <windows.h>

extern HINSTANCE ProgramInstance;

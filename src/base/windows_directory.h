// Files of the Windows directory, where ATM.INI, WIN.INI and the Help folder are found.
#pragma once

#include <windows.h>

// Fills path (MAX_PATH bytes) with "<Windows directory>\name"; false when the directory cannot
// be had or the whole path would not fit.
bool WindowsDirectoryPath(char* path, const char* name);

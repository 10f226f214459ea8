#include "base/windows_directory.h"

bool WindowsDirectoryPath(char* path, const char* name) {
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    if (length == 0 || length + 1 + lstrlenA(name) >= MAX_PATH)
        return false;
    lstrcatA(path, "\\");
    lstrcatA(path, name);
    return true;
}

#include "listfile/list_file.h"

ListFileState ListFile;

bool AskListFileName(HWND, int) {
    return false;
}
bool OpenListFile(HWND, bool) {
    return false;
}
bool SaveListFile(HWND, HWND, int) {
    return false;
}
void UpdateWindowTitle(bool hasFile) {
    if (!hasFile)
        ListFile.CurrentListTitle[0] = '\0';
}

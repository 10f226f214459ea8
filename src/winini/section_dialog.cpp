#include "winini/section_dialog.h"

int SectionDialogMode = SectionSave;

INT_PTR CALLBACK WinSectionDlgProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

void RunSectionDialog(HWND, int mode) {
    SectionDialogMode = mode;
}

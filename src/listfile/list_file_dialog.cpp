// The open and save dialogs for list files, and the main window's title.
#include <windows.h>
#include <commdlg.h>

#include <cstddef>
#include <cstring>

#include "base/late_libraries.h"
#include "listfile/list_file.h"
#include "listfile/window_title.h"

namespace {

// The labels and patterns are the same in both languages.
const char OpenFilter[] = "List File (*.mxf)\0*.mxf\0"
                          "Text Files (*.txt)\0*.txt\0"
                          "All Files (*.*)\0*.*\0";
const char SaveFilter[] = "SoftfontXX & File Name (*.mxf)\0*.mxf\0"
                          "Font & File Name (*.mxf)\0*.mxf\0"
                          "Font Name Only (*.mxf)\0*.mxf\0"
                          "All Files (*.*)\0*.*\0";

// The record of the dialogs without the places bar, 76 bytes in the 32-bit program.
static_assert(sizeof(void*) != 4 || offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == 76,
              "the 32-bit open and save dialogs take the 76-byte record");

// One record for both dialogs, kept for the whole run; its filter index is CurrentListForm.
OPENFILENAMEA FileDialog;

} // namespace

bool AskListFileName(HWND owner, int kind) {
    const bool open = kind == AskOpen;
    if (open)
        ListFile.CurrentListForm = 1;
    if (ListFile.CurrentListForm < 1 || ListFile.CurrentListForm > 3)
        ListFile.CurrentListForm = 1;

    FileDialog = OPENFILENAMEA();
    FileDialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    FileDialog.hwndOwner = owner;
    FileDialog.lpstrFilter = open ? OpenFilter : SaveFilter;
    FileDialog.nFilterIndex = static_cast<DWORD>(ListFile.CurrentListForm);
    FileDialog.lpstrFile = ListFile.CurrentListPath;
    FileDialog.nMaxFile = 260;
    FileDialog.lpstrFileTitle = ListFile.CurrentListTitle;
    FileDialog.nMaxFileTitle = 256;
    FileDialog.lpstrTitle = open ? "Open List File" : "Save List File";
    FileDialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (open ? OFN_FILEMUSTEXIST : 0);
    FileDialog.lpstrDefExt = "mxf";

    const BOOL chosen = open ? LateGetOpenFileName(&FileDialog) : LateGetSaveFileName(&FileDialog);
    if (chosen) {
        ListFile.CurrentListForm = static_cast<int>(FileDialog.nFilterIndex);
        return true;
    }
    const DWORD code = LateCommDlgExtendedError();
    if (code != 0) {
        char text[32];
        wsprintfA(text, "Error: %ld", static_cast<long>(code));
        MessageBoxA(owner, text, "WARNING", MB_ICONERROR);
    }
    return false;
}

void UpdateWindowTitle(HWND mainWindow, bool hasFile) {
    if (!hasFile)
        std::memset(ListFile.CurrentListTitle, 0, sizeof ListFile.CurrentListTitle);
    const std::string title = WindowTitleText(hasFile, ListFile.CurrentListTitle);
    // Setting a caption redraws it; most commands leave it as it was.
    char shown[MaxTitleFileNameLength + 40] = "";
    GetWindowTextA(mainWindow, shown, sizeof shown);
    if (title != shown)
        SetWindowTextA(mainWindow, title.c_str());
    SettledListFile = ListFile;
}

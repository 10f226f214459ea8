// The open and save dialogs for list files.
#include "listfile/list_file_dialog.h"

#include <commdlg.h>

#include <cstddef>

#include "base/late_libraries.h"
#include "listfile/entry_text.h"

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

} // namespace

bool AskListFileName(HWND owner, int kind, ListFileState& chosen) {
    const bool open = kind == AskOpen;
    if (open || !IsListForm(chosen.CurrentListForm))
        chosen.CurrentListForm = SoftfontFileForm;

    // Its filter index is the form.
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = open ? OpenFilter : SaveFilter;
    dialog.nFilterIndex = static_cast<DWORD>(chosen.CurrentListForm);
    dialog.lpstrFile = chosen.CurrentListPath;
    // The dialog is told one byte less than each buffer holds, as it always has been.
    dialog.nMaxFile = sizeof chosen.CurrentListPath - 1;
    dialog.lpstrFileTitle = chosen.CurrentListTitle;
    dialog.nMaxFileTitle = sizeof chosen.CurrentListTitle - 1;
    dialog.lpstrTitle = open ? "Open List File" : "Save List File";
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (open ? OFN_FILEMUSTEXIST : 0);
    dialog.lpstrDefExt = "mxf";

    const BOOL confirmed = open ? LateGetOpenFileName(&dialog) : LateGetSaveFileName(&dialog);
    if (confirmed) {
        chosen.CurrentListForm = static_cast<int>(dialog.nFilterIndex);
        return true;
    }
    // Cancelled, the dialog still leaves the form it offered first: the next save writes in it.
    ListFile.CurrentListForm = chosen.CurrentListForm;
    const DWORD code = LateCommDlgExtendedError();
    if (code != 0) {
        char text[32];
        wsprintfA(text, "Error: %ld", static_cast<long>(code));
        MessageBoxA(owner, text, "WARNING", MB_ICONERROR);
    }
    return false;
}

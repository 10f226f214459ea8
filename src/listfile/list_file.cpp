// Opening, merging and saving list files.
#include "listfile/list_file.h"

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "base/language.h"
#include "base/late_libraries.h"
#include "base/safe_file.h"
#include "base/shell_hooks.h"
#include "base/system_code_page.h"
#include "base/wait_cursor.h"
#include "base/whole_file.h"
#include "catalog/list_box_font_list.h"
#include "listfile/entry_text.h"
#include "listfile/list_file_dialog.h"
#include "listfile/list_file_text.h"
#include "listfile/list_matching_win.h"
#include "listfile/window_title.h"
#include "resource.h"

ListFileState ListFile;

namespace {

// Shows the current file in the main window's title, or (false) the plain title.
void UpdateWindowTitle(HWND mainWindow, bool hasFile) {
    const std::string title = WindowTitleText(hasFile, ListFile.CurrentListTitle);
    // Setting a caption redraws it; most commands leave it as it was.
    char shown[MaxTitleFileNameLength + 40] = "";
    GetWindowTextA(mainWindow, shown, sizeof shown);
    if (title != shown)
        SetWindowTextA(mainWindow, title.c_str());
}

// The one place the current file changes: an open or a save has ended.
void SettleListFile(HWND owner, const ListFileState& file, bool hasFile) {
    ListFile = file;
    if (!hasFile)
        std::memset(ListFile.CurrentListTitle, 0, sizeof ListFile.CurrentListTitle);
    UpdateWindowTitle(owner, hasFile);
}

// Reads the text's [Fonts] body into the lists; the form the body was written in, or 0 when
// nothing was read (reported).
int ReadFontsBody(HWND owner, const MainLists& lists, char* text, bool merge) {
    ListBoxFontList atmList(lists.atmList), selectedList(lists.selectedList);
    ListRead body;
    {
        WaitCursor wait;
        body =
            ReadListFileText(text, atmList, selectedList, lists.catalog, merge, SystemCodePage());
    }
    if (body.outcome == ListReadOutcome::NoFontsSection)
        return ReportFailure(owner, IDS_NO_FONT_INFO, IDS_OPEN_FILE_CAPTION);
    return ShowMatchOutcome(owner, body.match) ? body.form : 0;
}

} // namespace

ListFileState NamedListFile(const char* path) {
    ListFileState named = ListFile;
    lstrcpynA(named.CurrentListPath, path, sizeof named.CurrentListPath);
    LateGetFileTitle(named.CurrentListPath, named.CurrentListTitle, sizeof named.CurrentListTitle);
    return named;
}

bool OpenListFile(HWND owner, const MainLists& lists, const ListFileState& named, bool merge) {
    int form = 0; // the form read; 0: nothing read
    {
        std::vector<char> text;
        // A save in steps cut short may have left the whole file aside. While it cannot go back,
        // the file in its place is another program's: the user has been told where the list is.
        if (TakeBackAsideCopy(owner, named.CurrentListPath) == AsideCopy::Blocked) {
            SettleListFile(owner, named, false);
            return false;
        }
        switch (ReadWholeFile(named.CurrentListPath, text)) {
        case WholeFileRead::CannotOpen:
            // Held by another program, gone, or no file at all: say so; the current file stays.
            return ReportFailure(owner, IDS_LIST_NOT_OPENED, IDS_OPEN_LIST_CAPTION);
        case WholeFileRead::TooLarge: // no limit asked
        case WholeFileRead::NoMemory:
            ReportFailure(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
            break;
        case WholeFileRead::ReadFailed:
            SoundBeep(MB_ICONERROR);
            break;
        case WholeFileRead::Read:
            form = ReadFontsBody(owner, lists, text.data(), merge);
            break;
        }
    }
    ListFileState read = named;
    if (form != 0)
        read.CurrentListForm = form;
    SettleListFile(owner, read, form != 0);
    return form != 0;
}

bool SaveListFile(HWND owner, const MainLists& lists, int mode) {
    ListFileState target = ListFile;
    if (mode == SaveAs) {
        // The dialog offers "Font & File Name" first.
        target.CurrentListForm = FontFileForm;
        if (!AskListFileName(owner, AskSave, target))
            return false;
    }
    if (!IsListForm(target.CurrentListForm))
        target.CurrentListForm = FontFileForm;

    const EntryText entries = BuildEntryText(ListBoxFontList(lists.selectedList),
                                             lists.catalog.FontEntryText, target.CurrentListForm);
    switch (entries.outcome) {
    case EntryTextOutcome::EmptyList:
        SoundBeep(MB_ICONERROR);
        break;
    case EntryTextOutcome::Built: {
        if (TakeBackAsideCopy(owner, target.CurrentListPath) == AsideCopy::Blocked)
            return false; // told why, once
        bool saved = false;
        try {
            saved = WriteFileSafely(owner, target.CurrentListPath, ListFileText(entries.text));
        } catch (const std::bad_alloc&) {
        }
        if (!saved)
            return ReportFailure(owner, IDS_LIST_NOT_SAVED, IDS_SAVE_FILE_CAPTION);
        break;
    }
    }
    SettleListFile(owner, target, true);
    return true;
}

void ForgetListFile(HWND mainWindow) {
    SettleListFile(mainWindow, ListFile, false);
}

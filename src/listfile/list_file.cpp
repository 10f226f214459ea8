// Opening, merging and saving list files.
#include "listfile/list_file.h"

#include <new>
#include <string>
#include <vector>

#include "base/language.h"
#include "base/safe_file.h"
#include "base/shell_hooks.h"
#include "base/whole_file.h"
#include "catalog/ini_text.h"
#include "catalog/list_box_font_list.h"
#include "listfile/entry_text.h"
#include "listfile/list_file_text.h"
#include "listfile/list_matching_win.h"
#include "base/system_code_page.h"
#include "resource.h"

ListFileState ListFile;
ListFileState SettledListFile;

namespace {

// Reads the [Fonts] body of text into the lists; on success CurrentListForm becomes the form
// the body was written in.
bool ReadFontsBody(HWND owner, const MainLists& lists, char* text, bool merge) {
    if (ExtractFontsSection(text, SystemCodePage()) == 0)
        return ReportFailure(owner, IDS_NO_FONT_INFO, IDS_OPEN_FILE_CAPTION);
    ListBoxFontList atmList(lists.atmList), selectedList(lists.selectedList);
    ListRead body;
    {
        WaitCursor wait;
        body = ReadListBody(text, atmList, selectedList, lists.catalog, merge, SystemCodePage());
    }
    if (!ShowMatchOutcome(owner, body.match))
        return false;
    ListFile.CurrentListForm = body.form;
    return true;
}

} // namespace

bool OpenListFile(HWND owner, const MainLists& lists, bool merge) {
    bool result = false;
    {
        std::vector<char> text;
        // A save in steps cut short may have left the whole file aside. While it cannot go back,
        // the file in its place is another program's: the user has been told where the list is.
        if (TakeBackAsideCopy(owner, ListFile.CurrentListPath) == AsideCopy::Blocked) {
            UpdateWindowTitle(owner, false);
            return false;
        }
        switch (ReadWholeFile(ListFile.CurrentListPath, text)) {
        case WholeFileRead::CannotOpen:
            // Held by another program, gone, or no file at all: say so, and forget the name.
            ListFile = SettledListFile;
            return ReportFailure(owner, IDS_LIST_NOT_OPENED, IDS_OPEN_LIST_CAPTION);
        case WholeFileRead::TooLarge: // no limit asked
        case WholeFileRead::NoMemory:
            ReportFailure(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
            break;
        case WholeFileRead::ReadFailed:
            SoundBeep(MB_ICONERROR);
            break;
        case WholeFileRead::Read:
            result = ReadFontsBody(owner, lists, text.data(), merge);
            break;
        }
    }
    UpdateWindowTitle(owner, result);
    return result;
}

bool SaveListFile(HWND owner, const MainLists& lists, int mode) {
    if (mode == SaveAs) {
        // The dialog offers "Font & File Name" first.
        ListFile.CurrentListForm = FontFileForm;
        if (!AskListFileName(owner, AskSave))
            return false;
    }
    if (!IsListForm(ListFile.CurrentListForm))
        ListFile.CurrentListForm = FontFileForm;

    const EntryText entries = BuildEntryText(ListBoxFontList(lists.selectedList),
                                             lists.catalog.FontEntryText, ListFile.CurrentListForm);
    switch (entries.outcome) {
    case EntryTextOutcome::EmptyList:
        SoundBeep(MB_ICONERROR);
        break;
    case EntryTextOutcome::Built: {
        if (TakeBackAsideCopy(owner, ListFile.CurrentListPath) == AsideCopy::Blocked) {
            ListFile = SettledListFile; // told why, once
            return false;
        }
        bool saved = false;
        try {
            saved = WriteFileSafely(owner, ListFile.CurrentListPath, ListFileText(entries.text));
        } catch (const std::bad_alloc&) {
        }
        if (!saved) {
            ListFile = SettledListFile;
            return ReportFailure(owner, IDS_LIST_NOT_SAVED, IDS_SAVE_FILE_CAPTION);
        }
        break;
    }
    }
    UpdateWindowTitle(owner, true);
    return true;
}

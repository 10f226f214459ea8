// Opening, merging and saving list files.
#include "listfile/list_file.h"

#include <new>
#include <string>
#include <vector>

#include "app/language.h"
#include "app/safe_file.h"
#include "app/shell_hooks.h"
#include "catalog/catalog_win.h"
#include "catalog/ini_text.h"
#include "catalog/list_box_font_list.h"
#include "listfile/entry_text.h"
#include "listfile/list_file_text.h"
#include "listfile/list_matching_win.h"
#include "app/system_code_page.h"
#include "app/whole_file.h"
#include "resource.h"

ListFileState ListFile;
ListFileState SettledListFile;

namespace {

// Reads the [Fonts] body of text into the lists; on success CurrentListForm becomes the form
// the body was written in.
bool ReadFontsBody(HWND owner, char* text, bool merge) {
    if (ExtractFontsSection(text, SystemCodePage()) == 0) {
        ReportFailure(owner, IDS_NO_FONT_INFO, IDS_OPEN_FILE_CAPTION);
        return false;
    }
    int form = 0;
    const bool read = RunListMatch([&](FontList& atmList, FontList& selectedList) {
        const ListRead body = ReadListBody(text, atmList, selectedList, Catalog.FontEntryText,
                                           merge, SystemCodePage());
        form = body.form;
        return body.match;
    });
    if (read)
        ListFile.CurrentListForm = form;
    return read;
}

} // namespace

bool OpenListFile(HWND owner, bool merge) {
    bool result = false;
    {
        std::vector<char> text;
        // A save in steps cut short may have left the file only aside.
        RestoreAsideCopy(ListFile.CurrentListPath);
        switch (ReadWholeFile(ListFile.CurrentListPath, text)) {
        case WholeFileRead::CannotOpen:
            // Held by another program, gone, or no file at all: say so, and forget the name.
            ListFile = SettledListFile;
            return ReportFailure(owner, IDS_LIST_NOT_OPENED, IDS_OPEN_LIST_CAPTION);
        case WholeFileRead::NoMemory:
            ReportFailure(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
            break;
        case WholeFileRead::ReadFailed:
            SoundBeep(MB_ICONERROR);
            break;
        case WholeFileRead::Read:
            result = ReadFontsBody(owner, text.data(), merge);
            break;
        }
    }
    UpdateWindowTitle(result);
    return result;
}

bool SaveListFile(HWND owner, HWND list, int mode) {
    if (mode == SaveAs) {
        // The dialog offers "Font & File Name" first.
        ListFile.CurrentListForm = FontFileForm;
        if (!AskListFileName(owner, AskSave))
            return false;
    }
    if (ListFile.CurrentListForm < SoftfontFileForm || ListFile.CurrentListForm > FontNameOnlyForm)
        ListFile.CurrentListForm = FontFileForm;

    EntryText entries;
    try {
        entries =
            BuildEntryText(ListBoxFontList(list), Catalog.FontEntryText, ListFile.CurrentListForm);
    } catch (const std::bad_alloc&) {
        entries.outcome = EntryTextOutcome::NoMemory;
    }
    switch (entries.outcome) {
    case EntryTextOutcome::EmptyList:
        SoundBeep(MB_ICONERROR);
        break;
    case EntryTextOutcome::NoMemory:
        ReportFailure(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
        break;
    case EntryTextOutcome::Built: {
        bool saved = false;
        try {
            saved = WriteFileSafely(ListFile.CurrentListPath, ListFileText(entries.text));
        } catch (const std::bad_alloc&) {
        }
        if (!saved) {
            ListFile = SettledListFile;
            return ReportFailure(owner, IDS_LIST_NOT_SAVED, IDS_SAVE_FILE_CAPTION);
        }
        break;
    }
    }
    UpdateWindowTitle(true);
    return true;
}

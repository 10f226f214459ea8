#include "winini/winini_file.h"

#include <new>
#include <vector>

#include "base/language.h"
#include "base/safe_file.h"
#include "base/shell_hooks.h"
#include "base/whole_file.h"
#include "base/windows_directory.h"
#include "base/system_code_page.h"
#include "catalog/list_box_font_list.h"
#include "listfile/entry_text.h"
#include "listfile/list_file.h"
#include "listfile/list_matching_win.h"
#include "resource.h"
#include "winini/font_change_warning.h"
#include "winini/printer_section.h"
#include "winini/winini_rebuild.h"

int SectionNameOrder(const char* a, const char* b) {
    return lstrcmpiA(a, b);
}

void TakeBackWinIni(HWND owner) {
    char path[MAX_PATH];
    if (WindowsDirectoryPath(path, "win.ini"))
        TakeBackAsideCopy(owner, path);
}

bool LocateWinIni(HWND owner, char* path) {
    if (!WindowsDirectoryPath(path, "win.ini"))
        return ReportFailure(owner, IDS_NO_WINDOWS_DIR, IDS_WINDOWS_DIR_CAPTION);
    // A save in steps cut short may have left the whole file aside. While it cannot go back,
    // the file in its place is another program's: the user has been told where the whole one is.
    if (TakeBackAsideCopy(owner, path) == AsideCopy::Blocked)
        return false;
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return ReportFailure(owner, IDS_NO_WIN_INI, IDS_WIN_INI_CAPTION);
    return true;
}

bool LoadWinIni(HWND owner, std::string& file) {
    // Another program's profile writes may still be only in the system's cache.
    FlushWinIniCache();
    const HWND mainWindow = TopOwner(owner);
    char path[MAX_PATH];
    if (!LocateWinIni(mainWindow, path))
        return false;
    std::vector<char> text;
    switch (ReadWholeFile(path, text, WinIniLoadLimit)) {
    case WholeFileRead::TooLarge:
        return ReportFailure(owner, IDS_WIN_INI_TOO_LARGE, IDS_WIN_INI_CAPTION);
    case WholeFileRead::NoMemory:
        throw std::bad_alloc(); // as when the text below cannot be had
    case WholeFileRead::CannotOpen:
    case WholeFileRead::ReadFailed:
        return ReportFailure(mainWindow, IDS_NO_WIN_INI, IDS_WIN_INI_CAPTION);
    case WholeFileRead::Read:
        break;
    }
    // The bytes as they are, without the zero bytes the reader puts after them.
    file.assign(text.data(), text.size() - WholeFileEndZeros);
    return true;
}

void SaveToWinIni(HWND owner, const char* sectionName, const MainLists& lists) {
    { // the texts are released before anyone is told
        std::string file;
        if (!LoadWinIni(owner, file))
            return;
        const long bodyStart =
            FindPrinterSection(file.c_str(), sectionName, SectionNameOrder, SystemCodePage());
        if (bodyStart == NotFound)
            return;

        ListBoxFontList selected(lists.selectedList);
        const EntryText entry =
            BuildEntryText(selected, lists.catalog.FontEntryText, SoftfontFileForm);
        if (entry.outcome == EntryTextOutcome::EmptyList) {
            SoundBeep(MB_ICONHAND);
            return;
        }

        const WinIniRebuild rebuilt = RebuildWinIni(file, bodyStart, entry.text, SystemCodePage());
        switch (rebuilt.outcome) {
        case WinIniRebuildOutcome::TooLarge:
            ReportFailure(owner, IDS_TOO_MANY_FONTS, IDS_WIN_INI_CAPTION);
            return;
        case WinIniRebuildOutcome::ZeroByteInside:
            // What follows the zero byte would be lost: the file is left as it is.
            ReportFailure(owner, IDS_NO_WIN_INI, IDS_WIN_INI_CAPTION);
            return;
        case WinIniRebuildOutcome::Rebuilt:
            break;
        }

        char path[MAX_PATH];
        if (!LocateWinIni(owner, path))
            return;
        if (!WriteFileSafely(owner, path, rebuilt.text)) {
            ReportFailure(owner, IDS_NO_WIN_INI, IDS_WIN_INI_CAPTION);
            return;
        }
    }
    // The printer driver reads its fonts through the profile functions: they must read the new
    // file, not a cached old one, before anyone is told.
    FlushWinIniCache();
    // Sent, not posted: every top-level window has seen the change before the warning opens.
    SendMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
    ShowFontChangeWarning(owner);
}

bool OpenFromWinIni(HWND owner, const char* sectionName, const MainLists& lists) {
    std::string file;
    if (!LoadWinIni(owner, file))
        return false;
    const long bodyStart =
        FindPrinterSection(file.c_str(), sectionName, SectionNameOrder, SystemCodePage());
    if (bodyStart == NotFound)
        return false;
    MatchSectionFonts(owner, lists, file.data(), bodyStart);
    UpdateWindowTitle(owner, false);
    return true;
}

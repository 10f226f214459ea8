#include "winini/winini_file.h"

#include <new>
#include <vector>

#include "base/language.h"
#include "base/safe_file.h"
#include "base/shell_hooks.h"
#include "base/system_code_page.h"
#include "base/top_owner.h"
#include "base/whole_file.h"
#include "base/windows_directory.h"
#include "catalog/list_box_font_list.h"
#include "listfile/entry_text.h"
#include "listfile/list_file.h"
#include "listfile/list_matching_win.h"
#include "resource.h"
#include "winini/font_change_warning.h"
#include "winini/printer_section.h"
#include "winini/winini_rebuild.h"

namespace {

// Fills path (at least MAX_PATH bytes) with the path of win.ini in the Windows directory and
// checks that the file exists. Failures are reported over owner (101/102, 113/114).
bool LocateWinIni(HWND owner, char* path) {
    if (!WindowsDirectoryPath(path, "win.ini"))
        return ReportFailure(owner, IDS_NO_WINDOWS_DIR, IDS_WINDOWS_DIR_CAPTION);
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return ReportFailure(owner, IDS_NO_WIN_INI, IDS_WIN_INI_CAPTION);
    return true;
}

// How section names are compared.
int SectionNameOrder(const char* a, const char* b) {
    return lstrcmpiA(a, b);
}

// Loads the file and finds the named section in it: the start of its body, or NotFound when the
// file could not be loaded (reported) or the section is no longer in it (silent).
long LoadSection(HWND owner, const char* sectionName, char* path, std::string& file) {
    if (!LoadWinIni(owner, path, file))
        return NotFound;
    return FindPrinterSection(file.c_str(), sectionName, SectionNameOrder, SystemCodePage());
}

// Rewrites the named section of WIN.INI so that it holds the SelectedList: read, rebuilt in memory
// and written back whole to where it was read. False when nothing was written (reported, or
// silent when the section is gone).
bool RewriteSection(HWND owner, const char* sectionName, const MainLists& lists) {
    char path[MAX_PATH];
    std::string file;
    const long bodyStart = LoadSection(owner, sectionName, path, file);
    if (bodyStart == NotFound)
        return false;

    const EntryText entry = BuildEntryText(ListBoxFontList(lists.selectedList),
                                           lists.catalog.FontEntryText, SoftfontFileForm);
    if (entry.outcome == EntryTextOutcome::EmptyList) {
        SoundBeep(MB_ICONHAND);
        return false;
    }
    const WinIniRebuild rebuilt = RebuildWinIni(file, bodyStart, entry.text, SystemCodePage());
    switch (rebuilt.outcome) {
    case WinIniRebuildOutcome::TooLarge:
        return ReportFailure(owner, IDS_TOO_MANY_FONTS, IDS_WIN_INI_CAPTION);
    case WinIniRebuildOutcome::ZeroByteInside:
        // What follows the zero byte would be lost: the file is left as it is.
        return ReportFailure(owner, IDS_NO_WIN_INI, IDS_WIN_INI_CAPTION);
    case WinIniRebuildOutcome::Rebuilt:
        break;
    }
    if (!WriteFileSafely(owner, path, rebuilt.text))
        return ReportFailure(owner, IDS_NO_WIN_INI, IDS_WIN_INI_CAPTION);
    return true;
}

} // namespace

bool TakeBackWinIni(HWND owner) {
    char path[MAX_PATH];
    return !WindowsDirectoryPath(path, "win.ini") ||
           TakeBackAsideCopy(owner, path) != AsideCopy::Blocked;
}

bool LoadWinIni(HWND owner, char* path, std::string& file) {
    // Another program's profile writes may still be only in the system's cache.
    FlushWinIniCache();
    const HWND mainWindow = TopOwner(owner);
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
    // The texts are released before anyone is told.
    if (!RewriteSection(owner, sectionName, lists))
        return;
    // The printer driver reads its fonts through the profile functions: they must read the new
    // file, not a cached old one, before anyone is told.
    FlushWinIniCache();
    // Sent, not posted: every top-level window has seen the change before the warning opens.
    SendMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
    ShowFontChangeWarning(owner);
}

bool OpenFromWinIni(HWND owner, const char* sectionName, const MainLists& lists) {
    char path[MAX_PATH];
    std::string file;
    const long bodyStart = LoadSection(owner, sectionName, path, file);
    if (bodyStart == NotFound)
        return false;
    MatchSectionFonts(owner, lists, file.data(), bodyStart);
    ForgetListFile(owner);
    return true;
}

#include "winini/winini_file.h"

#include <memory>
#include <new>

#include "app/language.h"
#include "app/main_window.h"
#include "app/safe_file.h"
#include "app/shell_hooks.h"
#include "app/system_code_page.h"
#include "catalog/catalog_win.h"
#include "listfile/entry_text.h"
#include "listfile/list_file.h"
#include "listfile/list_matching_win.h"
#include "catalog/list_box_font_list.h"
#include "resource.h"
#include "winini/font_change_warning.h"
#include "winini/printer_section.h"
#include "winini/winini_rebuild.h"

namespace {

using FileHandle = std::unique_ptr<void, decltype(&CloseHandle)>;

} // namespace

int SectionNameOrder(const char* a, const char* b) {
    return lstrcmpiA(a, b);
}

bool LocateWinIni(char* path) {
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    if (length == 0 || length > 251)
        return ReportFailure(App.MainWindow, IDS_NO_WINDOWS_DIR, IDS_WINDOWS_DIR_CAPTION);
    lstrcatA(path, "\\win.ini");
    // A save in steps cut short may have left the file only aside.
    RestoreAsideCopy(path);
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return ReportFailure(App.MainWindow, IDS_NO_WIN_INI, IDS_WIN_INI_CAPTION);
    return true;
}

bool LoadWinIni(HWND owner, std::string& file) {
    // Another program's profile writes may still be only in the system's cache.
    FlushWinIniCache();
    char path[MAX_PATH];
    if (!LocateWinIni(path))
        return false;
    FileHandle handle(
        CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
        &CloseHandle);
    if (handle.get() == INVALID_HANDLE_VALUE) {
        handle.release();
        return ReportFailure(App.MainWindow, IDS_NO_WIN_INI, IDS_WIN_INI_CAPTION);
    }
    const DWORD size = GetFileSize(handle.get(), nullptr);
    if (size == INVALID_FILE_SIZE)
        return ReportFailure(App.MainWindow, IDS_NO_WIN_INI, IDS_WIN_INI_CAPTION);
    if (size > WinIniLoadLimit)
        return ReportFailure(owner, IDS_WIN_INI_TOO_LARGE, IDS_WIN_INI_CAPTION);
    try {
        file.assign(size, '\0');
    } catch (const std::bad_alloc&) {
        return ReportFailure(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
    }
    DWORD read = 0;
    if (SetFilePointer(handle.get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
        !ReadFile(handle.get(), file.data(), size, &read, nullptr) || read != size) {
        file.clear();
        return ReportFailure(App.MainWindow, IDS_NO_WIN_INI, IDS_WIN_INI_CAPTION);
    }
    return true;
}

void SaveToWinIni(const char* sectionName) {
    HWND owner = App.MainWindow;
    try {
        std::string file;
        if (!LoadWinIni(owner, file))
            return;
        const long bodyStart =
            FindPrinterSection(file.c_str(), sectionName, SectionNameOrder, SystemCodePage());
        if (bodyStart == NotFound)
            return;

        ListBoxFontList selected(App.SelectedList);
        const EntryText entry = BuildEntryText(selected, Catalog.FontEntryText, SoftfontFileForm);
        if (entry.outcome == EntryTextOutcome::EmptyList) {
            SoundBeep(MB_ICONHAND);
            return;
        }
        if (entry.outcome == EntryTextOutcome::NoMemory) {
            ReportFailure(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
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
        if (!LocateWinIni(path))
            return;
        if (!WriteFileSafely(path, rebuilt.text)) {
            ReportFailure(owner, IDS_NO_WIN_INI, IDS_WIN_INI_CAPTION);
            return;
        }
    } catch (const std::bad_alloc&) {
        ReportFailure(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
        return;
    }
    // The printer driver reads its fonts through the profile functions: they must read the new
    // file, not a cached old one, before anyone is told.
    FlushWinIniCache();
    // Sent, not posted: every top-level window has seen the change before the warning opens.
    SendMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
    ShowFontChangeWarning(owner);
}

bool OpenFromWinIni(const char* sectionName) {
    try {
        std::string file;
        if (!LoadWinIni(App.MainWindow, file))
            return false;
        const long bodyStart =
            FindPrinterSection(file.c_str(), sectionName, SectionNameOrder, SystemCodePage());
        if (bodyStart == NotFound)
            return false;
        MatchByFileNames(file.data(), bodyStart, false);
    } catch (const std::bad_alloc&) {
        ReportFailure(App.MainWindow, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
        return false;
    }
    UpdateWindowTitle(false);
    return true;
}

#include "catalog/catalog_win.h"

#include <memory>
#include <vector>

#include "app/language.h"
#include "app/shell_hooks.h"
#include "app/status_panel.h"
#include "catalog/list_box_font_list.h"
#include "catalog/list_transfer.h"
#include "resource.h"

FontCatalog Catalog;

namespace {

bool Fail(HWND owner, UINT textId, UINT captionId) {
    SoundBeep(MB_ICONERROR);
    KWStrTbMsgBox(owner, textId, captionId, MB_ICONERROR);
    return false;
}

// The whole file, followed by ten zero bytes that end the text; false when it can't be opened.
enum class ReadResult { Read, CannotOpen, NoMemory, ReadFailed };
ReadResult ReadWholeFile(const char* path, std::vector<char>& text) {
    HANDLE file =
        CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ReadResult::CannotOpen;
    std::unique_ptr<void, decltype(&CloseHandle)> closer(file, &CloseHandle);
    DWORD size = GetFileSize(file, nullptr);
    if (size == INVALID_FILE_SIZE)
        return ReadResult::ReadFailed;
    try {
        text.assign(static_cast<size_t>(size) + 10, '\0');
    } catch (const std::bad_alloc&) {
        return ReadResult::NoMemory;
    }
    DWORD read = 0;
    if (!ReadFile(file, text.data(), size, &read, nullptr) || read != size)
        return ReadResult::ReadFailed;
    return ReadResult::Read;
}

} // namespace

bool LoadAtmCatalog(HWND atmList) {
    HWND owner = GetParent(atmList);
    char path[MAX_PATH];
    UINT length = GetWindowsDirectoryA(path, sizeof path);
    if (length == 0 || length > 251)
        return Fail(owner, IDS_NO_WINDOWS_DIR, IDS_WINDOWS_DIR_CAPTION);
    lstrcatA(path, "\\atm.ini");

    std::vector<char> text;
    switch (ReadWholeFile(path, text)) {
    case ReadResult::CannotOpen:
        return Fail(owner, IDS_NO_ATM_INI, IDS_ATM_INI_CAPTION);
    case ReadResult::NoMemory:
        return Fail(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
    case ReadResult::ReadFailed:
        return Fail(owner, IDS_NO_FONT_INFO, IDS_ATM_INI_CAPTION);
    case ReadResult::Read:
        break;
    }

    ListBoxFontList list(atmList);
    CatalogBuild build;
    {
        RedrawOff quiet(list);
        build = BuildFontCatalog(text.data(), list, ListBoxNameOrder, Catalog);
    }
    switch (build.outcome) {
    case CatalogOutcome::NoFontsSection:
        return Fail(owner, IDS_NO_FONT_INFO, IDS_ATM_INI_CAPTION);
    case CatalogOutcome::NoFonts:
        return Fail(owner, IDS_NO_FONTS, IDS_ATM_INI_CAPTION);
    case CatalogOutcome::NoMemory:
        return Fail(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
    case CatalogOutcome::Loaded:
        break;
    }
    if (build.corruptCount > 0) {
        char format[TextBufferSize], message[TextBufferSize + 16];
        char caption[TextBufferSize];
        KWStrTbGetTxt(format, IDS_CORRUPT_FONTS);
        KWStrTbGetTxt(caption, IDS_CORRUPT_CAPTION);
        wsprintfA(message, format, build.corruptCount);
        SoundBeep(MB_ICONERROR);
        MessageBoxA(owner, message, caption, MB_ICONERROR);
    }
    return true;
}

void FreeFontCatalog() {
    Catalog = FontCatalog();
}

int MoveSelectedFonts(HWND destination, HWND source) {
    ListBoxFontList to(destination), from(source);
    int moved;
    {
        RedrawOff quietTo(to), quietFrom(from);
        moved = MoveSelectedFonts(to, from);
    }
    if (moved)
        UpdateSelectedCount(GetParent(source));
    return moved;
}

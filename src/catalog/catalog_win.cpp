#include "catalog/catalog_win.h"

#include <vector>

#include "base/language.h"
#include "base/shell_hooks.h"
#include "base/system_code_page.h"
#include "base/whole_file.h"
#include "base/windows_directory.h"
#include "catalog/font_list_batch.h"
#include "catalog/list_box_font_list.h"
#include "catalog/list_transfer.h"
#include "resource.h"

FontCatalog Catalog;

bool LoadAtmCatalog(HWND atmList) {
    HWND owner = GetParent(atmList);
    char path[MAX_PATH];
    if (!WindowsDirectoryPath(path, "atm.ini"))
        return ReportFailure(owner, IDS_NO_WINDOWS_DIR, IDS_WINDOWS_DIR_CAPTION);

    std::vector<char> text;
    switch (ReadWholeFile(path, text)) {
    case WholeFileRead::CannotOpen:
        return ReportFailure(owner, IDS_NO_ATM_INI, IDS_ATM_INI_CAPTION);
    case WholeFileRead::TooLarge: // no limit asked
    case WholeFileRead::NoMemory:
        return ReportFailure(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
    case WholeFileRead::ReadFailed:
        return ReportFailure(owner, IDS_NO_FONT_INFO, IDS_ATM_INI_CAPTION);
    case WholeFileRead::Read:
        break;
    }

    ListBoxFontList list(atmList);
    CatalogBuild build;
    {
        RedrawOff quiet(list);
        build = BuildFontCatalog(text.data(), list, Catalog, SystemCodePage());
    }
    switch (build.outcome) {
    case CatalogOutcome::NoFontsSection:
        return ReportFailure(owner, IDS_NO_FONT_INFO, IDS_ATM_INI_CAPTION);
    case CatalogOutcome::NoFonts:
        return ReportFailure(owner, IDS_NO_FONTS, IDS_ATM_INI_CAPTION);
    case CatalogOutcome::NoMemory:
        return ReportFailure(owner, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
    case CatalogOutcome::Loaded:
        break;
    }
    if (build.corruptCount > 0) {
        SoundBeep(MB_ICONERROR);
        KWStrTbMsgBox(owner, IDS_CORRUPT_FONTS, IDS_CORRUPT_CAPTION, MB_ICONERROR,
                      static_cast<long>(build.corruptCount));
    }
    return true;
}

void FreeFontCatalog() {
    Catalog = FontCatalog();
}

int MoveSelectedFonts(HWND destination, HWND source) {
    ListBoxFontList to(destination), from(source);
    RedrawOff quietTo(to), quietFrom(from);
    return MoveSelectedFonts(to, from);
}

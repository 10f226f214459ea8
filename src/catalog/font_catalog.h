// The font catalogue: the fonts of ATM.INI's [Fonts] section, in the order of the list.
#pragma once

#include <string>
#include <vector>

#include "catalog/font_list.h"

constexpr int MaxCatalogFonts = 1001;
constexpr int MaxFontNameLength = 63; // bytes, without the terminator

struct FontCatalog {
    // The accepted fonts' "name=files" lines, byte for byte with their line ends, in the list's
    // order. Never changes while the catalogue is loaded.
    std::string FontEntryText;
    unsigned long CatalogFontCount = 0;
    bool Loaded = false;
};

enum class CatalogOutcome {
    Loaded,         // the list holds the accepted fonts (some may have been rejected)
    NoFontsSection, // no [Fonts] header, or no line end after it
    NoFonts,        // the body holds no key
    NoMemory,
};

struct CatalogBuild {
    CatalogOutcome outcome = CatalogOutcome::NoFontsSection;
    unsigned long corruptCount = 0; // keys rejected: too short a value, too long a key, over 1001
};

// Builds the catalogue from a whole ATM.INI text (modified in place; it must be followed by at
// least one zero byte) and fills the list, which is emptied first. On any outcome but Loaded the
// list and the catalogue are left empty.
CatalogBuild BuildFontCatalog(char* text, FontList& atmList, NameOrder compareFontNames,
                              FontCatalog& catalog);

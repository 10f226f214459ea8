// The font catalogue: the fonts of ATM.INI's [Fonts] section, in the order of the list.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "base/code_page.h"
#include "catalog/font_list.h"

class EntryTextSearch;

constexpr int MaxCatalogFonts = 1001;
constexpr int MaxFontNameLength = 63; // bytes, without the terminator

struct FontCatalog {
    // The accepted fonts' "name=files" lines, byte for byte with their line ends, in the list's
    // order (names that differ only in letter case may stand in either order). Every line ends
    // with LF. Never changes while the catalogue is loaded.
    std::string FontEntryText;
    unsigned long CatalogFontCount = 0;
    bool Loaded = false;
    // The search of FontEntryText by .pfm file name, made at the first match by file names (in
    // that match's code page) and freed with the catalogue.
    mutable std::shared_ptr<const EntryTextSearch> FileNameSearch;
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

// One key of the [Fonts] body, zero-terminated.
using FontNameSlot = std::array<char, MaxFontNameLength + 1>;

struct CollectedFontNames {
    int count = 0;                // keys stored in the table's first slots, in file order
    unsigned long rejected = 0;   // keys of 64 bytes or more, and keys after the table was full
    std::vector<long> lineStarts; // where each stored key's line begins in the body
};

// Walks the [Fonts] body (reading at most budget bytes, its zero included) and stores every
// key, the bytes before a line's first '=', into the table, which is resized to the keys stored.
// Blank lines, comment lines and lines with a ';' or a control byte before their '=' carry no key.
CollectedFontNames CollectFontNames(std::vector<FontNameSlot>& table, const char* body,
                                    long budget);

// Builds the catalogue from a whole ATM.INI text in the code page (modified in place; it must be
// followed by at least one zero byte) and fills the list, which is emptied first. Afterwards the
// text holds the [Fonts] body, zero-terminated. On any outcome but Loaded the list and the
// catalogue are left empty. Loaded with an empty list is possible: every key was rejected. The
// names stand as one sorted insert of each into the list would put them, in the order of their
// bytes (the first in the file first): ordered by the list's sort keys, one key per name, or,
// where those cannot be made, inserted by the list itself.
CatalogBuild BuildFontCatalog(char* text, FontList& atmList, FontCatalog& catalog,
                              const CodePage& codePage);

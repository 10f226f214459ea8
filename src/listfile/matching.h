// Matching a font list from outside the program (a list file, a printer section of WIN.INI)
// against the catalogue: each font the text names is moved from the AtmList into the
// SelectedList; what names no catalogue font is collected for the "Non-Matching Items" dialog.
// The wait cursor, the dialog and the messages are the caller's.
#pragma once

#include <string>
#include <vector>

#include "catalog/font_catalog.h"
#include "catalog/font_list.h"
#include "catalog/ini_text.h"
#include "listfile/entry_text_search.h"

enum class EntryStatus {
    End,       // no further entry in the text
    Unmatched, // the entry names nothing in the catalogue; name holds what it names
    Found,     // name holds the catalogue font name
};

struct NextEntry {
    long offset = NotFound; // where the next entry is taken from
    EntryStatus status = EntryStatus::End;
};

// The next entry read by its .pfm file name (forms 1 and 2, WIN.INI): the catalogue line that
// holds the file name anywhere (the first such line in catalogue order) gives the font name;
// unmatched gives the file name itself. The text should already be in lower case.
NextEntry NextFileNameEntry(const EntryTextSearch& catalog, const char* fontEntryText,
                            const char* text, std::string& name, long offset,
                            const CodePage& codePage);

// Memory running out while a match runs throws std::bad_alloc, with both lists still holding
// every font exactly once.
enum class MatchOutcome {
    Done,
    NoMemory, // a list took no more names: message 106/107; both lists still hold every font
};

struct MatchResult {
    MatchOutcome outcome = MatchOutcome::Done;
    int returnedCount = 0; // open mode: fonts put back from the SelectedList first
    int movedCount = 0;    // fonts moved into the SelectedList by the text
    // Entries that name nothing in the catalogue, in the order found, duplicates included:
    // .pfm file names (lower case) or font names. Shown by dialog 1005 when not empty.
    std::vector<std::string> unmatched;
    // The SelectedList holds a font afterwards: the operation's result. When false the caller
    // reports message 118/119 (after dialog 1005).
    bool hasSelection = false;
};

// Folds the whole text in place as the catalogue is folded when searched (FoldText), then reads
// it by .pfm file names from start (0 for a list file, the line after the section header for
// WIN.INI). Without merge, the SelectedList is first emptied into the AtmList. A font that is no
// longer in the AtmList (already selected, or named twice) is dropped silently.
MatchResult MatchByFileNames(FontList& atmList, FontList& selectedList, const FontCatalog& catalog,
                             char* text, long start, bool merge, const CodePage& codePage);
// Reads the text by font names, one per line, from its start; otherwise as MatchByFileNames.
MatchResult MatchByFontNames(FontList& atmList, FontList& selectedList, const FontCatalog& catalog,
                             const char* text, bool merge, const CodePage& codePage);

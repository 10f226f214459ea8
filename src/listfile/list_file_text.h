// The text of a list file (*.mxf): the font lines between a "[Fonts]" and an "[EndFonts]" line.
// Reading one recognises its form from its content and matches it against the catalogue.
#pragma once

#include <string>

#include "catalog/font_list.h"
#include "listfile/matching.h"

// The whole file as written: "[Fonts]" CR LF, the font lines of BuildEntryText, "[EndFonts]" CR LF.
std::string ListFileText(const std::string& entryText);

enum class ListReadOutcome {
    Read,           // the SelectedList holds fonts; form tells the form read
    NoFontsSection, // no "[Fonts]" header (exactly that case) or no line feed after it: 105/112
    NoMemory,       // 106/107
    NoMatch,        // the SelectedList is empty afterwards: 118/119
};

struct ListRead {
    ListReadOutcome outcome = ListReadOutcome::NoFontsSection;
    int form = 0;      // with Read: the ListForm recognised, the new CurrentListForm
    MatchResult match; // what the matching did; its unmatched names go to dialog 1005
};

// Reads a whole list file text (followed by at least one zero byte; changed in place) into the
// lists: its [Fonts] body is read by .pfm file names when it holds ".pfm" anywhere outside a
// comment (form 1 when it also holds "softfont", else 2), otherwise by font names (form 3).
// Without merge the SelectedList is emptied into the AtmList first. Messages, the dialog and the
// title are the caller's.
ListRead ReadListFileText(char* text, FontList& atmList, FontList& selectedList,
                          const FontCatalog& catalog, bool merge, const CodePage& codePage);

// The same for a text already cut to its [Fonts] body (what ReadListFileText does after
// ExtractFontsSection).
ListRead ReadListBody(char* body, FontList& atmList, FontList& selectedList,
                      const FontCatalog& catalog, bool merge, const CodePage& codePage);

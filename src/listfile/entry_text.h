// The font lines of the selected list in the three list forms: the body of a list file, and in
// the numbered softfont form also the body written into a printer section of WIN.INI.
#pragma once

#include <string>

#include "catalog/font_list.h"
#include "catalog/ini_text.h"

// The number is also the filter index of the save dialog, so the order is fixed.
enum ListForm {
    SoftfontFileForm = 1, // "softfonts=n", then "softfont<i>=" and the font's FileEntry
    FontFileForm = 2,     // the font name, '=' and its FileEntry
    FontNameOnlyForm = 3, // the font name alone
};
inline bool IsListForm(int form) {
    return form >= SoftfontFileForm && form <= FontNameOnlyForm;
}

enum class EntryTextOutcome {
    Built,
    EmptyList, // nothing to write: the caller beeps
};

struct EntryText {
    EntryTextOutcome outcome = EntryTextOutcome::EmptyList;
    std::string text; // the font lines, each ended by CR LF or by its catalogue line's end
};

// The font lines of every item of list, in its order, in the given form; a form other than 1 or
// 2 gives form 3. The text grows as needed: there is no size limit (std::bad_alloc when memory
// runs out).
EntryText BuildEntryText(const FontList& list, const std::string& fontEntryText, int form);

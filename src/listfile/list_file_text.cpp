#include "listfile/list_file_text.h"

#include "catalog/ini_text.h"
#include "listfile/entry_text.h"
#include "listfile/text_search.h"

std::string ListFileText(const std::string& entryText) {
    return "[Fonts]\r\n" + entryText + "[EndFonts]\r\n";
}

ListRead ReadListBody(char* body, FontList& atmList, FontList& selectedList,
                      const FontCatalog& catalog, bool merge, const CodePage& codePage) {
    ListRead read;
    const bool byFileNames = FindTextNoCase(body, 0, ".pfm", codePage) != NotFound;
    if (byFileNames)
        read.match = MatchByFileNames(atmList, selectedList, catalog, body, 0, merge, codePage);
    else
        read.match = MatchByFontNames(atmList, selectedList, catalog, body, merge, codePage);

    if (read.match.outcome == MatchOutcome::NoMemory)
        read.outcome = ListReadOutcome::NoMemory;
    else if (!read.match.hasSelection)
        read.outcome = ListReadOutcome::NoMatch;
    else
        read.outcome = ListReadOutcome::Read;

    if (read.outcome == ListReadOutcome::Read) {
        if (!byFileNames)
            read.form = FontNameOnlyForm;
        else if (FindTextNoCase(body, 0, "softfont", codePage) != NotFound)
            read.form = SoftfontFileForm;
        else
            read.form = FontFileForm;
    }
    return read;
}

ListRead ReadListFileText(char* text, FontList& atmList, FontList& selectedList,
                          const FontCatalog& catalog, bool merge, const CodePage& codePage) {
    if (ExtractFontsSection(text, codePage) == 0)
        return {};
    return ReadListBody(text, atmList, selectedList, catalog, merge, codePage);
}

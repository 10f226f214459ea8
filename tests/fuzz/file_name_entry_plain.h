// The reference that the program's indexed catalogue search must agree with (the fuzzer checks
// it, the benchmark times against it): each entry's .pfm file name looked for with a plain
// FindTextNoCase over the whole catalogue text.
#pragma once

#include <string>

#include "listfile/matching.h"
#include "listfile/text_search.h"

inline NextEntry NextFileNameEntryPlain(const char* fontEntryText, const char* text,
                                        std::string& name, long offset,
                                        const CodePage& codePage) {
    std::string pfmFileName;
    const long next = NextPfmFileName(text, offset, pfmFileName, codePage);
    if (next == NotFound)
        return {};
    const long found = FindTextNoCase(fontEntryText, 0, pfmFileName.c_str(), codePage);
    if (found == NotFound) {
        name = pfmFileName;
        return {next, EntryStatus::Unmatched};
    }
    // The font name: the matching catalogue line from its start up to its first '='.
    const char* lineStart = fontEntryText + found - 1;
    while (lineStart > fontEntryText && static_cast<unsigned char>(lineStart[-1]) >= 0x20)
        --lineStart;
    const char* nameEnd = lineStart;
    while (static_cast<unsigned char>(*nameEnd) >= 0x20 && *nameEnd != '=')
        ++nameEnd;
    name.assign(lineStart, nameEnd);
    return {next, EntryStatus::Found};
}

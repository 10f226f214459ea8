#include "listfile/entry_text_search.h"

#include <cstring>
#include <string_view>

#include "listfile/text_search.h"

EntryTextSearch::EntryTextSearch(const char* text) {
    const long length = static_cast<long>(std::strlen(text));
    folded_.resize(length);
    for (long at = 0; at < length; ++at)
        folded_[at] = static_cast<char>(FoldCase(static_cast<unsigned char>(text[at])));

    // Walk the text as FindTextNoCase's scan does: every byte up to the first '[' outside a
    // comment is a starting point, except a comment from its ';' through its line feed.
    startsSearch_.assign(length, false);
    long at = 0;
    while (at < length && text[at] != '[') {
        if (text[at] == ';') {
            const char* lineFeed = std::strchr(text + at, '\n');
            if (lineFeed == nullptr) {
                at = length;
                break;
            }
            at = static_cast<long>(lineFeed - text) + 1;
            continue;
        }
        startsSearch_[at] = true;
        ++at;
    }
    scanEnd_ = at;
}

long EntryTextSearch::Find(const char* pattern) const {
    const std::string_view text(folded_);
    const std::string_view wanted(pattern);
    if (wanted.empty())
        return NotFound;
    for (size_t from = 0;;) {
        const size_t at = text.find(wanted, from);
        if (at == std::string_view::npos || static_cast<long>(at) >= scanEnd_)
            return NotFound;
        if (startsSearch_[at])
            return static_cast<long>(at) + 1;
        from = at + 1;
    }
}

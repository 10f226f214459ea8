// Repeated FindTextNoCase searches from the start of one unchanging text (the catalogue's
// FontEntryText): the text is folded and its scan positions worked out once, and every ".pfm" in
// it is indexed by the bytes before it, so that looking up a .pfm file name only compares the
// few places where it can end. Gives exactly what FindTextNoCase(text, 0, pattern) gives. A
// ".pfm" always begins a character: '.' is never the second byte of one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/code_page.h"

class EntryTextSearch {
  public:
    // Keeps no pointer to text; the text ends at its first zero byte.
    EntryTextSearch(const char* text, const CodePage& codePage);

    // FindTextNoCase(text, 0, pattern, codePage): offset of the first matched byte plus 1, or -2.
    long Find(const char* pattern) const;

  private:
    long FindBeforePfm(const std::vector<long>& pfmAt, const char* pattern, long length) const;
    long FindAnywhere(const char* pattern) const;

    std::string folded_;             // the text as FoldText folds it
    std::vector<bool> startsSearch_; // where FindTextNoCase tries a comparison
    long scanEnd_ = 0;               // the '[' or the end of text that stops the scan
    std::vector<long> pfmAt_;        // offsets of every ".pfm" of folded_, ascending
    // The same offsets grouped by the 1 to 7 bytes before them (see TailKey): the keys
    // ascending, each with its offsets ascending. A sorted table, not a hash table: a lookup
    // costs a binary search, and nothing of it needs instructions the oldest processors lack.
    std::vector<std::uint64_t> tailKeys_;
    std::vector<std::vector<long>> pfmAtByTail_;
};

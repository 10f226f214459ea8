// Repeated FindTextNoCase searches from the start of one unchanging text (the catalogue's
// FontEntryText): the text is folded and its scan positions worked out once, so each search is a
// plain substring search. Gives exactly what FindTextNoCase(text, 0, pattern) gives.
#pragma once

#include <string>
#include <vector>

class EntryTextSearch {
  public:
    // Keeps no pointer to text; the text ends at its first zero byte.
    explicit EntryTextSearch(const char* text);

    // FindTextNoCase(text, 0, pattern): offset of the first matched byte plus 1, or -2.
    long Find(const char* pattern) const;

  private:
    std::string folded_;             // FoldCase of every byte of the text
    std::vector<bool> startsSearch_; // where FindTextNoCase tries a comparison
    long scanEnd_ = 0;               // the '[' or the end of text that stops the scan
};

// Routines over INI-style text: zero-terminated 8-bit text in which a ';' anywhere on a line
// begins a comment to the line's end and a '[' outside a comment begins a section header.
// Offsets are byte offsets; -2 means not found or end of text. The scans step over whole
// characters of the text's code page: a '[' or ';' that is the second byte of a character is
// neither a header nor a comment.
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "base/code_page.h"

constexpr long NotFound = -2;

// Offset just after the '[' whose following bytes equal name (which carries its ']',
// e.g. "Fonts]"), searching from start; case-sensitive.
long FindSection(const char* text, const char* name, long start, const CodePage& codePage);
// Bytes from start through the next '[' outside a comment, or -2 at the end of text.
long MeasureSection(const char* text, long start, const CodePage& codePage);
// Cuts the text after the line that holds the last byte above 32 before that next '[' (or the end)
// and returns the length through that line end plus one; when the text ends before that line
// end, nothing is cut and the length to the end plus one is returned. A run of nothing but
// blanks is cut at start (returns 1).
long TrimSection(char* text, long start, const CodePage& codePage);
// Reduces a whole INI text in place to the body of its [Fonts] section; returns the body length
// plus one, or 0 when there is no usable [Fonts] section.
long ExtractFontsSection(char* text, const CodePage& codePage);
// Position of the first line that begins with key followed at once by '=', or -2.
long FindEntryLine(const char* text, const char* key);

// FindEntryLine over one unchanging text for many keys: every line's key is indexed once, so a
// lookup halves a sorted table instead of walking the whole text. Keeps a pointer to the text.
class EntryLineIndex {
  public:
    explicit EntryLineIndex(const char* text);
    // FindEntryLine(text, key).
    long Find(const char* key) const;

  private:
    const char* text_;
    // Each key with the offset of the first line it begins, sorted by key.
    std::vector<std::pair<std::string_view, long>> lines_;
};

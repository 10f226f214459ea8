// Scanners over the text of a font list (a list file's font lines or a printer section of
// WIN.INI): zero-terminated 8-bit text in which a ';' begins a comment to the end of its line and
// a '[' outside a comment ends what belongs to the list. Offsets are byte offsets; -2 (NotFound)
// means not found or end of text.
#pragma once

#include <string>

#include "catalog/ini_text.h"

// At most this many bytes of a .pfm file name are taken before its ".pfm".
constexpr long MaxPfmStemLength = 57;
// A font name read from a names-only line is cut at this many bytes.
constexpr long MaxNameLineLength = 64;

// Folds a zero-terminated text in place as the system lowers it: every single-byte character by
// the code page's fold; two-byte characters stay as they are. Every case-insensitive search here
// folds the text the same way.
void FoldText(char* text, const CodePage& codePage);

// Offset just after the line feed that ends the line holding offset, or the offset of the
// terminating zero when the text ends first. A comment is passed this way.
long NextLineStart(const char* text, long offset);

// Searches text from offset for pattern, folding the text (not the pattern, so the pattern must
// be given folded). The search starts only at the first byte of a character. A '[' or the end of
// text stops the search; a ';' skips to just after the next line feed. Inside a comparison '['
// and ';' are ordinary bytes. Returns the offset of the first matched byte plus 1, or -2.
long FindTextNoCase(const char* text, long offset, const char* pattern, const CodePage& codePage);

// Takes the .pfm file name of the next line (from offset) that holds ".pfm" outside a comment:
// the run before its first ".pfm" back to the nearest '=', '\', ':' or line feed (or the start of
// the text), its last 57 bytes at most (whole characters), with the ".pfm". Returns the offset of
// the line after that line (or of the terminating zero), or -2 when no ".pfm" follows;
// pfmFileName is then unchanged.
long NextPfmFileName(const char* text, long offset, std::string& pfmFileName,
                     const CodePage& codePage);

// Reads the next font name of a names-only list from offset: leading bytes up to 0x20 and ';'
// comment lines are skipped; the name runs to a byte below 0x20, a ';' or the end of text, is cut
// after the last whole character within 64 bytes and loses its trailing bytes up to 0x20. Returns
// the offset of the next line, or -2 at the end of the text (name is then unchanged). split tells
// whether a character across the limit was left out: such a name is shorter than 64 bytes only by
// the cut, so it must match no font.
long NextNameLine(const char* text, std::string& name, long offset, const CodePage& codePage,
                  bool& split);

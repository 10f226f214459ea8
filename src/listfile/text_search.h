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

// The letter-case fold of code page 1252 used by every case-insensitive search here, the same
// as the system's lower-casing there: A..Z, 0xC0..0xD6 and 0xD8..0xDE gain 0x20; 0x8A, 0x8C, 0x8E
// and 0x9F map to 0x9A, 0x9C, 0x9E and 0xFF.
unsigned char FoldCase(unsigned char byte);
// Folds a zero-terminated text in place, byte by byte.
void FoldText(char* text);

// Searches text from offset for pattern, folding the text's bytes (not the pattern's, so the
// pattern must be given in lower case). A '[' or the end of text stops the search; a ';' skips to
// just after the next line feed. Inside a comparison '[' and ';' are ordinary bytes.
// Returns the offset of the first matched byte plus 1, or -2.
long FindTextNoCase(const char* text, long offset, const char* pattern);

// Takes the .pfm file name of the next line (from offset) that holds ".pfm" outside a comment:
// the run before its first ".pfm" back to the nearest '=', '\', ':' or line feed (or the start of
// the text), at most 57 bytes of it, with the ".pfm". Returns the offset of the line after that
// line (or of the terminating zero), or -2 when no ".pfm" follows; pfmFileName is then unchanged.
long NextPfmFileName(const char* text, long offset, std::string& pfmFileName);

// Reads the next font name of a names-only list from offset: leading bytes up to 0x20 and ';'
// comment lines are skipped; the name runs to a byte below 0x20, a ';' or the end of text, is cut
// at 64 bytes and loses its trailing bytes up to 0x20. Returns the offset of the next line, or -2
// at the end of the text (name is then unchanged).
long NextNameLine(const char* text, std::string& name, long offset);

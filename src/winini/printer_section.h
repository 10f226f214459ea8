// Finding the PostScript printer sections of WIN.INI in its text.
//
// A printer section header is '[' + "PostScript," (exactly so capitalised) + the port + ']'; the
// '[' may stand anywhere outside a ';' comment. The section's name is the whole text between the
// brackets ("PostScript,LPT1"). Its body runs from the line after the header line to the next '['
// outside a comment, or to the end of the text.
//
// All functions take zero-terminated text (WIN.INI as read: it ends at its first zero byte) and
// return byte offsets, -2 (NotFound) when there is nothing more. They step over whole characters
// of the code page: a ']' that is the second byte of a character does not end a name.
#pragma once

#include <string>
#include <vector>

#include "catalog/ini_text.h"

// A section name has at most 83 characters; a name buffer needs room for them and the zero.
constexpr int PrinterSectionNameMax = 83;
constexpr int PrinterSectionNameSize = PrinterSectionNameMax + 1;

// The first printer section header at or after from: copies its name into name (at least
// PrinterSectionNameSize bytes) and returns the start of its body, just past the LF that ends the
// header line (or the end of the text when the header line has no line end).
// A header whose name is longer than 83 characters, holds a byte from 0 to 13 (tab, CR, LF...) or
// has no ']' ends the scan: -2 is returned and no later section is seen.
long NextPrinterSection(const char* text, char* name, long from, const CodePage& codePage);

// Compares two section names: zero when they are the same name.
using SectionNameCompare = int (*)(const char* a, const char* b);

// Body start of the first section whose name equals wanted under equal (0 = equal; the program
// passes lstrcmpiA), or -2. Duplicate names: the first in the text wins.
long FindPrinterSection(const char* text, const char* wanted, SectionNameCompare equal,
                        const CodePage& codePage);

// End of the body that starts at bodyStart: the offset of the next '[' outside a comment, or the
// length of the text.
long PrinterSectionBodyEnd(const char* text, long bodyStart, const CodePage& codePage);

struct PrinterSectionRef {
    std::string name;
    long bodyStart;
    long bodyEnd; // see PrinterSectionBodyEnd
};

// Every printer section in text order, as the section dialog lists them (duplicates included).
// Open mode offers only sections whose body names a .pfm file: FindTextNoCase(text, bodyStart,
// ".pfm") gives r != -2 and r <= bodyEnd (r is just past the first matched byte).
std::vector<PrinterSectionRef> ListPrinterSections(const char* text, const CodePage& codePage);

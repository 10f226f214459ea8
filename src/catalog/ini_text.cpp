#include "catalog/ini_text.h"

long FindSection(const char* text, const char* name, long start) {
    long at = start;
    for (;;) {
        const char c = text[at];
        if (c == '\0')
            return NotFound;
        if (c == ';') {
            // A comment runs through its line end; nothing inside it is a header.
            while (text[at] != '\n') {
                if (text[at] == '\0')
                    return NotFound;
                ++at;
            }
            ++at;
            continue;
        }
        ++at;
        if (c != '[')
            continue;
        long i = 0;
        while (name[i] != '\0' && text[at + i] == name[i])
            ++i;
        if (name[i] == '\0')
            return at;
        if (text[at + i] == '\0')
            return NotFound;
        // Mismatch: go on from just after this '['.
    }
}

long MeasureSection(char* text, long start, MeasureMode mode) {
    // Trim mode belongs to the catalogue reader and is not built on this branch yet.
    if (mode != MeasureMode::Keep)
        return NotFound;
    long at = start;
    for (;;) {
        const char c = text[at++];
        if (c == '\0')
            return NotFound;
        if (c == '[')
            return at - start;
        if (c == ';') {
            for (;;) {
                const char d = text[at++];
                if (d == '\0')
                    return NotFound;
                if (d == '\n')
                    break;
            }
        }
    }
}

long ExtractFontsSection(char*) {
    return 0;
}
long FindEntryLine(const char*, const char*) {
    return NotFound;
}

#include "catalog/ini_text.h"

#include <cstring>

long FindSection(const char*, const char*, long) {
    return NotFound;
}
long MeasureSection(char*, long, MeasureMode) {
    return NotFound;
}
long ExtractFontsSection(char*) {
    return 0;
}

long FindEntryLine(const char* text, const char* key) {
    const size_t keyLength = std::strlen(key);
    if (keyLength == 0)
        return NotFound;
    for (long line = 0;;) {
        if (std::strncmp(text + line, key, keyLength) == 0 && text[line + keyLength] == '=')
            return line;
        const char* lineEnd = std::strchr(text + line, '\n');
        if (lineEnd == nullptr)
            return NotFound;
        line = static_cast<long>(lineEnd - text) + 1;
    }
}

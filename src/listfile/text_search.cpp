#include "listfile/text_search.h"

#include <cstring>

namespace {

bool IsBlank(unsigned char byte) {
    return byte <= 0x20;
}

// Offset just after the line feed that ends the line holding offset, or the offset of the
// terminating zero when the text ends first.
long NextLineStart(const char* text, long offset) {
    const char* lineFeed = std::strchr(text + offset, '\n');
    if (lineFeed == nullptr)
        return offset + static_cast<long>(std::strlen(text + offset));
    return static_cast<long>(lineFeed - text) + 1;
}

} // namespace

unsigned char FoldCase(unsigned char byte) {
    if ((byte >= 0x41 && byte <= 0x5A) || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<unsigned char>(byte + 0x20);
    switch (byte) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
        return static_cast<unsigned char>(byte + 0x10);
    case 0x9F:
        return 0xFF;
    default:
        return byte;
    }
}

void FoldText(char* text) {
    for (; *text; ++text)
        *text = static_cast<char>(FoldCase(static_cast<unsigned char>(*text)));
}

long FindTextNoCase(const char* text, long offset, const char* pattern) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const auto* wanted = reinterpret_cast<const unsigned char*>(pattern);
    for (long at = offset;;) {
        const unsigned char byte = bytes[at];
        if (byte == 0 || byte == '[')
            return NotFound;
        if (byte == ';') {
            const char* lineFeed = std::strchr(text + at, '\n');
            if (lineFeed == nullptr)
                return NotFound;
            at = static_cast<long>(lineFeed - text) + 1;
            continue;
        }
        if (FoldCase(byte) == wanted[0]) {
            long matched = 1;
            for (; wanted[matched] != 0; ++matched) {
                const unsigned char next = bytes[at + matched];
                if (next == 0)
                    return NotFound;
                if (FoldCase(next) != wanted[matched])
                    break;
            }
            if (wanted[matched] == 0)
                return at + 1;
        }
        ++at;
    }
}

long NextPfmFileName(const char* text, long offset, std::string& pfmFileName) {
    const long found = FindTextNoCase(text, offset, ".pfm");
    if (found == NotFound)
        return NotFound;
    const long dot = found - 1;
    long start = dot;
    while (start > 0 && dot - start < MaxPfmStemLength) {
        const char before = text[start - 1];
        if (before == '=' || before == '\\' || before == ':' || before == '\n')
            break;
        --start;
    }
    pfmFileName.assign(text + start, text + dot + 4);
    return NextLineStart(text, dot + 4);
}

long NextNameLine(const char* text, std::string& name, long offset) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    long at = offset;
    for (;;) {
        if (bytes[at] == 0)
            return NotFound;
        if (bytes[at] == ';') {
            const char* lineFeed = std::strchr(text + at, '\n');
            if (lineFeed == nullptr)
                return NotFound;
            at = static_cast<long>(lineFeed - text) + 1;
        } else if (IsBlank(bytes[at])) {
            ++at;
        } else {
            break;
        }
    }
    const long start = at;
    while (bytes[at] >= 0x20 && bytes[at] != ';' && at - start < MaxNameLineLength)
        ++at;
    long end = at;
    while (end > start && IsBlank(bytes[end - 1]))
        --end;
    name.assign(text + start, text + end);
    return NextLineStart(text, at);
}

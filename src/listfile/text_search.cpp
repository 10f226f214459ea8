#include "listfile/text_search.h"

#include <cstring>

namespace {

bool IsBlank(unsigned char byte) {
    return byte <= 0x20;
}

} // namespace

long NextLineStart(const char* text, long offset) {
    const char* lineFeed = std::strchr(text + offset, '\n');
    if (lineFeed == nullptr)
        return offset + static_cast<long>(std::strlen(text + offset));
    return static_cast<long>(lineFeed - text) + 1;
}

void FoldText(char* text, const CodePage& codePage) {
    while (*text != '\0') {
        const std::size_t length = codePage.CharLength(text);
        if (length == 1)
            *text = static_cast<char>(codePage.Fold(static_cast<unsigned char>(*text)));
        text += length;
    }
}

long FindTextNoCase(const char* text, long offset, const char* pattern, const CodePage& codePage) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const auto* wanted = reinterpret_cast<const unsigned char*>(pattern);
    const auto& lower = codePage.lower;
    const bool twoByte = codePage.hasLeadBytes;
    for (long at = offset;;) {
        const unsigned char byte = bytes[at];
        // Most bytes begin no match and end nothing: they are passed at once. (A lead byte folds
        // to itself, so the first byte of a character is compared folded either way.)
        if (lower[byte] != wanted[0] && byte > ';' && byte != '[') {
            at += twoByte ? static_cast<long>(codePage.CharLength(text + at)) : 1;
            continue;
        }
        if (byte == 0 || byte == '[')
            return NotFound;
        if (byte == ';') {
            at = NextLineStart(text, at); // at the end of the text, the zero stops the search
            continue;
        }
        const long length = twoByte ? static_cast<long>(codePage.CharLength(text + at)) : 1;
        if (lower[byte] == wanted[0]) {
            // The second byte of a character is compared as it stands, as FoldText leaves it.
            bool second = length == 2;
            long matched = 1;
            for (; wanted[matched] != 0; ++matched) {
                const unsigned char next = bytes[at + matched];
                if (next == 0)
                    return NotFound;
                if ((second ? next : lower[next]) != wanted[matched])
                    break;
                second = twoByte && !second && codePage.CharLength(text + at + matched) == 2;
            }
            if (wanted[matched] == 0)
                return at + 1;
        }
        at += length;
    }
}

long NextPfmFileName(const char* text, long offset, std::string& pfmFileName,
                     const CodePage& codePage) {
    const long found = FindTextNoCase(text, offset, ".pfm", codePage);
    if (found == NotFound)
        return NotFound;
    const long dot = found - 1;
    // A line feed never ends a character, so the line start is a character start; from there the
    // characters are walked to find the last separator that is a character of its own.
    long start = dot;
    while (start > 0 && text[start - 1] != '\n')
        --start;
    for (long at = start; at < dot;) {
        const long length = static_cast<long>(codePage.CharLength(text + at));
        at += length;
        if (length == 1 && (text[at - 1] == '=' || text[at - 1] == '\\' || text[at - 1] == ':'))
            start = at;
    }
    while (dot - start > MaxPfmStemLength)
        start += static_cast<long>(codePage.CharLength(text + start));
    pfmFileName.assign(text + start, text + dot + 4);
    return NextLineStart(text, dot + 4);
}

long NextNameLine(const char* text, std::string& name, long offset, const CodePage& codePage,
                  bool& split) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    long at = offset;
    for (;;) {
        if (bytes[at] == 0)
            return NotFound;
        if (bytes[at] == ';') {
            at = NextLineStart(text, at);
        } else if (IsBlank(bytes[at])) {
            ++at;
        } else {
            break;
        }
    }
    const long start = at;
    split = false;
    // No second byte of a character is below 0x40, so a line end or ';' is never inside one.
    while (bytes[at] >= 0x20 && bytes[at] != ';') {
        const long length = static_cast<long>(codePage.CharLength(text + at));
        if (at + length - start > MaxNameLineLength) {
            split = at - start < MaxNameLineLength;
            break;
        }
        at += length;
    }
    long end = at;
    while (end > start && IsBlank(bytes[end - 1]))
        --end;
    name.assign(text + start, text + end);
    return NextLineStart(text, at);
}

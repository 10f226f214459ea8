#include "catalog/ini_text.h"

#include <algorithm>
#include <cstring>

namespace {

using Byte = unsigned char;

// Offset of the LF that ends the comment beginning at offset, or NotFound when the text ends in it.
long SkipComment(const char* text, long offset) {
    const char* lf = std::strchr(text + offset, '\n');
    return lf ? static_cast<long>(lf - text) : NotFound;
}

// Offset of the first '[' outside a comment, or of the zero byte that ends the text.
long FindTerminator(const char* text, long offset, const CodePage& codePage) {
    for (;;) {
        offset = static_cast<long>(FindCharOf(text + offset, ";[", codePage) - text);
        if (text[offset] != ';')
            return offset;
        long lf = SkipComment(text, offset);
        if (lf == NotFound)
            return offset + static_cast<long>(std::strlen(text + offset));
        offset = lf + 1;
    }
}

} // namespace

long FindSection(const char* text, const char* name, long start, const CodePage& codePage) {
    long offset = start;
    for (;;) {
        offset = static_cast<long>(FindCharOf(text + offset, ";[", codePage) - text);
        switch (text[offset]) {
        case '\0':
            return NotFound;
        case ';':
            offset = SkipComment(text, offset);
            if (offset == NotFound)
                return NotFound;
            ++offset;
            break;
        default: { // '['
            long at = offset + 1;
            long i = 0;
            while (name[i] != '\0' && text[at + i] == name[i])
                ++i;
            if (name[i] == '\0')
                return at;
            if (text[at + i] == '\0')
                return NotFound;
            offset = at;
            break;
        }
        }
    }
}

long MeasureSection(const char* text, long start, const CodePage& codePage) {
    const long end = FindTerminator(text, start, codePage);
    return text[end] == '[' ? end - start + 1 : NotFound;
}

long TrimSection(char* text, long start, const CodePage& codePage) {
    const long end = FindTerminator(text, start, codePage);
    // Trailing blank lines go; the last line that holds text stays whole with its line end,
    // even when the '[' that ended the run stands inside it.
    long last = end;
    while (last > start && static_cast<Byte>(text[last - 1]) <= 32)
        --last;
    if (last == start) { // nothing but blanks: the run is empty
        text[start] = '\0';
        return 1;
    }
    const char* lf = std::strchr(text + last - 1, '\n');
    if (!lf)
        return static_cast<long>(std::strlen(text + start)) + 1;
    long cut = static_cast<long>(lf - text) + 1;
    text[cut] = '\0';
    return cut - start + 1;
}

long ExtractFontsSection(char* text, const CodePage& codePage) {
    long name = FindSection(text, "Fonts]", 0, codePage);
    if (name == NotFound)
        return 0;
    long measured = TrimSection(text, name, codePage);
    const void* lf = std::memchr(text + name, '\n', static_cast<size_t>(measured - 1));
    if (!lf)
        return 0;
    long header = static_cast<long>(static_cast<const char*>(lf) - (text + name)) + 1;
    long body = measured - header; // body length plus one
    std::memmove(text, text + name + header, static_cast<size_t>(body - 1));
    text[body - 1] = '\0';
    return body;
}

long FindEntryLine(const char* text, const char* key) {
    size_t keyLength = std::strlen(key);
    if (keyLength == 0)
        return NotFound;
    const char* line = text;
    while (*line != '\0') {
        if (std::strncmp(line, key, keyLength) == 0 && line[keyLength] == '=')
            return static_cast<long>(line - text);
        const char* lf = std::strchr(line, '\n');
        if (!lf)
            break;
        line = lf + 1;
    }
    return NotFound;
}

EntryLineIndex::EntryLineIndex(const char* text) : text_(text) {
    for (const char* line = text; *line != '\0';) {
        const char* end = line + std::strcspn(line, "=\n");
        if (*end == '=')
            lines_.emplace_back(std::string_view(line, static_cast<size_t>(end - line)),
                                static_cast<long>(line - text));
        const char* lf = std::strchr(end, '\n');
        if (!lf)
            break;
        line = lf + 1;
    }
    // Stable, so that of the lines with one key the first stays in front.
    std::stable_sort(lines_.begin(), lines_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    lines_.erase(std::unique(lines_.begin(), lines_.end(),
                             [](const auto& a, const auto& b) { return a.first == b.first; }),
                 lines_.end());
}

long EntryLineIndex::Find(const char* key) const {
    const std::string_view wanted(key);
    if (wanted.empty())
        return NotFound;
    // A key with '=' or a line feed in it spans more than a line's key: walk the text.
    if (wanted.find_first_of("=\n") != std::string_view::npos)
        return FindEntryLine(text_, key);
    const auto found = std::lower_bound(lines_.begin(), lines_.end(), wanted,
                                        [](const std::pair<std::string_view, long>& line,
                                           std::string_view k) { return line.first < k; });
    return found != lines_.end() && found->first == wanted ? found->second : NotFound;
}

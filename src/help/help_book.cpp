#include "help/help_book.h"

#include <cstdlib>
#include <cstring>

#include "base/ascii.h"

namespace {

// Lower-case letter without its accent, for searching (code page 1252).
char FoldLetter(unsigned char c) {
    static const char accented[] = // 0xC0 to 0xFF
        "aaaaaaaceeeeiiiidnooooo\xD7ouuuuy\xDE\xDF"
        "aaaaaaaceeeeiiiidnooooo\xF7ouuuuy\xFEy";
    if (c < 0x80)
        return static_cast<char>(AsciiLower(c));
    if (c >= 0xC0)
        return accented[c - 0xC0];
    switch (c) {
    case 0x8A:
    case 0x9A:
        return 's';
    case 0x8E:
    case 0x9E:
        return 'z';
    case 0x9F:
        return 'y';
    }
    return static_cast<char>(c);
}

std::string Folded(const std::string& text) {
    std::string folded(text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i)
        folded[i] = FoldLetter(static_cast<unsigned char>(text[i]));
    return folded;
}

bool StartsWith(const std::string& line, const char* prefix) {
    return line.compare(0, std::strlen(prefix), prefix) == 0;
}

bool StandsAlone(const std::string& line) {
    return StartsWith(line, "- ") || line[0] == ' ' || line[0] == '\t';
}

// The body of a topic from its source lines: paragraphs joined, empty lines between them.
std::string BuildBody(const std::vector<std::string>& lines) {
    std::string body;
    bool paragraphOpen = false, gapPending = false;
    for (const std::string& line : lines) {
        if (line.find_first_not_of(" \t") == std::string::npos) {
            paragraphOpen = false;
            gapPending = !body.empty();
            continue;
        }
        if (paragraphOpen && !StandsAlone(line)) {
            body += ' ';
            body += line;
            continue;
        }
        if (!body.empty())
            body += gapPending ? "\r\n\r\n" : "\r\n";
        gapPending = false;
        body += line;
        paragraphOpen = !StandsAlone(line);
    }
    return body;
}

} // namespace

HelpBook ParseHelpBook(const char* text, size_t length) {
    HelpBook book;
    std::vector<std::vector<std::string>> topicLines;
    for (size_t start = 0; start < length;) {
        const void* found = std::memchr(text + start, '\n', length - start);
        size_t end = found ? static_cast<size_t>(static_cast<const char*>(found) - text) : length;
        size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
        std::string line(text + start, stop - start);
        start = end + 1;

        if (StartsWith(line, "#book ")) {
            book.title = line.substr(6);
        } else if (StartsWith(line, "#find ")) {
            book.findLabel = line.substr(6);
        } else if (StartsWith(line, "#topic ")) {
            char* after = nullptr;
            long id = std::strtol(line.c_str() + 7, &after, 10);
            while (*after == ' ')
                ++after;
            book.topics.push_back({static_cast<int>(id), after, std::string()});
            topicLines.emplace_back();
        } else if (!topicLines.empty()) {
            topicLines.back().push_back(line);
        }
    }
    for (size_t i = 0; i < book.topics.size(); ++i)
        book.topics[i].body = BuildBody(topicLines[i]);
    return book;
}

const HelpTopic* FindHelpTopic(const HelpBook& book, int id) {
    for (const HelpTopic& topic : book.topics)
        if (topic.id == id)
            return &topic;
    return nullptr;
}

bool TopicMatches(const HelpTopic& topic, const std::string& search) {
    const std::string haystack = Folded(topic.title) + '\n' + Folded(topic.body);
    const std::string words = Folded(search);
    for (size_t start = 0; start < words.size();) {
        size_t wordStart = words.find_first_not_of(" \t", start);
        if (wordStart == std::string::npos)
            break;
        size_t wordEnd = words.find_first_of(" \t", wordStart);
        if (wordEnd == std::string::npos)
            wordEnd = words.size();
        if (haystack.find(words.substr(wordStart, wordEnd - wordStart)) == std::string::npos)
            return false;
        start = wordEnd;
    }
    return true;
}

#include "catalog/ini_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "code_pages.h"

namespace {

// A writable copy of the text with spare zero bytes, as a file is read.
std::vector<char> Buffer(const std::string& text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.resize(buffer.size() + 10, '\0');
    return buffer;
}

struct SectionCase {
    const char* text;
    const char* name;
    long start;
    long expected;
    const CodePage* codePage = &WesternCodePage();
};

TEST(FindSection, FindsHeaderOutsideCommentsByExactName) {
    const SectionCase cases[] = {
        {"[Fonts]\r\nA=1\r\n", "Fonts]", 0, 1},
        {"[fonts]\r\nA=1\r\n", "Fonts]", 0, NotFound},
        {"[FontsX]\r\n[Fonts2]\r\n", "Fonts]", 0, NotFound},
        {"; [Fonts]\r\n[Fonts]\r\n", "Fonts]", 0, 12},
        {"a=1 ; old [Fonts]\r\n[Fonts]\r\n", "Fonts]", 0, 20},
        {";[Fonts]", "Fonts]", 0, NotFound},
        {"x=[Fonts]\r\n", "Fonts]", 0, 3},
        {"[[Fonts]", "Fonts]", 0, 2},
        {"[Font", "Fonts]", 0, NotFound},
        {"", "Fonts]", 0, NotFound},
        {"[PostScript,LPT1]\r\n[PostScript,COM1]\r\n", "PostScript,", 0, 1},
        {"[PostScript,LPT1]\r\n[PostScript,COM1]\r\n", "PostScript,", 1, 20},
        // Shift-JIS: the second byte of the long-vowel mark (81 5B) is a '['; one that begins a
        // character is a header, also after a lead byte that stands alone before a line feed.
        {"\x83\x69\x81[Fonts]\r\n[Fonts]\r\n", "Fonts]", 0, 13, &CodePage932()},
        {"\x81\x5B[Fonts]\r\n", "Fonts]", 0, 3, &CodePage932()},
        {"\x81\n[Fonts]\r\n", "Fonts]", 0, 3, &CodePage932()},
        {"\x83\x69\x81[Fonts]\r\n", "Fonts]", 0, 4},
    };
    for (const SectionCase& c : cases)
        EXPECT_EQ(FindSection(c.text, c.name, c.start, *c.codePage), c.expected) << c.text;
}

TEST(MeasureSection, CountsThroughNextHeaderOutsideComments) {
    const SectionCase cases[] = {
        {"abc[x", nullptr, 0, 4},
        {"a;[b\r\nc[", nullptr, 0, 8},
        {"a;[b\nc[", nullptr, 3, 4},
        {"abc", nullptr, 0, NotFound},
        {"a;[b", nullptr, 0, NotFound},
        {"[", nullptr, 0, 1},
        {"a\x81[b[", nullptr, 0, 5, &CodePage932()},
    };
    for (const SectionCase& c : cases) {
        std::vector<char> text = Buffer(c.text);
        EXPECT_EQ(MeasureSection(text.data(), c.start, *c.codePage), c.expected) << c.text;
        EXPECT_EQ(std::string(text.data()), c.text) << "measuring must not write";
    }
}

struct TrimCase {
    const char* text;
    long expected;
    const char* left; // the text as trimmed
    const CodePage* codePage = &WesternCodePage();
};

TEST(TrimSection, DropsTrailingBlankLinesAndKeepsLastLineWhole) {
    const TrimCase cases[] = {
        {"Fonts]\r\nA=1\r\n\r\n  \r\n[X]\r\n", 14, "Fonts]\r\nA=1\r\n"},
        {"Fonts]\nA=1\n\n[X]", 12, "Fonts]\nA=1\n"},
        {"Fonts]\r\nA=1[x\r\nB=2\r\n", 16, "Fonts]\r\nA=1[x\r\n"},
        {"Fonts]\r\nA=1 ;c [y\r\n\r\n[X]", 20, "Fonts]\r\nA=1 ;c [y\r\n"},
        {"Fonts]\r\nA=123", 14, "Fonts]\r\nA=123"},
        {"Fonts]\r\nA=123 \t", 16, "Fonts]\r\nA=123 \t"},
        {"Fonts]\r\nA=1\r\n;[c", 17, "Fonts]\r\nA=1\r\n;[c"},
        {"Fonts]", 7, "Fonts]"},
        {" \r\n\t[X]", 1, ""},
        {"Fonts]\r\nA=\x81[\r\nB=2\r\n[X]", 20, "Fonts]\r\nA=\x81[\r\nB=2\r\n", &CodePage932()},
    };
    for (const TrimCase& c : cases) {
        std::vector<char> text = Buffer(c.text);
        EXPECT_EQ(TrimSection(text.data(), 0, *c.codePage), c.expected) << c.text;
        EXPECT_EQ(std::string(text.data()), c.left) << c.text;
    }
}

// The cases BuildFontCatalog checks through the whole build are not repeated here.
TEST(ExtractFontsSection, LeavesTheBodyOfTheFirstFontsSection) {
    const TrimCase cases[] = {
        {"[Fonts]\r\nA=1\r\n", 6, "A=1\r\n"},
        {"[Fonts]", 0, nullptr},
        {"[Fonts]   ", 0, nullptr},
        {"[Fonts] ; no line end", 0, nullptr},
        {"[Fonts]\n", 1, ""},
        {"[Fonts]\r\n\r\n\r\n", 1, ""},
        {"[Fonts]x[Next]\r\nA=1\r\n", 1, ""},
        {"[Other]\r\nX=1\r\n\r\n[Fonts] ; installed\r\nA=1\r\n\r\n[After]\r\nB=2\r\n", 6,
         "A=1\r\n"},
        {";[Fonts]\r\n[Fonts]\r\nA=1\r\n", 6, "A=1\r\n"},
        {"[Fonts]\nA=1\nB=2", 8, "A=1\nB=2"},
        {"[Fonts]\r\n; only\r\n\r\n", 9, "; only\r\n"},
        {"[Fonts]\r\nA=1\r\n[Fonts]\r\nB=2\r\n", 6, "A=1\r\n"},
    };
    for (const TrimCase& c : cases) {
        std::vector<char> text = Buffer(c.text);
        EXPECT_EQ(ExtractFontsSection(text.data(), WesternCodePage()), c.expected) << c.text;
        if (c.left)
            EXPECT_EQ(std::string(text.data()), c.left) << c.text;
    }
}

TEST(FindEntryLine, MatchesWholeKeyAtLineStartCaseSensitively) {
    const SectionCase cases[] = {
        {"Times,BOLD=a\r\nTimes=b\r\n", "Times", 0, 14},
        {"Times,BOLD=a\r\nTimes=b\r\n", "Times,BOLD", 0, 0},
        {"times=a\r\n", "Times", 0, NotFound},
        {"X=Times=1\r\nTimes=2", "Times", 0, 11},
        {"Times", "Times", 0, NotFound},
        {"Times=", "Times", 0, 0},
        {"A=1\r\n=2\r\n", "", 0, NotFound},
        {"A=1\rB=2\r\n", "B", 0, NotFound},
        {"A=1\nB=2\nB=3\n", "B", 0, 4},
        {"", "A", 0, NotFound},
        {"A=B=1\nA=2\n", "A=B", 0, 0},
        {"A\nB=1\n", "A\nB", 0, 0},
    };
    for (const SectionCase& c : cases) {
        EXPECT_EQ(FindEntryLine(c.text, c.name), c.expected) << c.text << " / " << c.name;
        EXPECT_EQ(EntryLineIndex(c.text).Find(c.name), c.expected) << c.text << " / " << c.name;
    }
}

} // namespace

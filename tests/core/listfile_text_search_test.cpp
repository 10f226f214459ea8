#include "listfile/text_search.h"

#include <gtest/gtest.h>

#include "code_pages.h"

// The fold must agree with the program's lowering of list texts for every letter it pairs, and
// leave alone the bytes that only look like letters (0xD7 is a multiplication sign, 0xDE and 0xDF
// have no upper-case partner in the table, 0x8E is not folded).
TEST(FoldCase, PairsTheAnsiLettersItKnows) {
    const struct {
        unsigned char byte, folded;
    } rows[] = {
        {'@', '@'},   {'A', 'a'},   {'Z', 'z'},   {'[', '['},   {'a', 'a'},   {0x8A, 0x9A},
        {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9A, 0x9A}, {0x9F, 0xFF}, {0xBF, 0xBF}, {0xC0, 0xE0},
        {0xD6, 0xF6}, {0xD7, 0xD7}, {0xD8, 0xF8}, {0xDD, 0xFD}, {0xDE, 0xFE}, {0xDF, 0xDF},
        {0xE0, 0xE0}, {0xFF, 0xFF}, {0x00, 0x00},
    };
    for (const auto& row : rows)
        EXPECT_EQ(WesternCodePage().Fold(row.byte), row.folded) << std::hex << int(row.byte);
}

// Two-byte characters stay as they are, also when their second byte is a capital letter;
// half-width katakana (0xA1..0xDF) have no case.
TEST(FoldText, FoldsSingleByteCharactersOnly) {
    const struct {
        const CodePage* codePage;
        std::string text, folded;
    } rows[] = {
        {&CodePage932(), "\x8A\x41\xC0Z\x81", "\x8A\x41\xC0z\x81"},
        {&WesternCodePage(), "\x8A\x41\xC0Z\x81",
         "\x9A"
         "a\xE0z\x81"},
    };
    for (const auto& row : rows) {
        std::string text = row.text;
        FoldText(text.data(), *row.codePage);
        EXPECT_EQ(text, row.folded) << row.text;
    }
}

TEST(FindTextNoCase, FindsFoldedTextOutsideCommentsBeforeAnyBracket) {
    const struct {
        const char* text;
        long offset;
        const char* pattern;
        long expected;
        const CodePage* codePage = &WesternCodePage();
    } rows[] = {
        {"C:\\PFM\\ABC.PFM", 0, ".pfm", 11},
        {"a.pfm b.pfm", 2, ".pfm", 8},
        {"..pfm", 0, ".pfm", 2},            // resumes just after the first matched byte
        {"ab;c.pfm\nd.pfm", 0, ".pfm", 11}, // the comment hides the first one
        {"ab;c.pfm", 0, ".pfm", NotFound},  // comment up to the end of text
        {"; [\r\nab", 0, "ab", 6},          // a '[' inside a comment ends nothing
        {"x[ab.pfm", 0, ".pfm", NotFound},  // '[' ends the search
        {"xa[b", 0, "a[b", 2},              // ... but not inside a comparison
        {"xa;b", 0, "a;b", 2},              // nor does ';'
        {"ab.pf", 0, ".pfm", NotFound},     // the text ends inside the comparison
        {"ABC", 0, "ABC", NotFound},        // the pattern is not folded
        {"\x8A\x8C\x8E\x9F\xC0\xDE", 0, "\x9A\x9C\x9E\xFF\xE0\xFE", 1},
        {"\xD7\xDE", 0, "\xF7", NotFound},
        {"", 0, "a", NotFound},
        {"abc", 0, "", NotFound},
        // Shift-JIS: a search starts only where a character does, a '[' that ends a character
        // stops nothing, and a character's second byte is not folded, not even inside a match.
        {"\x81[ab.pfm", 0, ".pfm", 5, &CodePage932()},
        {"\x83pfm", 0, "pfm", NotFound, &CodePage932()},
        {"\x83pfm", 0, "pfm", 2},
        {"\x95\x41\x41", 0,
         "\x95\x41"
         "a",
         1, &CodePage932()},
        {"\x95\x41\x41", 0,
         "\x95\x41"
         "a",
         NotFound},
        {"\x83"
         "A",
         0,
         "\x83"
         "a",
         NotFound, &CodePage932()},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FindTextNoCase(row.text, row.offset, row.pattern, *row.codePage), row.expected)
            << row.text;
}

// Each row: the text, where to read from, the name taken and the text left after the returned
// offset.
TEST(NextPfmFileName, TakesTheRunBeforeTheFirstPfmOfALine) {
    const std::string x60(60, 'x');
    const struct {
        std::string text;
        long offset;
        std::string name, rest;
        const CodePage* codePage = &WesternCodePage();
    } rows[] = {
        {"softfonts=1\r\nsoftfont1=c:\\psfonts\\pfm\\abc.pfm,c:\\psfonts\\abc.pfb\r\nz", 0,
         "abc.pfm", "z"},
        {"x=ab.pfm", 0, "ab.pfm", ""},
        {"c:ab.pfm\r\n", 0, "ab.pfm", ""},
        {"Times New Roman ab.pfm\nz", 0, "Times New Roman ab.pfm", "z"},
        {"a.pfm\n b.pfm", 6, " b.pfm", ""}, // the line feed bounds the run too
        {"=" + x60 + ".pfm", 0, x60.substr(3) + ".pfm", ""},
        {"=" + x60.substr(3) + ".pfm", 0, x60.substr(3) + ".pfm", ""},
        {"=" + x60.substr(2) + ".pfm", 0, x60.substr(3) + ".pfm", ""},
        {"; a.pfm\r\nb.pfm", 0, "b.pfm", ""},
        // Shift-JIS: the second byte of 0x95 0x5C is a '\', not a folder separator, and a
        // long run is cut before a whole character.
        {"c:\\\x95\\ab.pfm", 0, "\x95\\ab.pfm", "", &CodePage932()},
        {"=\x83\x41" + x60.substr(4) + ".pfm", 0, x60.substr(4) + ".pfm", "", &CodePage932()},
        {"=\x83\x41" + x60.substr(4) + ".pfm", 0, "A" + x60.substr(4) + ".pfm", ""},
    };
    for (const auto& row : rows) {
        std::string name;
        const long next = NextPfmFileName(row.text.c_str(), row.offset, name, *row.codePage);
        ASSERT_NE(next, NotFound) << row.text;
        EXPECT_EQ(name, row.name) << row.text;
        EXPECT_EQ(row.text.substr(next), row.rest) << row.text;
    }
}

TEST(NextPfmFileName, GivesOneNamePerLineAndStopsAtTheEndOrABracket) {
    const char* text = "a.pfm b.pfm\r\nsoftfonts=2\r\nC.PFM";
    std::string name = "unchanged";
    EXPECT_EQ(NextPfmFileName(text, 0, name, WesternCodePage()), 13);
    EXPECT_EQ(name, "a.pfm");
    EXPECT_EQ(NextPfmFileName(text, 13, name, WesternCodePage()), 31);
    EXPECT_EQ(name, "C.PFM");
    EXPECT_EQ(NextPfmFileName(text, 31, name, WesternCodePage()), NotFound);
    EXPECT_EQ(name, "C.PFM");
    EXPECT_EQ(NextPfmFileName("[x]\r\na.pfm", 0, name, WesternCodePage()), NotFound);
}

TEST(NextNameLine, ReadsOneTrimmedNamePerLine) {
    const std::string x70(70, 'x');
    const struct {
        std::string text;
        std::string name, rest;
        const CodePage* codePage = &WesternCodePage();
        bool split = false;
    } rows[] = {
        {"  Times New Roman   ;comment\r\nArial", "Times New Roman", "Arial"},
        {"; one\r\n;two\r\n\r\n Arial\r\nB", "Arial", "B"},
        {"Times\tNew Roman\r\nB", "Times", "B"},
        {"Arial   \r\nB", "Arial", "B"},
        {"Arial\nB", "Arial", "B"},
        {"Arial", "Arial", ""},
        {"\xC9"
         "cole",
         "\xC9"
         "cole",
         ""},
        {x70 + "\r\nB", x70.substr(0, 64), "B"},
        {x70.substr(0, 63) + " x\r\nB", x70.substr(0, 63), "B"}, // cut, then trimmed
        // a character across the 64th byte is left out whole, not cut after its lead byte
        {x70.substr(0, 63) + "\x83\x41x\r\nB", x70.substr(0, 63), "B", &CodePage932(), true},
        {x70.substr(0, 62) + "\x83\x41x\r\nB", x70.substr(0, 62) + "\x83\x41", "B", &CodePage932()},
    };
    for (const auto& row : rows) {
        std::string name;
        bool split = !row.split;
        const long next = NextNameLine(row.text.c_str(), name, 0, *row.codePage, split);
        ASSERT_NE(next, NotFound) << row.text;
        EXPECT_EQ(name, row.name) << row.text;
        EXPECT_EQ(row.text.substr(next), row.rest) << row.text;
        EXPECT_EQ(split, row.split) << row.text;
    }
    std::string name = "unchanged";
    bool split = false;
    for (const char* empty : {"", "  \r\n\t", "; only a comment", "; c\r\n  "})
        EXPECT_EQ(NextNameLine(empty, name, 0, WesternCodePage(), split), NotFound) << empty;
    EXPECT_EQ(name, "unchanged");
}

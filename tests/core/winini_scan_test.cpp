#include "vector_font_list.h"
#include "winini/printer_section.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "code_pages.h"

namespace {

using Found = std::vector<std::pair<std::string, long>>; // name, body start

Found ScanAll(const std::string& text, const CodePage& codePage) {
    Found found;
    for (const PrinterSectionRef& section : ListPrinterSections(text.c_str(), codePage))
        found.emplace_back(section.name, section.bodyStart);
    return found;
}

const std::string Port72(72, 'p');

struct ScanCase {
    const char* what;
    std::string text;
    Found expected;
    const CodePage* codePage = &WesternCodePage();
};

// Each text ends with a valid [PostScript,LAST] header where that matters, so a row shows
// whether a bad header stops the scan or is merely skipped.
const ScanCase ScanCases[] = {
    {"plain header", "[PostScript,LPT1]\r\nsoftfonts=0\r\n", {{"PostScript,LPT1", 19}}},
    {"bare LF line ends",
     "[PostScript,LPT1]\nx=1\n[PostScript,COM1]\n",
     {{"PostScript,LPT1", 18}, {"PostScript,COM1", 40}}},
    {"lower-case prefix is no section",
     "[postscript,LPT1]\r\n[PostScript,LAST]\r\n",
     {{"PostScript,LAST", 38}}},
    {"header after ';' is a comment",
     "x=1 ; [PostScript,LPT1]\r\n[PostScript,LAST]\r\n",
     {{"PostScript,LAST", 44}}},
    {"comment line without line end", "; [PostScript,LPT1]", {}},
    {"'[' anywhere outside a comment", "abc[PostScript,FILE]\r\n", {{"PostScript,FILE", 22}}},
    {"rest of the header line ignored",
     "[PostScript,LPT1] ; [PostScript,X]\r\nb\r\n",
     {{"PostScript,LPT1", 36}}},
    {"mismatch restarts after the '['", "[Post[PostScript,X]\r\n", {{"PostScript,X", 21}}},
    {"port may be empty", "[PostScript,]\r\n", {{"PostScript,", 15}}},
    {"name ends at the first ']'", "[PostScript,A]]\r\n", {{"PostScript,A", 17}}},
    {"spaces and backslashes kept",
     "[PostScript, \\\\SJ TW 7\\panda]\r\n",
     {{"PostScript, \\\\SJ TW 7\\panda", 31}}},
    {"header on the last line without line end",
     "[windows]\r\n[PostScript,LPT1]",
     {{"PostScript,LPT1", 28}}},
    {"empty section before another",
     "[PostScript,A]\r\n[PostScript,B]\r\n",
     {{"PostScript,A", 16}, {"PostScript,B", 32}}},
    {"83-character name is found",
     "[PostScript," + Port72 + "]\r\n[PostScript,LAST]\r\n",
     {{"PostScript," + Port72, 87}, {"PostScript,LAST", 106}}},
    {"84-character name ends the scan",
     "[PostScript,A]\r\n[PostScript,q" + Port72 + "]\r\n[PostScript,LAST]\r\n",
     {{"PostScript,A", 16}}},
    {"tab inside the brackets ends the scan", "[PostScript,LP\tT1]\r\n[PostScript,LAST]\r\n", {}},
    {"CR before ']' ends the scan", "[PostScript,LPT1\r\n[PostScript,LAST]\r\n", {}},
    {"LF before ']' ends the scan", "[PostScript,LPT1\n[PostScript,LAST]\n", {}},
    {"text ends inside the name", "[PostScript,LPT1", {}},
    {"text ends inside the prefix", "[PostScr", {}},
    {"byte 14 is allowed in a name", "[PostScript,\x0e]\r\n", {{"PostScript,\x0e", 16}}},
    {"high bytes are allowed in a name",
     "[PostScript,\xe9\xff]\r\n",
     {{"PostScript,\xe9\xff", 17}}},
    {"Shift-JIS: a ']' that ends a character is part of the name",
     "[PostScript,\x83]\x83[]\r\n[PostScript,LAST]\r\n",
     {{"PostScript,\x83]\x83[", 19}, {"PostScript,LAST", 38}},
     &CodePage932()},
};

TEST(NextPrinterSection, FindsHeadersAndStopsAtBadOnes) {
    for (const ScanCase& row : ScanCases)
        EXPECT_EQ(ScanAll(row.text, *row.codePage), row.expected) << row.what;
}

TEST(NextPrinterSection, StartsAtTheGivenOffsetAndLeavesTheNameBufferAlone) {
    const std::string text = "[PostScript,A]\r\n[PostScript,B]\r\n";
    char name[PrinterSectionNameSize] = "untouched";
    EXPECT_EQ(NextPrinterSection(text.c_str(), name, 1, WesternCodePage()), 32);
    EXPECT_STREQ(name, "PostScript,B");
    EXPECT_EQ(NextPrinterSection(text.c_str(), name, 32, WesternCodePage()), NotFound);
    EXPECT_STREQ(name, "PostScript,B");
}

TEST(FindPrinterSection, MatchesWholeNamesInAnyCaseAndTakesTheFirstDuplicate) {
    const std::string text = "[windows]\r\n"
                             "[PostScript,LPT1]\r\nfirst=1\r\n"
                             "[PostScript,COM1]\r\n"
                             "[POSTSCRIPT,LPT2]\r\n"
                             "[PostScript,lpt1]\r\nsecond=1\r\n";
    struct {
        const char* wanted;
        long expected;
    } const rows[] = {
        {"PostScript,LPT1", 30},
        {"postscript,lpt1", 30},
        {"POSTSCRIPT,LPT1", 30},
        {"PostScript,COM1", 58},
        {"PostScript,LPT", NotFound},
        {"PostScript,LPT11", NotFound},
        {"PostScript,LPT2", NotFound}, // its header is not a printer section
        {"LPT1", NotFound},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FindPrinterSection(text.c_str(), row.wanted, AsciiNameOrder, WesternCodePage()),
                  row.expected)
            << row.wanted;
}

TEST(PrinterSectionBodyEnd, EndsAtTheNextBracketOutsideAComment) {
    struct {
        const char* text;
        long bodyStart;
        long expected;
    } const rows[] = {
        {"[PostScript,A]\r\nx=1\r\n[next]\r\n", 16, 21},
        {"[PostScript,A]\r\nx=a[b\r\n", 16, 19},          // '[' inside a value
        {"[PostScript,A]\r\nx=1 ;[c\r\ny=2\r\n", 16, 30}, // '[' in a comment: to the end
        {"[PostScript,A]\r\n; no line end [", 16, 31},
        {"[PostScript,A]", 14, 14},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PrinterSectionBodyEnd(row.text, row.bodyStart, WesternCodePage()), row.expected)
            << row.text;
}

} // namespace

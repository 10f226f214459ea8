#include "code_pages.h"
#include "vector_font_list.h"
#include "winini/printer_section.h"
#include "winini/winini_rebuild.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Placeholder = "ATM=placeholder\r\n";
const std::string OneFont = "softfonts=1\r\nsoftfont1=c:\\psfonts\\pfm\\new.pfm\r\n";

WinIniRebuild Save(const std::string& file, const char* section, const std::string& entry) {
    const long body = FindPrinterSection(file.c_str(), section, AsciiNameOrder, WesternCodePage());
    EXPECT_NE(body, NotFound) << section;
    return RebuildWinIni(file, body, entry, WesternCodePage());
}

// The file is head + old body + tail; the saved file must be head, the new body, tail.
struct SaveCase {
    const char* what;
    const char* section;
    std::string head;
    std::string oldBody;
    std::string tail;
};

const SaveCase SaveCases[] = {
    {"followed by other sections", "PostScript,LPT1",
     "[windows]\r\ndevice=PS,PSCRIPT,LPT1:\r\n\r\n[PostScript,LPT1]\r\n",
     "softfonts=1\r\nsoftfont1=c:\\psfonts\\pfm\\old.pfm\r\n\r\n",
     "[PostScript,COM1]\r\nsoftfonts=0\r\n\r\n[Extensions]\r\ntxt=notepad.exe ^.txt\r\n"},
    {"last section: everything after the header goes", "PostScript,COM1",
     "[windows]\r\n[PostScript,COM1]\r\n",
     "device=4\r\nsoftfonts=2\r\nsoftfont1=a.pfm\r\nsoftfont2=b.pfm\r\n\r\n\r\n; end\r\nstray", ""},
    {"every old line dropped, other keys too", "PostScript,COM1", "[PostScript,COM1]\r\n",
     "device=4\r\nfeed2=1\r\nATM=placeholder\r\nsoftfonts=1\r\nsoftfont1=x.pfm\r\n", "[next]\r\n"},
    {"'[' inside a body line ends the body", "PostScript,LPT1", "[PostScript,LPT1]\r\n",
     "softfonts=1\r\nsoftfont1=a.pfm,c:\\", "[odd].pfb\r\nsoftfont2=b.pfm\r\n"},
    {"'[' inside a comment does not", "PostScript,LPT1", "[PostScript,LPT1]\r\n",
     "softfonts=0 ; [PostScript,X]\r\n;[y]\r\n", "[z]\r\n"},
    {"empty section right before another", "PostScript,A", "[PostScript,A]\r\n", "",
     "[PostScript,B]\r\nsoftfonts=0\r\n"},
    {"rest of the header line kept", "PostScript,LPT1", "[PostScript,LPT1] ; mine [x]\r\n",
     "softfonts=0\r\n", ""},
    {"bare LF file keeps its head and tail", "PostScript,LPT1", "[a]\nb=1\n[PostScript,LPT1]\n",
     "softfonts=0\n", "[c]\nd=2\n"},
    {"first of two sections of the same name", "postscript,lpt1", "[PostScript,LPT1]\r\n",
     "old=1\r\n", "[PostScript,LPT1]\r\nold=2\r\n"},
    {"header in the middle of a line", "PostScript,FILE", "x=1 [PostScript,FILE]\r\n", "y=2\r\n",
     ""},
};

TEST(RebuildWinIni, ReplacesTheBodyAndKeepsHeadAndTailByteForByte) {
    for (const SaveCase& row : SaveCases) {
        const WinIniRebuild result = Save(row.head + row.oldBody + row.tail, row.section, OneFont);
        ASSERT_EQ(result.outcome, WinIniRebuildOutcome::Rebuilt) << row.what;
        EXPECT_EQ(result.text, row.head + Placeholder + OneFont + "\r\n" + row.tail) << row.what;
        EXPECT_EQ(result.text.size(), row.head.size() + 17 + OneFont.size() + 2 + row.tail.size())
            << row.what;
        EXPECT_EQ(result.headLength, row.head.size()) << row.what;
        EXPECT_EQ(result.tailLength, row.tail.size()) << row.what;
    }
}

TEST(RebuildWinIni, ThreeFontsGiveTheFourPartBody) {
    const std::string three =
        "softfonts=3\r\n"
        "softfont1=c:\\psfonts\\pfm\\cobo____.pfm,c:\\psfonts\\cobo____.pfb\r\n"
        "softfont2=c:\\psfonts\\pfm\\hvb_____.pfm,c:\\psfonts\\hvb_____.pfb\r\n"
        "softfont3=c:\\psfonts\\pfm\\tir_____.pfm,c:\\psfonts\\tir_____.pfb\r\n";
    const WinIniRebuild result =
        Save("[PostScript,LPT1]\r\nsoftfonts=1\r\nsoftfont1=x.pfm\r\n[fonts]\r\n",
             "PostScript,LPT1", three);
    ASSERT_EQ(result.outcome, WinIniRebuildOutcome::Rebuilt);
    EXPECT_EQ(result.text, "[PostScript,LPT1]\r\n"
                           "ATM=placeholder\r\n"
                           "softfonts=3\r\n"
                           "softfont1=c:\\psfonts\\pfm\\cobo____.pfm,c:\\psfonts\\cobo____.pfb\r\n"
                           "softfont2=c:\\psfonts\\pfm\\hvb_____.pfm,c:\\psfonts\\hvb_____.pfb\r\n"
                           "softfont3=c:\\psfonts\\pfm\\tir_____.pfm,c:\\psfonts\\tir_____.pfb\r\n"
                           "\r\n"
                           "[fonts]\r\n");
}

TEST(RebuildWinIni, HeaderOnTheLastLineWithoutLineEndGetsCrLfFirst) {
    const struct {
        std::string file, head;
    } rows[] = {
        {"[windows]\r\n[PostScript,LPT1]", "[windows]\r\n[PostScript,LPT1]\r\n"},
        {"[PostScript,LPT1] ; x", "[PostScript,LPT1] ; x\r\n"},
        // a bare CR ending the last line becomes its CR LF
        {"[windows]\r\n[PostScript,LPT1]\r", "[windows]\r\n[PostScript,LPT1]\r\n"},
    };
    for (const auto& row : rows) {
        const WinIniRebuild result = Save(row.file, "PostScript,LPT1", OneFont);
        ASSERT_EQ(result.outcome, WinIniRebuildOutcome::Rebuilt) << row.file;
        EXPECT_EQ(result.text, row.head + Placeholder + OneFont + "\r\n") << row.file;
        EXPECT_EQ(result.headLength, row.head.size()) << row.file;
    }
}

// head + entry text + tail up to 65200 bytes is written; one byte more is refused.
TEST(RebuildWinIni, SizeLimitCountsHeadEntryAndTail) {
    const std::string head = "[PostScript,LPT1]\r\n";
    const std::string tailStart = "[x]\r\n";
    const std::string entry = "softfonts=1\r\nsoftfont1=a.pfm\r\n";
    for (std::size_t total : {std::size_t{65199}, std::size_t{65200}, std::size_t{65201}}) {
        const std::string tail =
            tailStart + std::string(total - head.size() - entry.size() - tailStart.size(), 'y');
        const WinIniRebuild result = Save(head + "old=1\r\n" + tail, "PostScript,LPT1", entry);
        if (total <= WinIniRebuildLimit) {
            ASSERT_EQ(result.outcome, WinIniRebuildOutcome::Rebuilt) << total;
            EXPECT_EQ(result.text.size(), total + 17 + 2);
        } else {
            EXPECT_EQ(result.outcome, WinIniRebuildOutcome::TooLarge) << total;
            EXPECT_TRUE(result.text.empty());
        }
    }
    // The CR LF put after a header on the last line counts as part of the head.
    const std::string lastHeader = "[PostScript,LPT1]";
    const std::string fits(WinIniRebuildLimit - lastHeader.size() - 2, 'e');
    EXPECT_EQ(Save(lastHeader, "PostScript,LPT1", fits).outcome, WinIniRebuildOutcome::Rebuilt);
    EXPECT_EQ(Save(lastHeader, "PostScript,LPT1", fits + "e").outcome,
              WinIniRebuildOutcome::TooLarge);
}

TEST(RebuildWinIni, RefusesAFileWithAZeroByteAnywhere) {
    using namespace std::string_literals;
    const std::string files[] = {"[PostScript,LPT1]\r\nold=1\r\n[x]\r\n\0lost\r\n"s,
                                 "[PostScript,LPT1]\r\nold=1\r\n\0[x]\r\n"s,
                                 "[PostScript,LPT1]\r\nold=1\r\n\0"s};
    for (const std::string& file : files) {
        const WinIniRebuild result = Save(file, "PostScript,LPT1", OneFont);
        EXPECT_EQ(result.outcome, WinIniRebuildOutcome::ZeroByteInside) << file.size();
        EXPECT_TRUE(result.text.empty());
    }
}

} // namespace

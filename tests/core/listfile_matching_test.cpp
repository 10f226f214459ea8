#include "listfile/matching.h"
#include "listfile/text_search.h"

#include <gtest/gtest.h>

#include "code_pages.h"
#include "font_fixtures.h"

namespace {

MatchResult ByFileNames(TestCatalog& fonts, std::string text, bool merge = false, long start = 0,
                        const CodePage& codePage = WesternCodePage()) {
    return MatchByFileNames(fonts.atmList, fonts.selectedList, fonts.catalog, text.data(), start,
                            merge, codePage);
}

MatchResult ByFontNames(TestCatalog& fonts, const std::string& text, bool merge = false) {
    return MatchByFontNames(fonts.atmList, fonts.selectedList, fonts.catalog, text.c_str(), merge,
                            WesternCodePage());
}

} // namespace

// Each row: catalogue lines, the list's text, the fonts selected and the names reported.
TEST(MatchByFileNames, FindsEachFontByTheFirstCatalogueLineNamingItsPfm) {
    const struct {
        const char* catalog;
        const char* text;
        Names selected, unmatched;
        const CodePage* codePage = &WesternCodePage();
    } rows[] = {
        // letter case and folder do not count, only the file name
        {"Abc=c:\\psfonts\\pfm\\abc.pfm\r\n", "softfont1=D:\\OTHER\\ABC.PFM\r\n", {"Abc"}, {}},
        // ab.pfm is found inside a line naming xab.pfm, when that line comes first
        {"X=c:\\p\\xab.pfm\r\nY=c:\\p\\ab.pfm\r\n", "Y=c:\\p\\ab.pfm\r\n", {"X"}, {}},
        // two fonts sharing a .pfm: only the first can be matched; naming it twice is silent
        {"P=same.pfm\r\nQ=same.pfm\r\n", "same.pfm\r\nsame.pfm\r\n", {"P"}, {}},
        // a '[' in a catalogue line hides every later line
        {"A=a.pfm,[x\r\nB=b.pfm\r\n", "b.pfm\r\na.pfm\r\n", {"A"}, {"b.pfm"}},
        // a .pfm after a ';' is not seen, in the catalogue or in the text
        {"A=x;a.pfm\r\nB=b.pfm\r\n", "a.pfm\r\n;b.pfm\r\n", {}, {"a.pfm"}},
        // unmatched names keep their order and their duplicates, in lower case
        {"A=a.pfm\r\n",
         "Q.PFM\r\nsoftfont2=r.pfm\r\nq.pfm\r\na.pfm",
         {"A"},
         {"q.pfm", "r.pfm", "q.pfm"}},
        // the count line and lines without .pfm give nothing
        {"A=a.pfm\r\n", "softfonts=3\r\nATM=placeholder\r\n\r\n", {}, {}},
        // a '[' in the text ends the reading
        {"A=a.pfm\r\nB=b.pfm\r\n", "a.pfm\r\n[Next]\r\nb.pfm\r\n", {"A"}, {}},
        // letters pair as the code page pairs them: Ч Я Ё Ђ in Cyrillic, Ť Ł in Central
        // European; џ and ź stay apart from я and ˙
        {"\xD7=c:\\\xD7\xDF.PFM\r\nE=c:\\\xA8\x80.PFM\r\n",
         "\xF7\xFF.pfm\r\n\xB8\x90.pfm\r\n",
         {"E", "\xD7"},
         {},
         &CodePage1251()},
        {"A=\x9F.pfm\r\n", "\xFF.pfm\r\n", {}, {"\xFF.pfm"}, &CodePage1251()},
        {"T=\x8D\xA3.PFM\r\n", "\x9D\xB3.pfm\r\n", {"T"}, {}, &CodePage1250()},
        {"Z=\x9F.pfm\r\n", "\xFF.pfm\r\n", {}, {"\xFF.pfm"}, &CodePage1250()},
        // Shift-JIS: the second byte of a character is no letter (83 41 is not 83 61)
        {"A=\x83\x61.pfm\r\n", "\x83\x41.PFM\r\n", {}, {"\x83\x41.pfm"}, &CodePage932()},
    };
    for (const auto& row : rows) {
        TestCatalog fonts(row.catalog);
        const MatchResult result = ByFileNames(fonts, row.text, false, 0, *row.codePage);
        EXPECT_EQ(fonts.selectedList.Names(), row.selected) << row.text;
        EXPECT_EQ(result.unmatched, row.unmatched) << row.text;
        EXPECT_EQ(result.movedCount, static_cast<int>(row.selected.size())) << row.text;
        EXPECT_EQ(result.hasSelection, !row.selected.empty()) << row.text;
    }
}

TEST(MatchByFileNames, ReadsAPrinterSectionFromItsStartAndLowersTheText) {
    TestCatalog fonts("A=c:\\a.pfm\r\nB=c:\\b.pfm\r\nC=c:\\c.pfm\r\n");
    std::string winIni = "[PostScript,LPT1]\r\nsoftfonts=1\r\nsoftfont1=C:\\B.PFM\r\n"
                         "[PostScript,LPT2]\r\nsoftfont1=c:\\c.pfm\r\n";
    const long start = static_cast<long>(winIni.find("softfonts"));
    MatchByFileNames(fonts.atmList, fonts.selectedList, fonts.catalog, winIni.data(), start, false,
                     WesternCodePage());
    EXPECT_EQ(fonts.selectedList.Names(), Names{"B"});
    EXPECT_EQ(winIni.substr(0, 17), "[postscript,lpt1]");
}

TEST(MatchByFontNames, FindsExactlySpelledNamesOnly) {
    TestCatalog fonts(
        "Arial=c:\\ar.pfm\r\nArial,BOLD=c:\\arb.pfm\r\nTimes New Roman=c:\\t.pfm\r\n");
    const MatchResult result =
        ByFontNames(fonts, "arial\r\n  Times New Roman   ; comment\r\nArial,BOLD\r\n"
                           "Arial,BOL\r\nArial\r\nArial\r\n; Arial,BOLD\r\n");
    EXPECT_EQ(fonts.selectedList.Names(), (Names{"Arial", "Arial,BOLD", "Times New Roman"}));
    EXPECT_EQ(result.unmatched, (Names{"arial", "Arial,BOL"}));
    EXPECT_EQ(result.movedCount, 3);
}

TEST(MatchByFontNames, ANameCutInsideACharacterMatchesNoFont) {
    const std::string font(63, 'x');
    TestCatalog fonts(font + "=c:\\x.pfm\r\n");
    const MatchResult result =
        MatchByFontNames(fonts.atmList, fonts.selectedList, fonts.catalog,
                         (font + "\x83\x41\r\n").c_str(), false, CodePage932());
    EXPECT_EQ(result.movedCount, 0);
    EXPECT_EQ(result.unmatched, Names{font});
}

TEST(Matching, OpenModeReturnsTheSelectionFirstAndMergeKeepsIt) {
    const char* catalog = "A=a.pfm\r\nB=b.pfm\r\nC=c.pfm\r\n";
    {
        TestCatalog fonts(catalog);
        fonts.Select({"A", "C"});
        const MatchResult result = ByFileNames(fonts, "a.pfm\r\nb.pfm\r\n");
        EXPECT_EQ(fonts.selectedList.Names(), (Names{"A", "B"}));
        EXPECT_EQ(fonts.atmList.Names(), Names{"C"});
        EXPECT_EQ(result.returnedCount, 2);
        EXPECT_EQ(result.movedCount, 2);
    }
    {
        TestCatalog fonts(catalog);
        fonts.Select({"A", "C"});
        const MatchResult result = ByFontNames(fonts, "A\r\nC\r\n", true);
        EXPECT_EQ(fonts.selectedList.Names(), (Names{"A", "C"}));
        EXPECT_EQ(result.movedCount, 0);
        EXPECT_TRUE(result.unmatched.empty());
        EXPECT_TRUE(result.hasSelection);
    }
    {
        // nothing in the text: open mode ends empty, merge mode keeps what was selected
        TestCatalog fonts(catalog);
        fonts.Select({"B"});
        EXPECT_TRUE(ByFontNames(fonts, "", true).hasSelection);
        EXPECT_FALSE(ByFontNames(fonts, "").hasSelection);
        EXPECT_EQ(fonts.atmList.Names(), (Names{"A", "B", "C"}));
    }
}

// Two catalogue fonts that differ only in letter case: each name must move the font spelled like
// it, so that no name ends in both lists and none is lost.
TEST(Matching, MovesTheFontSpelledExactlyLikeTheName) {
    for (const char* catalog :
         {"ARIAL=up.pfm\r\nArial=low.pfm\r\n", "Arial=low.pfm\r\nARIAL=up.pfm\r\n"}) {
        TestCatalog fonts(catalog);
        ByFileNames(fonts, "low.pfm\r\n");
        EXPECT_EQ(fonts.selectedList.Names(), Names{"Arial"}) << catalog;
        EXPECT_EQ(fonts.atmList.Names(), Names{"ARIAL"}) << catalog;
        ByFontNames(fonts, "ARIAL\r\n", true);
        EXPECT_EQ(fonts.atmList.Count(), 0) << catalog;
        EXPECT_EQ(fonts.selectedList.Count(), 2) << catalog;
    }
}

TEST(Matching, CollectsEveryUnmatchedName) {
    TestCatalog fonts("A=a.pfm\r\n");
    std::string text;
    for (int i = 0; i < 1500; ++i)
        text += "softfont" + std::to_string(i) + "=n" + std::to_string(i) + ".pfm\r\n";
    const MatchResult result = ByFileNames(fonts, text);
    ASSERT_EQ(result.unmatched.size(), 1500u);
    EXPECT_EQ(result.unmatched[1000], "n1000.pfm");
    EXPECT_FALSE(result.hasSelection);
}

TEST(Matching, StopsWithoutLosingAFontWhenAListIsFull) {
    TestCatalog fonts("A=a.pfm\r\nB=b.pfm\r\nC=c.pfm\r\n");
    FullFontList selected(1);
    std::string text = "a.pfm\r\nb.pfm\r\nc.pfm\r\n";
    const MatchResult result = MatchByFileNames(fonts.atmList, selected, fonts.catalog, text.data(),
                                                0, false, WesternCodePage());
    EXPECT_EQ(result.outcome, MatchOutcome::NoMemory);
    EXPECT_EQ(selected.Names(), Names{"A"});
    EXPECT_EQ(fonts.atmList.Names(), (Names{"B", "C"}));
}

// The indexed catalogue search must give what the plain scan gives (the fuzzer compares whole
// matches).
TEST(Matching, IndexedSearchAgreesWithThePlainScan) {
    const char* catalog = "A=c:\\p\\xab.pfm;c.pfm\r\nB=ab.pfm\r\n;D=d.pfm\r\nC=c.pfm,[e.pfm\r\n"
                          "E=e.pfm\r\nF=\xC0.pfm\r\nG=\x83pfm.pfm\r\nH=\x81[\x95\\h.PFM\r\n";
    for (const CodePage* codePage : {&WesternCodePage(), &CodePage932()}) {
        const EntryTextSearch search(catalog, *codePage);
        for (const char* pattern :
             {"ab.pfm", "xab.pfm", "c.pfm", "d.pfm", "e.pfm", ",[e.pfm", "\xE0.pfm", ".pfm",
              "c:\\p\\xab.pfm", "e.PFM", "b.pfm\r\n;d", "=", "a", "zz", "", "pfm.pfm",
              "\x95\\h.pfm", "h.pfm", "\x81[\x95"})
            EXPECT_EQ(search.Find(pattern), FindTextNoCase(catalog, 0, pattern, *codePage))
                << pattern;
    }
}

#include "catalog/font_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/ini_text.h"
#include "code_pages.h"
#include "font_fixtures.h"

namespace {

struct Built {
    CatalogBuild build;
    std::vector<std::string> names;
    FontCatalog catalog;
};

Built Build(const std::string& file, VectorFontList& list,
            const CodePage& codePage = WesternCodePage()) {
    std::vector<char> text(file.begin(), file.end());
    text.resize(text.size() + 10, '\0'); // as the file is read
    Built built;
    built.build = BuildFontCatalog(text.data(), list, built.catalog, codePage);
    built.names = list.Names();
    return built;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Built twice: by the list's sort keys, the program's way, and, as where no key can be made, by
// the list's own sorted inserts. Both give the same list; the entry text follows the list, the
// lines of names that differ only in letter case in either order.
Built Build(const std::string& file, const CodePage& codePage = WesternCodePage()) {
    VectorFontList keyed(AsciiNameOrder, AsciiNameKey), inserted(AsciiNameOrder);
    Built built = Build(file, keyed, codePage);
    const Built byInserts = Build(file, inserted, codePage);
    EXPECT_EQ(byInserts.build.outcome, built.build.outcome) << file;
    EXPECT_EQ(byInserts.build.corruptCount, built.build.corruptCount) << file;
    EXPECT_EQ(byInserts.names, built.names) << file;
    std::vector<std::string> lines = Lines(byInserts.catalog.FontEntryText);
    EXPECT_EQ(lines.size(), built.names.size()) << file;
    for (size_t i = 0; i < lines.size() && i < built.names.size(); ++i)
        EXPECT_EQ(
            AsciiNameOrder(lines[i].substr(0, lines[i].find('=')).c_str(), built.names[i].c_str()),
            0)
            << file;
    std::vector<std::string> keyedLines = Lines(built.catalog.FontEntryText);
    std::sort(lines.begin(), lines.end());
    std::sort(keyedLines.begin(), keyedLines.end());
    EXPECT_EQ(lines, keyedLines) << file;
    return built;
}

struct LoadCase {
    const char* what;
    std::string file;
    CatalogOutcome outcome;
    Names names;
    std::string entryText;
    unsigned long corrupt;
    const CodePage* codePage = &WesternCodePage();
};

TEST(BuildFontCatalog, LoadsFontsSectionByExactBytes) {
    using O = CatalogOutcome;
    const LoadCase cases[] = {
        {"lower-case header", "[fonts]\r\nTimes=c:\\TIR.PFM\r\n", O::NoFontsSection, {}, "", 0},
        {"header without line end", "[Other]\r\nA=1\r\n[Fonts]", O::NoFontsSection, {}, "", 0},
        {"no header", "Times=c:\\TIR.PFM\r\n", O::NoFontsSection, {}, "", 0},
        {"next section at once", "[Fonts]\r\n[Next]\r\nA=123456789\r\n", O::NoFonts, {}, "", 0},
        {"only comments", "[Fonts]\r\n; none yet\r\n\r\n;A=123456789\r\n", O::NoFonts, {}, "", 0},
        {"header at end", "[Fonts]\r\n", O::NoFonts, {}, "", 0},
        {"sorted, CR LF",
         "[Fonts]\r\nTimes=c:\\TIR.PFM\r\nArial=c:\\AR.PFM\r\n",
         O::Loaded,
         {"Arial", "Times"},
         "Arial=c:\\AR.PFM\r\nTimes=c:\\TIR.PFM\r\n",
         0},
        {"bare LF kept, needs a seventh value byte",
         "[Fonts]\nTimes=123456\nArial=1234567\n",
         O::Loaded,
         {"Arial"},
         "Arial=1234567\n",
         1},
        {"CR LF needs six value bytes",
         "[Fonts]\r\nA=12345\r\nB=123456\r\n",
         O::Loaded,
         {"B"},
         "B=123456\r\n",
         1},
        {"semicolon or control byte before '=' is no key",
         "[Fonts]\r\nFoo;x=123456789\r\nFoo\tBar=123456789\r\nGo=a;b12345\r\n",
         O::Loaded,
         {"Go"},
         "Go=a;b12345\r\n",
         0},
        {"spaces belong to the key",
         "[Fonts]\r\n Tms Rmn =123456789\r\n",
         O::Loaded,
         {" Tms Rmn "},
         " Tms Rmn =123456789\r\n",
         0},
        {"duplicate keys carry the first line",
         "[Fonts]\r\nFoo=first_value\r\nBar=bar_value\r\nFoo=second_value\r\n",
         O::Loaded,
         {"Bar", "Foo", "Foo"},
         "Bar=bar_value\r\nFoo=first_value\r\nFoo=first_value\r\n",
         0},
        {"duplicate keys with a short first line",
         "[Fonts]\r\nFoo=ab\r\nFoo=second_value\r\n",
         O::Loaded,
         {},
         "",
         2},
        {"interleaved case variants of a duplicate",
         "[Fonts]\r\nFoo=first_line\r\nFOO=upper_line\r\nFoo=third_line\r\n",
         O::Loaded,
         {"Foo", "Foo", "FOO"},
         "FOO=upper_line\r\nFoo=first_line\r\nFoo=first_line\r\n",
         0},
        {"a style line does not serve its family",
         "[Fonts]\r\nTimes,BOLD=c:\\TIB.PFM\r\nTimes=c:\\TIR.PFM\r\n",
         O::Loaded,
         {"Times", "Times,BOLD"},
         "Times=c:\\TIR.PFM\r\nTimes,BOLD=c:\\TIB.PFM\r\n",
         0},
        {"empty key rejected",
         "[Fonts]\r\n=123456789\r\nA=123456789\r\n",
         O::Loaded,
         {"A"},
         "A=123456789\r\n",
         1},
        {"last line gets CR LF", "[Fonts]\r\nA=123456789", O::Loaded, {"A"}, "A=123456789\r\n", 0},
        {"last line of LF file gets CR LF",
         "[Fonts]\nB=123456789\nA=123456789",
         O::Loaded,
         {"A", "B"},
         "A=123456789\r\nB=123456789\n",
         0},
        {"last line ending in CR gets LF",
         "[Fonts]\r\nA=123456789\r",
         O::Loaded,
         {"A"},
         "A=123456789\r\n",
         0},
        {"unfinished last key",
         "[Fonts]\r\nA=123456789\r\nTimes",
         O::Loaded,
         {"A"},
         "A=123456789\r\n",
         0},
        {"'[' in a value ends the body after its line",
         "[Fonts]\r\nA=abc[def123\r\nB=123456789\r\n",
         O::Loaded,
         {"A"},
         "A=abc[def123\r\n",
         0},
        {"blank and comment lines inside the section",
         "[Fonts]\r\n\r\n; Type 1\r\n  \r\nB=123456789 ; note\r\n\r\n[After]\r\nC=123456789\r\n",
         O::Loaded,
         {"B"},
         "B=123456789 ; note\r\n",
         0},
        {"only rejected keys still load", "[Fonts]\r\nA=1\r\n", O::Loaded, {}, "", 1},
        {"Shift-JIS: a '[' that ends a character is no section end",
         "[Fonts]\r\nA=c:\\A.PFM\r\n\x83\x69\x81[\x83\x8B"
         "D=c:\\ND.PFM\r\nZ=c:\\Z.PFM\r\n",
         O::Loaded,
         {"A", "Z",
          "\x83\x69\x81[\x83\x8B"
          "D"},
         "A=c:\\A.PFM\r\nZ=c:\\Z.PFM\r\n\x83\x69\x81[\x83\x8B"
         "D=c:\\ND.PFM\r\n",
         0,
         &CodePage932()},
    };
    for (const LoadCase& c : cases) {
        Built built = Build(c.file, *c.codePage);
        EXPECT_EQ(built.build.outcome, c.outcome) << c.what;
        EXPECT_EQ(built.names, c.names) << c.what;
        EXPECT_EQ(built.catalog.FontEntryText, c.entryText) << c.what;
        EXPECT_EQ(built.build.corruptCount, c.corrupt) << c.what;
        EXPECT_EQ(built.catalog.CatalogFontCount, c.names.size()) << c.what;
        EXPECT_EQ(built.catalog.Loaded, c.outcome == CatalogOutcome::Loaded) << c.what;
    }
}

TEST(BuildFontCatalog, CaseVariantsStandTogetherAndEntryTextFollowsTheList) {
    Built built = Build("[Fonts]\r\nbodoni=c:\\BO.PFM\r\nZapf=c:\\ZA.PFM\r\n"
                        "Arial=c:\\AR.PFM\r\nBodoni,BOLD=c:\\BOB.PFM\r\nBODONI=c:\\BO2.PFM\r\n");
    ASSERT_EQ(built.names.size(), 5u);
    EXPECT_EQ(built.names[0], "Arial");
    EXPECT_EQ(AsciiNameOrder(built.names[1].c_str(), "bodoni"), 0);
    EXPECT_EQ(AsciiNameOrder(built.names[2].c_str(), "bodoni"), 0);
    EXPECT_EQ(built.names[3], "Bodoni,BOLD");
    EXPECT_EQ(built.names[4], "Zapf");
    // Each list item has its own line, in the list's order.
    std::istringstream lines(built.catalog.FontEntryText);
    std::vector<std::string> keys;
    for (std::string line; std::getline(lines, line);)
        keys.push_back(line.substr(0, line.find('=')));
    ASSERT_EQ(keys.size(), 5u);
    for (size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(AsciiNameOrder(keys[i].c_str(), built.names[i].c_str()), 0) << i;
}

std::string FontLines(int first, int last, int step) {
    std::string lines;
    for (int i = first; i != last + step; i += step) {
        char line[80];
        std::snprintf(line, sizeof line, "Font %04d=C:\\PSFONTS\\PFM\\F%04d___.PFM\r\n", i, i);
        lines += line;
    }
    return lines;
}

TEST(BuildFontCatalog, ManyDuplicatesAllCarryTheirFirstLine) {
    std::string file = "[Fonts]\r\n";
    for (int copy = 0; copy < 3; ++copy)
        for (int font = 0; font < 60; ++font)
            file += "Font " + std::to_string(font * 7 % 60) + "=copy" + std::to_string(copy) +
                    "_value\r\n";
    Built built = Build(file);
    ASSERT_EQ(built.names.size(), 180u);
    std::istringstream lines(built.catalog.FontEntryText);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        EXPECT_EQ(line.substr(line.find('=')), "=copy0_value\r") << line;
    EXPECT_EQ(count, 180);
}

TEST(BuildFontCatalog, EmptiesTheListThenReservesRoomAndLeavesItEmptyOnFailure) {
    struct RecordingFontList : VectorFontList {
        RecordingFontList() : VectorFontList(AsciiNameOrder) {}
        void Reset() override {
            calls.push_back("Reset " + std::to_string(Count()));
            VectorFontList::Reset();
        }
        void Reserve(int items, int bytes) override {
            calls.push_back("Reserve " + std::to_string(items) + " " + std::to_string(bytes));
        }
        std::vector<std::string> calls;
    } list;
    list.AddSorted("Stale");
    Build("[Fonts]\r\nB=123456789\r\nA=1\r\nC=123456789\r\n", list);
    EXPECT_EQ(list.calls, (std::vector<std::string>{"Reset 1", "Reserve 3 108"}));
    EXPECT_EQ(list.Names(), (Names{"B", "C"}));

    EXPECT_EQ(Build("[Fonts]\r\n; nothing\r\n", list).build.outcome, CatalogOutcome::NoFonts);
    EXPECT_EQ(list.Count(), 0);
}

TEST(BuildFontCatalog, KeepsTheFirst1001KeysInFileOrderAndCountsTheRest) {
    // Descending in the file, so the kept fonts are not the first ones in sorted order.
    Built built = Build("[Fonts]\r\n" + FontLines(1004, 0, -1));
    EXPECT_EQ(built.build.outcome, CatalogOutcome::Loaded);
    EXPECT_EQ(built.build.corruptCount, 4u);
    ASSERT_EQ(built.names.size(), 1001u);
    EXPECT_EQ(built.names.front(), "Font 0004");
    EXPECT_EQ(built.names.back(), "Font 1004");
    EXPECT_EQ(built.catalog.CatalogFontCount, 1001u);
    EXPECT_EQ(FindEntryLine(built.catalog.FontEntryText.c_str(), "Font 0003"), NotFound);

    Built exact = Build("[Fonts]\r\n" + FontLines(0, 1000, 1));
    EXPECT_EQ(exact.build.corruptCount, 0u);
    EXPECT_EQ(exact.names.size(), 1001u);
}

TEST(BuildFontCatalog, RejectsKeysTooLongForASlotWithoutCuttingThem) {
    std::string key63(63, 'k'), key64(64, 'k');
    Built built =
        Build("[Fonts]\r\n" + key64 + "=C:\\PSFONTS\\PFM\\LONG.PFM\r\n" + key63 +
              "=C:\\PSFONTS\\PFM\\SHORT.PFM\r\n" + std::string(80, 'x') + ";=comment, no key\r\n");
    EXPECT_EQ(built.names, Names{key63});
    EXPECT_EQ(built.catalog.FontEntryText, key63 + "=C:\\PSFONTS\\PFM\\SHORT.PFM\r\n");
    EXPECT_EQ(built.build.corruptCount, 1u);

    // A rejected long key takes no place among the 1001.
    Built full =
        Build("[Fonts]\r\n" + key64 + "=C:\\PSFONTS\\PFM\\LONG.PFM\r\n" + FontLines(0, 1000, 1));
    EXPECT_EQ(full.names.size(), 1001u);
    EXPECT_EQ(full.build.corruptCount, 1u);
}

TEST(BuildFontCatalog, ReportsNoMemoryWhenTheListCannotTakeAName) {
    FullFontList list(1);
    Built built = Build("[Fonts]\r\nA=123456789\r\nB=123456789\r\n", list);
    EXPECT_EQ(built.build.outcome, CatalogOutcome::NoMemory);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(built.catalog.FontEntryText.empty());
    EXPECT_EQ(built.catalog.CatalogFontCount, 0u);
}

TEST(BuildFontCatalog, ReadsTheFontsSectionOfARealAtmIni) {
    struct {
        const char* file;
        const char* verticalCidFont; // face name starting with '@', bytes above 127 in one file
    } const files[] = {
        {"atm.ini-adobe-tn5175-appendixA.ini", "@?$BJ?@.L@D+?(B W5"},
        {"atm.ini-adobe-tn5175-appendixA-sjis.ini", "@\x95\xbd\x90\xac\x96\xbe\x92\xa9 W5"},
    };
    for (const auto& f : files) {
        Built built = Build(ReadRealWorldFile(f.file));
        EXPECT_EQ(built.build.outcome, CatalogOutcome::Loaded) << f.file;
        EXPECT_EQ(built.build.corruptCount, 0u) << f.file;
        EXPECT_EQ(built.names.size(), 25u) << f.file;
        const Names& names = built.names;
        EXPECT_NE(std::find(names.begin(), names.end(), f.verticalCidFont), names.end()) << f.file;
        EXPECT_NE(std::find(names.begin(), names.end(), "Times,ITALIC"), names.end()) << f.file;
        const std::string& entries = built.catalog.FontEntryText;
        // The multiple-master base font's line is the [Fonts] one, not the [MMFonts] one.
        long tekto = FindEntryLine(entries.c_str(), "TektoMM");
        ASSERT_NE(tekto, NotFound) << f.file;
        size_t start = static_cast<size_t>(tekto);
        EXPECT_EQ(entries.substr(start, entries.find('\n', start) + 1 - start),
                  "TektoMM=c:\\psfonts\\pfm\\ZJRG____.pfm,c:\\psfonts\\ZJRG____.pfb\r\n")
            << f.file;
        EXPECT_EQ(FindEntryLine(entries.c_str(), "PFM_Dir"), NotFound) << f.file;
    }
}

struct CollectCase {
    const char* body;
    long budget; // 0: the whole body and its zero
    Names keys;
    unsigned long rejected;
};

TEST(CollectFontNames, StoresKeysInFileOrder) {
    const CollectCase cases[] = {
        {"B=1\r\nA=2\r\nB=3\r\n", 0, {"B", "A", "B"}, 0},
        {"=1\r\n;A=2\r\n\tC=3\r\nD;=4\r\nE\x01=5\r\n\r\nF", 0, {""}, 0},
        {"\x80\xff=1\n\x7f=2\n", 0, {"\x80\xff", "\x7f"}, 0},
        {"A=1\r\nB=2\r\n", 6, {"A"}, 0},
        {"A=1\r\nB", 0, {"A"}, 0},
    };
    for (const CollectCase& c : cases) {
        std::vector<FontNameSlot> table;
        long budget = c.budget ? c.budget : static_cast<long>(std::strlen(c.body)) + 1;
        CollectedFontNames found = CollectFontNames(table, c.body, budget);
        Names keys;
        for (const FontNameSlot& slot : table)
            keys.push_back(slot.data());
        EXPECT_EQ(keys, c.keys) << c.body;
        EXPECT_EQ(found.count, static_cast<int>(c.keys.size())) << c.body;
        EXPECT_EQ(found.rejected, c.rejected) << c.body;
    }
}

} // namespace

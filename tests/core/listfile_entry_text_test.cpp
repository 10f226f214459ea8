#include "listfile/entry_text.h"
#include "listfile/list_file_text.h"

#include <gtest/gtest.h>

#include "font_fixtures.h"

namespace {

const char* const Catalog = "A=c:\\psfonts\\pfm\\a.pfm,c:\\psfonts\\a.pfb\r\n"
                            "Arial,BOLD=c:\\psfonts\\pfm\\arb.pfm\r\n"
                            "Arial=c:\\psfonts\\pfm\\ar.pfm\r\n"
                            "B=c:\\psfonts\\pfm\\b.pfm,c:\\psfonts\\b.pfb\r\n";

std::string FileText(const std::string& catalog, const std::vector<std::string>& selected,
                     int form) {
    TestCatalog fonts(catalog);
    fonts.Select(selected);
    const EntryText entry = BuildEntryText(fonts.selectedList, fonts.fontEntryText, form);
    EXPECT_EQ(entry.outcome, EntryTextOutcome::Built);
    return ListFileText(entry.text);
}

} // namespace

// These bytes are what list files and printer sections of WIN.INI hold, so they are compared
// whole.
TEST(BuildEntryText, WritesEachFormByteForByte) {
    const struct {
        std::vector<std::string> selected;
        int form;
        std::string file;
    } rows[] = {
        {{"A"},
         1,
         "[Fonts]\r\nsoftfonts=1\r\nsoftfont1=c:\\psfonts\\pfm\\a.pfm,c:\\psfonts\\a.pfb\r\n"
         "[EndFonts]\r\n"},
        {{"B", "A"},
         2,
         "[Fonts]\r\nA=c:\\psfonts\\pfm\\a.pfm,c:\\psfonts\\a.pfb\r\n"
         "B=c:\\psfonts\\pfm\\b.pfm,c:\\psfonts\\b.pfb\r\n[EndFonts]\r\n"},
        {{"A", "B"}, 3, "[Fonts]\r\nA\r\nB\r\n[EndFonts]\r\n"},
        {{"A", "B"}, 0, "[Fonts]\r\nA\r\nB\r\n[EndFonts]\r\n"},
        {{"A", "B"}, 4, "[Fonts]\r\nA\r\nB\r\n[EndFonts]\r\n"},
        // a family name takes its own line, not the one of the family with a style word
        {{"Arial"}, 2, "[Fonts]\r\nArial=c:\\psfonts\\pfm\\ar.pfm\r\n[EndFonts]\r\n"},
        {{"Arial,BOLD", "Arial"},
         1,
         "[Fonts]\r\nsoftfonts=2\r\nsoftfont1=c:\\psfonts\\pfm\\ar.pfm\r\n"
         "softfont2=c:\\psfonts\\pfm\\arb.pfm\r\n[EndFonts]\r\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FileText(Catalog, row.selected, row.form), row.file) << row.form;
}

// A catalogue line keeps its own line end; one that ends with the text gets one.
TEST(BuildEntryText, EndsEveryFontLine) {
    const struct {
        const char* catalog;
        std::string file;
    } rows[] = {
        {"A=a.pfm", "[Fonts]\r\nA=a.pfm\r\n[EndFonts]\r\n"},
        {"A=a.pfm\r", "[Fonts]\r\nA=a.pfm\r\n[EndFonts]\r\n"},
        {"A=a.pfm\n", "[Fonts]\r\nA=a.pfm\n[EndFonts]\r\n"},
        {"A=", "[Fonts]\r\nA=\r\n[EndFonts]\r\n"},
        {"A=a.pfm;x=[y\r\n", "[Fonts]\r\nA=a.pfm;x=[y\r\n[EndFonts]\r\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FileText(row.catalog, {"A"}, FontFileForm), row.file) << row.catalog;
}

TEST(BuildEntryText, NumbersSoftfontsInListOrder) {
    std::string catalog;
    for (char c = 'a'; c <= 'l'; ++c)
        catalog += std::string(1, c) + "=" + c + ".pfm\r\n";
    TestCatalog fonts(catalog);
    fonts.Select(fonts.atmList.Names());
    const EntryText entry = BuildEntryText(fonts.selectedList, fonts.fontEntryText, 1);
    const std::string head = "softfonts=12\r\nsoftfont1=a.pfm\r\nsoftfont2=b.pfm\r\n";
    const std::string tail = "softfont10=j.pfm\r\nsoftfont11=k.pfm\r\nsoftfont12=l.pfm\r\n";
    EXPECT_EQ(entry.text.substr(0, head.size()), head);
    ASSERT_GE(entry.text.size(), tail.size());
    EXPECT_EQ(entry.text.substr(entry.text.size() - tail.size()), tail);
}

TEST(BuildEntryText, WritesNothingForAnEmptyList) {
    TestCatalog fonts(Catalog);
    for (int form : {1, 2, 3}) {
        const EntryText entry = BuildEntryText(fonts.selectedList, fonts.fontEntryText, form);
        EXPECT_EQ(entry.outcome, EntryTextOutcome::EmptyList);
        EXPECT_EQ(entry.text, "");
    }
}

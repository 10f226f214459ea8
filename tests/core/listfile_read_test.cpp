#include "listfile/list_file_text.h"

#include <gtest/gtest.h>

#include "catalog/font_catalog.h"
#include "code_pages.h"
#include "font_fixtures.h"
#include "listfile/entry_text.h"

namespace {

const char* const Catalog = "A=c:\\psfonts\\pfm\\a.pfm\r\nB=c:\\psfonts\\pfm\\b.pfm\r\n";

ListRead ReadBody(TestCatalog& fonts, std::string body, bool merge = false) {
    return ReadListBody(body.data(), fonts.atmList, fonts.selectedList, fonts.catalog, merge,
                        WesternCodePage());
}

ListRead ReadFile(TestCatalog& fonts, std::string file, bool merge = false) {
    file.append(10, '\0');
    return ReadListFileText(file.data(), fonts.atmList, fonts.selectedList, fonts.catalog, merge,
                            WesternCodePage());
}

// The catalogue a real ATM.INI gives; with sjis, its Japanese face names are the Shift-JIS
// bytes a Japanese system writes.
std::string SampleCatalog(bool sjis) {
    std::string file = ReadRealWorldFile(sjis ? "atm.ini-adobe-tn5175-appendixA-sjis.ini"
                                              : "atm.ini-adobe-tn5175-appendixA.ini");
    file.append(10, '\0');
    VectorFontList list(AsciiNameOrder);
    FontCatalog catalog;
    BuildFontCatalog(file.data(), list, catalog, WesternCodePage());
    return catalog.FontEntryText;
}

} // namespace

TEST(ReadListBody, RecognisesTheFormByItsContent) {
    const struct {
        const char* body;
        ListReadOutcome outcome;
        int form;
        Names selected;
    } rows[] = {
        {"softfonts=1\r\nsoftfont1=c:\\a.pfm\r\n", ListReadOutcome::Read, 1, {"A"}},
        {"A=c:\\a.pfm\r\nB=c:\\b.pfm\r\n", ListReadOutcome::Read, 2, {"A", "B"}},
        {"B\r\n", ListReadOutcome::Read, 3, {"B"}},
        // "softfont" anywhere, in any case, makes a file-name list form 1
        {"Renamed=c:\\SoftFont\\a.pfm\r\n", ListReadOutcome::Read, 1, {"A"}},
        {"A=c:\\a.pfm\r\n; softfont\r\n", ListReadOutcome::Read, 2, {"A"}},
        // one .pfm anywhere outside a comment makes it a file-name list
        {"A\r\nB c:\\B.PFM\r\n", ListReadOutcome::Read, 2, {"B"}},
        {"A\r\n; b.pfm\r\n", ListReadOutcome::Read, 3, {"A"}},
        {"PFM Sans\r\nA\r\n", ListReadOutcome::Read, 3, {"A"}}, // "pfm" without its dot
        {"x.pfm\r\n", ListReadOutcome::NoMatch, 0, {}},
        {"", ListReadOutcome::NoMatch, 0, {}},
    };
    for (const auto& row : rows) {
        TestCatalog fonts(Catalog);
        const ListRead read = ReadBody(fonts, row.body);
        EXPECT_EQ(read.outcome, row.outcome) << row.body;
        EXPECT_EQ(read.form, row.form) << row.body;
        EXPECT_EQ(fonts.selectedList.Names(), row.selected) << row.body;
    }
}

// A list saved in any form from any selection reads back from its file as the same selection
// and form, with the fonts of a real ATM.INI (names with spaces, digits, '@', bytes above 0x7F).
TEST(ReadListFileText, ReadsBackEveryFormItWrote) {
    for (bool sjis : {false, true}) {
        const std::string catalog = SampleCatalog(sjis);
        const Names all = TestCatalog(catalog).atmList.Names();
        ASSERT_EQ(all.size(), 25u);
        Names everyThird;
        for (size_t i = 0; i < all.size(); i += 3)
            everyThird.push_back(all[i]);
        for (const Names& selection : {all, everyThird, Names{all.back()}})
            for (int form : {1, 2, 3}) {
                TestCatalog fonts(catalog);
                fonts.Select(selection);
                const std::string file = ListFileText(
                    BuildEntryText(fonts.selectedList, fonts.fontEntryText, form).text);
                fonts.Select({all[1]}); // when not written, open mode must put it back
                const ListRead read = ReadFile(fonts, file);
                EXPECT_EQ(read.outcome, ListReadOutcome::Read) << file;
                EXPECT_EQ(read.form, form) << file;
                EXPECT_TRUE(read.match.unmatched.empty()) << file;
                EXPECT_EQ(fonts.selectedList.Names(), selection) << file;
                EXPECT_EQ(fonts.atmList.Count() + fonts.selectedList.Count(), 25) << file;
            }
    }
}

TEST(ReadListFileText, ReadsOnlyTheFontsSection) {
    const struct {
        const char* file;
        ListReadOutcome outcome;
        Names selected;
    } rows[] = {
        {"[Fonts]\r\nA\r\n[EndFonts]\r\nB\r\n", ListReadOutcome::Read, {"A"}},
        {"; saved\r\n[Other]\r\nB\r\n[Fonts]\r\nA\r\n[EndFonts]\r\n", ListReadOutcome::Read, {"A"}},
        {"[Fonts]\r\nA\r\nB", ListReadOutcome::Read, {"A", "B"}},
        {"[Fonts]\r\n[EndFonts]\r\n", ListReadOutcome::NoMatch, {}},
        {"[Fonts]", ListReadOutcome::NoFontsSection, {}},
        {"[FONTS]\r\nA\r\n[EndFonts]\r\n", ListReadOutcome::NoFontsSection, {}},
        {"A\r\nB\r\n", ListReadOutcome::NoFontsSection, {}},
    };
    for (const auto& row : rows) {
        TestCatalog fonts(Catalog);
        EXPECT_EQ(ReadFile(fonts, row.file).outcome, row.outcome) << row.file;
        EXPECT_EQ(fonts.selectedList.Names(), row.selected) << row.file;
        EXPECT_EQ(fonts.atmList.Count() + fonts.selectedList.Count(), 2) << row.file;
    }
}

// Other sections of the file name .pfm files too, before and after [Fonts].
TEST(ReadListFileText, ReadsAnAtmIniAsForm2) {
    TestCatalog fonts(SampleCatalog(false));
    const ListRead read = ReadFile(fonts, ReadRealWorldFile("atm.ini-adobe-tn5175-appendixA.ini"));
    EXPECT_EQ(read.form, FontFileForm);
    EXPECT_EQ(fonts.selectedList.Count(), 25);
}

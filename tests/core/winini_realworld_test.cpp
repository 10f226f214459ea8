#include "winini/printer_section.h"
#include "winini/winini_rebuild.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "code_pages.h"
#include "font_fixtures.h"

namespace {

std::vector<std::filesystem::path> RealWinInis() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(MARLIX_REALWORLD_DIR)) {
        if (entry.path().filename().string().rfind("win.ini", 0) == 0)
            files.push_back(entry.path());
    }
    return files;
}

std::string Body(const std::string& text, const PrinterSectionRef& section) {
    return text.substr(section.bodyStart, section.bodyEnd - section.bodyStart);
}

// Saving into each PostScript section of each real file changes that section's body and
// nothing else: the text before it, the text after it and every other section stay as they were.
TEST(RealWorldWinIni, SavingChangesOnlyTheChosenBody) {
    const std::string entry =
        "softfonts=2\r\nsoftfont1=c:\\psfonts\\pfm\\cobo____.pfm\r\n"
        "softfont2=c:\\psfonts\\pfm\\tir_____.pfm,c:\\psfonts\\tir_____.pfb\r\n";
    std::set<std::string> namesSeen;
    const std::vector<std::filesystem::path> files = RealWinInis();
    ASSERT_GE(files.size(), 10u) << MARLIX_REALWORLD_DIR;
    for (const std::filesystem::path& path : files) {
        const std::string file = ReadRealWorldFile(path.filename().string());
        const std::vector<PrinterSectionRef> before =
            ListPrinterSections(file.c_str(), WesternCodePage());
        for (std::size_t chosen = 0; chosen < before.size(); ++chosen) {
            const PrinterSectionRef& section = before[chosen];
            namesSeen.insert(section.name);
            const WinIniRebuild result =
                RebuildWinIni(file, section.bodyStart, entry, WesternCodePage());
            ASSERT_EQ(result.outcome, WinIniRebuildOutcome::Rebuilt) << path;
            const std::string& saved = result.text;
            EXPECT_EQ(saved.compare(0, section.bodyStart, file, 0, section.bodyStart), 0) << path;
            const std::string tail = file.substr(section.bodyEnd);
            ASSERT_GE(saved.size(), tail.size());
            EXPECT_EQ(saved.substr(saved.size() - tail.size()), tail) << path;

            const std::vector<PrinterSectionRef> after =
                ListPrinterSections(saved.c_str(), WesternCodePage());
            ASSERT_EQ(after.size(), before.size()) << path;
            for (std::size_t i = 0; i < after.size(); ++i) {
                EXPECT_EQ(after[i].name, before[i].name) << path;
                if (i == chosen)
                    EXPECT_EQ(Body(saved, after[i]), "ATM=placeholder\r\n" + entry + "\r\n");
                else
                    EXPECT_EQ(Body(saved, after[i]), Body(file, before[i])) << path;
            }
            EXPECT_NE(Body(file, section), Body(saved, after[chosen])) << path;
        }
    }
    // The PostScript sections of the samples, and nothing that merely looks like one
    // ([Apple LaserWriter,LPT1:], [HPPCL,LPT1], [PSCRIPT]).
    EXPECT_EQ(namesSeen, (std::set<std::string>{"PostScript,\\\\Pcapdlab\\pacrim-itasbashi",
                                                "PostScript, \\\\SJ TW 7\\panda", "PostScript,COM1",
                                                "PostScript,LPT1"}));
}

} // namespace

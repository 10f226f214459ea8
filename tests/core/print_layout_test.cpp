#include "print/page_layout.h"
#include "print/printer_device.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Fonts(int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back("Font " + std::to_string(i));
    return names;
}

TEST(PageLayout, LineStepsFromTextMetrics) {
    EXPECT_EQ(BodyLineStep(14, 2), 20);
    EXPECT_EQ(FooterLineStep(11, 1), 12);
    EXPECT_EQ(LinesPerPage(20), 45);
    EXPECT_EQ(LinesPerPage(21), 42); // remainder dropped
    EXPECT_EQ(LinesPerPage(900), 1);
    // A page always takes at least one line, or the job would never end.
    EXPECT_EQ(LinesPerPage(901), 1);
    EXPECT_EQ(LinesPerPage(0), 1);
}

TEST(PageLayout, SplitsItemsOverPagesWithNumbersCountedOverTheWholeList) {
    struct {
        int items;
        std::vector<std::size_t> linesPerPage;
    } const rows[] = {
        {0, {}}, {1, {1}}, {45, {45}}, {46, {45, 1}}, {90, {45, 45}}, {91, {45, 45, 1}},
    };
    for (const auto& row : rows) {
        const std::vector<PrintedPage> pages = LayOutListPages(Fonts(row.items), 20, 12, "");
        ASSERT_EQ(pages.size(), row.linesPerPage.size()) << row.items;
        int next = 1;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            EXPECT_EQ(pages[p].number, static_cast<long>(p + 1));
            ASSERT_EQ(pages[p].lines.size(), row.linesPerPage[p]) << row.items;
            for (const PlacedText& line : pages[p].lines) {
                const std::string name = "Font " + std::to_string(next);
                EXPECT_EQ(line.text.substr(line.text.find('\t') + 1), name);
                EXPECT_EQ(std::stol(line.text), next++);
            }
        }
    }
}

TEST(PageLayout, LineTextPadsNumbersToThreeCharacters) {
    EXPECT_EQ(ListLineText(1, "Courier"), "1  \tCourier");
    EXPECT_EQ(ListLineText(99, "A"), "99 \tA");
    EXPECT_EQ(ListLineText(100, "A"), "100\tA");
    EXPECT_EQ(ListLineText(1001, "A"), "1001\tA");
    EXPECT_EQ(ListLineText(7, ""), "7  \t");
}

// Every page gets its page number; the title line only when there is a current list file.
TEST(PageLayout, PlacesLinesAndFooterTexts) {
    for (const std::string title : {"", "fonts.mxf"}) {
        const std::vector<PrintedPage> pages = LayOutListPages(Fonts(50), 23, 13, title);
        ASSERT_EQ(pages.size(), 2u);
        for (const PrintedPage& page : pages) {
            for (std::size_t e = 0; e < page.lines.size(); ++e) {
                EXPECT_EQ(page.lines[e].x, 100);
                EXPECT_EQ(page.lines[e].y, -75 - static_cast<int>(e) * 23);
            }
            ASSERT_EQ(page.footer.size(), title.empty() ? 1u : 2u);
            EXPECT_EQ(page.footer[0].x, 720);
            EXPECT_EQ(page.footer[0].y, -1000);
            EXPECT_EQ(page.footer[0].text, "Page " + std::to_string(page.number));
            if (!title.empty()) {
                EXPECT_EQ(page.footer[1].x, 720);
                EXPECT_EQ(page.footer[1].y, -1013);
                EXPECT_EQ(page.footer[1].text, title);
            }
        }
    }
}

TEST(DeviceEntry, SplitsAtCommasAndLeavesMissingPartsEmpty) {
    struct {
        const char* entry;
        const char* device;
        const char* driver;
        const char* port;
        bool complete;
        const char* printerLine;
    } const rows[] = {
        {"Epson FX-80,EPSON,LPT1:", "Epson FX-80", "EPSON", "LPT1:", true, "Epson FX-80 on LPT1:"},
        {"Postscript Printer, Pscript, lpt1:", "Postscript Printer", " Pscript", " lpt1:", true,
         "Postscript Printer on  lpt1:"},
        {"A,B,C,D", "A", "B", "C", true, "A on C"},
        {"Apple LaserWriter,PSCRIPT", "Apple LaserWriter", "PSCRIPT", "", false,
         "Apple LaserWriter on "},
        {"Lonely", "Lonely", "", "", false, "Lonely on "},
        {"", "", "", "", false, " on "},
        {"A,,C", "A", "", "C", false, "A on C"},
        {",,", "", "", "", false, " on "},
    };
    for (const auto& row : rows) {
        const DeviceEntry split = SplitDeviceEntry(row.entry);
        EXPECT_EQ(split.device, row.device) << row.entry;
        EXPECT_EQ(split.driver, row.driver) << row.entry;
        EXPECT_EQ(split.port, row.port) << row.entry;
        EXPECT_EQ(split.complete, row.complete) << row.entry;
        EXPECT_EQ(PrinterLineText(split.device, split.port), row.printerLine) << row.entry;
    }
}

} // namespace

// The pages of a printed list, drawn into an enhanced metafile and read back from its records:
// texts, positions in hundredths of an inch, fonts, alignment and the breaks between pages.
#include "print_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "print/print_job.h"

namespace {

LOGFONTA BodyFont() {
    LOGFONTA font = {};
    font.lfHeight = 16;
    font.lfWeight = 400;
    font.lfPitchAndFamily = 0x10;
    lstrcpyA(font.lfFaceName, "Times");
    return font;
}

LOGFONTA FooterFont() {
    LOGFONTA font = {};
    font.lfHeight = 11;
    font.lfWeight = 400;
    font.lfItalic = 1;
    font.lfPitchAndFamily = 0x20;
    lstrcpyA(font.lfFaceName, "Arial");
    return font;
}

// What a font measures on a fresh metafile context, in its default units (mapMode MM_TEXT) or
// in hundredths of an inch.
TEXTMETRICA Measure(const LOGFONTA& logFont, int mapMode = MM_TEXT) {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    SetMapMode(dc, mapMode);
    HFONT font = CreateFontIndirectA(&logFont);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteEnhMetaFile(CloseEnhMetaFile(dc));
    return metrics;
}

long LineStep() {
    const TEXTMETRICA metrics = Measure(BodyFont());
    return metrics.tmHeight + metrics.tmExternalLeading + 4;
}

long FooterStep() {
    const TEXTMETRICA metrics = Measure(FooterFont());
    return metrics.tmHeight + metrics.tmExternalLeading;
}

std::string Numbered(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "F%04d", number);
    return text;
}

class PrintPages : public ::testing::Test {
  protected:
    void SetUp() override {
        list = CreateWindowExA(0, "LISTBOX", nullptr, WS_POPUP | LBS_SORT | LBS_EXTENDEDSEL, 0, 0,
                               100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override { DestroyWindow(list); }

    void Fill(int count) {
        for (int i = 1; i <= count; ++i)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Numbered(i).c_str()));
    }

    EmfReading Print() {
        HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, "marlix\0pages\0");
        PrintListPages(dc, list, title);
        HENHMETAFILE metafile = CloseEnhMetaFile(dc);
        EmfReading reading = ReadEnhMetaFile(metafile);
        DeleteEnhMetaFile(metafile);
        return reading;
    }

    HWND list = nullptr;
    const char* title = "";
};

void ExpectFont(const DrawnText& drawn, const LOGFONTA& expected) {
    SCOPED_TRACE(drawn.text);
    EXPECT_EQ(drawn.font.lfHeight, expected.lfHeight);
    EXPECT_EQ(drawn.font.lfWidth, 0);
    EXPECT_EQ(drawn.font.lfWeight, expected.lfWeight);
    EXPECT_EQ(drawn.font.lfItalic, expected.lfItalic);
    EXPECT_EQ(drawn.font.lfUnderline, 0);
    EXPECT_EQ(drawn.font.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(drawn.font.lfPitchAndFamily, expected.lfPitchAndFamily);
    EXPECT_EQ(std::wstring(drawn.font.lfFaceName), Wide(expected.lfFaceName));
}

TEST_F(PrintPages, LinesAndFooterInHundredthsOfAnInchWithTheirFontsAndAlignment) {
    Fill(3);
    title = "fonts.mxf";
    const EmfReading reading = Print();
    const long step = LineStep();
    // Default tab stops: every eight average character widths of the body font, counted from
    // the left edge of the lines.
    const long tab = 8 * Measure(BodyFont(), MM_LOENGLISH).tmAveCharWidth;

    EXPECT_EQ(reading.pages, 1);
    ASSERT_EQ(reading.texts.size(), 3u * 2 + 2);
    for (int e = 0; e < 3; ++e) {
        const DrawnText& number = reading.texts[2 * e];
        const DrawnText& name = reading.texts[2 * e + 1];
        EXPECT_EQ(number.text, std::to_string(e + 1) + "  ");
        EXPECT_EQ(name.text, Numbered(e + 1));
        EXPECT_EQ(number.x, 100);
        EXPECT_EQ(name.x, 100 + tab);
        EXPECT_EQ(number.y, -75 - e * step);
        EXPECT_EQ(name.y, number.y);
        for (const DrawnText* drawn : {&number, &name}) {
            ExpectFont(*drawn, BodyFont());
            EXPECT_EQ(drawn->align, UINT(TA_LEFT | TA_BOTTOM));
        }
    }
    const DrawnText& pageLine = reading.texts[6];
    const DrawnText& title = reading.texts[7];
    EXPECT_EQ(pageLine.text, "Page 1");
    EXPECT_EQ(pageLine.x, 720);
    EXPECT_EQ(pageLine.y, -1000);
    EXPECT_EQ(title.text, "fonts.mxf");
    EXPECT_EQ(title.x, 720);
    EXPECT_EQ(title.y, -1000 - FooterStep());
    for (const DrawnText* drawn : {&pageLine, &title}) {
        ExpectFont(*drawn, FooterFont());
        EXPECT_EQ(drawn->align, UINT(TA_RIGHT | TA_BOTTOM));
    }
    for (const DrawnText& drawn : reading.texts) {
        EXPECT_EQ(drawn.mapMode, MM_LOENGLISH);
        EXPECT_EQ(drawn.backgroundMode, TRANSPARENT);
        EXPECT_EQ(drawn.color, RGB(0, 0, 0));
    }
    // Both fonts are put out of the context and deleted when the list is done.
    EXPECT_EQ(reading.fontsCreated, 2);
    EXPECT_EQ(reading.fontsDeleted, 2);
    EXPECT_FALSE(reading.fontSelectedAtEnd);
}

TEST_F(PrintPages, BreaksPagesAfterNineInchesOfLinesAndNumbersOverTheWholeList) {
    const long perPage = 900 / LineStep();
    ASSERT_GT(perPage, 30); // a 16-unit font: about 45 lines a page
    const int count = static_cast<int>(2 * perPage + 10);
    Fill(count);
    const EmfReading reading = Print();
    ASSERT_EQ(reading.pages, 3);

    std::vector<int> lines(4, 0);
    long nameX = -1;
    int number = 0;
    for (const DrawnText& drawn : reading.texts) {
        if (drawn.align == UINT(TA_RIGHT | TA_BOTTOM)) {
            // No current list file: the page line alone.
            EXPECT_EQ(drawn.text, "Page " + std::to_string(drawn.page));
            EXPECT_EQ(drawn.y, -1000);
            continue;
        }
        if (drawn.x == 100) {
            ++number;
            const int line = lines[drawn.page]++;
            EXPECT_EQ(drawn.y, -75 - line * LineStep()) << drawn.text;
            EXPECT_EQ(drawn.page, 1 + (number - 1) / static_cast<int>(perPage));
            char expected[8];
            std::snprintf(expected, sizeof expected, "%-3d", number);
            EXPECT_EQ(drawn.text, expected);
        } else {
            // Every name stands at the same tab stop, also behind three-digit numbers.
            EXPECT_EQ(drawn.text, Numbered(number));
            if (nameX < 0)
                nameX = drawn.x;
            EXPECT_EQ(drawn.x, nameX) << drawn.text;
        }
    }
    EXPECT_EQ(number, count);
    EXPECT_EQ(lines[1], perPage);
    EXPECT_EQ(lines[2], perPage);
    EXPECT_EQ(lines[3], 10);
}

TEST_F(PrintPages, EmptyListDrawsNoPage) {
    title = "fonts.mxf";
    const EmfReading reading = Print();
    EXPECT_EQ(reading.pages, 0);
    EXPECT_TRUE(reading.texts.empty());
    EXPECT_EQ(reading.fontsDeleted, reading.fontsCreated);
}

} // namespace

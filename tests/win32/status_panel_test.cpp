// The status panel as it stands on screen: the frames, the two count lines and their redraw.
#include "marlix_test.h"

#include "app/main_window.h"
#include "app/status_panel.h"
#include "resource.h"
#include "window_probe.h"

namespace {

const COLORREF Navy = RGB(0, 0, 128), Yellow = RGB(255, 255, 0), Green = RGB(0, 255, 0);

class StatusPanel : public MarlixTest {
  protected:
    void Painted() {
        InvalidateRect(mainWindow, nullptr, TRUE);
        UpdateWindow(mainWindow);
    }
    // A list box covers the lower edges of its frame.
    bool UnderAList(int x, int y) {
        POINT point = {x, y};
        for (HWND list : {App.AtmList, App.SelectedList}) {
            RECT rect;
            GetWindowRect(list, &rect);
            MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&rect), 2);
            if (PtInRect(&rect, point))
                return true;
        }
        return false;
    }
    int WrongPixel(int x, int y, COLORREF colour, int& seen) {
        if (UnderAList(x, y))
            return 0;
        ++seen;
        return PixelAt(mainWindow, x, y) != colour;
    }
    // Every visible pixel of a frame's one-pixel border has the colour; the pixels just inside
    // and just outside its corners do not.
    void ExpectFrame(const RECT& frame, COLORREF colour) {
        int wrong = 0, seen = 0;
        for (int x = frame.left; x < frame.right; ++x)
            wrong += WrongPixel(x, frame.top, colour, seen) +
                     WrongPixel(x, frame.bottom - 1, colour, seen);
        for (int y = frame.top; y < frame.bottom; ++y)
            wrong += WrongPixel(frame.left, y, colour, seen) +
                     WrongPixel(frame.right - 1, y, colour, seen);
        EXPECT_EQ(wrong, 0) << "frame " << frame.left << "," << frame.top;
        const int border = 2 * (frame.right - frame.left + frame.bottom - frame.top);
        EXPECT_GT(seen, border / 2) << "frame " << frame.left << "," << frame.top;
        EXPECT_NE(PixelAt(mainWindow, frame.left + 1, frame.top + 1), colour);
        EXPECT_NE(PixelAt(mainWindow, frame.right, frame.bottom), colour);
        EXPECT_NE(PixelAt(mainWindow, frame.left - 1, frame.top - 1), colour);
    }
    void ExpectLines(const std::string& catalogLine, const std::string& selectedLine) {
        EXPECT_EQ(TextDifference(mainWindow, {12, 208}, catalogLine, Yellow, Navy), 0)
            << catalogLine;
        EXPECT_EQ(TextDifference(mainWindow, {231, 208}, selectedLine, Green, Navy), 0)
            << selectedLine;
    }
    // Navy from the end of the line's text to the right end of the count area.
    int NonNavyAfter(const std::string& line, POINT origin) {
        SIZE extent = DefaultFontExtent(line);
        int found = 0;
        for (int y = origin.y; y < origin.y + extent.cy; ++y)
            for (int x = origin.x + extent.cx; x < 448; ++x)
                found += PixelAt(mainWindow, x, y) != Navy;
        return found;
    }
};

TEST_F(StatusPanel, FramesStandAtTheirRectanglesAlsoAfterAResize) {
    ASSERT_TRUE(CreateMainWindow());
    for (int round = 0; round < 2; ++round) {
        Painted();
        ExpectFrame({7, 37, 223, 203}, Yellow);
        ExpectFrame({1, 31, 449, 230}, Yellow);
        ExpectFrame({227, 37, 443, 203}, Green);
        EXPECT_EQ(PixelAt(mainWindow, 225, 100), Navy) << "between the lists";
        MoveWindow(mainWindow, 60, 50, 700, 500, TRUE);
    }
}

TEST_F(StatusPanel, BothListsStandEquallyTallWhateverTheyHold) {
    WriteAtmIni(SampleFontLines(35)); // more than the left list shows at once
    ASSERT_TRUE(CreateMainWindow());
    for (int id : {0, IDM_ADD_ALL_FONTS, IDM_NEW_LIST}) {
        Command(id);
        RECT atm, selected;
        GetWindowRect(App.AtmList, &atm);
        GetWindowRect(App.SelectedList, &selected);
        EXPECT_EQ(atm.bottom - atm.top, 166) << id;
        EXPECT_EQ(selected.bottom - selected.top, 166) << id;
        EXPECT_EQ(atm.top, selected.top) << id;
    }
}

TEST_F(StatusPanel, CountLinesShowTheCountsInTheirColours) {
    WriteAtmIni(SampleFontLines(12));
    ASSERT_TRUE(CreateMainWindow());
    Painted();
    ExpectLines("Number of Fonts: 12    ", "Selected Fonts: 0    ");

    SelectItems(App.AtmList, {"Nimbus Sans", "URW Gothic", "P052"});
    SendMessageA(mainWindow, WM_COMMAND, IDM_ADD_FONTS, 0);
    // Drawn at once by the move, before any paint.
    EXPECT_EQ(TextDifference(mainWindow, {231, 208}, "Selected Fonts: 3    ", Green, Navy), 0);
    Painted();
    ExpectLines("Number of Fonts: 12    ", "Selected Fonts: 3    ");
}

TEST_F(StatusPanel, NoStaleDigitWhenTheCountDropsFrom100To99) {
    WriteAtmIni(SampleFontLines(120));
    ASSERT_TRUE(CreateMainWindow());
    SendMessageA(App.AtmList, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 99));
    Command(IDM_ADD_FONTS);
    Painted();
    ExpectLines("Number of Fonts: 120    ", "Selected Fonts: 100    ");

    SendMessageA(App.SelectedList, LB_SETSEL, TRUE, 50);
    SendMessageA(mainWindow, WM_COMMAND, IDM_REMOVE_FONTS, 0);
    const std::string line = "Selected Fonts: 99    ";
    EXPECT_EQ(TextDifference(mainWindow, {231, 208}, line, Green, Navy), 0);
    EXPECT_EQ(NonNavyAfter(line, {231, 208}), 0) << "at once";
    UpdateWindow(mainWindow);
    EXPECT_EQ(TextDifference(mainWindow, {231, 208}, line, Green, Navy), 0);
    EXPECT_EQ(NonNavyAfter(line, {231, 208}), 0) << "after the paint";
}

TEST_F(StatusPanel, SpanishLinesAfterTheSwitchAtTheSamePlaces) {
    ASSERT_TRUE(CreateMainWindow());
    Command(IDM_SPANISH);
    UpdateWindow(mainWindow);
    ExpectLines("N\xFAmero de Fuentes: 5    ", "Fuentes Seleccionadas : 0    ");
    Command(IDM_ENGLISH);
    UpdateWindow(mainWindow);
    ExpectLines("Number of Fonts: 5    ", "Selected Fonts: 0    ");
    EXPECT_EQ(NonNavyAfter("Selected Fonts: 0    ", {231, 208}), 0);
}

TEST_F(StatusPanel, AFailedCatalogueShowsZeroFonts) {
    windows.Remove("atm.ini");
    dialogs.ThenClick(IDOK);
    ASSERT_TRUE(CreateMainWindow());
    Painted();
    ExpectLines("Number of Fonts: 0    ", "Selected Fonts: 0    ");
}

TEST_F(StatusPanel, AnyPaintRedrawsTheSelectedCountArea) {
    ASSERT_TRUE(CreateMainWindow());
    UpdateWindow(mainWindow);
    // Scribble over the count line, then cause a paint of an unrelated corner.
    HDC dc = GetDC(mainWindow);
    RECT scribble = {300, 210, 330, 220};
    FillRect(dc, &scribble, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(mainWindow, dc);
    RECT client;
    GetClientRect(mainWindow, &client);
    RECT corner = {client.right - 4, client.bottom - 4, client.right, client.bottom};
    InvalidateRect(mainWindow, &corner, TRUE);
    UpdateWindow(mainWindow);
    ExpectLines("Number of Fonts: 5    ", "Selected Fonts: 0    ");
    EXPECT_EQ(NonNavyAfter("Selected Fonts: 0    ", {231, 208}), 0);
}

} // namespace

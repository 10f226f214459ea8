// The font sample: the right button in the lists, the sample window and its closing events.
#include "marlix_test.h"

#include <string>

#include "app/main_window.h"
#include "controls/font_sample.h"
#include "resource.h"
#include "window_probe.h"

namespace {

int rebuilds;
WNDPROC sampleProc;

// Counts the rebuild commands that reach the sample window.
LRESULT CALLBACK CountRebuilds(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == SampleRebuildCommand)
        ++rebuilds;
    return CallWindowProcA(sampleProc, window, message, wParam, lParam);
}

// The face a list item names: the text before its comma.
std::string FaceOf(const std::string& item) {
    return item.substr(0, item.find(','));
}

class FontSampleTest : public MarlixTest {
  protected:
    HWND Sample() const { return FindWindowExA(mainWindow, nullptr, "MXShowFontClass", nullptr); }
    int SampleCount() const {
        int count = 0;
        for (HWND child = nullptr;
             (child = FindWindowExA(mainWindow, child, "MXShowFontClass", nullptr));)
            ++count;
        return count;
    }
    static std::string Face(HWND sample) { return WindowFont(sample).lfFaceName; }
    void WatchRebuilds(HWND sample) {
        rebuilds = 0;
        sampleProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(sample, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountRebuilds)));
    }
    // A y inside row n of the list (rows are 15 pixels).
    static int Row(int n, int within = 7) { return n * 15 + within; }
    static void Mouse(HWND list, UINT message, WPARAM keys, int y) {
        SendMessageA(list, message, keys, MAKELPARAM(30, y));
    }
    static int Caret(HWND list) {
        return static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0));
    }
    static int SelCount(HWND list) {
        return static_cast<int>(SendMessageA(list, LB_GETSELCOUNT, 0, 0));
    }
};

TEST_F(FontSampleTest, RightPressShowsTheItemAndTheSampleFollowsThePointer) {
    ASSERT_TRUE(CreateMainWindow());
    HWND list = App.AtmList;
    const std::vector<std::string> items = Items(list);
    ASSERT_EQ(items.size(), 5u);
    SelectItems(list, {items[3]});

    Mouse(list, WM_RBUTTONDOWN, MK_RBUTTON, Row(1));
    HWND sample = Sample(); // at once, before any message is pumped
    ASSERT_TRUE(sample);
    EXPECT_EQ(FontSample.FontSampleWindow, sample);
    EXPECT_TRUE(IsWindowVisible(sample));
    EXPECT_EQ(GetDlgCtrlID(sample), IDC_FONT_SAMPLE);
    RECT place;
    GetWindowRect(sample, &place);
    MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 250);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.right - place.left, 200);
    EXPECT_EQ(place.bottom - place.top, 35);
    EXPECT_EQ(Face(sample), items[1]);
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(GetCapture(), list);
    EXPECT_EQ(Caret(list), 1);
    WatchRebuilds(sample);

    // Within the same item: nothing is rebuilt.
    Mouse(list, WM_MOUSEMOVE, MK_RBUTTON, Row(1, 1));
    Mouse(list, WM_MOUSEMOVE, MK_RBUTTON, Row(1, 14));
    PumpMessages();
    EXPECT_EQ(rebuilds, 0);

    // The next item: the same window shows it.
    Mouse(list, WM_MOUSEMOVE, MK_RBUTTON, Row(2));
    PumpMessages();
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(Sample(), sample);
    EXPECT_EQ(Face(sample), items[2]);
    EXPECT_EQ(Caret(list), 2);
    Mouse(list, WM_MOUSEMOVE, MK_RBUTTON, Row(0));
    PumpMessages();
    EXPECT_EQ(rebuilds, 2);
    EXPECT_EQ(Face(sample), items[0]);
    EXPECT_EQ(SampleCount(), 1);

    // The selection never changed.
    EXPECT_EQ(SelCount(list), 1);
    EXPECT_GT(SendMessageA(list, LB_GETSEL, 3, 0), 0);

    Mouse(list, WM_RBUTTONUP, 0, Row(0));
    EXPECT_FALSE(IsWindow(sample));
    EXPECT_EQ(FontSample.FontSampleWindow, nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(SelCount(list), 1);
}

TEST_F(FontSampleTest, PressBelowTheLastItemShowsNoSample) {
    ASSERT_TRUE(CreateMainWindow());
    HWND list = App.AtmList;
    Mouse(list, WM_RBUTTONDOWN, MK_RBUTTON, Row(6));
    PumpMessages();
    EXPECT_EQ(Sample(), nullptr);
    EXPECT_EQ(FontSample.FontSampleWindow, nullptr);
    // Dragging up onto the last item shows it.
    Mouse(list, WM_MOUSEMOVE, MK_RBUTTON, Row(4));
    ASSERT_TRUE(Sample());
    EXPECT_EQ(Face(Sample()), Items(list)[4]);
    Mouse(list, WM_RBUTTONUP, 0, Row(4));
    EXPECT_EQ(Sample(), nullptr);
}

TEST_F(FontSampleTest, ShiftOrCtrlWithTheRightButtonShowsNoSample) {
    ASSERT_TRUE(CreateMainWindow());
    HWND list = App.AtmList;
    for (WPARAM keys : {WPARAM(MK_RBUTTON | MK_SHIFT), WPARAM(MK_RBUTTON | MK_CONTROL),
                        WPARAM(MK_RBUTTON | MK_LBUTTON)}) {
        SetFocus(mainWindow);
        Mouse(list, WM_RBUTTONDOWN, keys, Row(2));
        Mouse(list, WM_MOUSEMOVE, keys, Row(3));
        PumpMessages();
        EXPECT_EQ(Sample(), nullptr) << keys;
        EXPECT_NE(Caret(list), 2) << keys;
        EXPECT_NE(Caret(list), 3) << keys;
        // The list box still takes the focus and the capture, and the release frees it.
        EXPECT_EQ(GetFocus(), list) << keys;
        EXPECT_EQ(GetCapture(), list) << keys;
        Mouse(list, WM_RBUTTONUP, 0, Row(3));
        EXPECT_EQ(GetCapture(), nullptr) << keys;
    }
}

TEST_F(FontSampleTest, OnlyOneSampleWindowEverExists) {
    ASSERT_TRUE(CreateMainWindow());
    HWND list = App.AtmList;
    // The list already has the focus, so the right press below changes nothing there (a focus
    // change would close the sample through the main window).
    SetFocus(list);
    PumpMessages();
    SendMessageA(list, LB_SETCARETINDEX, 2, FALSE);
    FontSample.FontSampleWindow = ShowFontSample(list);
    HWND sample = FontSample.FontSampleWindow;
    ASSERT_TRUE(sample);
    WatchRebuilds(sample);
    SendMessageA(list, LB_SETCARETINDEX, 4, FALSE);
    EXPECT_EQ(ShowFontSample(list), sample);
    Mouse(list, WM_RBUTTONDOWN, MK_RBUTTON, Row(1));
    Mouse(list, WM_MOUSEMOVE, MK_RBUTTON, Row(3));
    PumpMessages();
    EXPECT_EQ(SampleCount(), 1);
    EXPECT_EQ(rebuilds, 3);
    EXPECT_EQ(Face(sample), Items(list)[3]);
    Mouse(list, WM_RBUTTONUP, 0, Row(3));
    EXPECT_EQ(SampleCount(), 0);
}

TEST_F(FontSampleTest, AClickOrKeyInTheSampleClosesItAndTheNextPressOpensANewOne) {
    ASSERT_TRUE(CreateMainWindow());
    HWND list = App.AtmList;
    for (UINT closing : {WM_LBUTTONDOWN, WM_KEYDOWN}) {
        SendMessageA(list, LB_SETCARETINDEX, 0, FALSE);
        FontSample.FontSampleWindow = ShowFontSample(list);
        HWND sample = FontSample.FontSampleWindow;
        ASSERT_TRUE(sample);
        // Over the toolbar strip as below it, a click lands in the sample.
        for (POINT click : {POINT{260, 2}, POINT{440, 28}, POINT{300, 33}})
            EXPECT_EQ(ChildWindowFromPointEx(mainWindow, click, CWP_SKIPINVISIBLE), sample)
                << click.x << "," << click.y;
        SendMessageA(sample, closing, closing == WM_KEYDOWN ? VK_SPACE : MK_LBUTTON, 0);
        EXPECT_FALSE(IsWindow(sample));
        EXPECT_EQ(FontSample.FontSampleWindow, nullptr)
            << "the record must not name a closed window";

        Mouse(list, WM_RBUTTONDOWN, MK_RBUTTON, Row(2));
        ASSERT_TRUE(Sample());
        EXPECT_EQ(FontSample.FontSampleWindow, Sample());
        EXPECT_EQ(Face(Sample()), Items(list)[2]);
        Mouse(list, WM_RBUTTONUP, 0, Row(2));
    }
}

// Ctrl+S shows the sample of the font selected in the list that has the focus; the list takes
// the keys, and any of them, a modifier alone too, closes the sample.
TEST_F(FontSampleTest, AnyKeyClosesTheSampleThatCtrlSOpened) {
    ASSERT_TRUE(CreateMainWindow());
    SetFocus(App.AtmList);
    SendMessageA(App.AtmList, LB_SETSEL, TRUE, 1);
    for (WORD key : {WORD(VK_ESCAPE), WORD(VK_SHIFT), WORD(VK_CONTROL)}) {
        PressKeys({VK_CONTROL, 'S'});
        ASSERT_TRUE(Sample()) << key;
        PressKeys({key});
        EXPECT_FALSE(Sample()) << key;
        EXPECT_EQ(FontSample.FontSampleWindow, nullptr) << key;
    }
}

TEST_F(FontSampleTest, StyleWordsGiveWeightAndSlant) {
    const std::string longName = "Nimbus Sans Narrow Extended Family Name";
    WriteAtmIni({"Nimbus Sans,BOLDITALIC=C:\\PSFONTS\\PFM\\NSBI.PFM,C:\\PSFONTS\\NSBI.PFB",
                 "Nimbus Roman,Bold=C:\\PSFONTS\\PFM\\NRB.PFM,C:\\PSFONTS\\NRB.PFB",
                 "Nimbus Mono PS=C:\\PSFONTS\\PFM\\NM.PFM,C:\\PSFONTS\\NM.PFB",
                 "URW Gothic, BOLD=C:\\PSFONTS\\PFM\\UG.PFM,C:\\PSFONTS\\UG.PFB",
                 "P052,italic=C:\\PSFONTS\\PFM\\PI.PFM,C:\\PSFONTS\\PI.PFB",
                 longName + ",BOLD=C:\\PSFONTS\\PFM\\LN.PFM,C:\\PSFONTS\\LN.PFB"});
    ASSERT_TRUE(CreateMainWindow());
    HWND list = App.AtmList;
    struct Expected {
        const char* item;
        std::string face;
        LONG weight;
        BYTE italic;
    };
    const Expected expected[] = {
        {"Nimbus Sans,BOLDITALIC", "Nimbus Sans", 700, 1},
        {"Nimbus Roman,Bold", "Nimbus Roman", 700, 0},
        {"Nimbus Mono PS", "Nimbus Mono PS", 0, 0},
        {"URW Gothic, BOLD", "URW Gothic", 0, 0},
        {"P052,italic", "P052", 0, 1},
        {"", longName.substr(0, 31), 700, 0},
    };
    const std::vector<std::string> items = Items(list);
    for (const Expected& e : expected) {
        std::string item = *e.item ? e.item : longName + ",BOLD";
        int index = -1;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i] == item)
                index = static_cast<int>(i);
        ASSERT_GE(index, 0) << item;
        Mouse(list, WM_RBUTTONDOWN, MK_RBUTTON, Row(index));
        PumpMessages();
        ASSERT_TRUE(Sample()) << item;
        LOGFONTA font = WindowFont(Sample());
        EXPECT_EQ(font.lfFaceName, e.face) << item;
        EXPECT_EQ(font.lfWeight, e.weight) << item;
        EXPECT_EQ(font.lfItalic, e.italic) << item;
        EXPECT_EQ(font.lfHeight, 30) << item;
        EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET) << item;
        if (item == "Nimbus Sans,BOLDITALIC") {
            // The font mapper really gives the bold italic face (fonts-urw-base35 under wine).
            HDC dc = GetDC(Sample());
            TEXTMETRICA metrics;
            GetTextMetricsA(dc, &metrics);
            char face[LF_FACESIZE] = "";
            GetTextFaceA(dc, sizeof face, face);
            ReleaseDC(Sample(), dc);
            EXPECT_GE(metrics.tmWeight, 600);
            EXPECT_TRUE(metrics.tmItalic);
            EXPECT_STREQ(face, "Nimbus Sans");
        }
        Mouse(list, WM_RBUTTONUP, 0, Row(index));
    }
}

TEST_F(FontSampleTest, DraggingBeyondTheListScrollsOneItemPerMove) {
    WriteAtmIni(SampleFontLines(30));
    ASSERT_TRUE(CreateMainWindow());
    HWND list = App.AtmList;
    const std::vector<std::string> items = Items(list);
    SendMessageA(list, LB_SETTOPINDEX, 12, 0);
    Mouse(list, WM_RBUTTONDOWN, MK_RBUTTON, Row(0));
    EXPECT_EQ(Face(Sample()), FaceOf(items[12]));
    // Above the list box y is negative: the item before the first visible one, each move.
    for (int expectedTop = 11; expectedTop >= 9; --expectedTop) {
        Mouse(list, WM_MOUSEMOVE, MK_RBUTTON, -20);
        PumpMessages();
        EXPECT_EQ(Caret(list), expectedTop);
        EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), expectedTop);
        EXPECT_EQ(Face(Sample()), FaceOf(items[expectedTop]));
    }
    // Below the list the target stays at row 10; under wine the list box shows rows 0 to 9
    // whole, so each such target scrolls the list down one item.
    for (int expectedCaret = 19; expectedCaret <= 21; ++expectedCaret) {
        Mouse(list, WM_MOUSEMOVE, MK_RBUTTON, 400);
        PumpMessages();
        EXPECT_EQ(Caret(list), expectedCaret);
        EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), expectedCaret - 9);
        EXPECT_EQ(Face(Sample()), FaceOf(items[expectedCaret]));
    }
    Mouse(list, WM_RBUTTONUP, 0, 400);
}

TEST_F(FontSampleTest, TheSelectedListSubclassWorksTheSame) {
    ASSERT_TRUE(CreateMainWindow());
    HWND list = App.SelectedList;
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Nimbus Roman,ITALIC"));
    Mouse(list, WM_RBUTTONDOWN, MK_RBUTTON, Row(0));
    ASSERT_TRUE(Sample());
    EXPECT_EQ(Face(Sample()), "Nimbus Roman");
    EXPECT_EQ(WindowFont(Sample()).lfItalic, 1);
    Mouse(list, WM_RBUTTONUP, 0, Row(0));
    EXPECT_EQ(Sample(), nullptr);
    // Messages the subclass does not handle still reach the list box.
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
}

// The press moves the focus to the other list, whose notification closes the old sample; the
// press then opens one of its own item, which that notification must not close.
TEST_F(FontSampleTest, ARightPressInTheOtherListReplacesTheSample) {
    ASSERT_TRUE(CreateMainWindow());
    const std::vector<std::string> fonts = Items(App.AtmList);
    SelectItems(App.AtmList, {fonts[4]});
    Command(IDM_ADD_FONTS);
    SelectItems(App.AtmList, {fonts[1]});
    SetFocus(App.AtmList);
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_ATM_LIST, LBN_SELCHANGE), 0);
    Command(IDM_SHOW_SAMPLE);
    HWND shown = FontSample.FontSampleWindow;
    ASSERT_TRUE(shown);
    ASSERT_EQ(Face(shown), fonts[1]);

    Mouse(App.SelectedList, WM_RBUTTONDOWN, MK_RBUTTON, Row(0));
    PumpMessages();
    EXPECT_FALSE(IsWindow(shown));
    ASSERT_TRUE(Sample());
    EXPECT_EQ(Face(Sample()), fonts[4]);
    Mouse(App.SelectedList, WM_RBUTTONUP, 0, Row(0));
    EXPECT_EQ(FontSample.FontSampleWindow, nullptr);
}

} // namespace

// Start-up (the command line's file, the stored geometry, always on top from the settings),
// the geometry written at every kind of close, and files dropped on the window.
#include "marlix_test.h"

#include "app/main_window.h"
#include "app/start_up.h"
#include "base/geometry.h"
#include "controls/toolbar.h"
#include "listfile/list_file.h"
#include "resource.h"
#include "window_probe.h"

namespace {

RECT OuterRect(HWND window) {
    RECT outer = {};
    GetWindowRect(window, &outer);
    return outer;
}

RECT ScreenWorkArea() {
    RECT area = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

class StartUp : public MarlixTest {
  protected:
    void Start(const char* commandLine) {
        mainWindow = StartMainWindow(GetModuleHandleA(nullptr), commandLine, SW_SHOWNORMAL);
        ASSERT_TRUE(mainWindow);
    }
    void Drop(const std::vector<std::string>& paths) {
        SendMessageA(mainWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
    }
};

TEST_F(StartUp, CommandLineNamesTheListFileToOpen) {
    const struct {
        const char* commandLine;
        const char* path;
        const char* title;
    } cases[] = {
        {"\"C:\\My Lists\\Office fonts.mxf\"", "C:\\My Lists\\Office fonts.mxf",
         "Office fonts.mxf"},
        {"C:\\My Lists\\Office fonts.mxf", "C:\\My Lists\\Office fonts.mxf", "Office fonts.mxf"},
        {"Office.mxf", "Office.mxf", "Office.mxf"},
        {"\"Office.mxf\"", "Office.mxf", "Office.mxf"},
    };
    for (const auto& c : cases) {
        Start(c.commandLine);
        EXPECT_STREQ(NamedListFile(App.NamedListPath).CurrentListPath, c.path) << c.commandLine;
        EXPECT_STREQ(NamedListFile(App.NamedListPath).CurrentListTitle, c.title) << c.commandLine;
        EXPECT_TRUE(App.OpenListOnStart);
        // The file is opened by command 35 once the loop runs.
        EXPECT_EQ(TakePostedCommands(mainWindow), std::vector<int>{IDM_OPEN_NAMED_LIST});
        DestroyMainWindow();
    }
}

TEST_F(StartUp, NoFileIsTakenFromAnEmptyALoneQuoteOrAnOverlongCommandLine) {
    const std::string overlong = "C:\\" + std::string(257, 'x');
    for (const char* commandLine : {"", "\"", overlong.c_str()}) {
        Start(commandLine);
        EXPECT_FALSE(App.OpenListOnStart) << commandLine;
        EXPECT_STREQ(App.NamedListPath, "") << commandLine;
        EXPECT_TRUE(TakePostedCommands(mainWindow).empty()) << commandLine;
        DestroyMainWindow();
    }
}

TEST_F(StartUp, StoredGeometryOutsideItsRangeGivesTheDefault) {
    const long right = ScreenWorkArea().right, bottom = ScreenWorkArea().bottom;
    const struct {
        const char* settings;
        RECT expected; // left, top, right, bottom
    } cases[] = {
        {"", {40, 40, 40 + 463, 40 + 288}},
        {"LastWidth=150\r\nLastHeight=199\r\nLastLeft=0\r\nLastTop=361\r\n",
         {40, 40, 40 + 463, 40 + 288}},
        {"LastWidth=801\r\nLastHeight=601\r\nLastLeft=601\r\nLastTop=1\r\n",
         {40, 40, 40 + 463, 40 + 288}},
        {"LastWidth=200\r\nLastHeight=200\r\nLastLeft=2\r\nLastTop=2\r\n", {2, 2, 202, 202}},
        // Kept, then brought onto the work area with its size (the test screen is 1024 by 768).
        {"LastWidth=800\r\nLastHeight=600\r\nLastLeft=600\r\nLastTop=360\r\n",
         {right - 800, bottom - 600, right, bottom}},
        {"LastWidth=463\r\nLastHeight=288\r\nLastLeft=600\r\nLastTop=360\r\n",
         {right - 463, 360, right, 648}},
        {"LastWidth=500\r\nLastLeft=1\r\n", {40, 40, 540, 328}},
    };
    for (const auto& c : cases) {
        WriteSettings(std::string("[Window]\r\n") + c.settings);
        Start("");
        RECT outer = OuterRect(mainWindow);
        EXPECT_TRUE(EqualRect(&outer, &c.expected))
            << c.settings << " gave " << outer.left << "," << outer.top << "," << outer.right << ","
            << outer.bottom;
        DestroyMainWindow();
    }
    windows.Remove("Marlix.ini");
    Start("");
    RECT outer = OuterRect(mainWindow);
    RECT defaults = {40, 40, 503, 328};
    EXPECT_TRUE(EqualRect(&outer, &defaults)) << "no settings file";
}

TEST_F(StartUp, AlwaysOnTopFromTheSettingsStartsTopmostAndIsWrittenAgain) {
    WriteSettings("[Options]\r\nAlwaysOnTop=5\r\n");
    Start("");
    EXPECT_FALSE(App.IsAlwaysOnTop) << "set by the posted command, not during creation";
    EXPECT_EQ(TakePostedCommands(mainWindow), std::vector<int>{IDM_ALWAYS_ON_TOP});
    DestroyMainWindow();

    // Now with the posted command delivered; also when it is delivered inside the message box
    // that the catalogue's load shows while the window is created.
    for (bool corruptFont : {false, true}) {
        SCOPED_TRACE(corruptFont ? "with a message at start" : "plain start");
        std::vector<std::string> fonts = SampleFontLines(3);
        if (corruptFont) {
            fonts.push_back(std::string(64, 'K') + "=C:\\PSFONTS\\PFM\\K.PFM");
            dialogs.Then([](SeenDialog& box) {
                EXPECT_EQ(box.text, "Corrupt font information of 1 font(s).");
                return IDOK;
            });
        }
        WriteAtmIni(fonts);
        ASSERT_TRUE(CreateMainWindow());
        EXPECT_TRUE(App.IsAlwaysOnTop);
        EXPECT_TRUE(GetWindowLongA(mainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(ReadSettingValue("Options", "AlwaysOnTop"), 1);
        HMENU preference = GetSubMenu(GetMenu(mainWindow), 2);
        SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(preference), 2);
        EXPECT_TRUE(GetMenuState(preference, IDM_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED);
        DestroyMainWindow();
    }
}

TEST_F(StartUp, GeometryIsWrittenOnExitAndOnEveryClose) {
    const struct {
        const char* how;
        void (*close)(HWND);
    } closes[] = {
        {"Exit", [](HWND w) { SendMessageA(w, WM_COMMAND, IDM_EXIT, 0); }},
        {"system menu", [](HWND w) { SendMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"WM_CLOSE", [](HWND w) { SendMessageA(w, WM_CLOSE, 0, 0); }},
    };
    int shift = 0;
    for (const auto& c : closes) {
        windows.Remove("Marlix.ini");
        ASSERT_TRUE(CreateMainWindow());
        MoveWindow(mainWindow, 50 + shift, 60 + shift, 520 + shift, 310 + shift, TRUE);
        c.close(mainWindow);
        EXPECT_FALSE(IsWindow(mainWindow)) << c.how;
        MSG quit;
        EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << c.how;
        EXPECT_EQ(quit.wParam, 0u);
        EXPECT_EQ(ReadSettingValue("Window", "LastWidth"), 520 + shift) << c.how;
        EXPECT_EQ(ReadSettingValue("Window", "LastHeight"), 310 + shift) << c.how;
        EXPECT_EQ(ReadSettingValue("Window", "LastLeft"), 50 + shift) << c.how;
        EXPECT_EQ(ReadSettingValue("Window", "LastTop"), 60 + shift) << c.how;
        shift += 7;
    }
    // The list font and the lists are gone with the window.
    EXPECT_EQ(App.AtmList, nullptr);
    EXPECT_EQ(App.ListFont, nullptr);
    EXPECT_TRUE(beeps.empty());
}

TEST_F(StartUp, AWindowClosedWhileMinimizedStoresThatRectangleAndStartsInRange) {
    ASSERT_TRUE(CreateMainWindow());
    ShowWindow(mainWindow, SW_MINIMIZE);
    PumpMessages();
    RECT minimized = OuterRect(mainWindow);
    SendMessageA(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_EQ(ReadSettingValue("Window", "LastLeft"), minimized.left);
    EXPECT_EQ(ReadSettingValue("Window", "LastTop"), minimized.top);
    EXPECT_EQ(ReadSettingValue("Window", "LastWidth"), minimized.right - minimized.left);
    EXPECT_EQ(ReadSettingValue("Window", "LastHeight"), minimized.bottom - minimized.top);

    const RECT area = ScreenWorkArea();
    WindowGeometry expected = FitOntoWorkArea(
        AcceptGeometry({minimized.right - minimized.left, minimized.bottom - minimized.top,
                        minimized.left, minimized.top}),
        {area.left, area.top, area.right, area.bottom});
    Start("");
    RECT outer = OuterRect(mainWindow);
    RECT wanted = {expected.left, expected.top, expected.left + expected.width,
                   expected.top + expected.height};
    EXPECT_TRUE(EqualRect(&outer, &wanted)) << minimized.left << "," << minimized.top;
}

TEST_F(StartUp, AListNamedOnTheCommandLineIsOpenedOnceTheLoopRuns) {
    windows.Write("Office fonts.mxf", "[Fonts]\r\nURW Gothic\r\nNimbus Sans\r\n[EndFonts]\r\n");
    const std::string path = WindowsDirectory::Path("Office fonts.mxf");
    for (const std::string& commandLine : {"\"" + path + "\"", path}) {
        ASSERT_TRUE(CreateMainWindow(commandLine.c_str()));
        EXPECT_EQ(Items(App.SelectedList), (std::vector<std::string>{"Nimbus Sans", "URW Gothic"}))
            << commandLine;
        EXPECT_EQ(Toolbar.ToolbarButtons[1].state, ButtonEnabled) << "button 104";
        EXPECT_EQ(Toolbar.ToolbarButtons[4].state, ButtonEnabled) << "button 103";
        char title[128] = "";
        GetWindowTextA(mainWindow, title, sizeof title);
        EXPECT_STREQ(title, "Marlix32 - Office fonts.mxf");
        DestroyMainWindow();
    }
}

TEST_F(StartUp, ADroppedFileIsOpenedOrAfterAltMMerged) {
    windows.Write("first set.mxf", "[Fonts]\r\nNimbus Sans\r\n[EndFonts]\r\n");
    windows.Write("second.mxf", "[Fonts]\r\nURW Gothic\r\n[EndFonts]\r\n");
    const std::string first = WindowsDirectory::Path("first set.mxf");
    const std::string second = WindowsDirectory::Path("second.mxf");
    Start("");
    TakePostedCommands(mainWindow);
    Drop({first, second, "C:\\third.mxf"});
    EXPECT_EQ(App.NamedListPath, first) << "only the first of several files";
    std::vector<int> posted = TakePostedCommands(mainWindow);
    EXPECT_EQ(posted, std::vector<int>{IDM_OPEN_NAMED_LIST});
    for (int id : posted)
        SendMessageA(mainWindow, WM_COMMAND, id, 0);
    EXPECT_EQ(Items(App.SelectedList), std::vector<std::string>{"Nimbus Sans"});

    SendMessageA(mainWindow, WM_COMMAND, IDM_ARM_MERGE, 0);
    Drop({second});
    EXPECT_TRUE(App.MergeNextDrop) << "armed until the posted merge runs";
    posted = TakePostedCommands(mainWindow);
    EXPECT_EQ(posted, std::vector<int>{IDM_MERGE_NAMED_LIST});
    for (int id : posted)
        SendMessageA(mainWindow, WM_COMMAND, id, 0);
    EXPECT_FALSE(App.MergeNextDrop);
    EXPECT_EQ(Items(App.SelectedList), (std::vector<std::string>{"Nimbus Sans", "URW Gothic"}));

    // The merge was armed for one drop only: the next file replaces the selection.
    Drop({first});
    posted = TakePostedCommands(mainWindow);
    EXPECT_EQ(posted, std::vector<int>{IDM_OPEN_NAMED_LIST});
    for (int id : posted)
        SendMessageA(mainWindow, WM_COMMAND, id, 0);
    EXPECT_EQ(Items(App.SelectedList), std::vector<std::string>{"Nimbus Sans"});
    EXPECT_TRUE(beeps.empty());
}

TEST_F(StartUp, ADropWithoutAUsablePathOnlyBeeps) {
    Start("");
    TakePostedCommands(mainWindow);
    NameListFile("C:\\kept.mxf");
    Drop({});
    // A path longer than the 260 characters a path may have is not cut to another file's name.
    Drop({"C:\\" + std::string(260, 'y') + ".mxf"});
    EXPECT_EQ(beeps, (std::vector<UINT>{MB_ICONHAND, MB_ICONHAND}));
    EXPECT_TRUE(TakePostedCommands(mainWindow).empty());
    EXPECT_STREQ(App.NamedListPath, "C:\\kept.mxf");
}

} // namespace

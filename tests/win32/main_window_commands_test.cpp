// The command table of the main window: list transfer with its toolbar effects, the list
// notifications, the help calls, always on top, and the closing of the font sample window.
#include "marlix_test.h"

#include "app/main_window.h"
#include "base/language.h"
#include "catalog/catalog_win.h"
#include "controls/font_sample.h"
#include "controls/toolbar.h"
#include "help/help.h"
#include "listfile/list_file.h"
#include "resource.h"
#include "window_probe.h"
#include "winini/section_dialog.h"

namespace {

using Names = std::vector<std::string>;
using ToolbarOps = std::vector<std::pair<int, LPARAM>>;

// Sorted as the list box sorts the default catalogue of five fonts.
const Names AllFonts = {"Nimbus Mono PS", "Nimbus Roman", "Nimbus Sans", "URW Bookman",
                        "URW Gothic"};

class MainWindowCommands : public MarlixTest {
  protected:
    void SetUp() override {
        MarlixTest::SetUp();
        ASSERT_TRUE(CreateMainWindow());
        toolbar = std::make_unique<CommandLog>(App.Toolbar, false);
    }
    void TearDown() override {
        toolbar.reset();
        MarlixTest::TearDown();
    }
    void Move(HWND list, const Names& names, int command) {
        SelectItems(list, names);
        Command(command);
    }
    std::unique_ptr<CommandLog> toolbar;
};

TEST_F(MainWindowCommands, AddFontsMovesTheSelectionThenSetsTheButtonsInOrder) {
    SelectItems(App.AtmList, {"URW Gothic", "Nimbus Roman"});
    Command(IDM_ADD_FONTS);
    EXPECT_EQ(Items(App.SelectedList), (Names{"Nimbus Roman", "URW Gothic"}));
    EXPECT_EQ(Items(App.AtmList), (Names{"Nimbus Mono PS", "Nimbus Sans", "URW Bookman"}));
    EXPECT_EQ(App.SelectedFontCount, 2u);
    const ToolbarOps afterAdd = {{ToolbarDisable, ButtonAdd},
                                 {ToolbarEnable, ButtonSaveList},
                                 {ToolbarEnable, ButtonSaveWinIni}};
    EXPECT_EQ(toolbar->Entries(), afterAdd);
    EXPECT_EQ(ToolbarButtonOf(ButtonAdd).state, ButtonDisabled);
    EXPECT_EQ(ToolbarButtonOf(ButtonSaveList).state, ButtonEnabled);
    EXPECT_EQ(ToolbarButtonOf(ButtonSaveWinIni).state, ButtonEnabled);

    // From the toolbar with nothing selected: nothing moves, the buttons change all the same.
    toolbar->Clear();
    Command(IDM_ADD_FONTS);
    EXPECT_EQ(Items(App.SelectedList).size(), 2u);
    EXPECT_EQ(toolbar->Entries(), afterAdd);
}

TEST_F(MainWindowCommands, AMoveOfSeveralFontsShowsTheSourceFromItsFirstItemAgain) {
    DestroyMainWindow();
    WriteAtmIni(SampleFontLines(60));
    ASSERT_TRUE(CreateMainWindow());
    const Names before = Items(App.AtmList);
    SendMessageA(App.AtmList, LB_SETTOPINDEX, 40, 0);
    SelectItems(App.AtmList, {before[50], before[52]});
    SendMessageA(App.AtmList, LB_SETCARETINDEX, 52, FALSE);
    Command(IDM_ADD_FONTS);
    ASSERT_EQ(Items(App.SelectedList).size(), 2u);
    EXPECT_EQ(SendMessageA(App.AtmList, LB_GETTOPINDEX, 0, 0), 0);
    EXPECT_EQ(SendMessageA(App.AtmList, LB_GETCARETINDEX, 0, 0), 0);
}

TEST_F(MainWindowCommands, TheOneSelectedFontMovesWhereverTheCaretStands) {
    SelectItems(App.AtmList, {"Nimbus Roman"});
    SendMessageA(App.AtmList, LB_SETCARETINDEX, 4, FALSE);
    ASSERT_EQ(SendMessageA(App.AtmList, LB_GETCARETINDEX, 0, 0), 4);
    Command(IDM_ADD_FONTS);
    EXPECT_EQ(Items(App.SelectedList), (Names{"Nimbus Roman"}));
    EXPECT_EQ(Items(App.AtmList),
              (Names{"Nimbus Mono PS", "Nimbus Sans", "URW Bookman", "URW Gothic"}));
}

TEST_F(MainWindowCommands, RemoveFontsDisablesTheSaveButtonsOnlyWhenTheListEmpties) {
    Move(App.AtmList, {"Nimbus Sans", "URW Bookman", "URW Gothic"}, IDM_ADD_FONTS);
    toolbar->Clear();
    Move(App.SelectedList, {"URW Bookman"}, IDM_REMOVE_FONTS);
    EXPECT_EQ(Items(App.SelectedList), (Names{"Nimbus Sans", "URW Gothic"}));
    EXPECT_EQ(toolbar->Entries(), (ToolbarOps{{ToolbarDisable, ButtonRemove}}));
    EXPECT_EQ(App.SelectedFontCount, 2u);

    toolbar->Clear();
    Move(App.SelectedList, {"Nimbus Sans", "URW Gothic"}, IDM_REMOVE_FONTS);
    EXPECT_TRUE(Items(App.SelectedList).empty());
    EXPECT_EQ(Items(App.AtmList), AllFonts);
    EXPECT_EQ(toolbar->Entries(), (ToolbarOps{{ToolbarDisable, ButtonRemove},
                                              {ToolbarDisable, ButtonSaveList},
                                              {ToolbarDisable, ButtonSaveWinIni}}));
    EXPECT_EQ(ToolbarButtonOf(ButtonSaveList).state, ButtonDisabled);
    EXPECT_EQ(App.SelectedFontCount, 0u);
}

TEST_F(MainWindowCommands, DoubleClickInEitherListMovesLikeTheMenu) {
    ClickListItem(App.AtmList, 2, true); // "Nimbus Sans"
    EXPECT_EQ(Items(App.SelectedList), (Names{"Nimbus Sans"}));
    // The first click's selection enabled the add button before the double click moved it.
    EXPECT_EQ(toolbar->Entries(), (ToolbarOps{{ToolbarEnable, ButtonAdd},
                                              {ToolbarDisable, ButtonAdd},
                                              {ToolbarEnable, ButtonSaveList},
                                              {ToolbarEnable, ButtonSaveWinIni}}));
    toolbar->Clear();
    ClickListItem(App.SelectedList, 0, true);
    EXPECT_TRUE(Items(App.SelectedList).empty());
    EXPECT_EQ(Items(App.AtmList), AllFonts);
    EXPECT_EQ(toolbar->Entries(), (ToolbarOps{{ToolbarEnable, ButtonRemove},
                                              {ToolbarDisable, ButtonRemove},
                                              {ToolbarDisable, ButtonSaveList},
                                              {ToolbarDisable, ButtonSaveWinIni}}));
}

TEST_F(MainWindowCommands, AddAllThenNewMovesEveryFontAndClearsTheCurrentFile) {
    Move(App.AtmList, {"URW Bookman"}, IDM_ADD_FONTS);
    Command(IDM_ADD_ALL_FONTS);
    EXPECT_TRUE(Items(App.AtmList).empty());
    EXPECT_EQ(Items(App.SelectedList), AllFonts);
    EXPECT_EQ(App.SelectedFontCount, Catalog.CatalogFontCount);

    NameListFile("C:\\fonts.mxf");
    SetWindowTextA(mainWindow, "Marlix32  by Velquist - fonts.mxf");
    SelectItems(App.SelectedList, {"Nimbus Sans"});
    toolbar->Clear();
    Command(IDM_NEW_LIST);
    EXPECT_EQ(Items(App.AtmList), AllFonts);
    EXPECT_TRUE(Items(App.SelectedList).empty());
    EXPECT_EQ(App.SelectedFontCount, 0u);
    EXPECT_STREQ(ListFile.CurrentListTitle, "");
    char title[128] = "";
    GetWindowTextA(mainWindow, title, sizeof title);
    EXPECT_STREQ(title, "Marlix32  by Velquist");
    EXPECT_EQ(toolbar->Entries(), (ToolbarOps{{ToolbarDisable, ButtonRemove},
                                              {ToolbarDisable, ButtonSaveList},
                                              {ToolbarDisable, ButtonSaveWinIni}}));
}

TEST_F(MainWindowCommands, NotificationsWithASelectionSetTheActiveListAndItsButton) {
    Move(App.AtmList, {"URW Bookman", "URW Gothic"}, IDM_ADD_FONTS);
    toolbar->Clear();
    ClickListItem(App.SelectedList, 1);
    EXPECT_EQ(App.ActiveList, IDC_SELECTED_LIST);
    EXPECT_EQ(toolbar->Entries(), (ToolbarOps{{ToolbarEnable, ButtonRemove}}));
    EXPECT_EQ(ToolbarButtonOf(ButtonRemove).state, ButtonEnabled);

    // The right list reports losing the focus (with its selection) before the left one reports.
    toolbar->Clear();
    ClickListItem(App.AtmList, 0);
    EXPECT_EQ(App.ActiveList, IDC_ATM_LIST);
    EXPECT_EQ(toolbar->Entries(),
              (ToolbarOps{{ToolbarEnable, ButtonRemove}, {ToolbarEnable, ButtonAdd}}));

    // A report without a selection changes nothing, and clearing a selection keeps the buttons.
    toolbar->Clear();
    SendMessageA(App.SelectedList, LB_SETSEL, FALSE, -1);
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_SELECTED_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(App.SelectedList));
    EXPECT_EQ(App.ActiveList, IDC_ATM_LIST);
    EXPECT_TRUE(toolbar->Entries().empty());
    EXPECT_EQ(ToolbarButtonOf(ButtonRemove).state, ButtonEnabled);
}

// The sample shows the one font selected in the list worked in last, else in either list.
TEST_F(MainWindowCommands, ShowFontSampleChoosesItsListByTheRules) {
    Move(App.AtmList, {"Nimbus Roman", "URW Bookman"}, IDM_ADD_FONTS);
    const struct {
        const char* what;
        Names left, right;
        int lastReport;   // the list that reported its selection last
        const char* face; // nullptr: no sample
    } cases[] = {
        {"one each, the right list last",
         {"Nimbus Sans"},
         {"URW Bookman"},
         IDC_SELECTED_LIST,
         "URW Bookman"},
        {"one each, the left list last",
         {"Nimbus Sans"},
         {"URW Bookman"},
         IDC_ATM_LIST,
         "Nimbus Sans"},
        {"two left, one right",
         {"Nimbus Sans", "URW Gothic"},
         {"Nimbus Roman"},
         IDC_ATM_LIST,
         "Nimbus Roman"},
        {"one left, two right, the right list last",
         {"URW Gothic"},
         {"Nimbus Roman", "URW Bookman"},
         IDC_SELECTED_LIST,
         "URW Gothic"},
        {"two left only", {"Nimbus Sans", "URW Gothic"}, {}, IDC_ATM_LIST, nullptr},
    };
    for (const auto& c : cases) {
        SelectItems(App.AtmList, c.left);
        SelectItems(App.SelectedList, c.right);
        const int first = c.lastReport == IDC_ATM_LIST ? IDC_SELECTED_LIST : IDC_ATM_LIST;
        for (int list : {first, c.lastReport})
            SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), 0);
        Command(IDM_SHOW_SAMPLE);
        HWND sample = FindWindowExA(mainWindow, nullptr, "MXShowFontClass", nullptr);
        EXPECT_EQ(sample, FontSample.FontSampleWindow) << c.what;
        if (!c.face) {
            EXPECT_EQ(sample, nullptr) << c.what;
            continue;
        }
        ASSERT_NE(sample, nullptr) << c.what;
        EXPECT_STREQ(WindowFont(sample).lfFaceName, c.face) << c.what;
    }
}

// The commands whose work is a dialog run that dialog, in the mode the command asks for.
TEST_F(MainWindowCommands, WinIniAndPrintCommandsRunTheirDialogs) {
    windows.Write("win.ini", "[windows]\r\n\r\n[PostScript,LPT1]\r\nsoftfonts=1\r\n"
                             "softfont1=C:\\PSFONTS\\PFM\\NS______.PFM\r\n");
    const struct {
        int command;
        const char* caption;
        int mode; // SectionDialogMode while the dialog is up; -1 when it is no section dialog
    } cases[] = {
        {IDM_OPEN_WININI, "Printer Section", SectionOpen},
        {IDM_SAVE_WININI, "Printer Section", SectionSave},
        {IDM_PRINT_LIST, "Print", -1},
    };
    for (const auto& c : cases) {
        int mode = -1;
        dialogs.Then([&](SeenDialog&) {
            mode = SectionDialogMode;
            return IDCANCEL;
        });
        SectionDialogMode = 7;
        Command(c.command);
        ASSERT_FALSE(dialogs.Seen().empty()) << c.command;
        EXPECT_EQ(dialogs.Seen().back().caption, c.caption) << c.command;
        if (c.mode >= 0) {
            EXPECT_EQ(mode, c.mode) << c.command;
        }
    }
    EXPECT_EQ(dialogs.Seen().size(), 3u);
    EXPECT_TRUE(toolbar->Entries().empty()) << "a cancelled dialog changes no button";
}

TEST_F(MainWindowCommands, HelpCommandsAskForTheirFileCommandAndTopic) {
    for (int id : {IDM_HELP_CONTENTS, IDM_HELP_USING, IDM_HELP_KEYWORD, IDM_HELP_OVERVIEW})
        Command(id);
    Command(IDM_SPANISH);
    Command(IDM_HELP_OVERVIEW);
    ASSERT_EQ(helps.size(), 5u);
    EXPECT_EQ(helps[0].file, "Marlix.hlp");
    EXPECT_EQ(helps[0].command, UINT(HELP_CONTEXT));
    EXPECT_EQ(helps[0].data, 0u);
    EXPECT_EQ(helps[1].file, "WINHELP.HLP");
    EXPECT_EQ(helps[1].command, UINT(HELP_FORCEFILE));
    EXPECT_EQ(helps[1].data, 0u);
    EXPECT_EQ(helps[2].file, "Marlix.hlp");
    EXPECT_EQ(helps[2].command, UINT(HELP_PARTIALKEY));
    ASSERT_NE(helps[2].data, 0u);
    EXPECT_STREQ(reinterpret_cast<const char*>(helps[2].data), "");
    EXPECT_EQ(helps[3].command, UINT(HELP_CONTEXT));
    EXPECT_EQ(helps[3].data, 24u);
    EXPECT_EQ(helps[4].file, "Marlixs.hlp");
    EXPECT_EQ(helps[4].data, 24u);
    // WinHelp shows nothing under wine, so the program's own page opens.
    ASSERT_TRUE(Help.Window);
    EXPECT_EQ(DialogDriver::TextOf(Help.Window), "Ayuda de Marlix32 - Perspectiva");
}

TEST_F(MainWindowCommands, AlwaysOnTopFlipsTheWindowAndTheSetting) {
    Command(IDM_ALWAYS_ON_TOP);
    EXPECT_TRUE(App.IsAlwaysOnTop);
    EXPECT_TRUE(GetWindowLongA(mainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(ReadSettingValue("Options", "AlwaysOnTop"), 1);
    Command(IDM_ALWAYS_ON_TOP);
    EXPECT_FALSE(App.IsAlwaysOnTop);
    EXPECT_FALSE(GetWindowLongA(mainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(ReadSettingValue("Options", "AlwaysOnTop"), 0);
}

TEST_F(MainWindowCommands, LanguageCommandsSwapTheMenuAndRepaintTheWindow) {
    Command(IDM_SPANISH);
    EXPECT_EQ(MenuText(GetMenu(mainWindow), 0), "&Archivo");
    EXPECT_EQ(GetLanguageOffset(), 300);
    // The whole client area waits for a paint with erasing.
    ValidateRect(mainWindow, nullptr);
    RECT update = {};
    RECT client;
    GetClientRect(mainWindow, &client);
    SendMessageA(mainWindow, WM_COMMAND, IDM_ENGLISH, 0);
    ASSERT_TRUE(GetUpdateRect(mainWindow, &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &client));
    EXPECT_EQ(MenuText(GetMenu(mainWindow), 0), "&File");
}

// Every event that must close an open sample window closes it and forgets it.
// Keys reach the lists: the focus starts in the catalogue, Tab, Shift+Tab and F6 go from one list
// to the other, and the list used last has the focus again after a dialog or an activation.
TEST_F(MainWindowCommands, TheKeyboardFocusStandsInTheListUsedLast) {
    EXPECT_EQ(GetFocus(), App.AtmList) << "at start";
    PressKeys({VK_TAB});
    EXPECT_EQ(GetFocus(), App.SelectedList);
    PressKeys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(GetFocus(), App.AtmList);
    PressKeys({VK_F6});
    ASSERT_EQ(GetFocus(), App.SelectedList);
    EXPECT_TRUE(Items(App.SelectedList).empty()) << "the keys move no font";

    dialogs.Then([](SeenDialog&) { return IDOK; });
    Command(IDM_ABOUT);
    PumpMessages();
    ASSERT_EQ(dialogs.Seen().size(), 1u);
    EXPECT_EQ(GetFocus(), App.SelectedList) << "after the About box";

    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                                 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    PumpMessages();
    ASSERT_NE(GetFocus(), App.SelectedList);
    SetForegroundWindow(mainWindow);
    PumpMessages();
    EXPECT_EQ(GetFocus(), App.SelectedList) << "after an activation";
    DestroyWindow(other);
}

TEST_F(MainWindowCommands, FontSampleWindowClosesOnEveryClosingEvent) {
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } events[] = {
        {"key press", WM_KEYDOWN, 'A', 0},
        {"click on the background", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 240)},
        {"a popup opens", WM_INITMENUPOPUP, 0, 3},
        {"notification of a list", WM_COMMAND, MAKEWPARAM(IDC_ATM_LIST, LBN_SETFOCUS), 0},
        {"the sample's own command", WM_COMMAND, IDC_FONT_SAMPLE, 0},
        {"show font sample with nothing selected", WM_COMMAND, IDM_SHOW_SAMPLE, 0},
    };
    for (const auto& event : events) {
        HWND sample = CreateWindowExA(0, "STATIC", "sample", WS_CHILD, 0, 0, 10, 10, mainWindow,
                                      nullptr, nullptr, nullptr);
        FontSample.FontSampleWindow = sample;
        WPARAM wParam = event.wParam;
        if (event.message == WM_INITMENUPOPUP)
            wParam = reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(mainWindow), 3));
        SendMessageA(mainWindow, event.message, wParam, event.lParam);
        EXPECT_FALSE(IsWindow(sample)) << event.what;
        EXPECT_EQ(FontSample.FontSampleWindow, nullptr) << event.what;
    }
}

} // namespace

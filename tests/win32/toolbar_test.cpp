// The toolbar's buttons under the mouse (click, press and drag off, disabled), their bitmaps,
// and the balloon help that the 500 ms timer shows.
#include "marlix_test.h"

#include "app/main_window.h"
#include "controls/balloon.h"
#include "controls/toolbar.h"
#include "resource.h"
#include "window_probe.h"

namespace {

class ToolbarButtons : public MarlixTest {
  protected:
    void SetUp() override {
        MarlixTest::SetUp();
        ASSERT_TRUE(CreateMainWindow());
    }
    static ToolbarButton& Button(int id) { return ToolbarButtonOf(id); }
    // The mouse as the system sends it to a button: moves, presses, releases (button pixels).
    void MoveOn(int id, int x = 12, int y = 10) { Send(id, WM_MOUSEMOVE, 0, x, y); }
    void Press(int id) { Send(id, WM_LBUTTONDOWN, MK_LBUTTON, 12, 10); }
    void Release(int id) { Send(id, WM_LBUTTONUP, 0, 12, 10); }
    void Send(int id, UINT message, WPARAM keys, int x, int y) {
        SendMessageA(Button(id).window, message, keys,
                     MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }
    void TimerFires(int id) { SendMessageA(Button(id).window, WM_TIMER, BalloonTimer, 0); }
    void Repainted(int id) { UpdateWindow(Button(id).window); }
    RECT BalloonRect() {
        RECT rect = {};
        GetWindowRect(Balloon.Window, &rect);
        MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    // The balloon font's extent of a text, measured here on its own.
    SIZE BalloonTextExtent(const char* text) {
        LOGFONTA font = {};
        font.lfHeight = 14;
        font.lfWeight = 400;
        font.lfPitchAndFamily = FF_SWISS;
        lstrcpyA(font.lfFaceName, "Arial");
        HFONT handle = CreateFontIndirectA(&font);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, handle);
        SIZE extent = {};
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(handle);
        return extent;
    }
};

TEST_F(ToolbarButtons, SevenButtonsInThreeGroupsWithTheirInitialStates) {
    const struct {
        int id, x, command;
        long state;
    } expected[] = {
        {101, 4, IDM_OPEN_LIST, ButtonEnabled},       {104, 36, IDM_SAVE_LIST, ButtonDisabled},
        {107, 68, IDM_PRINT_LIST, ButtonEnabled},     {102, 110, IDM_OPEN_WININI, ButtonEnabled},
        {103, 142, IDM_SAVE_WININI, ButtonDisabled},  {105, 184, IDM_ADD_FONTS, ButtonDisabled},
        {106, 216, IDM_REMOVE_FONTS, ButtonDisabled},
    };
    for (int i = 0; i < ButtonCount; ++i) {
        const ToolbarButton& button = Toolbar.ToolbarButtons[i];
        EXPECT_EQ(button.id, expected[i].id);
        EXPECT_EQ(button.command, expected[i].command);
        EXPECT_EQ(button.state, expected[i].state);
        RECT rect;
        GetWindowRect(button.window, &rect);
        MapWindowPoints(nullptr, App.Toolbar, reinterpret_cast<POINT*>(&rect), 2);
        RECT place = {expected[i].x, 2, expected[i].x + 30, 26};
        EXPECT_TRUE(EqualRect(&rect, &place)) << button.id;
        EXPECT_EQ(GetDlgCtrlID(button.window), button.id);
        EXPECT_TRUE(IsWindowVisible(button.window));
        EXPECT_TRUE(ShowsBitmap(button.window, button.id + (button.state - ButtonEnabled)));
    }
    RECT strip;
    GetWindowRect(App.Toolbar, &strip);
    EXPECT_EQ(strip.right - strip.left, 450);
    EXPECT_EQ(strip.bottom - strip.top, 29);
}

TEST_F(ToolbarButtons, TheStripHasAWhiteTopLineAndAGreyBottomLine) {
    UpdateWindow(App.Toolbar);
    const COLORREF white = RGB(255, 255, 255), grey = RGB(128, 128, 128),
                   light = RGB(192, 192, 192);
    for (int x : {0, 2, 300, 448}) {
        EXPECT_EQ(PixelAt(App.Toolbar, x, 0), white) << x;
        EXPECT_EQ(PixelAt(App.Toolbar, x, 28), grey) << x;
        EXPECT_EQ(PixelAt(App.Toolbar, x, 14), light) << x;
    }
    // Both lines stop one pixel before the last column.
    EXPECT_EQ(PixelAt(App.Toolbar, 449, 0), light);
    EXPECT_EQ(PixelAt(App.Toolbar, 449, 28), light);
}

TEST_F(ToolbarButtons, AClickOnAnEnabledButtonSendsItsCommand) {
    CommandLog commands(mainWindow, true);
    for (const ToolbarButton& button : Toolbar.ToolbarButtons) {
        SendMessageA(App.Toolbar, WM_COMMAND, ToolbarEnable, button.id);
        commands.Clear();
        MoveOn(button.id);
        Press(button.id);
        EXPECT_EQ(Button(button.id).state, ButtonPressed);
        Repainted(button.id);
        EXPECT_TRUE(ShowsBitmap(button.window, button.id + 100));
        Release(button.id);
        EXPECT_EQ(commands.Ids(), std::vector<int>{button.command}) << button.id;
        EXPECT_EQ(commands.Entries()[0].second, 0);
        EXPECT_EQ(Button(button.id).state, ButtonEnabled);
        Repainted(button.id);
        EXPECT_TRUE(ShowsBitmap(button.window, button.id));
        MoveOn(button.id, 40, 10);
    }
}

TEST_F(ToolbarButtons, TheAddButtonMovesTheSelectedFonts) {
    ClickListItem(App.AtmList, 1);
    ASSERT_EQ(Button(ButtonAdd).state, ButtonEnabled);
    MoveOn(ButtonAdd);
    Press(ButtonAdd);
    Release(ButtonAdd);
    EXPECT_EQ(Items(App.SelectedList), std::vector<std::string>{"Nimbus Roman"});
    EXPECT_EQ(Button(ButtonAdd).state, ButtonDisabled);
    EXPECT_EQ(Button(ButtonSaveList).state, ButtonEnabled);
}

TEST_F(ToolbarButtons, PressingAndDraggingOffSendsNothing) {
    CommandLog commands(mainWindow, true);
    MoveOn(ButtonOpenList);
    EXPECT_EQ(GetCapture(), Button(ButtonOpenList).window);
    Press(ButtonOpenList);
    // Off to the right, then off to the left (a negative position reads as a large one).
    MoveOn(ButtonOpenList, 31, 10);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Button(ButtonOpenList).state, ButtonEnabled);
    Repainted(ButtonOpenList);
    EXPECT_TRUE(ShowsBitmap(Button(ButtonOpenList).window, ButtonOpenList));

    MoveOn(ButtonPrint);
    Press(ButtonPrint);
    MoveOn(ButtonPrint, -1, 10);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Button(ButtonPrint).state, ButtonEnabled);
    // Up to the edge the pointer still counts as inside.
    MoveOn(ButtonPrint, 30, 24);
    EXPECT_EQ(GetCapture(), Button(ButtonPrint).window);
    EXPECT_TRUE(commands.Entries().empty());
}

TEST_F(ToolbarButtons, ADisabledButtonKeepsItsBitmapAndSendsNothing) {
    CommandLog commands(mainWindow, true);
    MoveOn(ButtonSaveWinIni);
    Press(ButtonSaveWinIni);
    Repainted(ButtonSaveWinIni);
    EXPECT_TRUE(ShowsBitmap(Button(ButtonSaveWinIni).window, 303));
    Release(ButtonSaveWinIni);
    MoveOn(ButtonSaveWinIni, 50, 50);
    Repainted(ButtonSaveWinIni);
    EXPECT_EQ(Button(ButtonSaveWinIni).state, ButtonDisabled);
    EXPECT_TRUE(ShowsBitmap(Button(ButtonSaveWinIni).window, 303));
    EXPECT_TRUE(commands.Entries().empty());
}

TEST_F(ToolbarButtons, OnlyAChangeOfStateRepaintsAButton) {
    HWND add = Button(ButtonAdd).window;
    RECT update;
    ValidateRect(add, nullptr);
    SendMessageA(App.Toolbar, WM_COMMAND, ToolbarDisable, ButtonAdd);
    EXPECT_FALSE(GetUpdateRect(add, &update, FALSE)) << "already disabled";
    SendMessageA(App.Toolbar, WM_COMMAND, ToolbarEnable, ButtonAdd);
    EXPECT_TRUE(GetUpdateRect(add, &update, FALSE));
    EXPECT_EQ(Button(ButtonAdd).state, ButtonEnabled);
    ValidateRect(add, nullptr);
    SendMessageA(App.Toolbar, WM_COMMAND, ToolbarEnable, ButtonAdd);
    EXPECT_FALSE(GetUpdateRect(add, &update, FALSE)) << "already enabled";
    // An id that is no button changes nothing.
    long before[ButtonCount];
    for (int i = 0; i < ButtonCount; ++i)
        before[i] = Toolbar.ToolbarButtons[i].state;
    SendMessageA(App.Toolbar, WM_COMMAND, ToolbarEnable, 108);
    SendMessageA(App.Toolbar, WM_COMMAND, ToolbarDisable, 0);
    for (int i = 0; i < ButtonCount; ++i)
        EXPECT_EQ(Toolbar.ToolbarButtons[i].state, before[i]) << i;
}

TEST_F(ToolbarButtons, TheBalloonWaitsForTheTimerAndStandsUnderItsButton) {
    MoveOn(ButtonRemove);
    EXPECT_EQ(Balloon.Window, nullptr) << "nothing before the timer";
    TimerFires(ButtonRemove);
    ASSERT_NE(Balloon.Window, nullptr) << "also for a disabled button";
    EXPECT_EQ(GetParent(Balloon.Window), mainWindow);
    EXPECT_TRUE(IsWindowVisible(Balloon.Window));
    EXPECT_STREQ(Balloon.Text, "Remove from list");
    SIZE text = BalloonTextExtent("Remove from list");
    RECT rect = BalloonRect();
    RECT expected = {226, 30, 226 + text.cx + 10, 30 + text.cy + 4};
    EXPECT_TRUE(EqualRect(&rect, &expected))
        << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;

    // Drawn: a navy frame on pale yellow.
    UpdateWindow(Balloon.Window);
    EXPECT_EQ(PixelAt(Balloon.Window, 0, 0), RGB(0, 0, 128));
    EXPECT_EQ(PixelAt(Balloon.Window, text.cx + 9, text.cy + 3), RGB(0, 0, 128));
    EXPECT_EQ(PixelAt(Balloon.Window, 2, 1), RGB(255, 255, 128));
    // It hangs over the top of the SelectedList: a click there reaches the balloon.
    const POINT overList = {rect.left + 6, 44};
    EXPECT_EQ(ChildWindowFromPointEx(mainWindow, overList, CWP_SKIPINVISIBLE), Balloon.Window);

    // Another button's timer keeps the one balloon; leaving removes it.
    TimerFires(ButtonOpenList);
    EXPECT_STREQ(Balloon.Text, "Remove from list");
    HWND shown = Balloon.Window;
    MoveOn(ButtonRemove, 45, 5);
    EXPECT_EQ(Balloon.Window, nullptr);
    EXPECT_FALSE(IsWindow(shown));

    // The first button's balloon hangs over the AtmList's first item, which Home redraws.
    SendMessageA(App.AtmList, LB_SETSEL, TRUE, 2);
    MoveOn(ButtonOpenList);
    TimerFires(ButtonOpenList);
    ASSERT_NE(Balloon.Window, nullptr);
    UpdateWindow(Balloon.Window);
    SendMessageA(App.AtmList, WM_KEYDOWN, VK_HOME, 0);
    UpdateWindow(App.AtmList);
    EXPECT_EQ(PixelAt(Balloon.Window, 0, 44 - 30), RGB(0, 0, 128)) << "the frame";
    EXPECT_EQ(PixelAt(Balloon.Window, 2, 44 - 30), RGB(255, 255, 128));
}

TEST_F(ToolbarButtons, NoBalloonWhenThePointerLeftBeforeTheTimer) {
    MoveOn(ButtonOpenList);
    MoveOn(ButtonOpenList, 100, 5);
    TimerFires(ButtonOpenList);
    EXPECT_EQ(Balloon.Window, nullptr);
}

TEST_F(ToolbarButtons, PressingTheButtonRemovesTheBalloonBeforeTheCommandRuns) {
    CommandLog commands(mainWindow, true);
    MoveOn(ButtonOpenWinIni);
    TimerFires(ButtonOpenWinIni);
    ASSERT_NE(Balloon.Window, nullptr);
    HWND shown = Balloon.Window;
    Press(ButtonOpenWinIni);
    EXPECT_EQ(Balloon.Window, nullptr);
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_TRUE(commands.Entries().empty());
    Release(ButtonOpenWinIni);
    EXPECT_EQ(commands.Ids(), std::vector<int>{IDM_OPEN_WININI});
}

// Resting on a button holds the capture, under which the accelerator table sends nothing.
TEST_F(ToolbarButtons, ShortcutKeysActWhileThePointerRestsOnAButton) {
    CommandLog commands(mainWindow, true);
    HWND button = Button(ButtonOpenList).window;
    MovePointer(button, {12, 10});
    ASSERT_EQ(GetCapture(), button);
    PressKeys({VK_F1});
    MovePointer(button, {13, 10});
    PressKeys({VK_F3});
    MovePointer(button, {14, 10});
    PressKeys({VK_MENU, 'M'});
    EXPECT_EQ(commands.Ids(), (std::vector<int>{IDM_HELP_CONTENTS, IDM_OPEN_LIST, IDM_ARM_MERGE}));
}

// A menu opened from the keyboard takes the capture from the button the pointer rests on (which
// takes it again when the menu ends, the pointer still on it).
TEST_F(ToolbarButtons, TheBalloonGoesWhenTheButtonLosesTheCapture) {
    for (int language : {IDM_ENGLISH, IDM_SPANISH}) {
        Command(language);
        HWND button = Button(ButtonOpenList).window;
        MovePointer(button, {12, 10});
        ASSERT_EQ(GetCapture(), button);
        TimerFires(ButtonOpenList);
        ASSERT_NE(Balloon.Window, nullptr);
        HWND shown = Balloon.Window;
        // Alt+F opens the File menu, the first Esc closes it, the second leaves the menu bar.
        std::vector<INPUT> keys = KeyChord({VK_MENU, 'F'});
        for (int esc = 0; esc < 2; ++esc)
            for (const INPUT& input : KeyChord({VK_ESCAPE}))
                keys.push_back(input);
        SendInputAndRun(keys);
        EXPECT_EQ(Balloon.Window, nullptr) << language;
        EXPECT_FALSE(IsWindow(shown)) << language;
        EXPECT_EQ(Button(ButtonOpenList).state, ButtonEnabled) << language;
        MovePointer(mainWindow, {300, 100});
    }
}

TEST_F(ToolbarButtons, BalloonsSpeakSpanishAfterTheSwitch) {
    Command(IDM_SPANISH);
    const struct {
        int id;
        const char* text;
    } cases[] = {
        {ButtonOpenList, "Abra el archivo de la lista"},
        {ButtonAdd, "A\xF1"
                    "ada a la lista"},
        {ButtonRemove, "Elimine de la lista"},
    };
    for (const auto& c : cases) {
        MoveOn(c.id);
        TimerFires(c.id);
        ASSERT_NE(Balloon.Window, nullptr);
        EXPECT_STREQ(Balloon.Text, c.text);
        SIZE text = BalloonTextExtent(c.text);
        RECT rect = BalloonRect();
        EXPECT_EQ(rect.left, Button(c.id).x + 10);
        EXPECT_EQ(rect.right - rect.left, text.cx + 10) << c.text;
        EXPECT_EQ(rect.bottom - rect.top, text.cy + 4) << c.text;
        MoveOn(c.id, 200, 5);
    }
}

} // namespace

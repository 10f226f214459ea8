// Help: the calls made to WinHelp, and the program's own help where WinHelp shows nothing.
#include "marlix_test.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "app/language_menu.h"
#include "app/main_window.h"
#include "base/language.h"
#include "base/shell_hooks.h"
#include "controls/font_sample.h"
#include "controls/toolbar.h"
#include "help/help.h"
#include "print/print_choice.h"
#include "resource.h"
#include "window_probe.h"
#include "winini/section_dialog.h"

namespace {

class HelpTest : public MarlixTest {
  protected:
    static std::string Text(int id) { return DialogDriver::TextOf(GetDlgItem(Help.Window, id)); }
    static std::string Caption() { return DialogDriver::TextOf(Help.Window); }
    static std::vector<std::string> ListedTopics() {
        return ListItems(GetDlgItem(Help.Window, IDC_HELP_TOPICS));
    }
    static std::string SelectedTopic() {
        HWND list = GetDlgItem(Help.Window, IDC_HELP_TOPICS);
        char title[128] = "";
        SendMessageA(list, LB_GETTEXT, SendMessageA(list, LB_GETCURSEL, 0, 0),
                     reinterpret_cast<LPARAM>(title));
        return title;
    }
    // Keys for the help window, run by a dialog's loop as the dialog whose Help button opened it
    // runs them.
    static void KeysUnder(HWND dialog, std::initializer_list<WORD> keys) {
        std::vector<INPUT> inputs = KeyChord(keys);
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 150) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (!IsDialogMessageA(dialog, &message)) {
                    TranslateMessage(&message);
                    DispatchMessageA(&message);
                }
            }
            Sleep(5);
        }
    }
    // The Find mnemonic, Tab, Shift+Tab and (when asked) Esc work under the dialog's loop.
    static void HelpKeysWorkUnder(HWND dialog, bool escape) {
        ASSERT_TRUE(Help.Window);
        HWND find = GetDlgItem(Help.Window, IDC_HELP_FIND);
        HWND topics = GetDlgItem(Help.Window, IDC_HELP_TOPICS);
        ASSERT_EQ(GetFocus(), GetDlgItem(Help.Window, IDC_HELP_TEXT));
        const std::string& label = Help.Book.findLabel;
        const char mnemonic = label[label.find('&') + 1];
        KeysUnder(dialog,
                  {VK_MENU, static_cast<WORD>(std::toupper(static_cast<unsigned char>(mnemonic)))});
        EXPECT_EQ(GetFocus(), find) << "the mnemonic of Find";
        KeysUnder(dialog, {VK_TAB});
        EXPECT_EQ(GetFocus(), topics);
        KeysUnder(dialog, {VK_SHIFT, VK_TAB});
        EXPECT_EQ(GetFocus(), find);
        if (!escape)
            return;
        KeysUnder(dialog, {VK_ESCAPE});
        EXPECT_EQ(Help.Window, nullptr);
        EXPECT_TRUE(IsWindow(dialog)) << "Esc was the help window's";
    }
    void Ask(const char* file, UINT command, ULONG_PTR data) {
        ShowHelpTopic(mainWindow, file, command, data);
        PumpMessages();
    }
};

struct TopicCase {
    const char* file;
    UINT command;
    ULONG_PTR data;
    const char* caption;
    const char* opening; // how the topic's text begins
};

TEST_F(HelpTest, EachCallReachesWinHelpThenTheOwnTopicOpens) {
    ASSERT_TRUE(CreateMainWindow());
    const TopicCase cases[] = {
        {"Marlix.hlp", HELP_CONTEXT, 0, "Marlix32 Help - Contents", "Marlix32 assigns"},
        {"Marlix.hlp", HELP_CONTEXT, 24, "Marlix32 Help - Overview", "PostScript printers"},
        {"Marlix.hlp", HELP_CONTEXT, 10, "Marlix32 Help - Saving to WIN.INI", "Save to win.ini"},
        {"Marlix.hlp", HELP_CONTEXT, 20, "Marlix32 Help - Opening from WIN.INI", "Open from"},
        {"Marlix.hlp", HELP_CONTEXT, 17, "Marlix32 Help - Printing", "Print List"},
        {"WINHELP.HLP", HELP_FORCEFILE, 0, "Marlix32 Help - Using help", "This window"},
        {"Marlix.hlp", HELP_CONTEXT, 12345, "Marlix32 Help - Contents", "Marlix32 assigns"},
    };
    for (const TopicCase& c : cases) {
        helps.clear();
        Ask(c.file, c.command, c.data);
        ASSERT_EQ(helps.size(), 1u);
        EXPECT_EQ(helps[0].file, c.file);
        EXPECT_EQ(helps[0].command, c.command);
        EXPECT_EQ(helps[0].data, c.data);
        ASSERT_TRUE(Help.Window);
        EXPECT_TRUE(IsWindowVisible(Help.Window));
        EXPECT_EQ(Caption(), c.caption);
        EXPECT_EQ(Text(IDC_HELP_TEXT).rfind(c.opening, 0), 0u) << c.caption;
        EXPECT_EQ(c.caption, "Marlix32 Help - " + SelectedTopic());
        EXPECT_EQ(GetParent(Help.Window), nullptr) << "a window of its own";
        EXPECT_EQ(GetWindow(Help.Window, GW_OWNER), mainWindow);
    }
}

TEST_F(HelpTest, SpanishTopicsAfterTheSpanishMenu) {
    ASSERT_TRUE(CreateMainWindow());
    Ask("Marlix.hlp", HELP_CONTEXT, 24);
    HWND window = Help.Window;
    EXPECT_EQ(Text(IDC_HELP_FIND_LABEL), "&Find:");

    Command(IDM_SPANISH);
    Ask(Language.HelpFileName, HELP_CONTEXT, 24);
    EXPECT_EQ(helps.back().file, "Marlixs.hlp");
    EXPECT_EQ(Help.Window, window) << "the open window shows the new page";
    EXPECT_EQ(Caption(), "Ayuda de Marlix32 - Perspectiva");
    EXPECT_EQ(Text(IDC_HELP_FIND_LABEL), "&Buscar:");
    EXPECT_EQ(Text(IDC_HELP_TEXT).rfind("Las impresoras PostScript", 0), 0u);
    Ask(Language.HelpFileName, HELP_CONTEXT, 10);
    EXPECT_EQ(Caption(), "Ayuda de Marlix32 - Guardar en WIN.INI");
    Ask(Language.HelpFileName, HELP_CONTEXT, 20);
    EXPECT_EQ(Caption(), "Ayuda de Marlix32 - Abrir desde WIN.INI");
    Ask(Language.HelpFileName, HELP_CONTEXT, 17);
    EXPECT_EQ(Caption(), "Ayuda de Marlix32 - Imprimir");
    EXPECT_NE(Text(IDC_HELP_TEXT).find("Lista seleccionada"), std::string::npos);
    Ask("WINHELP.HLP", HELP_FORCEFILE, 0);
    EXPECT_EQ(Caption(), "Ayuda de Marlix32 - Usar la ayuda");
}

TEST_F(HelpTest, KeywordSearchListsTheTopicsThatHoldTheWords) {
    ASSERT_TRUE(CreateMainWindow());
    Ask("Marlix.hlp", HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>(""));
    ASSERT_EQ(helps.size(), 1u);
    EXPECT_EQ(helps[0].command, static_cast<UINT>(HELP_PARTIALKEY));
    EXPECT_EQ(Caption(), "Marlix32 Help - Contents");
    EXPECT_EQ(GetFocus(), GetDlgItem(Help.Window, IDC_HELP_FIND));
    const std::vector<std::string> all = ListedTopics();
    EXPECT_EQ(all.size(), 12u);

    SetWindowTextA(GetDlgItem(Help.Window, IDC_HELP_FIND), "warn01");
    PumpMessages();
    EXPECT_EQ(ListedTopics(), (std::vector<std::string>{"Saving to WIN.INI", "Preferences"}));
    SetWindowTextA(GetDlgItem(Help.Window, IDC_HELP_FIND), "double click");
    PumpMessages();
    const std::vector<std::string> found = ListedTopics();
    EXPECT_FALSE(found.empty());
    EXPECT_LT(found.size(), all.size());
    for (const std::string& title : found)
        EXPECT_NE(title, "Printing");

    // Choosing a listed topic shows it.
    HWND list = GetDlgItem(Help.Window, IDC_HELP_TOPICS);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    SendMessageA(Help.Window, WM_COMMAND, MAKEWPARAM(IDC_HELP_TOPICS, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(Caption(), "Marlix32 Help - " + found[0]);

    SetWindowTextA(GetDlgItem(Help.Window, IDC_HELP_FIND), "");
    PumpMessages();
    EXPECT_EQ(ListedTopics(), all);
    EXPECT_EQ(SelectedTopic(), found[0]) << "the shown topic stays selected";

    // Spanish, without accents typed.
    SetLanguage(300);
    Ask(Language.HelpFileName, HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>("impresion"));
    EXPECT_EQ(Text(IDC_HELP_FIND), "impresion");
    const std::vector<std::string> spanish = ListedTopics();
    EXPECT_NE(std::find(spanish.begin(), spanish.end(), "Imprimir"), spanish.end());
}

TEST_F(HelpTest, PrintDialogHelpButtonOpensThePrintingPageThatOutlivesTheDialog) {
    ASSERT_TRUE(CreateMainWindow());
    SetLanguage(300);
    std::string caption;
    dialogs.Then([&](SeenDialog& dialog) {
        DialogDriver::ClickNow(dialog.window, IDC_PRINT_HELP);
        caption = Help.Window ? Caption() : "(no help window)";
        HelpKeysWorkUnder(dialog.window, false);
        EXPECT_TRUE(IsWindow(dialog.window)) << "the dialog stays";
        return IDCANCEL;
    });
    RunPrintCommand(mainWindow, {App.AtmList, App.SelectedList, ""});
    EXPECT_EQ(caption, "Ayuda de Marlix32 - Imprimir");
    ASSERT_EQ(helps.size(), 1u);
    EXPECT_EQ(helps[0].file, "Marlixs.hlp");
    EXPECT_EQ(helps[0].command, UINT(HELP_CONTEXT));
    EXPECT_EQ(helps[0].data, 17u);
    EXPECT_TRUE(Help.Window && IsWindowVisible(Help.Window));
}

TEST_F(HelpTest, SectionDialogHelpButtonOpensThePageOfItsModeAndKeepsTheDialog) {
    windows.Write("win.ini", "[PostScript,LPT1]\r\nsoftfonts=1\r\n"
                             "softfont1=C:\\PSFONTS\\PFM\\NS.PFM\r\n");
    ASSERT_TRUE(CreateMainWindow());
    const struct {
        int mode;
        ULONG_PTR topic;
        const char* caption;
    } cases[] = {
        {SectionSave, 10, "Marlix32 Help - Saving to WIN.INI"},
        {SectionOpen, 20, "Marlix32 Help - Opening from WIN.INI"},
    };
    for (const auto& c : cases) {
        helps.clear();
        std::string caption;
        dialogs.Then([&](SeenDialog& dialog) {
            DialogDriver::ClickNow(dialog.window, IDC_SECTION_HELP);
            caption = Help.Window ? Caption() : "(no help window)";
            HelpKeysWorkUnder(dialog.window, true);
            EXPECT_TRUE(IsWindowVisible(dialog.window)) << "the dialog stays";
            return IDCANCEL;
        });
        EXPECT_EQ(RunSectionDialog(mainWindow, c.mode, MainWindowLists()), 0);
        EXPECT_EQ(caption, c.caption);
        ASSERT_EQ(helps.size(), 1u);
        EXPECT_EQ(helps[0].file, "Marlix.hlp");
        EXPECT_EQ(helps[0].command, UINT(HELP_CONTEXT));
        EXPECT_EQ(helps[0].data, c.topic);
    }
}

TEST_F(HelpTest, WhenWinHelpShowsTheFileNoOwnHelpOpens) {
    ASSERT_TRUE(CreateMainWindow());
    SetHelpObserver([](HWND, const char*, UINT, ULONG_PTR, BOOL* result) {
        *result = TRUE;
        return true;
    });
    Ask("Marlix.hlp", HELP_CONTEXT, 24);
    EXPECT_EQ(Help.Window, nullptr);
}

// With a help file present WinHelpA is really called; under wine (winhlp32 disabled, as the
// test scripts run it) it fails, and the program's own page opens.
TEST_F(HelpTest, WineWinHelpFailsWithAHelpFilePresent) {
    char overrides[256] = "";
    GetEnvironmentVariableA("WINEDLLOVERRIDES", overrides, sizeof overrides);
    if (std::string(overrides).find("winhlp32.exe=d") == std::string::npos)
        GTEST_SKIP() << "winhlp32 is not disabled; it would wait for a user";
    windows.Write("Marlix.hlp", "not a help file");
    ASSERT_TRUE(CreateMainWindow());
    Ask("Marlix.hlp", HELP_CONTEXT, 17);
    EXPECT_EQ(Caption(), "Marlix32 Help - Printing");
    windows.Remove("Marlix.hlp");
}

// The main window's keys stay in the main window: in the help window they are its own, as in a
// dialog.
TEST_F(HelpTest, KeysInTheHelpWindowWorkThereAndNotInTheMainWindow) {
    ASSERT_TRUE(CreateMainWindow());
    SelectItems(App.AtmList, {Items(App.AtmList)[1]});
    SendMessageA(App.Toolbar, WM_COMMAND, ToolbarEnable, ButtonSaveList);
    Ask("Marlix.hlp", HELP_CONTEXT, 24);
    HWND text = GetDlgItem(Help.Window, IDC_HELP_TEXT);
    ASSERT_EQ(GetFocus(), text);
    const std::vector<std::string> atmList = Items(App.AtmList);
    for (WORD copy : {WORD(VK_INSERT), WORD('C')}) {
        SendMessageA(text, EM_SETSEL, 0, 11);
        OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard();
        PressKeys({VK_CONTROL, copy});
        EXPECT_EQ(Items(App.AtmList), atmList) << "nothing moves into the selected list";
        EXPECT_TRUE(Items(App.SelectedList).empty());
        std::string copied;
        if (OpenClipboard(nullptr)) {
            if (HANDLE data = GetClipboardData(CF_TEXT)) {
                copied = static_cast<const char*>(GlobalLock(data));
                GlobalUnlock(data);
            }
            CloseClipboard();
        }
        EXPECT_EQ(copied, Text(IDC_HELP_TEXT).substr(0, 11));
    }
    // F2, F3 and Ctrl+S open nothing (a dialog would fail the test).
    PressKeys({VK_F2});
    PressKeys({VK_F3});
    PressKeys({VK_CONTROL, 'S'});
    EXPECT_EQ(FontSample.FontSampleWindow, nullptr);

    HWND find = GetDlgItem(Help.Window, IDC_HELP_FIND);
    HWND topics = GetDlgItem(Help.Window, IDC_HELP_TOPICS);
    PressKeys({VK_TAB});
    EXPECT_EQ(GetFocus(), find) << "round from the text to the search box";
    PressKeys({VK_TAB});
    EXPECT_EQ(GetFocus(), topics);
    PressKeys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(GetFocus(), find);
    SetFocus(text);
    PressKeys({VK_MENU, 'F'});
    EXPECT_EQ(GetFocus(), find) << "the mnemonic of Find";
    HWND window = Help.Window;
    PressKeys({VK_ESCAPE});
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(Items(App.SelectedList).empty());
}

TEST_F(HelpTest, OneHelpWindowThatGoesWithTheMainWindow) {
    ASSERT_TRUE(CreateMainWindow());
    Ask("Marlix.hlp", HELP_CONTEXT, 0);
    HWND window = Help.Window;
    Ask("Marlix.hlp", HELP_CONTEXT, 24);
    Ask("WINHELP.HLP", HELP_FORCEFILE, 0);
    EXPECT_EQ(Help.Window, window);
    int windows = 0;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "MXHelpClass", nullptr));)
        ++windows;
    EXPECT_EQ(windows, 1);

    // The user closes it; the next call opens a new one.
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Help.Window, nullptr);
    Ask("Marlix.hlp", HELP_CONTEXT, 10);
    ASSERT_TRUE(Help.Window);
    window = Help.Window;
    DestroyMainWindow();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Help.Window, nullptr);
}

} // namespace

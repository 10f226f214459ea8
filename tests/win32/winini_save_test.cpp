// Saving the SelectedList into a printer section of WIN.INI: the bytes written, the font-change
// broadcast and the warning after it, and the cases in which WIN.INI must stay as it was.
#include "winini_fixture.h"

#include <functional>

#include "app/main_window.h"
#include "base/language.h"
#include "catalog/catalog_win.h"
#include "patched_calls.h"
#include "resource.h"
#include "winini/font_change_warning.h"
#include "winini/section_dialog.h"

namespace {

const std::string Head = "[windows]\r\nload=\r\n\r\n[PostScript,LPT1]\r\n";
const std::string OldBody = "device=16\r\nsoftfonts=1\r\nsoftfont1=c:\\old\\old.pfm\r\n"
                            "; [PostScript,FILE] in a comment\r\n\r\n";
const std::string Tail = "[PostScript,FILE]\r\nsoftfonts=0\r\n\r\n[Fonts]\r\nArial=ARIAL.FOT\r\n";
const std::string SampleWinIni = Head + OldBody + Tail;

// The path of the temporary file that a save of win.ini writes before it replaces win.ini.
std::string TemporaryPath() {
    return WindowsDirectory::Path("win.ini") + ".mx~";
}

// Runs a host program (ln, rm) on path, through wine's own way of starting one; false when
// that is not possible (not under wine) or the program failed.
bool RunOnHostPath(std::vector<std::string> arguments, const std::string& path) {
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    using UnixSpawn = LONG(CDECL*)(char* const argv[], int wait);
    auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    auto spawn = reinterpret_cast<UnixSpawn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll"), "__wine_unix_spawnvp")));
    if (!unixFileName || !spawn)
        return false;
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* target = unixFileName(wide);
    if (!target)
        return false;
    arguments.push_back(target);
    HeapFree(GetProcessHeap(), 0, target);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return spawn(argv.data(), TRUE) == 0;
}

// Makes path a link to /dev/full, so that the file can be created but writing it fails part of
// the way. True when the file behaves so.
bool LinkToDiskFull(const std::string& path) {
    if (!RunOnHostPath({"/bin/ln", "-s", "/dev/full"}, path))
        return false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, "x", 1, &written, nullptr);
    CloseHandle(file);
    return !wrote;
}

// What a warning dialog showed and how it was built.
struct WarningLook {
    SeenDialog seen;
    SIZE units = {0, 0};
    HWND owner = nullptr;
};

// Records the warning dialog, checks that only OK closes it, and presses OK.
DialogDriver::Handler WarningSeen(WarningLook* look) {
    return [look](SeenDialog& dialog) {
        WinIniTest::events.push_back("warning");
        if (look) {
            RECT client, unit = {0, 0, 4, 8};
            GetClientRect(dialog.window, &client);
            MapDialogRect(dialog.window, &unit);
            look->seen = dialog;
            look->units = {MulDiv(client.right, 4, unit.right),
                           MulDiv(client.bottom, 8, unit.bottom)};
            look->owner = GetWindow(dialog.window, GW_OWNER);
        }
        // No close box, and neither Esc (IDCANCEL) nor a close request ends it.
        EXPECT_FALSE(GetWindowLongA(dialog.window, GWL_STYLE) & WS_SYSMENU);
        SendMessageA(dialog.window, WM_COMMAND, IDCANCEL, 0);
        SendMessageA(dialog.window, WM_CLOSE, 0, 0);
        PumpMessages();
        EXPECT_TRUE(IsWindowVisible(dialog.window));
        return IDOK;
    };
}

TEST_F(WinIniTest, SaveRewritesTheChosenBodyBroadcastsAndThenWarns) {
    windows.Write("win.ini", SampleWinIni);
    ASSERT_TRUE(CreateMainWindow());
    SelectFonts({4, 0, 2});
    ThenChooseSection("PostScript,LPT1");
    WarningLook warning;
    dialogs.Then(WarningSeen(&warning));
    EXPECT_EQ(RunSectionDialog(mainWindow, SectionSave, MainWindowLists()), 1);

    EXPECT_EQ(windows.Read("win.ini"),
              Head + "ATM=placeholder\r\n" + SoftfontLines({2, 0, 4}) + "\r\n" + Tail);
    EXPECT_EQ(events, (std::vector<std::string>{"fontchange", "warning"}));
    EXPECT_FALSE(windows.Exists("win.ini.mx~"));
    EXPECT_EQ(beeps, (std::vector<UINT>{MB_ICONEXCLAMATION}));
    EXPECT_EQ(Items(App.SelectedList),
              (std::vector<std::string>{SampleFontName(2), SampleFontName(0), SampleFontName(4)}));

    EXPECT_EQ(warning.seen.caption, "Warning:");
    EXPECT_EQ(warning.seen.controls[IDC_WARNING_TEXT],
              "Marlix automatically and immeditately informs Windows of your font changes, so you "
              "do not need to reboot Windows. Some programs, however, do not respond to such "
              "system wide font changes while they are running. Therefore, opened programs may "
              "need to be restarted or, if possible, manually instructed to refresh their font "
              "data for font changes to take effect.");
    EXPECT_EQ(warning.seen.controls[IDC_WARNING_DONT_SHOW], "Do not show this warning again.");
    EXPECT_EQ(warning.seen.controls[IDOK], "&Ok");
    EXPECT_EQ(warning.units.cx, 196);
    EXPECT_EQ(warning.units.cy, 126);
    EXPECT_EQ(warning.owner, mainWindow);
}

// Windows 95, 98 and ME keep profile writes in a cache until it is flushed; here each flush lets
// a write of another program reach the file, as that flush would. The writes at the flushes
// before the dialog's and the save's reads are kept by the rewrite, the flush after it already
// sees the new body, and all come before the broadcast. A plain write just before the save
// survives it too.
TEST_F(WinIniTest, ProfileCacheIsFlushedBeforeEachReadAndAfterTheRewrite) {
    windows.Write("win.ini", SampleWinIni);
    ASSERT_TRUE(CreateMainWindow());
    SelectFonts({4, 0, 2});
    const std::string newBody = SoftfontLines({2, 0, 4});
    int flushes = 0;
    onFlush = [this, &flushes, &newBody] {
        const bool rewritten = windows.Read("win.ini").find(newBody) != std::string::npos;
        events.push_back(rewritten ? "flush after rewrite" : "flush");
        const std::string key = "atflush" + std::to_string(++flushes);
        WriteProfileStringA("Other", key.c_str(), "kept");
    };
    WriteProfileStringA("Other", "before", "kept");
    ThenChooseSection("PostScript,LPT1");
    dialogs.Then(WarningSeen(nullptr));
    EXPECT_EQ(RunSectionDialog(mainWindow, SectionSave, MainWindowLists()), 1);

    EXPECT_EQ(events, (std::vector<std::string>{"flush", "flush", "flush after rewrite",
                                                "fontchange", "warning"}));
    for (const char* key : {"before", "atflush1", "atflush2", "atflush3"}) {
        char value[16] = "";
        GetProfileStringA("Other", key, "", value, sizeof value);
        EXPECT_STREQ(value, "kept") << key;
    }
    EXPECT_NE(windows.Read("win.ini").find("[PostScript,LPT1]\r\nATM=placeholder\r\n" + newBody),
              std::string::npos);
}

TEST_F(WinIniTest, SpanishWarningIsDialog401) {
    windows.Write("win.ini", SampleWinIni);
    WriteSettings("[Options]\r\nLanguage=300\r\n");
    ASSERT_TRUE(CreateMainWindow());
    SelectFonts({1});
    ThenChooseSection("PostScript,FILE");
    WarningLook warning;
    dialogs.Then(WarningSeen(&warning));
    RunSectionDialog(mainWindow, SectionSave, MainWindowLists());

    EXPECT_EQ(warning.seen.caption, "Advertencia:");
    EXPECT_EQ(
        warning.seen.controls[IDC_WARNING_TEXT],
        "Marlix inmediatamente y autom\xE1ticamente informa a Windows del sistema de fuentes o "
        "caracteres anchos, as\xED no tiene que reiniciar Windows. Algunos programas de "
        "cualquier modo no responden al sistema de fuentes anchas mientras estan operando. "
        "Por eso, programas ya abiertos tal vez necesitar\xED"
        "an ser reinicializados o, si es "
        "posible, manualmente se le dan instrucciones para refrescar sus fuentes de datos y "
        "de esta forma se producir\xE1n los cambios pertinentes en los mismos.");
    EXPECT_EQ(warning.seen.controls[IDC_WARNING_DONT_SHOW],
              "No muestre esta advertencia de nuevo.");
    EXPECT_EQ(warning.seen.controls[IDOK], "&Aceptar");
    EXPECT_EQ(warning.units.cx, 203);
    EXPECT_EQ(warning.units.cy, 143);
    EXPECT_EQ(windows.Read("win.ini"), Head + OldBody + "[PostScript,FILE]\r\nATM=placeholder\r\n" +
                                           SoftfontLines({1}) +
                                           "\r\n[Fonts]\r\nArial=ARIAL.FOT\r\n");
}

// Each click on the check box flips the setting at once; once it is ticked, later runs of the
// program save without the warning (but still broadcast).
TEST_F(WinIniTest, WarningCheckBoxFlipsWarn01AndATickedOneKeepsTheWarningAway) {
    windows.Write("win.ini", SampleWinIni);
    ASSERT_TRUE(CreateMainWindow());
    SelectFonts({3});
    ThenChooseSection("PostScript,LPT1");
    std::vector<int> stored;
    dialogs.Then([this, &stored](SeenDialog& dialog) {
        HWND box = GetDlgItem(dialog.window, IDC_WARNING_DONT_SHOW);
        EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        for (int click = 0; click < 3; ++click) {
            SendMessageA(box, BM_CLICK, 0, 0);
            stored.push_back(ReadSettingValue("Options", "Warn01"));
        }
        EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
        return IDOK;
    });
    RunSectionDialog(mainWindow, SectionSave, MainWindowLists());
    EXPECT_EQ(stored, (std::vector<int>{0, 1, 0}));
    EXPECT_FALSE(WarnOnFontChange);

    DestroyMainWindow();
    ASSERT_TRUE(CreateMainWindow());
    EXPECT_FALSE(WarnOnFontChange);
    SelectFonts({0});
    events.clear();
    ThenChooseSection("PostScript,LPT1");
    EXPECT_EQ(RunSectionDialog(mainWindow, SectionSave, MainWindowLists()), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"fontchange"}));
    EXPECT_EQ(dialogs.Seen().size(), 3u) << "no second warning";
    EXPECT_EQ(windows.Read("win.ini"),
              Head + "ATM=placeholder\r\n" + SoftfontLines({0}) + "\r\n" + Tail);
    EXPECT_EQ(ReadSettingValue("Options", "Warn01"), 0);
}

// Every way in which a save must leave WIN.INI byte for byte as it was: no broadcast follows,
// no warning, and the user sees the message (or nothing, where nothing is to be said).
TEST_F(WinIniTest, FailedSaveLeavesWinIniAsItWasWithoutBroadcastOrWarning) {
    const std::string tooLargeTail = [] {
        // head (19) + entry text + tail = 65201 bytes.
        const size_t entry = SoftfontLines({0}).size();
        std::string tail = "[Pad]\r\n;";
        tail.append(65201 - 19 - entry - tail.size(), 'x');
        return tail;
    }();
    const auto nothing = [] { return true; };
    const struct {
        const char* what;
        std::string file;
        std::function<bool()> prepare; // false: the case cannot be built here
        std::function<void()> undo;
        const char* message; // nullptr: nothing is shown
        std::vector<int> fonts;
        bool sectionGoesAway = false; // another program rewrites WIN.INI while the dialog is up
    } cases[] = {
        {"read-only WIN.INI",
         SampleWinIni,
         [] {
             return SetFileAttributesA(WindowsDirectory::Path("win.ini").c_str(),
                                       FILE_ATTRIBUTE_READONLY) != FALSE;
         },
         [] {
             SetFileAttributesA(WindowsDirectory::Path("win.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
         },
         "Could not access WIN.INI file.",
         {0}},
        {"temporary file cannot be created",
         SampleWinIni,
         [] { return CreateDirectoryA(TemporaryPath().c_str(), nullptr) != FALSE; },
         [] { RemoveDirectoryA(TemporaryPath().c_str()); },
         "Could not access WIN.INI file.",
         {0}},
        {"temporary file cannot be fully written",
         SampleWinIni,
         [] { return LinkToDiskFull(TemporaryPath()); },
         // wine does not remove a link to a device itself
         [] {
             RunOnHostPath({"/bin/rm", "-f"}, TemporaryPath());
         },
         "Could not access WIN.INI file.",
         {0}},
        {"zero byte inside",
         SampleWinIni + std::string(1, '\0') + "[After]\r\nkey=1\r\n",
         nothing,
         [] {},
         "Could not access WIN.INI file.",
         {0}},
        {"65201 bytes",
         "[PostScript,LPT1]\r\n" + tooLargeTail,
         nothing,
         [] {},
         "Too many fonts selected. Will not save.",
         {0}},
        {"section gone before OK", SampleWinIni, nothing, [] {}, nullptr, {0}, true},
        {"empty selection", SampleWinIni, nothing, [] {}, nullptr, {}},
    };
    ASSERT_TRUE(CreateMainWindow());
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        windows.Write("win.ini", test.file);
        if (!test.prepare()) {
            test.undo();
            ADD_FAILURE() << "the case could not be built";
            continue;
        }
        SendMessageA(App.SelectedList, LB_SETSEL, TRUE, -1);
        ::MoveSelectedFonts(App.AtmList, App.SelectedList);
        SelectFonts(test.fonts);
        events.clear();
        beeps.clear();
        const size_t seenBefore = dialogs.Seen().size();
        std::string before;
        dialogs.Then([&](SeenDialog& dialog) {
            if (test.sectionGoesAway)
                windows.Write("win.ini", Tail);
            before = windows.Read("win.ini");
            HWND list = GetDlgItem(dialog.window, IDC_SECTION_LIST);
            SendMessageA(list, LB_SETCURSEL, FindListItem(list, "PostScript,LPT1"), 0);
            return IDOK;
        });
        HWND owner = nullptr;
        if (test.message) {
            dialogs.Then([&owner](SeenDialog& box) {
                owner = GetWindow(box.window, GW_OWNER);
                return IDOK;
            });
        }
        EXPECT_EQ(RunSectionDialog(mainWindow, SectionSave, MainWindowLists()), 1);
        test.undo();
        EXPECT_EQ(windows.Read("win.ini"), before);
        EXPECT_TRUE(events.empty()) << "no broadcast, no warning";
        EXPECT_FALSE(windows.Exists("win.ini.mx~"));
        if (test.message) {
            ASSERT_EQ(dialogs.Seen().size(), seenBefore + 2);
            const SeenDialog& box = dialogs.Seen().back();
            EXPECT_EQ(box.text, test.message);
            EXPECT_EQ(box.caption, "WIN.INI File");
            EXPECT_EQ(box.icon, "hand");
            EXPECT_EQ(owner, mainWindow);
            EXPECT_EQ(beeps, (std::vector<UINT>{MB_ICONHAND}));
        } else {
            EXPECT_EQ(dialogs.Seen().size(), seenBefore + 1);
            EXPECT_EQ(beeps,
                      test.fonts.empty() ? std::vector<UINT>{MB_ICONHAND} : std::vector<UINT>{});
        }
    }
}

// What an earlier save left behind (a crash during a save in steps, a leftover temporary file)
// and how WIN.INI was marked, at the program's next start: the save goes on, WIN.INI keeps its
// marks, and no whole WIN.INI is ever lost. How a copy aside is settled is AsideCopyTest's: here,
// that the start settles it, and that the save stops when it must stay aside.
TEST_F(WinIniTest, LeftoversOfAnEarlierSaveNeitherLoseNorBlockWinIni) {
    const DWORD marks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const std::string path = WindowsDirectory::Path("win.ini");
    const std::string otherProgram = "[OtherApp]\r\nLastRun=1\r\n";
    const struct {
        const char* what;
        DWORD fileMarks;      // of win.ini
        bool markedTemporary; // a read-only, hidden and system win.ini.mx~ is left
        // Cut short between its two moves on Windows 95, 98 or ME (old copy aside, new one
        // still in win.ini.mx~), then another program wrote a profile string, which made a new
        // win.ini of its own: the caption of the box that tells at start.
        const char* told = nullptr;
        // win.ini.mx1 to .mx9 hold earlier kept files (the last row: it leaves them): the whole
        // WIN.INI stays aside, and the save tells again and stops before its dialog.
        bool namesTaken = false;
    } rows[] = {
        {"hidden and system", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, false},
        {"a marked temporary file is left", 0, true},
        {"cut short between the moves, then another program wrote", 0, true, "File Put Back"},
        {"as before, with all kept names taken", 0, true, "File Left Aside", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        for (const char* suffix : {"", ".mx-", ".mx~", ".mx!", ".mx1"})
            windows.Remove(std::string("win.ini") + suffix);
        for (char number = '1'; row.namesTaken && number <= '9'; ++number)
            windows.Write(std::string("win.ini.mx") + number, "kept");
        windows.Write(row.told ? "win.ini.mx-" : "win.ini", SampleWinIni);
        if (row.fileMarks)
            SetFileAttributesA(path.c_str(), row.fileMarks);
        if (row.markedTemporary) {
            windows.Write("win.ini.mx~", "stale");
            SetFileAttributesA(TemporaryPath().c_str(), marks);
        }
        if (row.told) {
            windows.Write("win.ini", otherProgram);
            dialogs.ThenClick(IDOK);
        }
        const OldWindowsMoves steps;
        ASSERT_TRUE(steps.Active());
        const size_t seenBefore = dialogs.Seen().size();
        beeps.clear();
        ASSERT_TRUE(CreateMainWindow());
        ASSERT_EQ(dialogs.Seen().size() - seenBefore, row.told ? 1u : 0u);
        if (row.told) {
            EXPECT_EQ(dialogs.Seen().back().caption, row.told);
        }
        SelectFonts({1});
        events.clear();
        if (row.namesTaken) {
            dialogs.ThenClick(IDOK);
        } else {
            ThenChooseSection("PostScript,LPT1");
            dialogs.Then(WarningSeen(nullptr));
        }
        EXPECT_EQ(RunSectionDialog(mainWindow, SectionSave, MainWindowLists()), !row.namesTaken);
        EXPECT_EQ(events, (row.namesTaken ? std::vector<std::string>{}
                                          : std::vector<std::string>{"fontchange", "warning"}));
        EXPECT_EQ(GetFileAttributesA(path.c_str()) & marks, row.fileMarks);
        EXPECT_EQ(windows.Read("win.ini.mx-"), row.namesTaken ? SampleWinIni : "");
        EXPECT_EQ(windows.Exists("win.ini.mx~"), row.namesTaken);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(windows.Read("win.ini"), row.namesTaken ? otherProgram
                                                          : Head + "ATM=placeholder\r\n" +
                                                                SoftfontLines({1}) + "\r\n" + Tail);
        if (row.namesTaken) {
            EXPECT_EQ(dialogs.Seen().back().caption, "File Left Aside");
            EXPECT_EQ(beeps, (std::vector<UINT>{MB_ICONHAND, MB_ICONHAND}));
        }
        // The section dialog and the warning, or the box again; the user was told only once.
        EXPECT_EQ(dialogs.Seen().size() - seenBefore,
                  (row.told ? 1u : 0u) + (row.namesTaken ? 1u : 2u));
        DestroyMainWindow();
    }
}

// 70000 bytes are worked with; one more gives message 117 over the dialog, which then ends.
TEST_F(WinIniTest, WinIniOf70000BytesLoadsAndOf70001GivesMessage117) {
    const std::string section = "[PostScript,LPT1]\r\nsoftfont1=c:\\f000a___.pfm\r\n[Pad]\r\n;";
    const std::string atLimit = section + std::string(70000 - section.size(), 'x');
    ASSERT_TRUE(CreateMainWindow());

    windows.Write("win.ini", atLimit);
    ThenChooseSection("PostScript,LPT1");
    EXPECT_EQ(RunSectionDialog(mainWindow, SectionOpen, MainWindowLists()), 1);
    EXPECT_EQ(Items(App.SelectedList), (std::vector<std::string>{SampleFontName(0)}));

    windows.Write("win.ini", atLimit + "x");
    std::string owner;
    dialogs.Then([&owner](SeenDialog& box) {
        owner = DialogDriver::TextOf(GetWindow(box.window, GW_OWNER));
        return IDOK;
    });
    EXPECT_EQ(RunSectionDialog(mainWindow, SectionOpen, MainWindowLists()), 0);
    ASSERT_EQ(dialogs.Seen().size(), 2u);
    EXPECT_EQ(dialogs.Seen()[1].text, "Win.ini too large to work with.");
    EXPECT_EQ(dialogs.Seen()[1].caption, "WIN.INI File");
    EXPECT_EQ(owner, "Printer Section") << "shown over the dialog";
    EXPECT_EQ(beeps, (std::vector<UINT>{MB_ICONHAND}));
}

// A missing WIN.INI is reported over the main window, even from the dialog.
TEST_F(WinIniTest, MissingWinIniIsReportedOverTheMainWindow) {
    windows.Remove("win.ini");
    ASSERT_TRUE(CreateMainWindow());
    HWND owner = nullptr;
    dialogs.Then([&owner](SeenDialog& box) {
        owner = GetWindow(box.window, GW_OWNER);
        return IDOK;
    });
    EXPECT_EQ(RunSectionDialog(mainWindow, SectionSave, MainWindowLists()), 0);
    ASSERT_EQ(dialogs.Seen().size(), 1u);
    EXPECT_EQ(dialogs.Seen()[0].text, "Could not access WIN.INI file.");
    EXPECT_EQ(owner, mainWindow);
}

} // namespace

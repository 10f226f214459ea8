// The printer-section dialog: which sections it offers in each mode, its texts in both
// languages, its buttons, and opening a section into the SelectedList.
#include "winini_fixture.h"

#include "app/main_window.h"
#include "base/language.h"
#include "catalog/catalog_win.h"
#include "controls/toolbar.h"
#include "listfile/list_file.h"
#include "resource.h"
#include "winini/section_dialog.h"

namespace {

// Sections in an order that is not the sorted one; FILE has no soft fonts, EMPTY no body at
// all, COM1 names its .pfm only in a comment, LPT2's ".PFM" is in capitals.
const std::string MixedWinIni = "[windows]\r\nload=\r\n\r\n"
                                "[PostScript,LPT1]\r\nsoftfonts=1\r\nsoftfont1=" +
                                SampleFileEntry(1) +
                                "\r\n"
                                "[PostScript,FILE]\r\nfeed1=1\r\n\r\n"
                                "[PostScript,EMPTY]\r\n"
                                "[PostScript,LPT2]\r\nsoftfont1=C:\\X\\" +
                                "F003D___.PFM\r\n\r\n"
                                "[PostScript,COM1]\r\n; softfont1=c:\\psfonts\\pfm\\a.pfm\r\n\r\n"
                                "[postscript,LPT3]\r\nsoftfont1=a.pfm\r\n\r\n"
                                "[PostScript,LPT1]\r\nsoftfont1=b.pfm\r\n";

TEST_F(WinIniTest, SaveModeListsEveryPostScriptSectionSorted) {
    windows.Write("win.ini", MixedWinIni);
    ASSERT_TRUE(CreateMainWindow());
    ThenChooseSection("", IDCANCEL);
    EXPECT_EQ(RunSectionDialog(mainWindow, SectionSave, MainWindowLists()), 0);
    EXPECT_EQ(sectionItems,
              (std::vector<std::string>{"PostScript,COM1", "PostScript,EMPTY", "PostScript,FILE",
                                        "PostScript,LPT1", "PostScript,LPT1", "PostScript,LPT2"}));
    ASSERT_EQ(dialogs.Seen().size(), 1u);
    const SeenDialog& seen = dialogs.Seen()[0];
    EXPECT_EQ(seen.caption, "Printer Section");
    EXPECT_EQ(seen.controls.at(IDC_SECTION_PROMPT), "Please select Win.ini printer section.");
    EXPECT_EQ(seen.controls.at(IDOK), "Ok");
    EXPECT_EQ(seen.controls.at(IDCANCEL), "Cancel");
    EXPECT_EQ(seen.controls.at(IDC_SECTION_HELP), "Help");
    EXPECT_EQ(windows.Read("win.ini"), MixedWinIni);
}

TEST_F(WinIniTest, OpenModeListsOnlySectionsThatNameAPfmFile) {
    windows.Write("win.ini", MixedWinIni);
    ASSERT_TRUE(CreateMainWindow());
    ThenChooseSection("", IDCANCEL);
    EXPECT_EQ(RunSectionDialog(mainWindow, SectionOpen, MainWindowLists()), 0);
    EXPECT_EQ(sectionItems,
              (std::vector<std::string>{"PostScript,LPT1", "PostScript,LPT1", "PostScript,LPT2"}));
}

TEST_F(WinIniTest, NoSectionToOfferShowsMessage115AndEndsTheDialog) {
    const struct {
        std::string file;
        int mode;
    } cases[] = {
        {"[windows]\r\nload=\r\n[HPPCL,LPT1]\r\nsoftfont1=a.pfm\r\n", SectionSave},
        {"[PostScript,LPT1]\r\nfeed1=1\r\n[Fonts]\r\nArial=a.pfm\r\n", SectionOpen},
        {"", SectionSave},
    };
    ASSERT_TRUE(CreateMainWindow());
    for (const auto& test : cases) {
        windows.Write("win.ini", test.file);
        std::string owner;
        dialogs.Then([&owner](SeenDialog& box) {
            owner = DialogDriver::TextOf(GetWindow(box.window, GW_OWNER));
            return IDOK;
        });
        EXPECT_EQ(RunSectionDialog(mainWindow, test.mode, MainWindowLists()), 0) << test.file;
        ASSERT_FALSE(dialogs.Seen().empty());
        const SeenDialog& box = dialogs.Seen().back();
        EXPECT_EQ(box.text, "No PostScript Section available in WIN.INI.");
        EXPECT_EQ(box.caption, "WIN.INI File");
        EXPECT_EQ(box.icon, "hand");
        EXPECT_EQ(owner, "Printer Section") << "shown over the dialog";
    }
    EXPECT_TRUE(beeps.empty()) << "message 115 comes without a beep";
}

TEST_F(WinIniTest, OkWithoutASelectionDoesNothing) {
    const std::string file =
        "[PostScript,LPT1]\r\nsoftfonts=1\r\nsoftfont1=" + SampleFileEntry(0) + "\r\n[x]\r\n";
    windows.Write("win.ini", file);
    ASSERT_TRUE(CreateMainWindowLogged());
    SelectFonts({1, 2});
    NameListFile("C:\\a");
    for (int mode : {SectionSave, SectionOpen}) {
        ThenChooseSection("", IDOK);
        EXPECT_EQ(RunSectionDialog(mainWindow, mode, MainWindowLists()), 0);
    }
    EXPECT_EQ(windows.Read("win.ini"), file);
    EXPECT_EQ(Items(App.SelectedList),
              (std::vector<std::string>{SampleFontName(2), SampleFontName(1)}));
    EXPECT_STREQ(ListFile.CurrentListTitle, "a");
    EXPECT_TRUE(events.empty()) << "no broadcast";
    EXPECT_TRUE(toolbar->Entries().empty());
    EXPECT_TRUE(beeps.empty());
}

TEST_F(WinIniTest, SpanishDialogTexts) {
    windows.Write("win.ini", MixedWinIni);
    WriteSettings("[Options]\r\nLanguage=300\r\n");
    ASSERT_TRUE(CreateMainWindow());
    dialogs.Then([](SeenDialog& dialog) {
        SendMessageA(dialog.window, WM_COMMAND, MAKEWPARAM(IDC_SECTION_HELP, BN_CLICKED), 0);
        return IDCANCEL;
    });
    RunSectionDialog(mainWindow, SectionSave, MainWindowLists());
    windows.Write("win.ini", "[windows]\r\n");
    dialogs.ThenClick(IDOK);
    RunSectionDialog(mainWindow, SectionOpen, MainWindowLists());

    ASSERT_EQ(dialogs.Seen().size(), 2u);
    const SeenDialog& seen = dialogs.Seen()[0];
    EXPECT_EQ(seen.caption, "Secci\xF3n de la Impresora");
    EXPECT_EQ(seen.controls.at(IDC_SECTION_PROMPT),
              "Favor de seleccionar la secci\xF3n de la impresora de Win.ini.");
    EXPECT_EQ(seen.controls.at(IDOK), "Aceptar");
    EXPECT_EQ(seen.controls.at(IDCANCEL), "Cancelar");
    EXPECT_EQ(seen.controls.at(IDC_SECTION_HELP), "Ayuda");
    EXPECT_EQ(dialogs.Seen()[1].text, "No hay secci\xF3n PostScript disponible en WIN.INI.");
    EXPECT_EQ(dialogs.Seen()[1].caption, "Archivo WIN.INI");
    ASSERT_EQ(helps.size(), 1u);
    EXPECT_EQ(helps[0].file, "Marlixs.hlp");
}

// The section names fonts 1 and 3 (one by a lower-case path, one in capitals); the SelectedList
// held fonts 0 and 1 before.
TEST_F(WinIniTest, OpeningASectionReplacesTheSelectionClearsTheTitleAndEnablesTheSaveButtons) {
    windows.Write("win.ini",
                  "[PostScript,FILE]\r\nsoftfonts=1\r\nsoftfont1=c:\\a\\f002c___.pfm"
                  "\r\n\r\n[PostScript,LPT1]\r\nATM=placeholder\r\nsoftfonts=2\r\n"
                  "softfont1=c:\\psfonts\\pfm\\f001b___.pfm,c:\\psfonts\\f001b___.pfb\r\n"
                  "softfont2=C:\\PSFONTS\\PFM\\F003D___.PFM\r\n\r\n[Next]\r\n"
                  "a=F004E___.PFM\r\n");
    ASSERT_TRUE(CreateMainWindowLogged());
    SelectFonts({0, 1});
    NameListFile("C:\\fonts.mxf");
    ThenChooseSection("PostScript,LPT1");
    Command(IDM_OPEN_WININI);

    EXPECT_EQ(Items(App.SelectedList),
              (std::vector<std::string>{SampleFontName(1), SampleFontName(3)}));
    EXPECT_EQ(Items(App.AtmList),
              (std::vector<std::string>{SampleFontName(2), SampleFontName(0), SampleFontName(4)}));
    EXPECT_EQ(App.SelectedFontCount, 2u);
    EXPECT_STREQ(ListFile.CurrentListTitle, "");
    EXPECT_EQ(toolbar->Entries(),
              (std::vector<std::pair<int, LPARAM>>{{ToolbarEnable, ButtonSaveList},
                                                   {ToolbarEnable, ButtonSaveWinIni}}));
}

// What other programs wrote through the profile functions may be only in the system's cache:
// each read comes after a flush, which here brings such a write into the file. The dialog then
// lists a section added at the first flush, and the read back names a font added at the second.
TEST_F(WinIniTest, DialogAndReadBackSeeWritesTheCacheHeld) {
    windows.Write("win.ini", "[PostScript,LPT1]\r\nsoftfonts=1\r\nsoftfont1=c:\\f002c___.pfm\r\n");
    ASSERT_TRUE(CreateMainWindow());
    int flushes = 0;
    onFlush = [&flushes] {
        if (++flushes == 1)
            WriteProfileStringA("PostScript,LPT9", "softfont1", "c:\\f000a___.pfm");
        else
            WriteProfileStringA("PostScript,LPT1", "softfont2", "c:\\f004e___.pfm");
    };
    ThenChooseSection("PostScript,LPT1");
    EXPECT_EQ(RunSectionDialog(mainWindow, SectionOpen, MainWindowLists()), 1);
    EXPECT_EQ(flushes, 2);
    EXPECT_EQ(sectionItems, (std::vector<std::string>{"PostScript,LPT1", "PostScript,LPT9"}));
    EXPECT_EQ(Items(App.SelectedList),
              (std::vector<std::string>{SampleFontName(2), SampleFontName(4)}));
}

TEST_F(WinIniTest, DoubleClickOpensTheSectionLikeOk) {
    windows.Write("win.ini", "[PostScript,LPT1]\r\nsoftfont1=c:\\f002c___.pfm\r\n");
    ASSERT_TRUE(CreateMainWindowLogged());
    dialogs.Then([](SeenDialog& dialog) {
        HWND list = GetDlgItem(dialog.window, IDC_SECTION_LIST);
        SendMessageA(list, LB_SETCURSEL, 0, 0);
        PostMessageA(dialog.window, WM_COMMAND, MAKEWPARAM(IDC_SECTION_LIST, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(list));
        return 0;
    });
    Command(IDM_OPEN_WININI);
    EXPECT_EQ(Items(App.SelectedList), (std::vector<std::string>{SampleFontName(2)}));
    EXPECT_EQ(toolbar->Entries().size(), 2u);
}

// The section vanished between the listing and OK: nothing changes, the buttons are left alone.
// A section that matches no font still replaces the selection and clears the title.
TEST_F(WinIniTest, OpenOfAVanishedSectionChangesNothingAndOfAnUnmatchedOneEmptiesTheList) {
    windows.Write("win.ini", "[PostScript,LPT1]\r\nsoftfont1=c:\\f002c___.pfm\r\n"
                             "[PostScript,LPT2]\r\nsoftfont1=c:\\nothing.pfm\r\n");
    ASSERT_TRUE(CreateMainWindowLogged());
    SelectFonts({4});
    NameListFile("C:\\fonts.mxf");
    dialogs.Then([this](SeenDialog& dialog) {
        windows.Write("win.ini", "[PostScript,LPT2]\r\nsoftfont1=c:\\nothing.pfm\r\n");
        SendMessageA(GetDlgItem(dialog.window, IDC_SECTION_LIST), LB_SETCURSEL, 0, 0);
        return IDOK;
    });
    EXPECT_EQ(RunSectionDialog(mainWindow, SectionOpen, MainWindowLists()), 1);
    EXPECT_EQ(Items(App.SelectedList), (std::vector<std::string>{SampleFontName(4)}));
    EXPECT_STREQ(ListFile.CurrentListTitle, "fonts.mxf");
    EXPECT_TRUE(toolbar->Entries().empty());
    EXPECT_TRUE(dialogs.Seen().size() == 1 && beeps.empty()) << "nothing reported";

    ThenChooseSection("PostScript,LPT2");
    dialogs.ThenClick(IDOK); // the names that matched nothing
    dialogs.ThenClick(IDOK); // nothing selected
    Command(IDM_OPEN_WININI);
    EXPECT_TRUE(Items(App.SelectedList).empty());
    EXPECT_STREQ(ListFile.CurrentListTitle, "");
    ASSERT_EQ(dialogs.Seen().size(), 4u);
    EXPECT_EQ(dialogs.Seen()[2].caption, "Non-Matching Items");
    EXPECT_EQ(dialogs.Seen()[3].text, "Could not find any matching font data in list.");
    EXPECT_EQ(toolbar->Entries().size(), 2u);
}

} // namespace

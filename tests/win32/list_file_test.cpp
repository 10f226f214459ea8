// List files through the real main window: saving in the three forms and reading them back,
// opening and merging, the Non-Matching Items dialog, the messages, the title and the file
// dialogs.
#include "marlix_test.h"

#include <cstring>

#include "app/language_menu.h"
#include "app/main_window.h"
#include "app/status_panel.h"
#include "base/language.h"
#include "catalog/catalog_win.h"
#include "listfile/list_file.h"
#include "listfile/list_matching_win.h"
#include "resource.h"
#include "window_probe.h"

namespace {

const std::vector<std::string> Fonts = SampleFontLines(12);

// The name of font i of the catalogue, and its FileEntry as a list file holds it.
std::string NameOf(int i) {
    return Fonts[i].substr(0, Fonts[i].find('='));
}
std::string FileEntryOf(int i) {
    return Fonts[i].substr(Fonts[i].find('=') + 1) + "\r\n";
}

} // namespace

class ListFileTest : public MarlixTest {
  protected:
    void SetUp() override {
        MarlixTest::SetUp();
        WriteAtmIni(Fonts);
        ASSERT_TRUE(CreateMainWindow());
        ASSERT_EQ(Items(App.AtmList).size(), Fonts.size());
    }

    void WriteListFile(const std::string& name, const std::string& bytes) {
        windows.Write(name, bytes);
        NameListFile(WindowsDirectory::Path(name));
    }

    // Makes exactly these fonts the selected ones.
    void Select(const std::vector<std::string>& names) {
        SelectItems(App.SelectedList, Items(App.SelectedList));
        MoveSelectedFonts(App.AtmList, App.SelectedList);
        SelectItems(App.AtmList, names);
        MoveSelectedFonts(App.SelectedList, App.AtmList);
        UpdateSelectedCount(mainWindow);
        ASSERT_EQ(Items(App.SelectedList).size(), names.size());
    }

    // What the command line (35) and a drop (35, or 38 after Alt+M) post once they have named
    // the file.
    void OpenCommand(bool merge) { Command(merge ? IDM_MERGE_NAMED_LIST : IDM_OPEN_NAMED_LIST); }

    // Queues the answer to a file dialog: type the path into its file name box and confirm.
    void ThenChooseFile(const std::string& path) {
        dialogs.Then([path](SeenDialog& dialog) {
            HWND name = GetDlgItem(dialog.window, 0x47C); // cmb13
            if (!name)
                name = GetDlgItem(dialog.window, 0x480); // edt1
            SetWindowTextA(name, path.c_str());
            return IDOK;
        });
    }
    // Queues dialog 1005: its names are kept in unmatched.
    void ThenNonMatching(std::vector<std::string>* unmatched) {
        dialogs.Then([unmatched](SeenDialog& dialog) {
            EXPECT_EQ(dialog.caption, "Non-Matching Items");
            EXPECT_EQ(dialog.controls[IDC_BAD_MATCH_TEXT],
                      "These items could not be matched with list from ATM.ini");
            EXPECT_EQ(dialog.controls[IDOK], "Ok");
            *unmatched = ListItems(GetDlgItem(dialog.window, IDC_BAD_MATCH_LIST));
            return IDOK;
        });
    }
};

TEST_F(ListFileTest, EachFormIsWrittenByteForByteAndReadsBackTheSameSelection) {
    const std::string body[] = {
        "softfonts=3\r\nsoftfont1=" + FileEntryOf(5) + "softfont2=" + FileEntryOf(2) +
            "softfont3=" + FileEntryOf(10),
        NameOf(5) + "=" + FileEntryOf(5) + NameOf(2) + "=" + FileEntryOf(2) + NameOf(10) + "=" +
            FileEntryOf(10),
        NameOf(5) + "\r\n" + NameOf(2) + "\r\n" + NameOf(10) + "\r\n",
    };
    // In the list's order: C059, Nimbus Mono PS, Nimbus Roman,BOLD.
    const std::vector<std::string> chosen = {NameOf(5), NameOf(2), NameOf(10)};
    for (int form = 1; form <= 3; ++form) {
        SCOPED_TRACE(form);
        Select(chosen);
        NameListFile(WindowsDirectory::Path("form.mxf"), form);
        Command(IDM_SAVE_LIST);
        EXPECT_EQ(windows.Read("form.mxf"), "[Fonts]\r\n" + body[form - 1] + "[EndFonts]\r\n");

        // Opening replaces whatever is selected now.
        Select({NameOf(0), NameOf(5)});
        NameListFile(WindowsDirectory::Path("form.mxf"), 0);
        OpenCommand(false);
        EXPECT_EQ(Items(App.SelectedList), chosen);
        EXPECT_EQ(Items(App.AtmList).size(), Fonts.size() - chosen.size());
        EXPECT_EQ(App.SelectedFontCount, chosen.size());
        EXPECT_EQ(ListFile.CurrentListForm, form);
        EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32 - form.mxf");
    }
    EXPECT_TRUE(beeps.empty());
}

TEST_F(ListFileTest, FileNamesDecideSoEditedFontNamesAndOtherSectionsStillLoad) {
    WriteListFile("edited.mxf", "; kept by hand\r\n[Other]\r\nx=C:\\PSFONTS\\PFM\\F000A___.PFM\r\n"
                                "[Fonts]\r\nRenamed Font=c:\\fonts\\pfm\\f003d___.pfm,c:\\x.pfb\r\n"
                                "Another=C:\\PSFONTS\\PFM\\F007H___.PFM\r\n[EndFonts]\r\n"
                                "after=C:\\PSFONTS\\PFM\\F001B___.PFM\r\n");
    OpenCommand(false);
    EXPECT_EQ(Items(App.SelectedList), (std::vector<std::string>{NameOf(3), NameOf(7)}));
    EXPECT_EQ(ListFile.CurrentListForm, 2);
}

TEST_F(ListFileTest, ReadFailuresAreReportedAndLeaveNoFileInTheTitle) {
    struct Case {
        const char* bytes;
        UINT textId, captionId;
    } cases[] = {
        {"[FONTS]\r\nC059\r\n[EndFonts]\r\n", IDS_NO_FONT_INFO, IDS_OPEN_FILE_CAPTION},
        {"[Fonts]", IDS_NO_FONT_INFO, IDS_OPEN_FILE_CAPTION},
        {"", IDS_NO_FONT_INFO, IDS_OPEN_FILE_CAPTION},
        {"[Fonts]\r\n[EndFonts]\r\n", IDS_NO_MATCH, IDS_MATCH_CAPTION},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.bytes);
        Select({NameOf(1)});
        NameListFile(WindowsDirectory::Path("good.mxf"), 3);
        SetWindowTextA(mainWindow, "Marlix32 - good.mxf");
        WriteListFile("bad.mxf", test.bytes);
        beeps.clear();
        ThenMessage(test.textId, test.captionId);
        EXPECT_FALSE(OpenNamedListFile(false));
        EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONERROR});
        EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32  by Velquist");
        EXPECT_STREQ(ListFile.CurrentListTitle, "");
        EXPECT_EQ(ListFile.CurrentListPath, WindowsDirectory::Path("bad.mxf"));
        EXPECT_EQ(ListFile.CurrentListForm, 3);
    }
    // The empty list (the last case) emptied the selection in open mode.
    EXPECT_TRUE(Items(App.SelectedList).empty());
    EXPECT_EQ(App.SelectedFontCount, 0u);
}

// Another program holds keep.mxf open (no sharing), or it is gone: the open says so, and the
// program goes back to the file it had, so that F2 never writes over a list it did not read.
TEST_F(ListFileTest, AListThatCannotBeOpenedIsReportedAndNeverOverwrittenBySave) {
    const std::string kept = "[Fonts]\r\n" + NameOf(2) + "\r\n[EndFonts]\r\n";
    windows.Write("keep.mxf", kept);
    windows.Remove("missing.mxf");
    const std::string keep = WindowsDirectory::Path("keep.mxf");
    HANDLE held = CreateFileA(keep.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    for (const char* name : {"keep.mxf", "missing.mxf"}) {
        SCOPED_TRACE(name);
        // Named on the command line: afterwards there is no current file, so F2 asks.
        DestroyMainWindow();
        ThenMessage(IDS_LIST_NOT_OPENED, IDS_OPEN_LIST_CAPTION);
        beeps.clear();
        ASSERT_TRUE(CreateMainWindow(WindowsDirectory::Path(name).c_str()));
        EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONERROR});
        EXPECT_STREQ(ListFile.CurrentListTitle, "");
        SelectItems(App.AtmList, {NameOf(4)});
        Command(IDM_ADD_FONTS);
        dialogs.Then([](SeenDialog& dialog) {
            EXPECT_EQ(dialog.caption, "Save List File");
            return IDCANCEL;
        });
        EXPECT_TRUE(PressAccelerator(mainWindow, VK_F2, false, false));
        PumpMessages();

        // Dropped while good.mxf is the current file: that stays the file F2 writes.
        Select({NameOf(6)});
        NameListFile(WindowsDirectory::Path("good.mxf"), 3);
        Command(IDM_SAVE_LIST);
        ThenMessage(IDS_LIST_NOT_OPENED, IDS_OPEN_LIST_CAPTION);
        SendMessageA(mainWindow, WM_DROPFILES,
                     reinterpret_cast<WPARAM>(MakeDrop({WindowsDirectory::Path(name)})), 0);
        PumpMessages();
        EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32 - good.mxf");
        EXPECT_EQ(ListFile.CurrentListPath, WindowsDirectory::Path("good.mxf"));
        EXPECT_STREQ(ListFile.CurrentListTitle, "good.mxf");
        EXPECT_EQ(ListFile.CurrentListForm, 3);
        Select({NameOf(7)});
        EXPECT_TRUE(PressAccelerator(mainWindow, VK_F2, false, false));
        EXPECT_EQ(windows.Read("good.mxf"), "[Fonts]\r\n" + NameOf(7) + "\r\n[EndFonts]\r\n");
    }
    CloseHandle(held);
    EXPECT_EQ(windows.Read("keep.mxf"), kept);
    EXPECT_FALSE(windows.Exists("missing.mxf"));
}

TEST_F(ListFileTest, UnmatchedNamesAreListedInLowerCaseAndTheMatchedOnesSelected) {
    WriteListFile("some.mxf",
                  "[Fonts]\r\nsoftfonts=3\r\n"
                  "softfont1=C:\\PSFONTS\\PFM\\F004E___.PFM,C:\\PSFONTS\\F004E___.PFB\r\n"
                  "softfont2=D:\\OLD\\PFM\\ABC.PFM\r\n"
                  "softfont3=Z:\\\xC9T\xC9.PFM\r\n[EndFonts]\r\n");
    std::vector<std::string> unmatched;
    ThenNonMatching(&unmatched);
    OpenCommand(false);
    EXPECT_EQ(unmatched, (std::vector<std::string>{"abc.pfm", "\xE9t\xE9.pfm"}));
    EXPECT_EQ(Items(App.SelectedList), std::vector<std::string>{NameOf(4)});
    EXPECT_EQ(ListFile.CurrentListForm, 1);
    EXPECT_TRUE(beeps.empty());
}

TEST_F(ListFileTest, NamesOnlyListsCompareLetterCaseAndReportWhatMatchesNothing) {
    WriteListFile("names.mxf", "[Fonts]\r\n  " + NameOf(6) + "   ; comment\r\nc059\r\n" +
                                   NameOf(8) + "\tsomething\r\n[EndFonts]\r\n");
    std::vector<std::string> unmatched;
    ThenNonMatching(&unmatched);
    OpenCommand(false);
    EXPECT_EQ(unmatched, std::vector<std::string>{"c059"});
    EXPECT_EQ(Items(App.SelectedList), (std::vector<std::string>{NameOf(6), NameOf(8)}));
    EXPECT_EQ(ListFile.CurrentListForm, 3);
}

// Fonts whose names differ only in letter case, and names with letters that only code page 1252
// pairs (Ž, Þ): a list selects exactly the fonts it names, and a copy of the catalogue's own lines
// reads back whole.
TEST_F(ListFileTest, CaseVariantsAndAccentedLettersMatchOnlyWhatTheListNames) {
    const std::vector<std::string> odd = {
        "Arial=C:\\PSFONTS\\PFM\\ARIAL___.PFM,C:\\PSFONTS\\ARIAL___.PFB",
        "ARIAL=C:\\PSFONTS\\PFM\\ARIALC__.PFM,C:\\PSFONTS\\ARIALC__.PFB",
        "\xDEorn=C:\\PSFONTS\\PFM\\\xDEORN.PFM,C:\\PSFONTS\\\xDEORN.PFB",
        "\x8E"
        "ed=C:\\PSFONTS\\PFM\\\x8E"
        "ED.PFM,C:\\PSFONTS\\\x8E"
        "ED.PFB"};
    DestroyMainWindow();
    WriteAtmIni(odd);
    ASSERT_TRUE(CreateMainWindow());
    WriteListFile("twice.mxf", "[Fonts]\r\nArial\r\nArial\r\n[EndFonts]\r\n");
    OpenCommand(false);
    EXPECT_EQ(Items(App.SelectedList), std::vector<std::string>{"Arial"});
    WriteListFile("pfm.mxf", "[Fonts]\r\n" + odd[0] + "\r\n[EndFonts]\r\n");
    OpenCommand(true);
    OpenCommand(true);
    EXPECT_EQ(Items(App.SelectedList), std::vector<std::string>{"Arial"});

    std::string copy = "[Fonts]\r\n";
    for (const std::string& line : odd)
        copy += line + "\r\n";
    WriteListFile("copy.mxf", copy);
    OpenCommand(false);
    EXPECT_EQ(Items(App.SelectedList).size(), odd.size()) << "no Non-Matching Items";
    EXPECT_TRUE(Items(App.AtmList).empty());
    EXPECT_TRUE(beeps.empty());
}

TEST_F(ListFileTest, NothingMatchingInOpenModeShowsTheNamesThenMessage118) {
    Select({NameOf(0)});
    WriteListFile("none.mxf", "[Fonts]\r\nNo Such Font\r\n[EndFonts]\r\n");
    std::vector<std::string> unmatched;
    ThenNonMatching(&unmatched);
    ThenMessage(IDS_NO_MATCH, IDS_MATCH_CAPTION);
    EXPECT_FALSE(OpenNamedListFile(false));
    EXPECT_EQ(unmatched, std::vector<std::string>{"No Such Font"});
    EXPECT_TRUE(Items(App.SelectedList).empty());
    EXPECT_EQ(Items(App.AtmList).size(), Fonts.size());
}

TEST_F(ListFileTest, MergingAddsToTheSelectionAndAListAlreadySelectedChangesNothing) {
    Select({NameOf(1), NameOf(9)});
    WriteListFile("two.mxf", "[Fonts]\r\n" + NameOf(9) + "\r\n" + NameOf(1) + "\r\n" + NameOf(9) +
                                 "\r\n[EndFonts]\r\n");
    // The operation's own result: true, as the selection still holds fonts.
    EXPECT_TRUE(OpenNamedListFile(true));
    EXPECT_EQ(Items(App.SelectedList), (std::vector<std::string>{NameOf(1), NameOf(9)}));
    EXPECT_EQ(Items(App.AtmList).size(), Fonts.size() - 2);
    EXPECT_EQ(App.SelectedFontCount, 2u);

    WriteListFile("more.mxf", "[Fonts]\r\n" + NameOf(3) + "=" + FileEntryOf(3) + "[EndFonts]\r\n");
    OpenCommand(true);
    EXPECT_EQ(Items(App.SelectedList), (std::vector<std::string>{NameOf(1), NameOf(9), NameOf(3)}));
    EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32 - more.mxf");
    EXPECT_TRUE(beeps.empty());
}

TEST_F(ListFileTest, SaveRightAfterAnOpenRewritesTheFileInTheFormItWasRead) {
    // A hand-made form 1 file: other text around it, a count that is wrong, lower case paths.
    WriteListFile("hand.mxf",
                  "[Fonts]\r\nsoftfonts=9\r\nsoftfont1=c:\\psfonts\\pfm\\f008i___.pfm\r\n"
                  "softfont2=c:\\psfonts\\pfm\\f000a___.pfm\r\n");
    OpenCommand(false);
    ASSERT_EQ(ListFile.CurrentListForm, 1);
    Command(IDM_SAVE_LIST); // F2
    EXPECT_EQ(windows.Read("hand.mxf"), "[Fonts]\r\nsoftfonts=2\r\nsoftfont1=" + FileEntryOf(0) +
                                            "softfont2=" + FileEntryOf(8) + "[EndFonts]\r\n");
    EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32 - hand.mxf");
}

TEST_F(ListFileTest, TitleShowsTwentyFourCharactersOfTheFileName) {
    Select({NameOf(0)});
    NameListFile(WindowsDirectory::Path("abcdefghijklmnopqrst.mxf"), 3);
    Command(IDM_SAVE_LIST);
    EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32 - abcdefghijklmnopqrst.mxf");

    windows.Write("abcdefghijklmnopqrstu.mxf", windows.Read("abcdefghijklmnopqrst.mxf"));
    NameListFile(WindowsDirectory::Path("abcdefghijklmnopqrstu.mxf"));
    OpenCommand(false);
    EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32 - abcdefghijklmnopqrstu.mx...");

    ForgetListFile(mainWindow);
    EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32  by Velquist");
    EXPECT_STREQ(ListFile.CurrentListTitle, "");
    EXPECT_EQ(ListFile.CurrentListPath, WindowsDirectory::Path("abcdefghijklmnopqrstu.mxf"));
}

TEST_F(ListFileTest, SavingAnEmptyListBeepsWritesNothingAndStillNamesTheFile) {
    windows.Remove("empty.mxf");
    ThenChooseFile(WindowsDirectory::Path("empty.mxf"));
    Command(IDM_SAVE_LIST); // with no current file: save as
    EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONERROR});
    EXPECT_FALSE(windows.Exists("empty.mxf"));
    EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32 - empty.mxf");
    EXPECT_EQ(ListFile.CurrentListForm, 2);
}

TEST_F(ListFileTest, SaveAsOffersFontAndFileNameAndAddsTheExtension) {
    Select({NameOf(4)});
    windows.Remove("chosen.mxf");
    DWORD offered = 0;
    dialogs.Then([&](SeenDialog& dialog) {
        EXPECT_EQ(dialog.caption, "Save List File");
        HWND types = GetDlgItem(dialog.window, 0x470); // cmb1
        offered = static_cast<DWORD>(SendMessageA(types, CB_GETCURSEL, 0, 0)) + 1;
        SetWindowTextA(GetDlgItem(dialog.window, 0x47C), WindowsDirectory::Path("chosen").c_str());
        return IDOK;
    });
    Command(IDM_SAVE_LIST_AS);
    EXPECT_EQ(offered, 2u);
    EXPECT_EQ(windows.Read("chosen.mxf"),
              "[Fonts]\r\n" + NameOf(4) + "=" + FileEntryOf(4) + "[EndFonts]\r\n");
    EXPECT_STREQ(ListFile.CurrentListTitle, "chosen.mxf");
    EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32 - chosen.mxf");
}

TEST_F(ListFileTest, CancellingSaveAsKeepsTheTitleButTheNextSaveUsesFontAndFileName) {
    WriteListFile("kept.mxf", "[Fonts]\r\n" + NameOf(7) + "\r\n[EndFonts]\r\n");
    OpenCommand(false);
    ASSERT_EQ(ListFile.CurrentListForm, 3);
    dialogs.ThenClick(IDCANCEL);
    Command(IDM_SAVE_LIST_AS);
    EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32 - kept.mxf");
    EXPECT_EQ(ListFile.CurrentListForm, 2);
    Command(IDM_SAVE_LIST);
    EXPECT_EQ(windows.Read("kept.mxf"),
              "[Fonts]\r\n" + NameOf(7) + "=" + FileEntryOf(7) + "[EndFonts]\r\n");
}

TEST_F(ListFileTest, OpenDialogReadsTheChosenFileWhateverTheFilter) {
    windows.Write("chosen.txt", "[Fonts]\r\n" + NameOf(2) + "\r\n[EndFonts]\r\n");
    std::string caption;
    dialogs.Then([&](SeenDialog& dialog) {
        caption = dialog.caption;
        SendMessageA(GetDlgItem(dialog.window, 0x470), CB_SETCURSEL, 1, 0);
        SetWindowTextA(GetDlgItem(dialog.window, 0x47C),
                       WindowsDirectory::Path("chosen.txt").c_str());
        return IDOK;
    });
    Command(IDM_OPEN_LIST);
    EXPECT_EQ(caption, "Open List File");
    EXPECT_STREQ(ListFile.CurrentListTitle, "chosen.txt");
    EXPECT_EQ(Items(App.SelectedList), std::vector<std::string>{NameOf(2)});
    EXPECT_EQ(ListFile.CurrentListForm, 3);

    // Cancelled: nothing changes but the filter, which is back at the first.
    dialogs.ThenClick(IDCANCEL);
    Command(IDM_OPEN_LIST);
    EXPECT_STREQ(ListFile.CurrentListTitle, "chosen.txt");
    EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32 - chosen.txt");
    EXPECT_EQ(Items(App.SelectedList), std::vector<std::string>{NameOf(2)});
    EXPECT_EQ(ListFile.CurrentListForm, 1);
}

TEST_F(ListFileTest, OpenAndMergeThroughTheFileDialog) {
    WriteListFile("first.mxf", "[Fonts]\r\n" + NameOf(0) + "\r\n[EndFonts]\r\n");
    WriteListFile("second.mxf", "[Fonts]\r\n" + NameOf(11) + "\r\n[EndFonts]\r\n");
    Select({NameOf(5)});
    // F3, as the message loop's accelerator table turns it into a command.
    HACCEL accelerators =
        LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDA_ACCELERATORS));
    MSG f3 = {mainWindow, WM_KEYDOWN, VK_F3, 0x003D0001, 0, {0, 0}};
    ThenChooseFile(WindowsDirectory::Path("first.mxf"));
    ASSERT_TRUE(TranslateAcceleratorA(mainWindow, accelerators, &f3));
    PumpMessages();
    EXPECT_EQ(Items(App.SelectedList), std::vector<std::string>{NameOf(0)});
    ThenChooseFile(WindowsDirectory::Path("second.mxf"));
    Command(IDM_MERGE_LIST);
    EXPECT_EQ(Items(App.SelectedList), (std::vector<std::string>{NameOf(11), NameOf(0)}));
    EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32 - second.mxf");
}

TEST_F(ListFileTest, NonMatchingDialogFollowsTheLanguageAndOnlyItsButtonClosesIt) {
    SetLanguage(300);
    WriteListFile("es.mxf", "[Fonts]\r\nNinguna\r\n" + NameOf(3) + "\r\n[EndFonts]\r\n");
    dialogs.Then([](SeenDialog& dialog) {
        EXPECT_EQ(dialog.caption, "Los Art\xED"
                                  "culos No Corresponden");
        EXPECT_EQ(dialog.controls[IDC_BAD_MATCH_TEXT],
                  "Estos Art\xED"
                  "culos no corresponden con la lista de ATM.ini");
        EXPECT_EQ(dialog.controls[IDOK], "Aceptar");
        EXPECT_FALSE(GetWindowLongA(dialog.window, GWL_STYLE) & WS_SYSMENU);
        // Esc is not an answer: the dialog stays up.
        SendMessageA(dialog.window, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindow(dialog.window));
        return IDOK;
    });
    OpenCommand(false);
    EXPECT_EQ(Items(App.SelectedList), std::vector<std::string>{NameOf(3)});
    SetLanguage(0);
}

// The demo list that scripts/run.sh users open against the demo atm.ini.
TEST_F(MarlixTest, DemoListSelectsItsFontsAndSavesBackUnchanged) {
    const std::string demo = MARLIX_DEMO_DIR;
    const std::string atm = ReadFileBytes(demo + "/atm.ini");
    const std::string sample = ReadFileBytes(demo + "/sample.mxf");
    ASSERT_FALSE(atm.empty() || sample.empty());
    windows.Write("atm.ini", atm);
    windows.Write("sample.mxf", sample);
    // Named on the command line: the window opens it once its messages run.
    ASSERT_TRUE(CreateMainWindow(("\"" + WindowsDirectory::Path("sample.mxf") + "\"").c_str()));
    EXPECT_EQ(Items(App.SelectedList),
              (std::vector<std::string>{"Nimbus Roman", "Nimbus Roman,ITALIC", "Nimbus Sans",
                                        "Nimbus Sans,BOLD", "URW Gothic"}));
    EXPECT_EQ(ListFile.CurrentListForm, 2);
    EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32 - sample.mxf");
    SendMessageA(mainWindow, WM_COMMAND, IDM_SAVE_LIST, 0);
    EXPECT_EQ(windows.Read("sample.mxf"), sample);
}

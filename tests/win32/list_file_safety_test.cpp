// List files that cannot be saved, and files too large or too strange to be lists: the old file
// stays as it was, and every case ends with a message instead of a hang.
#include "marlix_test.h"

#include <cstdio>
#include <random>

#include "app/main_window.h"
#include "app/status_panel.h"
#include "base/language.h"
#include "base/safe_file.h"
#include "catalog/catalog_win.h"
#include "listfile/list_file.h"
#include "resource.h"

namespace {

// Files the safe write left behind in a folder.
int TemporaryFilesIn(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.mx~").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do
        count += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
    while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

} // namespace

class ListFileSafetyTest : public MarlixTest {
  protected:
    void SetUp() override {
        MarlixTest::SetUp();
        ASSERT_TRUE(CreateMainWindow());
        SelectItems(App.AtmList, {Items(App.AtmList)[0]});
        MoveSelectedFonts(App.SelectedList, App.AtmList);
        UpdateSelectedCount(mainWindow);
    }

    // Saves to the current file and expects the failure to be reported and nothing changed.
    void ExpectSaveFails(const std::string& folder, const std::string& name,
                         const std::string& before, HANDLE held = nullptr) {
        ForgetListFile(mainWindow);
        NameListFile(folder + "\\" + name, 2);
        beeps.clear();
        ThenMessage(IDS_LIST_NOT_SAVED, IDS_SAVE_FILE_CAPTION);
        EXPECT_FALSE(SaveListFile(mainWindow, MainWindowLists(), SaveToCurrent));
        EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONERROR});
        EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32  by Velquist");
        EXPECT_EQ(TemporaryFilesIn(folder), 0);
        if (held)
            CloseHandle(held);
        SetFileAttributesA((folder + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(ReadFileBytes(folder + "\\" + name), before)
            << "the old list file must stay as it was";
    }
};

TEST_F(ListFileSafetyTest, SaveOverAReadOnlyFileKeepsItAndSaysSo) {
    const std::string before = "[Fonts]\r\nold list\r\n[EndFonts]\r\n";
    windows.Write("locked.mxf", before);
    SetFileAttributesA(WindowsDirectory::Path("locked.mxf").c_str(), FILE_ATTRIBUTE_READONLY);
    ExpectSaveFails(WindowsFolder(), "locked.mxf", before);
}

TEST_F(ListFileSafetyTest, SaveOverAFileAnotherProgramHoldsOpenKeepsIt) {
    const std::string before = "[Fonts]\r\nheld open\r\n[EndFonts]\r\n";
    windows.Write("held.mxf", before);
    HANDLE held = CreateFileA(WindowsDirectory::Path("held.mxf").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ExpectSaveFails(WindowsFolder(), "held.mxf", before, held);
}

TEST_F(ListFileSafetyTest, SaveWhoseTemporaryFileCannotBeMadeKeepsTheOldFile) {
    const std::string before = "[Fonts]\r\nkept\r\n[EndFonts]\r\n";
    windows.Write("blocked.mxf", before);
    // A folder stands where the new file would be written first.
    const std::string temporary = WindowsDirectory::Path("blocked.mxf.mx~");
    ASSERT_TRUE(CreateDirectoryA(temporary.c_str(), nullptr));
    ExpectSaveFails(WindowsFolder(), "blocked.mxf", before);
    EXPECT_TRUE(RemoveDirectoryA(temporary.c_str())) << "the folder is not the save's to remove";
}

// Paths of 256 to 259 characters, the longest a file may have: the temporary file's name is cut
// to fit beside it.
TEST_F(ListFileSafetyTest, AListFileWithTheLongestPathIsSaved) {
    const std::string name = "a-rather-long-list.mxf";
    for (size_t length = 256; length <= 259; ++length) {
        const std::string folder =
            WindowsFolder() + "\\" +
            std::string(length - WindowsFolder().size() - 2 - name.size(), 'd');
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << length;
        const std::string path = folder + "\\" + name;
        ASSERT_EQ(path.size(), length);
        NameListFile(path, 3);
        EXPECT_TRUE(SaveListFile(mainWindow, MainWindowLists(), SaveToCurrent)) << length;
        EXPECT_EQ(ReadFileBytes(path),
                  "[Fonts]\r\n" + Items(App.SelectedList)[0] + "\r\n[EndFonts]\r\n")
            << length;
        EXPECT_EQ(TemporaryFilesIn(folder), 0);
        DeleteFileA(path.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    EXPECT_TRUE(beeps.empty());
}

// What an earlier save left behind (a crash, a copy kept aside, a leftover temporary file) and how
// the file was marked: opening and saving go on, the saved file keeps its marks, and no whole list
// is ever lost. How a copy aside is settled is AsideCopyTest's: here, that an open settles it
// before reading, and how an open and a save stop when it must stay aside.
TEST_F(ListFileSafetyTest, LeftoversOfAnEarlierSaveNeitherLoseNorBlockTheFile) {
    const DWORD marks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const std::string list = "[Fonts]\r\n" + Items(App.SelectedList)[0] + "\r\n[EndFonts]\r\n";
    const std::string old = "[Fonts]\r\nold\r\n[EndFonts]\r\n";
    const std::string other = "[OtherApp]\r\nLastRun=1\r\n";
    const std::string path = WindowsDirectory::Path("left.mxf");
    const struct {
        const char* what;
        bool save;        // else open
        const char* file; // nullptr: no file
        DWORD fileMarks;
        const char* aside;     // left.mxf.mx-
        const char* temporary; // left.mxf.mx~, read-only, hidden and system
        DWORD marksAfter;
        const char* told = nullptr; // the caption of the one box
        // left.mxf.mx1 to .mx9 hold earlier kept files (the last rows: they leave them): the whole
        // list stays aside, the operation fails, and an open leaves no current file.
        bool namesTaken = false;
    } rows[] = {
        {"saved hidden and system", true, old.c_str(),
         FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, nullptr, nullptr,
         FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
        {"saved over a marked temporary file left", true, old.c_str(), 0, nullptr, "stale", 0},
        // A save cut short between its two moves, then another program wrote at the same name.
        {"opened after a cut save and another program's write", false, other.c_str(), 0,
         list.c_str(), "new", 0, "File Put Back"},
        {"opened with all kept names taken", false, other.c_str(), 0, list.c_str(), "new", 0,
         "File Left Aside", true},
        {"saved with all kept names taken", true, other.c_str(), 0, list.c_str(), "new", 0,
         "File Left Aside", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        for (const char* suffix : {"", ".mx-", ".mx~", ".mx!", ".mx1"})
            windows.Remove(std::string("left.mxf") + suffix);
        for (char number = '1'; row.namesTaken && number <= '9'; ++number)
            windows.Write(std::string("left.mxf.mx") + number, "kept");
        if (row.file) {
            windows.Write("left.mxf", row.file);
            SetFileAttributesA(path.c_str(), row.fileMarks ? row.fileMarks : FILE_ATTRIBUTE_NORMAL);
        }
        if (row.aside)
            windows.Write("left.mxf.mx-", row.aside);
        if (row.temporary) {
            windows.Write("left.mxf.mx~", row.temporary);
            SetFileAttributesA((path + ".mx~").c_str(), marks);
        }
        NameListFile(path, 3);
        beeps.clear();
        const size_t seenBefore = dialogs.Seen().size();
        if (row.told)
            dialogs.ThenClick(IDOK);
        EXPECT_EQ(row.save ? SaveListFile(mainWindow, MainWindowLists(), SaveToCurrent)
                           : OpenNamedListFile(),
                  !row.namesTaken);
        EXPECT_EQ(beeps, row.namesTaken ? std::vector<UINT>{MB_ICONERROR} : std::vector<UINT>{});
        EXPECT_EQ(GetFileAttributesA(path.c_str()) & marks, row.marksAfter);
        EXPECT_EQ(windows.Read("left.mxf.mx-"), row.namesTaken ? list : "");
        EXPECT_EQ(windows.Exists("left.mxf.mx~"), (!row.save || row.namesTaken) && row.temporary);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(ReadFileBytes(path), row.namesTaken ? other : list);
        EXPECT_STREQ(ListFile.CurrentListTitle, row.namesTaken && !row.save ? "" : "left.mxf");
        ASSERT_EQ(dialogs.Seen().size() - seenBefore, row.told ? 1u : 0u) << "told once";
        if (row.told) {
            EXPECT_EQ(dialogs.Seen().back().caption, row.told);
        }
    }
}

// Where the system cannot replace a file in one move (Windows 95, 98, ME), the old file is moved
// aside first: whichever step fails, the file is never lost.
TEST(ReplaceStepByStep, WhicheverStepFailsTheFileIsThereOldOrNew) {
    WindowsDirectory windows;
    const std::string path = WindowsDirectory::Path("steps.mxf");
    const std::string temporary = WindowsDirectory::Path("steps.mxf.mx~");
    const std::string aside = WindowsDirectory::Path("steps.mxf.mx-");
    const struct {
        const char* what;
        bool oldFile, newFile, asideTaken, copyAside, oldReadOnly;
        bool replaced;
        const char* asideAfter;
    } rows[] = {
        {"no old file", false, true, false, false, false, true, ""},
        {"old file replaced", true, true, false, false, false, true, ""},
        {"old file cannot be moved aside", true, true, true, false, false, false, ""},
        {"new file cannot be moved in", true, false, false, false, false, false, ""},
        {"old copy cannot be deleted", true, true, false, false, true, true, "old"},
        // It may be the newest whole file: only the caller can tell.
        {"a copy already aside is not replaced", true, true, false, true, false, false, "copy"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.oldFile)
            windows.Write("steps.mxf", "old");
        if (row.newFile)
            windows.Write("steps.mxf.mx~", "new");
        if (row.asideTaken) {
            ASSERT_TRUE(CreateDirectoryA(aside.c_str(), nullptr));
        }
        if (row.copyAside) {
            windows.Write("steps.mxf.mx-", "copy");
            SetFileAttributesA(aside.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
        }
        if (row.oldReadOnly)
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);

        EXPECT_EQ(ReplaceStepByStep(temporary.c_str(), path.c_str()), row.replaced);
        EXPECT_EQ(ReadFileBytes(path), row.replaced ? "new" : "old");
        EXPECT_EQ(ReadFileBytes(aside), row.asideAfter);
        EXPECT_EQ(GetFileAttributesA(temporary.c_str()), INVALID_FILE_ATTRIBUTES);

        RemoveDirectoryA(aside.c_str());
        for (const std::string& file : {path, temporary, aside}) {
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(file.c_str());
        }
    }
}

TEST_F(ListFileSafetyTest, TenMegabyteListOfUnknownFontsEndsWithTheDialogAndMessage118) {
    std::string text = "[Fonts]\r\nsoftfonts=99999\r\n";
    char line[96];
    // Names in no order, as a list from elsewhere would have them.
    for (unsigned i = 1; text.size() < 10u << 20; ++i) {
        const unsigned scrambled = i * 7919u % 10000000u;
        std::snprintf(line, sizeof line,
                      "softfont%u=C:\\PSFONTS\\PFM\\X%07u.PFM,C:\\PSFONTS\\X%07u.PFB\r\n", i,
                      scrambled, scrambled);
        text += line;
    }
    windows.Write("huge.mxf", text + "[EndFonts]\r\n");
    NameListFile(WindowsDirectory::Path("huge.mxf"));
    int listed = 0;
    std::string first;
    dialogs.Then([&](SeenDialog& dialog) {
        EXPECT_EQ(dialog.caption, "Non-Matching Items");
        HWND list = GetDlgItem(dialog.window, IDC_BAD_MATCH_LIST);
        listed = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        char item[64] = "";
        SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item));
        first = item;
        return IDOK;
    });
    ThenMessage(IDS_NO_MATCH, IDS_MATCH_CAPTION);
    const double start = Now();
    EXPECT_FALSE(OpenNamedListFile());
    const double took = Now() - start;
    std::printf("[ MEASURE  ] 10 MB list of %d unknown fonts: %.0f ms to the message\n", listed,
                took);
    EXPECT_GT(listed, 150000);
    EXPECT_EQ(first, "x0000001.pfm");
    EXPECT_LT(took, 30000.0);
    EXPECT_TRUE(Items(App.SelectedList).empty());
}

TEST_F(ListFileSafetyTest, RandomBytesEndWithAMessage) {
    std::mt19937 random(20261207);
    std::string bytes(1 << 20, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    windows.Write("noise.mxf", bytes);
    NameListFile(WindowsDirectory::Path("noise.mxf"));
    ThenMessage(IDS_NO_FONT_INFO, IDS_OPEN_FILE_CAPTION);
    EXPECT_FALSE(OpenNamedListFile());

    // The same noise (without zero bytes or '[', which would end it at once) under a header.
    for (char& byte : bytes)
        if (byte == '\0' || byte == '[')
            byte = 'x';
    windows.Write("noise.mxf", "[Fonts]\r\n" + bytes);
    int listed = 0;
    dialogs.Then([&](SeenDialog& dialog) {
        listed = static_cast<int>(
            SendMessageA(GetDlgItem(dialog.window, IDC_BAD_MATCH_LIST), LB_GETCOUNT, 0, 0));
        return IDOK;
    });
    ThenMessage(IDS_NO_MATCH, IDS_MATCH_CAPTION);
    EXPECT_FALSE(OpenNamedListFile());
    EXPECT_GT(listed, 1000);
    EXPECT_EQ(DialogDriver::TextOf(mainWindow), "Marlix32  by Velquist");
}

// From the open command to the idle window: a list of 1001 fonts in the numbered form against
// a catalogue of 1001 fonts. Prints its figure.
TEST_F(ListFileSafetyTest, OpeningAThousandFontListIsQuick) {
    DestroyMainWindow();
    const std::vector<std::string> fonts = SampleFontLines(1001);
    WriteAtmIni(fonts);
    ASSERT_TRUE(CreateMainWindow());
    ASSERT_EQ(Items(App.AtmList).size(), 1001u);
    std::string text = "[Fonts]\r\nsoftfonts=1001\r\n";
    for (size_t i = 0; i < fonts.size(); ++i)
        text += "softfont" + std::to_string(i + 1) + "=" + fonts[i].substr(fonts[i].find('=') + 1) +
                "\r\n";
    windows.Write("all.mxf", text + "[EndFonts]\r\n");
    NameListFile(WindowsDirectory::Path("all.mxf"));

    const double start = Now();
    SendMessageA(mainWindow, WM_COMMAND, IDM_OPEN_NAMED_LIST, 0);
    UpdateWindow(mainWindow);
    PumpMessages();
    const double took = Now() - start;
    std::printf("[ MEASURE  ] open a 1001-font list against 1001 fonts: %.1f ms\n", took);
    EXPECT_EQ(Items(App.SelectedList).size(), 1001u);
    EXPECT_TRUE(Items(App.AtmList).empty());
    // Generous: the point is to catch a slow path (redraw left on costs seconds).
    EXPECT_LT(took, 1000.0);
}

// Real WIN.INI files: saving into each of their PostScript sections through the dialog changes
// that section's body and nothing else, and opening the section again selects the same fonts.
#include "winini_fixture.h"

#include "app/main_window.h"
#include "catalog/catalog_win.h"
#include "code_pages.h"
#include "resource.h"
#include "winini/printer_section.h"
#include "winini/section_dialog.h"

namespace {

std::vector<std::string> RealWinIniPaths() {
    std::vector<std::string> paths;
    const std::string folder = MARLIX_REALWORLD_DIR;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "/win.ini*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return paths;
    do {
        paths.push_back(folder + "/" + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return paths;
}

TEST_F(WinIniTest, RealFilesChangeOnlyTheChosenSectionAndOpenBackToTheSameFonts) {
    WriteSettings("[Options]\r\nWarn01=0\r\n");
    WriteAtmIni(SampleFontLines(9));
    const std::vector<std::string> paths = RealWinIniPaths();
    ASSERT_GE(paths.size(), 10u) << MARLIX_REALWORLD_DIR;
    ASSERT_TRUE(CreateMainWindowLogged());
    int saved = 0;
    for (const std::string& path : paths) {
        const std::string original = ReadFileBytes(path);
        ASSERT_FALSE(original.empty()) << path;
        for (const PrinterSectionRef& section :
             ListPrinterSections(original.c_str(), WesternCodePage())) {
            SCOPED_TRACE(path + " [" + section.name + "]");
            windows.Write("win.ini", original);
            SendMessageA(App.SelectedList, LB_SETSEL, TRUE, -1);
            ::MoveSelectedFonts(App.AtmList, App.SelectedList);
            SelectFonts({7, 2, 5});
            ThenChooseSection(section.name);
            ASSERT_EQ(RunSectionDialog(mainWindow, SectionSave, MainWindowLists()), 1);

            const std::string written = windows.Read("win.ini");
            const std::string head = original.substr(0, section.bodyStart);
            const std::string tail = original.substr(section.bodyEnd);
            ASSERT_GE(written.size(), head.size() + tail.size());
            EXPECT_EQ(written.substr(0, head.size()), head);
            EXPECT_EQ(written.substr(written.size() - tail.size()), tail);
            EXPECT_EQ(written.substr(head.size(), written.size() - head.size() - tail.size()),
                      "ATM=placeholder\r\n" + SoftfontLines({5, 2, 7}) + "\r\n");
            ++saved;

            // Another selection, then the section read back.
            SendMessageA(App.SelectedList, LB_SETSEL, TRUE, -1);
            ::MoveSelectedFonts(App.AtmList, App.SelectedList);
            SelectFonts({0, 1});
            toolbar->Clear();
            ThenChooseSection(section.name);
            Command(IDM_OPEN_WININI);
            EXPECT_EQ(Items(App.SelectedList),
                      (std::vector<std::string>{SampleFontName(5), SampleFontName(2),
                                                SampleFontName(7)}));
            EXPECT_EQ(toolbar->Entries().size(), 2u);
            EXPECT_EQ(windows.Read("win.ini"), written) << "opening writes nothing";
        }
    }
    EXPECT_EQ(saved, 5) << "the PostScript sections of the samples";
    EXPECT_EQ(dialogs.Seen().size(), 2u * saved) << "only the section dialogs";
}

} // namespace

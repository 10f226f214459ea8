#include "print_fixture.h"

#include "app/main_window.h"
#include "app/status_panel.h"
#include "catalog/catalog_win.h"
#include "catalog/font_catalog.h"
#include "catalog/vector_font_list.h"
#include "print/print.h"
#include "resource.h"

namespace {
// Until the catalogue core is merged into this build, the catalogue cannot load: its message
// is answered and the lists are filled directly, which is all that printing reads of them.
bool CatalogueLoads() {
    std::string text = "[Fonts]\r\n" + SampleFontLines(1)[0] + "\r\n";
    VectorFontList list(AsciiNameOrder);
    FontCatalog catalog;
    return BuildFontCatalog(text.data(), list, AsciiNameOrder, catalog).outcome ==
           CatalogOutcome::Loaded;
}
} // namespace

void PrintTest::SetUp() {
    MarlixTest::SetUp();
    ReleasePrinterChoice();
}

void PrintTest::TearDown() {
    MarlixTest::TearDown();
    ReleasePrinterChoice();
}

void PrintTest::OpenMainWindow(int fonts, int selected) {
    const std::vector<std::string> lines = SampleFontLines(fonts);
    WriteAtmIni(lines);
    const bool catalogue = CatalogueLoads();
    if (!catalogue)
        dialogs.ThenClick(IDOK);
    ASSERT_TRUE(CreateMainWindow());
    if (!catalogue) {
        for (const std::string& line : lines)
            SendMessageA(App.AtmList, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(line.substr(0, line.find('=')).c_str()));
    }
    std::vector<std::string> names = Items(App.AtmList);
    ASSERT_EQ(names.size(), static_cast<size_t>(fonts));
    names.resize(selected);
    SelectItems(App.AtmList, names);
    if (MoveSelectedFonts(App.SelectedList, App.AtmList) == 0 && selected > 0) {
        for (const std::string& name : names) {
            LRESULT index = SendMessageA(App.AtmList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(name.c_str()));
            SendMessageA(App.AtmList, LB_DELETESTRING, index, 0);
            SendMessageA(App.SelectedList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
        UpdateSelectedCount(mainWindow);
    }
    ASSERT_EQ(App.SelectedFontCount, static_cast<unsigned long>(selected));
}

INT_PTR PrintTest::RunChoiceDialog() {
    return DialogBoxParamA(App.ProgramInstance, MAKEINTRESOURCEA(IDD_PRINT_CHOICE), mainWindow,
                           PrintSelDlgProc, 0);
}

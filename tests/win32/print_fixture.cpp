#include "print_fixture.h"

#include "app/main_window.h"
#include "app/status_panel.h"
#include "base/instance.h"
#include "catalog/catalog_win.h"
#include "print/print_choice.h"
#include "resource.h"

void PrintTest::SetUp() {
    MarlixTest::SetUp();
    ReleasePrinterChoice();
}

void PrintTest::TearDown() {
    MarlixTest::TearDown();
    ReleasePrinterChoice();
}

void PrintTest::OpenMainWindow(int fonts, int selected) {
    WriteAtmIni(SampleFontLines(fonts));
    ASSERT_TRUE(CreateMainWindow());
    std::vector<std::string> names = Items(App.AtmList);
    ASSERT_EQ(names.size(), static_cast<size_t>(fonts));
    if (selected > 0) {
        names.resize(selected);
        SelectItems(App.AtmList, names);
        MoveSelectedFonts(App.SelectedList, App.AtmList);
        UpdateSelectedCount(mainWindow);
    }
    ASSERT_EQ(App.SelectedFontCount, static_cast<unsigned long>(selected));
    // What the print command hands a job that a test starts itself.
    Printing.Source = {App.AtmList, App.SelectedList, ""};
}

INT_PTR PrintTest::RunChoiceDialog() {
    return DialogBoxParamA(ProgramInstance, MAKEINTRESOURCEA(IDD_PRINT_CHOICE), mainWindow,
                           PrintSelDlgProc, 0);
}

// Dialog 1011: the printer line and the choice of list, from the two lists' counts.
#include "print_fixture.h"

#include <commdlg.h>

#include "app/language_menu.h"
#include "app/main_window.h"
#include "base/language.h"
#include "print/print_choice.h"
#include "print/print_setup.h"
#include "resource.h"

namespace {

struct RadioState {
    bool atmEnabled, atmChecked, selectedEnabled, selectedChecked;
};

RadioState Radios(HWND dialog) {
    return {IsWindowEnabled(GetDlgItem(dialog, IDC_PRINT_ATM_LIST)) != FALSE,
            IsDlgButtonChecked(dialog, IDC_PRINT_ATM_LIST) == BST_CHECKED,
            IsWindowEnabled(GetDlgItem(dialog, IDC_PRINT_SELECTED)) != FALSE,
            IsDlgButtonChecked(dialog, IDC_PRINT_SELECTED) == BST_CHECKED};
}

std::string PrinterLine() {
    char line[PrinterLineSize];
    FormatPrinterLine(line);
    return line;
}

} // namespace

TEST_F(PrintTest, ChoiceDialogShowsItsTextsInBothLanguages) {
    OpenMainWindow(5, 1);
    device.Set("Epson FX-80,EPSON,LPT1:");
    for (int language : {0, 300}) {
        SetLanguage(language);
        dialogs.ThenClick(IDCANCEL);
        EXPECT_EQ(RunChoiceDialog(), 0);
        const SeenDialog& seen = dialogs.Seen().back();
        const bool english = language == 0;
        EXPECT_EQ(seen.caption, english ? "Print" : "Imprima");
        EXPECT_EQ(seen.controls.at(IDC_PRINTER_LABEL), english ? "Printer:" : "Impresora:");
        EXPECT_EQ(seen.controls.at(IDC_PRINTER_LINE), "Epson FX-80 on LPT1:");
        EXPECT_EQ(seen.controls.at(IDC_PRINT_ATM_LIST),
                  english ? "&ATM List of fonts" : "Lista de &ATM");
        EXPECT_EQ(seen.controls.at(IDC_PRINT_SELECTED),
                  english ? "&Selected List of fonts" : "Lista &seleccionada");
        EXPECT_EQ(seen.controls.at(IDOK), english ? "Ok" : "Aceptar");
        EXPECT_EQ(seen.controls.at(IDCANCEL), english ? "Cancel" : "Cancelar");
        EXPECT_EQ(seen.controls.at(IDC_PRINT_HELP), english ? "Help" : "Ayuda");
    }
    SetLanguage(0);
}

TEST_F(PrintTest, ChoiceFollowsTheCountsOfTheTwoLists) {
    // Each row: fonts in the catalogue, how many selected, the radio buttons clicked (a click
    // handled by the dialog), what the dialog shows afterwards, the choice kept by OK.
    struct Row {
        int fonts, selected;
        std::vector<int> clicks;
        RadioState shown;
        int choice;
    } const rows[] = {
        {5, 2, {}, {true, true, true, false}, 1},
        {5, 2, {IDC_PRINT_SELECTED}, {true, false, true, true}, 2},
        {5, 2, {IDC_PRINT_SELECTED, IDC_PRINT_ATM_LIST}, {true, true, true, false}, 1},
        // AtmList empty: the selected list is proposed, the other cannot be chosen.
        {3, 3, {}, {false, false, true, true}, 2},
        {3, 3, {IDC_PRINT_ATM_LIST}, {false, false, true, true}, 2},
        // SelectedList empty: its button is disabled, and a click on it changes nothing.
        {5, 0, {IDC_PRINT_SELECTED}, {true, true, false, false}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.fonts) + " fonts, " + std::to_string(row.selected) +
                     " selected, " + std::to_string(row.clicks.size()) + " clicks");
        OpenMainWindow(row.fonts, row.selected);
        RadioState shown{};
        dialogs.Then([&](SeenDialog& seen) {
            for (int id : row.clicks)
                DialogDriver::ClickNow(seen.window, id);
            shown = Radios(seen.window);
            return IDOK;
        });
        EXPECT_EQ(RunChoiceDialog(), 1);
        EXPECT_EQ(shown.atmEnabled, row.shown.atmEnabled);
        EXPECT_EQ(shown.atmChecked, row.shown.atmChecked);
        EXPECT_EQ(shown.selectedEnabled, row.shown.selectedEnabled);
        EXPECT_EQ(shown.selectedChecked, row.shown.selectedChecked);
        EXPECT_EQ(Printing.PrintListChoice, row.choice);
        DestroyMainWindow();
    }
}

TEST_F(PrintTest, CancelKeepsTheEarlierChoiceAndStartsNoJob) {
    OpenMainWindow(5, 2);
    device.Set("Lonely");
    SetKWPrnSel(2);
    dialogs.Then([](SeenDialog& seen) {
        // The dialog proposes its own choice afresh; the user picks the other list, then cancels.
        EXPECT_EQ(IsDlgButtonChecked(seen.window, IDC_PRINT_ATM_LIST), BST_CHECKED);
        DialogDriver::ClickNow(seen.window, IDC_PRINT_ATM_LIST);
        return IDCANCEL;
    });
    // With this printer entry a job would report that it cannot print: nothing must follow.
    RunPrintCommand(mainWindow, {App.AtmList, App.SelectedList, ""});
    EXPECT_EQ(Printing.PrintListChoice, 2);
    EXPECT_EQ(dialogs.Seen().back().caption, "Print");
}

TEST_F(PrintTest, PrinterLineFromTheDefaultPrinterEntry) {
    const std::string longName(90, 'L');
    struct {
        std::string entry, line;
    } const rows[] = {
        {"Epson FX-80,EPSON,LPT1:", "Epson FX-80 on LPT1:"},
        {"PostScript Printer,PSCRIPT,FILE:,extra", "PostScript Printer on FILE:"},
        // Missing parts are empty, and the line is still made.
        {"Apple LaserWriter,PSCRIPT", "Apple LaserWriter on "},
        {"Lonely", "Lonely on "},
        {"", " on "},
        // A long printer name does not push the port out of the entry.
        {longName + ",winspool,Ne01:", longName + " on Ne01:"},
    };
    for (const auto& row : rows) {
        device.Set(row.entry);
        EXPECT_EQ(PrinterLine(), row.line) << row.entry;
    }
}

TEST_F(PrintTest, PrinterLineFromKeptNamesIsCutToItsBuffer) {
    device.Set("Epson FX-80,EPSON,LPT1:");
    const std::string driver = "winspool", name(150, 'N'), port(150, 'P');
    const size_t size = sizeof(DEVNAMES) + driver.size() + name.size() + port.size() + 3;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* names = static_cast<DEVNAMES*>(GlobalLock(block));
    char* text = reinterpret_cast<char*>(names);
    names->wDriverOffset = sizeof(DEVNAMES);
    names->wDeviceOffset = static_cast<WORD>(names->wDriverOffset + driver.size() + 1);
    names->wOutputOffset = static_cast<WORD>(names->wDeviceOffset + name.size() + 1);
    lstrcpyA(text + names->wDriverOffset, driver.c_str());
    lstrcpyA(text + names->wDeviceOffset, name.c_str());
    lstrcpyA(text + names->wOutputOffset, port.c_str());
    GlobalUnlock(block);
    Printing.PrinterDevNames = block;

    char line[PrinterLineSize + 8];
    memset(line, '#', sizeof line);
    FormatPrinterLine(line);
    EXPECT_EQ(std::string(line), (name + " on " + port).substr(0, PrinterLineSize - 1));
    EXPECT_EQ(std::string(line + PrinterLineSize, 8), std::string(8, '#'));
}

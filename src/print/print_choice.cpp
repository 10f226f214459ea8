// Dialog 1011: names the printer and lets the user choose which list to print.
#include "print/print_choice.h"

#include "base/instance.h"
#include "base/language.h"
#include "help/help.h"
#include "print/print_job.h"
#include "print/print_setup.h"
#include "resource.h"

namespace {

// The choice shown in the dialog; only OK makes it the PrintListChoice.
int DialogChoice = 1;

// Whether the list the choice names holds a font.
bool ListHasFonts(int choice) {
    const LRESULT count = SendMessageA(ListOfChoice(choice), LB_GETCOUNT, 0, 0);
    return count != LB_ERR && count > 0;
}

void Choose(HWND dialog, int choice) {
    DialogChoice = choice;
    CheckRadioButton(dialog, IDC_PRINT_ATM_LIST, IDC_PRINT_SELECTED,
                     choice == 1 ? IDC_PRINT_ATM_LIST : IDC_PRINT_SELECTED);
}

void OnInitDialog(HWND dialog) {
    char line[PrinterLineSize];
    FormatPrinterLine(line);
    SetDlgItemTextA(dialog, IDC_PRINTER_LINE, line);
    SetDialogTexts(dialog, {{0, IDS_PRINT_TITLE},
                            {IDC_PRINT_ATM_LIST, IDS_PRINT_ATM_LIST},
                            {IDC_PRINT_SELECTED, IDS_PRINT_SELECTED_LIST},
                            {IDC_PRINTER_LABEL, IDS_PRINTER_LABEL},
                            {IDOK, IDS_OK},
                            {IDCANCEL, IDS_CANCEL},
                            {IDC_PRINT_HELP, IDS_HELP}});
    EnableWindow(GetDlgItem(dialog, IDC_PRINT_SELECTED), ListHasFonts(2));
    const bool atmFonts = ListHasFonts(1);
    EnableWindow(GetDlgItem(dialog, IDC_PRINT_ATM_LIST), atmFonts);
    Choose(dialog, atmFonts ? 1 : 2);
}

INT_PTR OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
        SetKWPrnSel(DialogChoice);
        EndDialog(dialog, 1);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        break;
    case IDC_PRINT_HELP:
        ShowHelpTopic(dialog, Language.HelpFileName, HELP_CONTEXT, IDH_PRINT_CHOICE);
        break;
    case IDC_PRINT_ATM_LIST:
        if (ListHasFonts(1))
            Choose(dialog, 1);
        break;
    case IDC_PRINT_SELECTED:
        if (ListHasFonts(2))
            Choose(dialog, 2);
        break;
    }
    return FALSE;
}

} // namespace

int SetKWPrnSel(int value) {
    Printing.PrintListChoice = value;
    return value;
}

INT_PTR CALLBACK PrintSelDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam));
    }
    return FALSE;
}

void RunPrintCommand(HWND owner, const PrintSource& source) {
    Printing.Source = source;
    // -1 (the dialog could not be made) is no confirmation either.
    if (DialogBoxParamA(ProgramInstance, MAKEINTRESOURCEA(IDD_PRINT_CHOICE), owner, PrintSelDlgProc,
                        0) > 0)
        KWPrintPages(owner);
    Printing.Source = PrintSource();
}

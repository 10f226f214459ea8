#include "winini/section_dialog.h"

#include <new>
#include <string>

#include "base/instance.h"
#include "base/language.h"
#include "base/list_box_text.h"
#include "base/system_code_page.h"
#include "base/top_owner.h"
#include "help/help.h"
#include "listfile/text_search.h"
#include "resource.h"
#include "winini/printer_section.h"
#include "winini/winini_file.h"

int SectionDialogMode = SectionSave;

namespace {

// Help topics of the dialog in its two modes.
constexpr ULONG_PTR SaveHelpTopic = 10;
constexpr ULONG_PTR OpenHelpTopic = 20;

// A section is offered for opening only when its body names a .pfm file.
bool NamesPfmFile(const char* text, const PrinterSectionRef& section) {
    const long found = FindTextNoCase(text, section.bodyStart, ".pfm", SystemCodePage());
    return found != NotFound && found <= section.bodyEnd;
}

// Fills the list; false when there is nothing to list (WIN.INI not loaded: already reported).
bool ListSections(HWND dialog, HWND list) {
    char path[MAX_PATH];
    std::string file;
    if (!LoadWinIni(dialog, path, file))
        return false;
    const char* text = file.c_str();
    for (const PrinterSectionRef& section : ListPrinterSections(text, SystemCodePage())) {
        if (SectionDialogMode == SectionOpen && !NamesPfmFile(text, section))
            continue;
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(section.name.c_str()));
    }
    if (SendMessageA(list, LB_GETCOUNT, 0, 0) > 0)
        return true;
    KWStrTbMsgBox(dialog, IDS_NO_PS_SECTION, IDS_WIN_INI_CAPTION, MB_ICONERROR);
    return false;
}

SectionDialogWork& WorkOf(HWND dialog) {
    return *reinterpret_cast<SectionDialogWork*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void OnInitDialog(HWND dialog, LPARAM work) {
    SetWindowLongPtrA(dialog, DWLP_USER, work);
    SetDialogTexts(dialog, {{0, IDS_SECTION_TITLE},
                            {IDC_SECTION_PROMPT, IDS_SECTION_PROMPT},
                            {IDOK, IDS_OK},
                            {IDCANCEL, IDS_CANCEL},
                            {IDC_SECTION_HELP, IDS_HELP}});
    bool listed = false;
    try {
        listed = ListSections(dialog, GetDlgItem(dialog, IDC_SECTION_LIST));
    } catch (const std::bad_alloc&) {
        ReportFailure(dialog, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
    }
    if (!listed)
        EndDialog(dialog, 0);
}

// OK with no section chosen is taken as Cancel: nothing runs on a section the user did not pick.
void RunChoice(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_SECTION_LIST);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    char name[PrinterSectionNameSize];
    if (index == LB_ERR || !ListBoxTextFits(list, index, name, sizeof name)) {
        EndDialog(dialog, 0);
        return;
    }
    // The operations report over the main window, not over the dialog.
    const HWND mainWindow = TopOwner(dialog);
    try {
        SectionDialogWork& work = WorkOf(dialog);
        if (SectionDialogMode == SectionOpen)
            work.opened = OpenFromWinIni(mainWindow, name, work.lists);
        else
            SaveToWinIni(mainWindow, name, work.lists);
    } catch (const std::bad_alloc&) {
        // Nothing was written; the lists still hold every font once.
        ReportFailure(mainWindow, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
    }
    EndDialog(dialog, 1);
}

void OnCommand(HWND dialog, int id, int code) {
    switch (id) {
    case IDOK:
        RunChoice(dialog);
        break;
    case IDC_SECTION_LIST:
        if (code == LBN_DBLCLK)
            RunChoice(dialog);
        break;
    case IDCANCEL:
        EndDialog(dialog, 0);
        break;
    case IDC_SECTION_HELP:
        ShowHelpTopic(dialog, Language.HelpFileName, HELP_CONTEXT,
                      SectionDialogMode == SectionOpen ? OpenHelpTopic : SaveHelpTopic);
        break;
    }
}

} // namespace

INT_PTR CALLBACK WinSectionDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, lParam);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR RunSectionDialog(HWND owner, int mode, const MainLists& lists, bool* opened) {
    // Once for the whole operation: the list and the chosen open or save read the file after it.
    if (!TakeBackWinIni(owner))
        return 0;
    SectionDialogMode = mode;
    SectionDialogWork work = {lists};
    const INT_PTR ended =
        DialogBoxParamA(ProgramInstance, MAKEINTRESOURCEA(IDD_PRINTER_SECTION), owner,
                        WinSectionDlgProc, reinterpret_cast<LPARAM>(&work));
    if (opened)
        *opened = work.opened;
    return ended;
}

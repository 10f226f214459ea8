// The main window's command table: every menu item, accelerator, toolbar button and list
// notification arrives as one id and is handed to the operation that does its work.
#include "app/commands.h"

#include "app/about.h"
#include "app/help.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "catalog/catalog_win.h"
#include "controls/font_sample.h"
#include "controls/toolbar.h"
#include "listfile/list_file.h"
#include "print/print.h"
#include "resource.h"
#include "winini/section_dialog.h"

namespace {

void EnableButton(int buttonId) {
    SendMessageA(App.Toolbar, WM_COMMAND, ToolbarEnable, buttonId);
}
void DisableButton(int buttonId) {
    SendMessageA(App.Toolbar, WM_COMMAND, ToolbarDisable, buttonId);
}

int SelectedItemCount(HWND list) {
    LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

void SelectFirstItems(HWND list, long count) {
    if (count > 0)
        SendMessageA(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, count - 1));
}

// The selected list now holds fonts that can be saved.
void EnableSaveButtons() {
    EnableButton(ButtonSaveList);
    EnableButton(ButtonSaveWinIni);
}

void OpenNamedList(HWND window, bool merge) {
    App.MergeNextDrop = false;
    if (OpenListFile(window, merge))
        EnableSaveButtons();
}

void AskAndOpenList(HWND window, bool merge) {
    if (AskListFileName(window, AskOpen))
        OpenNamedList(window, merge);
}

void SaveList(HWND window, int mode) {
    SaveListFile(window, App.SelectedList, mode);
}

void AddFonts() {
    MoveSelectedFonts(App.SelectedList, App.AtmList);
    DisableButton(ButtonAdd);
    EnableSaveButtons();
}

void RemoveFonts() {
    MoveSelectedFonts(App.AtmList, App.SelectedList);
    DisableButton(ButtonRemove);
    if (App.SelectedFontCount == 0) {
        DisableButton(ButtonSaveList);
        DisableButton(ButtonSaveWinIni);
    }
}

void AddAllFonts() {
    SelectFirstItems(App.AtmList,
                     static_cast<long>(Catalog.CatalogFontCount - App.SelectedFontCount));
    AddFonts();
}

void NewList() {
    SelectFirstItems(App.SelectedList, static_cast<long>(App.SelectedFontCount));
    UpdateWindowTitle(false);
    RemoveFonts();
}

// The sample of the one font selected in the list the user worked in last, else in either list.
void ShowSampleOfSelection() {
    CloseFontSample();
    HWND list = nullptr;
    if (App.ActiveList == IDC_SELECTED_LIST && SelectedItemCount(App.SelectedList) == 1)
        list = App.SelectedList;
    else if (SelectedItemCount(App.AtmList) == 1)
        list = App.AtmList;
    else if (SelectedItemCount(App.SelectedList) == 1)
        list = App.SelectedList;
    if (list)
        App.FontSampleWindow = ShowFontSample(list);
}

void ToggleAlwaysOnTop(HWND window) {
    const bool topmost = !App.IsAlwaysOnTop;
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
    WriteSettingNumber("Options", "AlwaysOnTop", topmost ? 1 : 0);
    App.IsAlwaysOnTop = topmost;
}

void SwitchLanguage(HWND window, int offset) {
    SetLanguage(offset);
    // The status panel's lines are drawn again in the new language.
    InvalidateRect(window, nullptr, TRUE);
}

// A list box reports a change: a double click moves its selection, any other report with a
// selection makes the list the active one and its move button usable.
void OnListNotification(int listId, int code) {
    CloseFontSample();
    const bool fromAtmList = listId == IDC_ATM_LIST;
    if (code == LBN_DBLCLK) {
        if (fromAtmList)
            AddFonts();
        else
            RemoveFonts();
        return;
    }
    if (SelectedItemCount(fromAtmList ? App.AtmList : App.SelectedList) == 0)
        return;
    EnableButton(fromAtmList ? ButtonAdd : ButtonRemove);
    App.ActiveList = listId;
}

const char EmptyKeyword[] = "";

} // namespace

void OnCommand(HWND window, int id, int notifyCode) {
    switch (id) {
    case IDM_EXIT:
        DestroyWindow(window);
        break;
    case IDM_OPEN_LIST:
        AskAndOpenList(window, false);
        break;
    case IDM_OPEN_NAMED_LIST:
        OpenNamedList(window, false);
        break;
    case IDM_MERGE_LIST:
        AskAndOpenList(window, true);
        break;
    case IDM_MERGE_NAMED_LIST:
        OpenNamedList(window, true);
        break;
    case IDM_ARM_MERGE:
        App.MergeNextDrop = true;
        break;
    case IDM_SAVE_LIST:
        SaveList(window, ListFile.CurrentListTitle[0] ? SaveToCurrent : SaveAs);
        break;
    case IDM_SAVE_LIST_AS:
        SaveList(window, SaveAs);
        break;
    case IDM_OPEN_WININI:
        RunSectionDialog(window, SectionOpen);
        break;
    case IDM_SAVE_WININI:
        RunSectionDialog(window, SectionSave);
        break;
    case IDM_PRINT_LIST:
        RunPrintCommand(window);
        break;
    case IDM_PRINTER_SETUP:
        KWGetPrintSetup(window);
        break;
    case IDM_ADD_FONTS:
        AddFonts();
        break;
    case IDM_REMOVE_FONTS:
        RemoveFonts();
        break;
    case IDM_ADD_ALL_FONTS:
        AddAllFonts();
        break;
    case IDM_NEW_LIST:
        NewList();
        break;
    case IDM_SHOW_SAMPLE:
        ShowSampleOfSelection();
        break;
    case IDM_ALWAYS_ON_TOP:
        ToggleAlwaysOnTop(window);
        break;
    case IDM_HELP_CONTENTS:
        ShowHelpTopic(window, Language.HelpFileName, HELP_CONTEXT, 0);
        break;
    case IDM_HELP_USING:
        ShowHelpTopic(window, "WINHELP.HLP", HELP_FORCEFILE, 0);
        break;
    case IDM_HELP_KEYWORD:
        // An empty keyword opens the help's search dialog.
        ShowHelpTopic(window, Language.HelpFileName, HELP_PARTIALKEY,
                      reinterpret_cast<ULONG_PTR>(EmptyKeyword));
        break;
    case IDM_HELP_OVERVIEW:
        ShowHelpTopic(window, Language.HelpFileName, HELP_CONTEXT, 24);
        break;
    case IDM_ABOUT:
        RunAboutBox(window);
        break;
    case IDM_ENGLISH:
        SwitchLanguage(window, 0);
        break;
    case IDM_SPANISH:
        SwitchLanguage(window, 300);
        break;
    case IDC_ATM_LIST:
    case IDC_SELECTED_LIST:
        OnListNotification(id, notifyCode);
        break;
    case IDC_FONT_SAMPLE:
        CloseFontSample();
        break;
    }
}

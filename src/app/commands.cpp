// The main window's command table: every menu item, accelerator, toolbar button and list
// notification arrives as one id and is handed to the operation that does its work.
#include "app/commands.h"

#include <new>

#include "app/about.h"
#include "app/app_state.h"
#include "app/language_menu.h"
#include "app/status_panel.h"
#include "base/language.h"
#include "base/settings.h"
#include "catalog/catalog_win.h"
#include "controls/font_sample.h"
#include "controls/toolbar.h"
#include "help/help.h"
#include "listfile/list_file.h"
#include "listfile/list_file_dialog.h"
#include "print/print_choice.h"
#include "print/print_setup.h"
#include "resource.h"
#include "winini/section_dialog.h"

namespace {

// What a command changed that the toolbar shows, for the table to set once the command returns
// and the selected count is up to date.
enum class ToolbarChange {
    None,
    Added,        // fonts were added: Add greys, both save buttons apply
    Removed,      // fonts were removed: Remove greys, the save buttons too when none is left
    Opened,       // a list was read into the SelectedList: both save buttons apply
    AtmSelected,  // the AtmList has a selection: Add applies
    ListSelected, // the SelectedList has a selection: Remove applies
};

void SetButton(int buttonId, bool enabled) {
    SendMessageA(App.Toolbar, WM_COMMAND, enabled ? ToolbarEnable : ToolbarDisable, buttonId);
}

int SelectedItemCount(HWND list) {
    LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

void SelectFirstItems(HWND list, long count) {
    if (count > 0)
        SendMessageA(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, count - 1));
}

// Whether the selected list holds fonts that can be saved.
void SetSaveButtons(bool enabled) {
    SetButton(ButtonSaveList, enabled);
    SetButton(ButtonSaveWinIni, enabled);
}

void ShowToolbarChange(ToolbarChange change) {
    switch (change) {
    case ToolbarChange::None:
        break;
    case ToolbarChange::Added:
        SetButton(ButtonAdd, false);
        SetSaveButtons(true);
        break;
    case ToolbarChange::Removed:
        SetButton(ButtonRemove, false);
        if (App.SelectedFontCount == 0)
            SetSaveButtons(false);
        break;
    case ToolbarChange::Opened:
        SetSaveButtons(true);
        break;
    case ToolbarChange::AtmSelected:
        SetButton(ButtonAdd, true);
        break;
    case ToolbarChange::ListSelected:
        SetButton(ButtonRemove, true);
        break;
    }
}

ToolbarChange OpenList(HWND window, const ListFileState& named, bool merge) {
    App.MergeNextDrop = false;
    return OpenListFile(window, MainWindowLists(), named, merge) ? ToolbarChange::Opened
                                                                 : ToolbarChange::None;
}

ToolbarChange AskAndOpenList(HWND window, bool merge) {
    ListFileState chosen = ListFile;
    if (!AskListFileName(window, AskOpen, chosen))
        return ToolbarChange::None;
    return OpenList(window, chosen, merge);
}

ToolbarChange OpenWinIniSection(HWND window) {
    bool opened = false;
    RunSectionDialog(window, SectionOpen, MainWindowLists(), &opened);
    // The SelectedList may hold fonts now: both of its save buttons apply.
    return opened ? ToolbarChange::Opened : ToolbarChange::None;
}

ToolbarChange AddFonts() {
    MoveSelectedFonts(App.SelectedList, App.AtmList);
    return ToolbarChange::Added;
}

ToolbarChange RemoveFonts() {
    MoveSelectedFonts(App.AtmList, App.SelectedList);
    return ToolbarChange::Removed;
}

ToolbarChange AddAllFonts() {
    SelectFirstItems(App.AtmList,
                     static_cast<long>(Catalog.CatalogFontCount - App.SelectedFontCount));
    return AddFonts();
}

ToolbarChange NewList(HWND window) {
    SelectFirstItems(App.SelectedList, static_cast<long>(App.SelectedFontCount));
    ForgetListFile(window);
    return RemoveFonts();
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
        FontSample.FontSampleWindow = ShowFontSample(list);
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
// selection makes the list the active one and its move button usable. The list that takes the
// focus is the one the main window gives it back to.
ToolbarChange OnListNotification(int listId, int code) {
    CloseFontSample();
    const bool fromAtmList = listId == IDC_ATM_LIST;
    HWND list = fromAtmList ? App.AtmList : App.SelectedList;
    if (code == LBN_SETFOCUS)
        App.FocusList = list;
    if (code == LBN_DBLCLK)
        return fromAtmList ? AddFonts() : RemoveFonts();
    if (SelectedItemCount(list) == 0)
        return ToolbarChange::None;
    App.ActiveList = listId;
    return fromAtmList ? ToolbarChange::AtmSelected : ToolbarChange::ListSelected;
}

const char EmptyKeyword[] = "";

ToolbarChange RunCommand(HWND window, int id, int notifyCode) {
    switch (id) {
    case IDM_EXIT:
        DestroyWindow(window);
        break;
    case IDM_OPEN_LIST:
        return AskAndOpenList(window, false);
    case IDM_OPEN_NAMED_LIST:
        return OpenList(window, NamedListFile(App.NamedListPath), false);
    case IDM_MERGE_LIST:
        return AskAndOpenList(window, true);
    case IDM_MERGE_NAMED_LIST:
        return OpenList(window, NamedListFile(App.NamedListPath), true);
    case IDM_ARM_MERGE:
        App.MergeNextDrop = true;
        break;
    case IDM_SAVE_LIST:
        SaveListFile(window, MainWindowLists(),
                     ListFile.CurrentListTitle[0] ? SaveToCurrent : SaveAs);
        break;
    case IDM_SAVE_LIST_AS:
        SaveListFile(window, MainWindowLists(), SaveAs);
        break;
    case IDM_OPEN_WININI:
        return OpenWinIniSection(window);
    case IDM_SAVE_WININI:
        RunSectionDialog(window, SectionSave, MainWindowLists());
        break;
    case IDM_PRINT_LIST:
        RunPrintCommand(window, {App.AtmList, App.SelectedList, ListFile.CurrentListTitle});
        break;
    case IDM_PRINTER_SETUP:
        KWGetPrintSetup(window);
        break;
    case IDM_ADD_FONTS:
        return AddFonts();
    case IDM_REMOVE_FONTS:
        return RemoveFonts();
    case IDM_ADD_ALL_FONTS:
        return AddAllFonts();
    case IDM_NEW_LIST:
        return NewList(window);
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
        SwitchLanguage(window, SPANISH_OFFSET);
        break;
    case IDC_ATM_LIST:
    case IDC_SELECTED_LIST:
        return OnListNotification(id, notifyCode);
    case IDC_FONT_SAMPLE:
        CloseFontSample();
        break;
    }
    return ToolbarChange::None;
}

} // namespace

void OnCommand(HWND window, int id, int notifyCode) {
    ToolbarChange change = ToolbarChange::None;
    try {
        change = RunCommand(window, id, notifyCode);
    } catch (const std::bad_alloc&) {
        // Memory ran out in the middle of a command: the lists still hold every font once, and
        // a list file that was not read or written whole has not become the current one.
        ReportFailure(window, IDS_NO_MEMORY, IDS_MEMORY_CAPTION);
    }
    // Every command alike: the selected count follows the SelectedList, then the toolbar
    // follows what the command did. (Exit has destroyed the window and its lists by now.)
    if (App.SelectedList)
        UpdateSelectedCount(window);
    ShowToolbarChange(change);
}

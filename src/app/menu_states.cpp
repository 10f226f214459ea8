// The menus' enabled, grayed and checked items, set each time a popup of the menu bar opens.
// Accelerators go through the same states, so a grayed item's key does nothing.
#include "app/menu_states.h"

#include "app/app_state.h"
#include "base/language.h"
#include "catalog/catalog_win.h"
#include "controls/font_sample.h"
#include "resource.h"

namespace {

void EnableIf(HMENU popup, UINT id, bool enabled) {
    EnableMenuItem(popup, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void CheckIf(HMENU popup, UINT id, bool checked) {
    CheckMenuItem(popup, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

LRESULT Ask(HWND list, UINT message) {
    LRESULT result = SendMessageA(list, message, 0, 0);
    return result == LB_ERR ? 0 : result;
}

void SetFileItems(HMENU popup) {
    const bool anySelected = App.SelectedFontCount != 0;
    for (UINT id : {IDM_NEW_LIST, IDM_MERGE_LIST, IDM_SAVE_LIST, IDM_SAVE_LIST_AS, IDM_SAVE_WININI})
        EnableIf(popup, id, anySelected);
    const bool anyFonts = Catalog.CatalogFontCount != 0;
    for (UINT id : {IDM_OPEN_LIST, IDM_OPEN_WININI, IDM_PRINT_LIST})
        EnableIf(popup, id, anyFonts);
}

void SetEditItems(HMENU popup) {
    const LRESULT atmSelected = Ask(App.AtmList, LB_GETSELCOUNT);
    const LRESULT selectedSelected = Ask(App.SelectedList, LB_GETSELCOUNT);
    EnableIf(popup, IDM_ADD_FONTS, atmSelected > 0);
    EnableIf(popup, IDM_REMOVE_FONTS, selectedSelected > 0);
    EnableIf(popup, IDM_ADD_ALL_FONTS, Ask(App.AtmList, LB_GETCOUNT) > 0);
    EnableIf(popup, IDM_SHOW_SAMPLE, atmSelected == 1 || selectedSelected == 1);
}

void SetPreferenceItems(HMENU popup) {
    CheckIf(popup, IDM_ENGLISH, false);
    CheckIf(popup, IDM_SPANISH, false);
    CheckIf(popup, IDM_ENGLISH + GetLanguageOffset(), true);
    CheckIf(popup, IDM_ALWAYS_ON_TOP, App.IsAlwaysOnTop);
}

} // namespace

void OnInitMenuPopup(HMENU popup, LPARAM position) {
    CloseFontSample();
    // The whole lParam: the system menu (high word 1) matches none of these.
    switch (position) {
    case 0:
        SetFileItems(popup);
        break;
    case 1:
        SetEditItems(popup);
        break;
    case 2:
        SetPreferenceItems(popup);
        break;
    }
}

#include "app/language_menu.h"

#include "app/app_state.h"
#include "base/instance.h"
#include "base/language.h"
#include "base/settings.h"
#include "resource.h"

void SetLanguage(int value) {
    const bool spanish = value == SPANISH_OFFSET;
    Language.LanguageOffset = spanish ? SPANISH_OFFSET : 0;
    Language.HelpFileName = spanish ? "Marlixs.hlp" : "Marlix.hlp";
    LoadLanguageMenu(Language.LanguageOffset + IDM_MENU_ENGLISH);
    // The value as asked for, so an unknown value stays in the file.
    WriteSettingNumber("Options", "Language", value);
}

void LoadLanguageMenu(int menuId) {
    HMENU menu = LoadMenuA(ProgramInstance, MAKEINTRESOURCEA(menuId));
    if (!menu)
        return;
    HMENU old = GetMenu(App.MainWindow);
    SetMenu(App.MainWindow, menu);
    if (old)
        DestroyMenu(old);
}

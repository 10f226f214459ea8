#include "app/language.h"

#include "app/main_window.h"
#include "app/settings.h"
#include "app/shell_hooks.h"
#include "resource.h"

LanguageState Language;

void SetLanguage(int value) {
    const bool spanish = value == 300;
    Language.LanguageOffset = spanish ? 300 : 0;
    Language.HelpFileName = spanish ? "Marlixs.hlp" : "Marlix.hlp";
    LoadLanguageMenu(Language.LanguageOffset + IDM_MENU_ENGLISH);
    // The value as asked for, so an unknown value stays in the file.
    WriteSettingNumber("Options", "Language", value);
}

int GetLanguageOffset() {
    return Language.LanguageOffset;
}

void LoadLanguageMenu(int menuId) {
    HMENU menu = LoadMenuA(App.ProgramInstance, MAKEINTRESOURCEA(menuId));
    if (!menu)
        return;
    HMENU old = GetMenu(App.MainWindow);
    SetMenu(App.MainWindow, menu);
    if (old)
        DestroyMenu(old);
}

bool SetFontChangeWarning(int value) {
    Language.WarnOnFontChange = value != 0;
    return WriteSettingNumber("Options", "Warn01", Language.WarnOnFontChange ? 1 : 0);
}

int KWStrTbGetTxt(char* buffer, UINT id) {
    buffer[0] = '\0';
    return LoadStringA(App.ProgramInstance, id + Language.LanguageOffset, buffer, TextBufferSize);
}

BOOL KWStrTbSetTxt(HWND window, UINT id) {
    char text[TextBufferSize];
    KWStrTbGetTxt(text, id);
    return SetWindowTextA(window, text);
}

int KWStrTbMsgBox(HWND owner, UINT textId, UINT captionId, UINT style) {
    char text[TextBufferSize], caption[TextBufferSize];
    KWStrTbGetTxt(text, textId);
    KWStrTbGetTxt(caption, captionId);
    return MessageBoxA(owner, text, caption, style);
}

int KWStrTbMsgBox(HWND owner, UINT textId, UINT captionId, UINT style, const char* first,
                  const char* second) {
    char format[TextBufferSize], caption[TextBufferSize], text[TextBufferSize + 2 * MAX_PATH];
    KWStrTbGetTxt(format, textId);
    KWStrTbGetTxt(caption, captionId);
    wsprintfA(text, format, first, second);
    return MessageBoxA(owner, text, caption, style);
}

bool ReportFailure(HWND owner, UINT textId, UINT captionId) {
    SoundBeep(MB_ICONERROR);
    KWStrTbMsgBox(owner, textId, captionId, MB_ICONERROR);
    return false;
}

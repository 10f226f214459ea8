#include "base/language.h"

#include "base/instance.h"
#include "base/settings.h"
#include "base/shell_hooks.h"

LanguageState Language;

int GetLanguageOffset() {
    return Language.LanguageOffset;
}

bool SetFontChangeWarning(int value) {
    Language.WarnOnFontChange = value != 0;
    return WriteSettingNumber("Options", "Warn01", Language.WarnOnFontChange ? 1 : 0);
}

int KWStrTbGetTxt(char* buffer, UINT id) {
    buffer[0] = '\0';
    return LoadStringA(ProgramInstance, id + Language.LanguageOffset, buffer, TextBufferSize);
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

// GetParent gives a dialog's owner; the main window, an overlapped window, has none.
HWND TopOwner(HWND window) {
    while (HWND owner = GetParent(window))
        window = owner;
    return window;
}

bool ReportFailure(HWND owner, UINT textId, UINT captionId) {
    SoundBeep(MB_ICONERROR);
    KWStrTbMsgBox(owner, textId, captionId, MB_ICONERROR);
    return false;
}

#include "base/language.h"

#include "base/instance.h"
#include "base/shell_hooks.h"
#include "resource.h"

LanguageState Language;

int GetLanguageOffset() {
    return Language.LanguageOffset;
}

int LanguageResourceId(int englishId, int spanishId) {
    return Language.LanguageOffset == SPANISH_OFFSET ? spanishId : englishId;
}

const char* LanguageResourceBytes(int englishId, int spanishId, const char* type, DWORD& size) {
    const int id = LanguageResourceId(englishId, spanishId);
    HRSRC found = FindResourceA(ProgramInstance, MAKEINTRESOURCEA(id), type);
    HGLOBAL loaded = found ? LoadResource(ProgramInstance, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    size = bytes ? SizeofResource(ProgramInstance, found) : 0;
    return bytes;
}

void SetDialogTexts(HWND dialog, std::initializer_list<DialogText> texts) {
    for (const DialogText& text : texts)
        KWStrTbSetTxt(text.controlId ? GetDlgItem(dialog, text.controlId) : dialog, text.textId);
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

int KWStrTbMsgBox(HWND owner, UINT textId, UINT captionId, UINT style, long number) {
    char format[TextBufferSize], caption[TextBufferSize], text[TextBufferSize + 16];
    KWStrTbGetTxt(format, textId);
    KWStrTbGetTxt(caption, captionId);
    wsprintfA(text, format, number);
    return MessageBoxA(owner, text, caption, style);
}

// GetParent gives a dialog's owner; the main window, an overlapped window, has none.
bool ReportFailure(HWND owner, UINT textId, UINT captionId) {
    SoundBeep(MB_ICONERROR);
    KWStrTbMsgBox(owner, textId, captionId, MB_ICONERROR);
    return false;
}

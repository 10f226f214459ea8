// The user interface language and the texts of the string table. Every text is addressed by its
// English id; the operations add LanguageOffset (300 for Spanish).
#pragma once

#include <windows.h>

#include <initializer_list>

#include "base/exports.h"

struct LanguageState {
    int LanguageOffset = 0;                  // 0 English, 300 Spanish
    const char* HelpFileName = "Marlix.hlp"; // "Marlixs.hlp" in Spanish
};
extern LanguageState Language;

// Room for any text of the table: 159 characters and the terminator.
constexpr int TextBufferSize = 160;

int GetLanguageOffset();
// The current language's one of a pair of resources that are not in the string table.
int LanguageResourceId(int englishId, int spanishId);
// The bytes of the current language's resource of this type (size set), or null when missing.
const char* LanguageResourceBytes(int englishId, int spanishId, const char* type, DWORD& size);

// A failure the user must see: a beep, then the stop-icon message box of the two texts over the
// owner. Returns false, for the caller to return.
bool ReportFailure(HWND owner, UINT textId, UINT captionId);

MARLIX_EXPORT int KWStrTbMsgBox(HWND owner, UINT textId, UINT captionId, UINT style);
// The same message with the text's two %s replaced by first and second (paths, which may be
// longer than any text of the table).
int KWStrTbMsgBox(HWND owner, UINT textId, UINT captionId, UINT style, const char* first,
                  const char* second);
// The same message with the text's one number in it (%d and the like).
int KWStrTbMsgBox(HWND owner, UINT textId, UINT captionId, UINT style, long number);
MARLIX_EXPORT BOOL KWStrTbSetTxt(HWND window, UINT id);

// A control of a dialog and the text it shows; id 0 stands for the dialog's own caption.
struct DialogText {
    int controlId;
    UINT textId;
};
// Sets each text of the table through KWStrTbSetTxt, in the current language.
void SetDialogTexts(HWND dialog, std::initializer_list<DialogText> texts);
MARLIX_EXPORT int KWStrTbGetTxt(char* buffer, UINT id);

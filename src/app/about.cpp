#include "app/about.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstring>

#include "base/instance.h"
#include "base/language.h"
#include "base/late_libraries.h"
#include "resource.h"

namespace {

// The About texts are navy on white: the background is set, not taken from the system's Window
// colour, so that the text stays readable under a dark or high-contrast scheme.
constexpr COLORREF AboutTextBackground = RGB(255, 255, 255);

// The part of an RTF resource not yet handed to the rich-edit control.
struct ResourceCursor {
    const char* next;
    DWORD left;
};

DWORD CALLBACK ReadResource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* cursor = reinterpret_cast<ResourceCursor*>(cookie);
    DWORD count = wanted < 0 ? 0 : static_cast<DWORD>(wanted);
    if (count > cursor->left)
        count = cursor->left;
    std::memcpy(buffer, cursor->next, count);
    cursor->next += count;
    cursor->left -= count;
    *given = static_cast<LONG>(count);
    return 0;
}

// Streams the About text of the current language into the rich-edit control.
void StreamAboutText(HWND richEdit) {
    DWORD size = 0;
    const char* text = LanguageResourceBytes(IDR_ABOUT_TEXT, IDR_ABOUT_TEXT_SPANISH, "RTF", size);
    if (!text)
        return;
    ResourceCursor cursor = {text, size};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cursor);
    stream.pfnCallback = ReadResource;
    SendMessageA(richEdit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    SendMessageA(richEdit, EM_SETMODIFY, FALSE, 0);
    SendMessageA(richEdit, EM_SETBKGNDCOLOR, FALSE, AboutTextBackground);
}

void StartAnimation(HWND animation) {
    if (SendMessageA(animation, ACM_OPENA, reinterpret_cast<WPARAM>(ProgramInstance),
                     reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_ABOUT_ANIMATION))))
        SendMessageA(animation, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF));
}

} // namespace

INT_PTR RunAboutBox(HWND owner) {
    // The animation control is one of the common controls, and the text a rich-edit control:
    // their libraries are loaded for this box alone.
    LateInitCommonControls();
    LateLoadRichEdit();
    return DialogBoxParamA(ProgramInstance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDlgProc, 0);
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetDialogTexts(dialog, {{0, IDS_ABOUT_TITLE}, {IDOK, IDS_CLOSE}});
        StartAnimation(GetDlgItem(dialog, IDC_ABOUT_ANIMATION));
        StreamAboutText(GetDlgItem(dialog, IDC_ABOUT_TEXT));
        return TRUE;
    case WM_COMMAND:
        // Close, Enter, or Esc (the box has no close box, so Esc is the keyboard's way out).
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

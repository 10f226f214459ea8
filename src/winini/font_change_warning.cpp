#include "winini/font_change_warning.h"

#include "base/instance.h"
#include "base/language.h"
#include "base/shell_hooks.h"
#include "resource.h"

void ShowFontChangeWarning(HWND owner) {
    if (!Language.WarnOnFontChange)
        return;
    const int dialog =
        Language.LanguageOffset == 300 ? IDD_FONT_CHANGE_WARNING_SPANISH : IDD_FONT_CHANGE_WARNING;
    DialogBoxParamA(ProgramInstance, MAKEINTRESOURCEA(dialog), owner, WarningDlgProc, 0);
}

INT_PTR CALLBACK WarningDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SoundBeep(MB_ICONEXCLAMATION);
        return TRUE;
    case WM_COMMAND:
        // Only OK closes the warning; IDCANCEL (Esc) is ignored.
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        // Each click flips the setting and stores it at once.
        if (LOWORD(wParam) == IDC_WARNING_DONT_SHOW && HIWORD(wParam) == BN_CLICKED)
            SetFontChangeWarning(Language.WarnOnFontChange ? 0 : 1);
        return FALSE;
    }
    return FALSE;
}

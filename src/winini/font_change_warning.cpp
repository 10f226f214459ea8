#include "winini/font_change_warning.h"

#include "base/instance.h"
#include "base/language.h"
#include "base/settings.h"
#include "base/shell_hooks.h"
#include "resource.h"

bool WarnOnFontChange = true;

bool SetFontChangeWarning(int value) {
    WarnOnFontChange = value != 0;
    return WriteSettingNumber("Options", "Warn01", WarnOnFontChange ? 1 : 0);
}

void ShowFontChangeWarning(HWND owner) {
    if (!WarnOnFontChange)
        return;
    const int dialog = LanguageResourceId(IDD_FONT_CHANGE_WARNING, IDD_FONT_CHANGE_WARNING_SPANISH);
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
            SetFontChangeWarning(WarnOnFontChange ? 0 : 1);
        return FALSE;
    }
    return FALSE;
}

// Stopping a running job: the "Printing" dialog and the job's abort procedure, which is the
// message pump while the job runs.
#include "print/print_job.h"

#include "base/language.h"
#include "print/print_state.h"
#include "resource.h"

int SetKWPrintAbort(int value) {
    Printing.PrintAborted = value != 0;
    return value;
}

BOOL CALLBACK PrintAbort(HDC, int) {
    MSG message;
    while (!Printing.PrintAborted && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Not ours to take: the program's own loop must still see it.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!Printing.PrintStopWindow || !IsDialogMessageA(Printing.PrintStopWindow, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return !Printing.PrintAborted;
}

INT_PTR CALLBACK PrintStopDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetDialogTexts(dialog, {{0, IDS_PRINTING_TITLE},
                                {IDC_PRINTING_TEXT, IDS_PRINTING_TEXT},
                                {IDCANCEL, IDS_CANCEL}});
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDCANCEL)
            break;
        // The dialog stays until the job has ended.
        Printing.PrintAborted = true;
        return TRUE;
    }
    return FALSE;
}

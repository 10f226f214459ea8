// A bare window program: what any window costs to start under wine, beside which the measuring
// tools time marlix32.exe's start. Command 1 opens a bare dialog of the printer-section
// dialog's layout, the floor of what the program's own dialog costs to open and close.
#include <windows.h>

#include <initializer_list>

namespace {

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        for (const char* section : {"PostScript,FILE", "PostScript,LPT1"})
            SendDlgItemMessageA(dialog, 1021, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(section));
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == 1) {
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(100), window, BareDialogProc,
                        0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showState) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "BareWindowClass";
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND window =
        CreateWindowExA(WS_EX_OVERLAPPEDWINDOW, "BareWindowClass", "Bare window",
                        WS_OVERLAPPEDWINDOW, 40, 40, 463, 288, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, showState);
    MSG message;
    while (IsWindow(window) && GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}

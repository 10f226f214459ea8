// A bare window program: what any window costs to start under wine, beside which the measuring
// tool times marlix32.exe's start.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showState) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = DefWindowProcA;
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

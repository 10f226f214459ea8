#include "support/driving.h"

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

LRESULT FindListItem(HWND listBox, const char* text) {
    return SendMessageA(listBox, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(text));
}

void ClickListItem(HWND listBox, LRESULT index, bool doubleClick, UINT keys) {
    RECT item = {};
    SendMessageA(listBox, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(listBox, WM_LBUTTONDOWN, MK_LBUTTON | keys, point);
    SendMessageA(listBox, WM_LBUTTONUP, keys, point);
    if (doubleClick) {
        SendMessageA(listBox, WM_LBUTTONDBLCLK, MK_LBUTTON | keys, point);
        SendMessageA(listBox, WM_LBUTTONUP, keys, point);
    }
}

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

namespace {

struct WindowSearch {
    DWORD process;
    const char* windowClass;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM cookie) {
    auto* search = reinterpret_cast<WindowSearch*>(cookie);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner != search->process || lstrcmpA(className, search->windowClass) != 0 ||
        !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND FindProcessWindow(DWORD processId, const char* windowClass) {
    WindowSearch search = {processId, windowClass, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

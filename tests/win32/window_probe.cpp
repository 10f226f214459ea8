#include "window_probe.h"

#include <shlobj.h>

#include <map>

#include "app/start_up.h"
#include "resource.h"

namespace {
std::map<HWND, CommandLog*> logs;

} // namespace

CommandLog::CommandLog(HWND window, bool swallow) : window_(window), swallow_(swallow) {
    logs[window] = this;
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CommandLog::Proc)));
}

CommandLog::~CommandLog() {
    if (IsWindow(window_))
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    logs.erase(window_);
}

std::vector<int> CommandLog::Ids() const {
    std::vector<int> ids;
    for (const auto& entry : entries_)
        ids.push_back(entry.first);
    return ids;
}

LRESULT CALLBACK CommandLog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CommandLog* log = logs.at(window);
    if (message == WM_COMMAND) {
        log->entries_.emplace_back(LOWORD(wParam), lParam);
        if (log->swallow_)
            return 0;
    }
    return CallWindowProcA(log->previous_, window, message, wParam, lParam);
}

std::vector<int> TakePostedCommands(HWND window) {
    std::vector<int> ids;
    MSG message;
    while (PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        ids.push_back(LOWORD(message.wParam));
    return ids;
}

bool PressAccelerator(HWND mainWindow, UINT virtualKey, bool control, bool alt) {
    BYTE saved[256], keys[256];
    GetKeyboardState(saved);
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? 0x80 : 0;
    keys[VK_MENU] = keys[VK_LMENU] = alt ? 0x80 : 0;
    keys[VK_SHIFT] = keys[VK_LSHIFT] = 0;
    SetKeyboardState(keys);
    MSG message = {};
    message.hwnd = GetFocus() ? GetFocus() : mainWindow;
    message.message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    message.wParam = virtualKey;
    message.lParam = 1 | (alt ? 1 << 29 : 0);
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDA_ACCELERATORS));
    bool translated = TranslateAcceleratorA(mainWindow, table, &message) != 0;
    SetKeyboardState(saved);
    return translated;
}

COLORREF PixelAt(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

SIZE DefaultFontExtent(const std::string& text) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    SIZE extent = {};
    GetTextExtentPoint32A(memory, text.c_str(), static_cast<int>(text.size()), &extent);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return extent;
}

int TextDifference(HWND window, POINT origin, const std::string& text, COLORREF ink,
                   COLORREF paper) {
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    SIZE extent = {};
    GetTextExtentPoint32A(memory, text.c_str(), static_cast<int>(text.size()), &extent);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, extent.cx, extent.cy);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SetBkMode(memory, OPAQUE);
    SetBkColor(memory, paper);
    SetTextColor(memory, ink);
    TextOutA(memory, 0, 0, text.c_str(), static_cast<int>(text.size()));
    int differences = extent.cx > 0 ? 0 : -1;
    for (int y = 0; y < extent.cy; ++y)
        for (int x = 0; x < extent.cx; ++x)
            if (GetPixel(memory, x, y) != GetPixel(dc, origin.x + x, origin.y + y))
                ++differences;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return differences;
}

::testing::AssertionResult ShowsBitmap(HWND window, int bitmapId) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId));
    if (!bitmap)
        return ::testing::AssertionFailure() << "no bitmap " << bitmapId;
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    int differences = 0;
    for (int y = 0; y < size.bmHeight; ++y)
        for (int x = 0; x < size.bmWidth; ++x)
            if (GetPixel(memory, x, y) != GetPixel(dc, x, y))
                ++differences;
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    DeleteObject(bitmap);
    if (differences == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << differences << " pixels differ from bitmap " << bitmapId;
}

LOGFONTA WindowFont(HWND window) {
    LOGFONTA font = {};
    HDC dc = GetDC(window);
    GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
    ReleaseDC(window, dc);
    return font;
}

ToolbarButton& ToolbarButtonOf(int id) {
    for (ToolbarButton& button : Toolbar.ToolbarButtons)
        if (button.id == id)
            return button;
    ADD_FAILURE() << "no button " << id;
    return Toolbar.ToolbarButtons[0];
}

std::string MenuText(HMENU menu, UINT position) {
    char text[128] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// A drop of these files as the shell makes it: a DROPFILES header followed by the paths, each
// zero-terminated, and one more zero at the end.
HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::string names;
    for (const std::string& path : paths)
        names += path + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->pt = {100, 100};
    header->fWide = FALSE;
    memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

void SendInputAndRun(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDA_ACCELERATORS));
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 150) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchProgramMessage(message, table);
        Sleep(5);
    }
}

std::vector<INPUT> KeyChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    return inputs;
}

void PressKeys(std::initializer_list<WORD> keys) {
    SendInputAndRun(KeyChord(keys));
}

void MovePointer(HWND window, POINT client) {
    ClientToScreen(window, &client);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(client.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(client.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInputAndRun({input});
}

// The balloon: a pale yellow window just below the toolbar, under the button the pointer rests
// on, sized to the button's text in the balloon font.
#include "controls/balloon.h"

#include "base/instance.h"
#include "base/language.h"
#include "controls/toolbar.h"
#include "resource.h"

BalloonState Balloon;

namespace {

constexpr COLORREF BalloonInk = RGB(0, 0, 128);

void ShowBalloon(HWND button) {
    if (Balloon.Window)
        return;
    const ToolbarButton* entry = FindToolbarButton(button);
    if (!entry)
        return;
    Balloon.Index = static_cast<int>(entry - Toolbar.ToolbarButtons);
    // A child of the main window, not of the toolbar, so that it may hang below the strip.
    Balloon.Window = CreateWindowExA(0, "MXBalHelpClass", nullptr, WS_CHILD, 0, 0, 10, 10,
                                     Toolbar.MainWindow, nullptr, ProgramInstance, nullptr);
    // Above the list boxes it hangs over (they clip it out of their painting).
    if (Balloon.Window)
        SetWindowPos(Balloon.Window, HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

// Created at a dummy size; measures its text and moves under its button.
void OnCreate(HWND window) {
    HDC dc = GetDC(window);
    Balloon.PreviousFont = SelectObject(dc, Toolbar.BalloonFont);
    Balloon.Length = KWStrTbGetTxt(Balloon.Text, IDS_BALLOON_OPEN_LIST + Balloon.Index);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, Balloon.Text, Balloon.Length, &extent);
    // The class keeps one DC per window, so the font stays selected for painting.
    ReleaseDC(window, dc);
    Balloon.Frame = {0, 0, extent.cx + 10, extent.cy + 4};
    MoveWindow(window, Toolbar.ToolbarButtons[Balloon.Index].x + 10, 30, extent.cx + 10,
               extent.cy + 4, TRUE);
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HBRUSH frame = CreateSolidBrush(BalloonInk);
    FrameRect(dc, &Balloon.Frame, frame);
    DeleteObject(frame);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, BalloonInk);
    TextOutA(dc, 5, 2, Balloon.Text, Balloon.Length);
    EndPaint(window, &paint);
}

void OnDestroy(HWND window) {
    HDC dc = GetDC(window);
    SelectObject(dc, Balloon.PreviousFont);
    ReleaseDC(window, dc);
    // Also when it goes with the main window rather than through ShowBalloonHelp.
    if (Balloon.Window == window)
        Balloon.Window = nullptr;
}

} // namespace

void ShowBalloonHelp(HWND button, int mode) {
    switch (mode) {
    case 1:
        ShowBalloon(button);
        break;
    case 0:
        if (Balloon.Window) {
            HWND window = Balloon.Window;
            Balloon.Window = nullptr;
            DestroyWindow(window);
        }
        break;
    }
}

LRESULT CALLBACK MXBalHelpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

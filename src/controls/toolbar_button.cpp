// A toolbar button: its bitmap for the state, the mouse capture that tells when the pointer
// leaves, the balloon timer, and the click that sends the button's command.
#include "controls/toolbar.h"

#include "base/instance.h"
#include "controls/balloon.h"

namespace {

void PaintButton(HWND window, const ToolbarButton& button) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HBITMAP bitmap =
        LoadBitmapA(ProgramInstance, MAKEINTRESOURCEA(button.id + (button.state - ButtonEnabled)));
    if (bitmap) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(dc, 0, 0, ButtonWidth, ButtonHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        DeleteObject(bitmap);
    }
    EndPaint(window, &paint);
}

void Repaint(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
}

// The capture tells the button when the pointer leaves it: moves outside still arrive here.
void OnMouseMove(HWND window, LPARAM position) {
    // Unsigned: a position left of or above the button reads as a large value.
    const unsigned x = LOWORD(position), y = HIWORD(position);
    if (GetCapture() != window) {
        SetCapture(window);
        SetTimer(window, BalloonTimer, 500, nullptr);
    }
    if (x <= ButtonWidth && y <= ButtonHeight)
        return;
    ReleaseCapture();
}

// Whatever ends the capture (the pointer leaving, a menu, a dialog, a shortcut key) ends the rest
// on the button: its balloon goes and a press is undone.
void OnCaptureLost(HWND window, ToolbarButton& button) {
    KillTimer(window, BalloonTimer);
    ShowBalloonHelp(window, 0);
    if (button.state != ButtonDisabled) {
        button.state = ButtonEnabled;
        Repaint(window);
    }
}

void OnTimer(HWND window) {
    KillTimer(window, BalloonTimer);
    // The pointer may have left since; then the capture is gone and so is the balloon's reason.
    if (GetCapture() == window)
        ShowBalloonHelp(window, 1);
}

void OnLeftButtonDown(HWND window, ToolbarButton& button) {
    KillTimer(window, BalloonTimer);
    if (button.state == ButtonEnabled)
        button.state = ButtonPressed;
    ShowBalloonHelp(window, 0);
    Repaint(window);
}

void OnLeftButtonUp(HWND window, ToolbarButton& button) {
    if (button.state == ButtonDisabled)
        return;
    button.state = ButtonEnabled;
    Repaint(window);
    SendMessageA(Toolbar.MainWindow, WM_COMMAND, MAKEWPARAM(button.command, 0), 0);
}

} // namespace

LRESULT CALLBACK MXTButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ToolbarButton* button = FindToolbarButton(window);
    if (!button)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        PaintButton(window, *button);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(window, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureLost(window, *button);
        return 0;
    case WM_TIMER:
        if (wParam != BalloonTimer)
            break;
        OnTimer(window);
        return 0;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(window, *button);
        return 0;
    case WM_LBUTTONUP:
        OnLeftButtonUp(window, *button);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The toolbar strip: it creates the seven buttons once the catalogue has loaded, and switches
// them between enabled and disabled for the main window.
#include "controls/toolbar.h"

#include "base/font_description.h"
#include "base/instance.h"
#include "controls/balloon.h"
#include "resource.h"

ToolbarState Toolbar;

namespace {

// The buttons in their order on the strip: list file, WIN.INI, list transfer, with wider gaps
// between the groups.
constexpr ToolbarButton InitialButtons[ButtonCount] = {
    {ButtonEnabled, nullptr, ButtonOpenList, 4, 2, IDM_OPEN_LIST},
    {ButtonDisabled, nullptr, ButtonSaveList, 36, 2, IDM_SAVE_LIST},
    {ButtonEnabled, nullptr, ButtonPrint, 68, 2, IDM_PRINT_LIST},
    {ButtonEnabled, nullptr, ButtonOpenWinIni, 110, 2, IDM_OPEN_WININI},
    {ButtonDisabled, nullptr, ButtonSaveWinIni, 142, 2, IDM_SAVE_WININI},
    {ButtonDisabled, nullptr, ButtonAdd, 184, 2, IDM_ADD_FONTS},
    {ButtonDisabled, nullptr, ButtonRemove, 216, 2, IDM_REMOVE_FONTS},
};

HFONT CreateBalloonFont() {
    const LOGFONTA font = FontDescription("Arial", 14, FW_NORMAL, ANSI_CHARSET, FF_SWISS);
    return CreateFontIndirectA(&font);
}

void CreateButtons(HWND toolbar) {
    for (ToolbarButton& button : Toolbar.ToolbarButtons) {
        button.window =
            CreateWindowExA(0, "MXTButtonClass", nullptr, WS_CHILD | WS_VISIBLE, button.x, button.y,
                            ButtonWidth, ButtonHeight, toolbar,
                            reinterpret_cast<HMENU>(INT_PTR(button.id)), ProgramInstance, nullptr);
        ShowWindow(button.window, SW_SHOW);
    }
    Toolbar.BalloonFont = CreateBalloonFont();
}

void SetButtonState(int id, long state) {
    for (ToolbarButton& button : Toolbar.ToolbarButtons) {
        if (button.id == id && button.state != state) {
            button.state = state;
            InvalidateRect(button.window, nullptr, FALSE);
        }
    }
}

void OnToolbarCommand(HWND toolbar, int operation, LPARAM buttonId) {
    switch (operation) {
    case ToolbarCreateButtons:
        CreateButtons(toolbar);
        break;
    case ToolbarEnable:
        SetButtonState(static_cast<int>(buttonId), ButtonEnabled);
        break;
    case ToolbarDisable:
        SetButtonState(static_cast<int>(buttonId), ButtonDisabled);
        break;
    }
}

// A white line along the top and a grey one along the bottom; the class brush did the rest.
void PaintToolbar(HWND toolbar) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(toolbar, &paint);
    RECT client;
    GetClientRect(toolbar, &client);
    HPEN white = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HPEN grey = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    HGDIOBJ old = SelectObject(dc, white);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, client.right - 1, 0);
    SelectObject(dc, grey);
    MoveToEx(dc, 0, client.bottom - 1, nullptr);
    LineTo(dc, client.right - 1, client.bottom - 1);
    SelectObject(dc, old);
    DeleteObject(white);
    DeleteObject(grey);
    EndPaint(toolbar, &paint);
}

} // namespace

ToolbarButton* FindToolbarButton(HWND button) {
    if (!button)
        return nullptr;
    for (ToolbarButton& entry : Toolbar.ToolbarButtons)
        if (entry.window == button)
            return &entry;
    return nullptr;
}

LRESULT CALLBACK MXToolBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        // A new main window starts with a fresh table.
        for (int i = 0; i < ButtonCount; ++i)
            Toolbar.ToolbarButtons[i] = InitialButtons[i];
        Toolbar.MainWindow = GetParent(window);
        return 0;
    case WM_PAINT:
        PaintToolbar(window);
        return 0;
    case WM_COMMAND:
        OnToolbarCommand(window, LOWORD(wParam), lParam);
        return 0;
    case WM_DESTROY:
        // The balloon has the font selected; it gives it back when it goes.
        ShowBalloonHelp(nullptr, 0);
        if (Toolbar.BalloonFont)
            DeleteObject(Toolbar.BalloonFont);
        Toolbar.BalloonFont = nullptr;
        // The buttons go with the strip; their handles must not match a later window.
        for (ToolbarButton& button : Toolbar.ToolbarButtons)
            button.window = nullptr;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The toolbar strip and its seven picture buttons. The main window talks to the toolbar only
// with WM_COMMAND: 101 creates the buttons, 100 / 300 with a button id enable / disable it.
#pragma once

#include <windows.h>

#include "base/exports.h"

enum ToolbarCommand { ToolbarEnable = 100, ToolbarCreateButtons = 101, ToolbarDisable = 300 };

// Toolbar button ids (each sends the command of its menu item).
enum ToolbarButtonId {
    ButtonOpenList = 101,
    ButtonOpenWinIni = 102,
    ButtonSaveWinIni = 103,
    ButtonSaveList = 104,
    ButtonAdd = 105,
    ButtonRemove = 106,
    ButtonPrint = 107
};

// A button's state is also the offset of its bitmap: id, id + 100 pressed, id + 200 disabled.
enum ButtonState : long { ButtonEnabled = 100, ButtonPressed = 200, ButtonDisabled = 300 };

constexpr int ButtonCount = 7;
constexpr int ButtonWidth = 30, ButtonHeight = 24;
constexpr UINT_PTR BalloonTimer = 1001; // a button's balloon shows when it fires (500 ms)

struct ToolbarButton {
    long state;  // ButtonState
    HWND window; // none until the toolbar creates its buttons
    int id;      // control id, also the id of the enabled bitmap
    int x, y;    // in the toolbar
    int command; // sent to the main window on a click
};

struct ToolbarState {
    ToolbarButton ToolbarButtons[ButtonCount];
    HWND MainWindow = nullptr; // the toolbar's parent: receives the commands, parents the balloon
    HFONT BalloonFont = nullptr;
};
extern ToolbarState Toolbar;

// The entry of a button window, or null for any other window.
ToolbarButton* FindToolbarButton(HWND button);

MARLIX_EXPORT LRESULT CALLBACK MXToolBarProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);
MARLIX_EXPORT LRESULT CALLBACK MXTButtonProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

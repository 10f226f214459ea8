// The toolbar strip and its seven picture buttons. The main window talks to the toolbar only
// with WM_COMMAND: 101 creates the buttons, 100 / 300 with a button id enable / disable it.
#pragma once

#include <windows.h>

#include "app/exports.h"

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

MARLIX_EXPORT LRESULT CALLBACK MXToolBarProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);
MARLIX_EXPORT LRESULT CALLBACK MXTButtonProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

// The menus' enabled, grayed and checked items, set each time a popup of the menu bar opens.
#pragma once

#include <windows.h>

void OnInitMenuPopup(HMENU popup, LPARAM position);

// What the operations on the two lists work on, handed down by the main window: its two list
// boxes and the catalogue.
#pragma once

#include <windows.h>

#include "catalog/font_catalog.h"

struct MainLists {
    HWND atmList;      // control 1001: the catalogue fonts not selected
    HWND selectedList; // control 1002: the selected fonts
    const FontCatalog& catalog;
};

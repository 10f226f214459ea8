// The program's one font catalogue, loaded from ATM.INI when the main window is created.
#pragma once

#include <windows.h>

#include "catalog/font_catalog.h"
#include "catalog/main_lists.h"

extern FontCatalog Catalog;

// Reads atm.ini from the Windows directory into the catalogue and fills the list box. Every
// failure is reported to the user (beep, then a message box over the list's parent).
bool LoadAtmCatalog(HWND atmList);
void FreeFontCatalog();
// Moves the selected fonts between the list boxes; returns 1 when something moved. The caller
// refreshes the selected count.
int MoveSelectedFonts(HWND destination, HWND source);

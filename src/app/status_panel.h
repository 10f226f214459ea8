// The status panel: the coloured frames around the lists and the two count lines below them,
// painted straight onto the main window's navy client area.
#pragma once

#include <windows.h>

void PaintStatusPanel(HWND mainWindow);
// Recounts SelectedList into SelectedFontCount; where it changed, redraws its count line at once.
void UpdateSelectedCount(HWND mainWindow);

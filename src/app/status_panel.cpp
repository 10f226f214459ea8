#include "app/status_panel.h"

#include "app/main_window.h"

void PaintStatusPanel(HWND mainWindow) {
    PAINTSTRUCT paint;
    BeginPaint(mainWindow, &paint);
    EndPaint(mainWindow, &paint);
}

void UpdateSelectedCount(HWND) {
    App.SelectedFontCount =
        static_cast<unsigned long>(SendMessageA(App.SelectedList, LB_GETCOUNT, 0, 0));
}

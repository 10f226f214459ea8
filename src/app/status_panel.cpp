// The status panel: frames around the lists and the two count lines, drawn on the navy client
// area of the main window.
#include "app/status_panel.h"

#include "app/app_state.h"
#include "base/language.h"
#include "catalog/catalog_win.h"
#include "resource.h"

namespace {

constexpr COLORREF Navy = RGB(0, 0, 128);
constexpr COLORREF Yellow = RGB(255, 255, 0);
constexpr COLORREF Green = RGB(0, 255, 0);

constexpr RECT AtmListFrame = {7, 37, 223, 203};
constexpr RECT PanelFrame = {1, 31, 449, 230};
constexpr RECT SelectedListFrame = {227, 37, 443, 203};
// Erased before the selected count is drawn, so a shorter number leaves nothing behind.
constexpr RECT SelectedCountArea = {227, 190, 448, 226};
constexpr POINT CatalogCountOrigin = {12, 208};
constexpr POINT SelectedCountOrigin = {231, 208};

void FrameWith(HDC dc, COLORREF colour, const RECT* const* frames, int count) {
    HBRUSH brush = CreateSolidBrush(colour);
    for (int i = 0; i < count; ++i)
        FrameRect(dc, frames[i], brush);
    DeleteObject(brush);
}

// One count line: the format's four trailing blanks, drawn opaque, cover a longer number.
void DrawCount(HDC dc, UINT formatId, unsigned long count, POINT origin) {
    char format[TextBufferSize], line[TextBufferSize + 16];
    KWStrTbGetTxt(format, formatId);
    int length = wsprintfA(line, format, count);
    TextOutA(dc, origin.x, origin.y, line, length);
}

} // namespace

void PaintStatusPanel(HWND mainWindow) {
    // The selected count is drawn afresh on every paint, whatever caused it.
    InvalidateRect(mainWindow, &SelectedCountArea, TRUE);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(mainWindow, &paint);
    const RECT* yellowFrames[] = {&AtmListFrame, &PanelFrame};
    const RECT* greenFrames[] = {&SelectedListFrame};
    FrameWith(dc, Yellow, yellowFrames, 2);
    FrameWith(dc, Green, greenFrames, 1);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, Navy);
    SetTextColor(dc, Yellow);
    DrawCount(dc, IDS_CATALOG_COUNT, Catalog.CatalogFontCount, CatalogCountOrigin);
    SetTextColor(dc, Green);
    DrawCount(dc, IDS_SELECTED_COUNT, App.SelectedFontCount, SelectedCountOrigin);
    EndPaint(mainWindow, &paint);
}

void UpdateSelectedCount(HWND mainWindow) {
    const auto count =
        static_cast<unsigned long>(SendMessageA(App.SelectedList, LB_GETCOUNT, 0, 0));
    if (count == App.SelectedFontCount)
        return;
    App.SelectedFontCount = count;
    InvalidateRect(mainWindow, &SelectedCountArea, TRUE);
    // Drawn now, not at the next paint: the user sees the count follow every move.
    HDC dc = GetDC(mainWindow);
    SetBkMode(dc, OPAQUE);
    // The window's own DC keeps the paint's navy; set again in case no paint has run yet.
    SetBkColor(dc, Navy);
    SetTextColor(dc, Green);
    DrawCount(dc, IDS_SELECTED_COUNT, App.SelectedFontCount, SelectedCountOrigin);
    ReleaseDC(mainWindow, dc);
}

// The font sample window draws with its own device context (its class has CS_OWNDC), so the font
// it creates stays selected there from one paint to the next.
#include "controls/font_sample.h"

#include <new>

#include "base/font_description.h"
#include "base/instance.h"
#include "base/list_box_text.h"
#include "controls/font_style.h"
#include "resource.h"

namespace {

LOGFONTA InitialSampleFont() {
    return FontDescription("Arial", 30, FW_DONTCARE, DEFAULT_CHARSET, DEFAULT_PITCH);
}

// Longer than any catalogue name (63 bytes); a longer item is not sampled.
constexpr size_t ItemTextSize = 256;
constexpr int SampleWidth = 200, SampleHeight = 35;
const COLORREF SampleInk = RGB(0, 0, 128);

// What a sample window owns: the font it created, and the font its context held before.
struct SampleWindowFonts {
    HFONT created = nullptr;
    HFONT previous = nullptr;
    int textLength = 0;
};

SampleWindowFonts* FontsOf(HWND window) {
    return reinterpret_cast<SampleWindowFonts*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void SelectSampleFont(HDC dc, SampleWindowFonts& fonts) {
    fonts.created = CreateFontIndirectA(&FontSample.SampleFont);
    fonts.previous = fonts.created ? static_cast<HFONT>(SelectObject(dc, fonts.created)) : nullptr;
}

void ReleaseSampleFont(HDC dc, SampleWindowFonts& fonts) {
    if (fonts.previous)
        SelectObject(dc, fonts.previous);
    if (fonts.created)
        DeleteObject(fonts.created);
    fonts.created = fonts.previous = nullptr;
}

LRESULT OnSampleCreate(HWND window) {
    auto* fonts = new (std::nothrow) SampleWindowFonts;
    if (!fonts)
        return -1;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(fonts));
    HDC dc = GetDC(window);
    SelectSampleFont(dc, *fonts);
    fonts->textLength = lstrlenA(SampleText);
    ReleaseDC(window, dc);
    return 0;
}

void OnSamplePaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT frame = {0, 0, SampleWidth, SampleHeight};
    HBRUSH ink = CreateSolidBrush(SampleInk);
    FrameRect(dc, &frame, ink);
    DeleteObject(ink);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, SampleInk);
    if (SampleWindowFonts* fonts = FontsOf(window))
        TextOutA(dc, 6, 3, SampleText, fonts->textLength);
    EndPaint(window, &paint);
}

void OnSampleRebuild(HWND window) {
    SampleWindowFonts* fonts = FontsOf(window);
    if (!fonts)
        return;
    HDC dc = GetDC(window);
    ReleaseSampleFont(dc, *fonts);
    SelectSampleFont(dc, *fonts);
    ReleaseDC(window, dc);
    InvalidateRect(window, nullptr, TRUE);
}

void OnSampleDestroy(HWND window) {
    if (SampleWindowFonts* fonts = FontsOf(window)) {
        HDC dc = GetDC(window);
        ReleaseSampleFont(dc, *fonts);
        ReleaseDC(window, dc);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete fonts;
    }
    // A sample that closes itself (click, key) must not leave the main window pointing at it.
    if (FontSample.FontSampleWindow == window)
        FontSample.FontSampleWindow = nullptr;
}

} // namespace

FontSampleState FontSample = {InitialSampleFont(), -1};

HWND ShowFontSample(HWND listBox) {
    LRESULT caret = SendMessageA(listBox, LB_GETCARETINDEX, 0, 0);
    char name[ItemTextSize];
    if (caret < 0 || !ListBoxTextFits(listBox, caret, name, sizeof name))
        return FontSample.FontSampleWindow;

    int style = FontStyleFromName(name);
    LOGFONTA& font = FontSample.SampleFont;
    font.lfWeight = FontStyleWeight(style);
    font.lfItalic = FontStyleItalic(style) ? TRUE : FALSE;
    CopyFaceName(font.lfFaceName, sizeof font.lfFaceName, name);

    if (FontSample.FontSampleWindow && IsWindow(FontSample.FontSampleWindow)) {
        PostMessageA(FontSample.FontSampleWindow, WM_COMMAND, SampleRebuildCommand, 0);
        return FontSample.FontSampleWindow;
    }
    HWND sample =
        CreateWindowExA(0, "MXShowFontClass", nullptr, WS_CHILD, 250, 0, SampleWidth, SampleHeight,
                        GetParent(listBox), reinterpret_cast<HMENU>(INT_PTR(IDC_FONT_SAMPLE)),
                        ProgramInstance, nullptr);
    // Created after the toolbar it overlaps, so it would stand below it: a click on its top rows
    // would reach the toolbar.
    if (sample)
        SetWindowPos(sample, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    return sample;
}

void CloseFontSample() {
    if (FontSample.FontSampleWindow)
        DestroyWindow(FontSample.FontSampleWindow);
    FontSample.FontSampleWindow = nullptr;
}

LRESULT CALLBACK MXShowFontProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnSampleCreate(window);
    case WM_PAINT:
        OnSamplePaint(window);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == SampleRebuildCommand)
            OnSampleRebuild(window);
        return 0;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        OnSampleDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

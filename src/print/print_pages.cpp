// Drawing a list on the printer: the pages laid out by the page layout, in hundredths of an
// inch, with the two fixed fonts.
#include "print/print_job.h"

#include <vector>

#include "base/font_description.h"
#include "base/list_box_text.h"
#include "base/system_code_page.h"
#include "print/page_layout.h"

namespace {

// The fonts of a job, created for it and deleted at its end.
class Font {
  public:
    Font(LONG height, BYTE italic, BYTE pitchAndFamily, const char* face) {
        // The names are in the system's code page.
        LOGFONTA font = FontDescription(face, height, FW_NORMAL, SystemCharset(), pitchAndFamily);
        font.lfItalic = italic;
        handle_ = CreateFontIndirectA(&font);
    }
    ~Font() {
        if (handle_)
            DeleteObject(handle_);
    }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    HFONT get() const { return handle_; }

  private:
    HFONT handle_;
};

// Puts back the font that was selected before, so that the job's fonts can be deleted.
class KeepSelectedFont {
  public:
    KeepSelectedFont(HDC dc, HFONT font) : dc_(dc), kept_(SelectObject(dc, font)) {}
    ~KeepSelectedFont() { SelectObject(dc_, kept_); }
    KeepSelectedFont(const KeepSelectedFont&) = delete;
    KeepSelectedFont& operator=(const KeepSelectedFont&) = delete;

  private:
    HDC dc_;
    HGDIOBJ kept_;
};

std::vector<std::string> ListItems(HWND listBox) {
    std::vector<std::string> items;
    const LRESULT count = listBox ? SendMessageA(listBox, LB_GETCOUNT, 0, 0) : 0;
    for (LRESULT index = 0; index < count; ++index) {
        items.push_back(ListBoxText(listBox, index));
    }
    return items;
}

long LineStepOf(HDC dc, bool body) {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    return body ? BodyLineStep(metrics.tmHeight, metrics.tmExternalLeading)
                : FooterLineStep(metrics.tmHeight, metrics.tmExternalLeading);
}

void Draw(HDC dc, const PlacedText& placed, bool tabbed) {
    const int length = static_cast<int>(placed.text.size());
    if (tabbed)
        TabbedTextOutA(dc, placed.x, placed.y, placed.text.c_str(), length, 0, nullptr,
                       ListLineLeft);
    else
        TextOutA(dc, placed.x, placed.y, placed.text.c_str(), length);
}

} // namespace

void PrintListPages(HDC dc, HWND listBox, const char* listTitle) {
    const Font body(16, FALSE, FF_ROMAN | DEFAULT_PITCH, "Times");
    const Font footer(11, TRUE, FF_SWISS | DEFAULT_PITCH, "Arial");
    const KeepSelectedFont keep(dc, footer.get());
    // Measured once, in the context's default units, before any mapping mode is set; the steps
    // are then used as hundredths of an inch.
    const long footerStep = LineStepOf(dc, false);
    SelectObject(dc, body.get());
    const long lineStep = LineStepOf(dc, true);

    for (const PrintedPage& page :
         LayOutListPages(ListItems(listBox), lineStep, footerStep, listTitle)) {
        // Every page sets its own attributes: some drivers reset them at the start of a page.
        StartPage(dc);
        SetMapMode(dc, MM_LOENGLISH);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        SelectObject(dc, body.get());
        SetTextAlign(dc, TA_LEFT | TA_BOTTOM);
        for (const PlacedText& line : page.lines)
            Draw(dc, line, true);
        SelectObject(dc, footer.get());
        SetTextAlign(dc, TA_RIGHT | TA_BOTTOM);
        for (const PlacedText& text : page.footer)
            Draw(dc, text, false);
        EndPage(dc);
    }
}

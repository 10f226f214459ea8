// Layout of a printed list: numbered lines of font names, page after page, with the page number
// and the current list file's title in the lower right. Pure arithmetic; the print job draws
// exactly what it is given here.
//
// Coordinates are hundredths of an inch in MM_LOENGLISH: x grows to the right, y grows upwards,
// the origin is the top left corner of the printable area, so every point has y <= 0.
#pragma once

#include <string>
#include <vector>

constexpr long ListLineLeft = 100;       // left edge of the list lines, also their tab origin
constexpr long FirstLineBottom = -75;    // bottom of the first line of a page
constexpr long ListAreaHeight = 900;     // height the list lines of a page may take
constexpr long BodyLineExtra = 4;        // added to the body font's line height
constexpr long FooterRight = 720;        // right edge of the footer texts
constexpr long PageNumberBottom = -1000; // bottom of the page-number line

// Line steps from the fonts' text metrics (tmHeight, tmExternalLeading), read once before the
// first page in the context's default units and then used as hundredths of an inch.
long BodyLineStep(long height, long externalLeading);
long FooterLineStep(long height, long externalLeading);
// 900 / line step, dropping the remainder; at least 1, so that every page makes progress.
long LinesPerPage(long lineStep);

// "%-3ld\t%s": the item's number counted from 1 over the whole list, padded to three characters.
std::string ListLineText(long number, const std::string& text);

struct PlacedText {
    long x;
    long y;
    std::string text;
};

struct PrintedPage {
    long number; // from 1
    // Body font, TA_LEFT | TA_BOTTOM, drawn with TabbedTextOutA: no tab stops, tab origin x.
    std::vector<PlacedText> lines;
    // Footer font, TA_RIGHT | TA_BOTTOM, drawn with TextOutA: the page line, then the list file's
    // title under it when there is a current list file.
    std::vector<PlacedText> footer;
};

// Every page of a list; an empty list has no page. listTitle empty means no current list file.
std::vector<PrintedPage> LayOutListPages(const std::vector<std::string>& items, long lineStep,
                                         long footerStep, const std::string& listTitle);

#include "print/page_layout.h"

long BodyLineStep(long height, long externalLeading) {
    return height + externalLeading + BodyLineExtra;
}

long FooterLineStep(long height, long externalLeading) {
    return height + externalLeading;
}

long LinesPerPage(long lineStep) {
    // A line step above the page height (or a broken metric) would otherwise give pages that
    // take no line, and the job would never end.
    if (lineStep <= 0 || lineStep > ListAreaHeight)
        return 1;
    return ListAreaHeight / lineStep;
}

namespace {

// "Page %ld".
std::string PageNumberText(long page) {
    return "Page " + std::to_string(page);
}

} // namespace

// Numbers are formatted by std::to_string, not printf: the C runtime's printf brings in code
// for processors newer than the oldest the program runs on.
std::string ListLineText(long number, const std::string& text) {
    std::string line = std::to_string(number);
    if (line.size() < 3)
        line.append(3 - line.size(), ' ');
    line += '\t';
    return line + text;
}

std::vector<PrintedPage> LayOutListPages(const std::vector<std::string>& items, long lineStep,
                                         long footerStep, const std::string& listTitle) {
    const long count = static_cast<long>(items.size());
    const long perPage = LinesPerPage(lineStep);
    std::vector<PrintedPage> pages;
    for (long first = 0, page = 1; first < count; first += perPage, ++page) {
        PrintedPage printed{page, {}, {}};
        const long last = first + perPage < count ? first + perPage : count;
        for (long item = first; item < last; ++item) {
            const long y = FirstLineBottom - (item - first) * lineStep;
            printed.lines.push_back({ListLineLeft, y, ListLineText(item + 1, items[item])});
        }
        printed.footer.push_back({FooterRight, PageNumberBottom, PageNumberText(page)});
        if (!listTitle.empty())
            printed.footer.push_back({FooterRight, PageNumberBottom - footerStep, listTitle});
        pages.push_back(std::move(printed));
    }
    return pages;
}

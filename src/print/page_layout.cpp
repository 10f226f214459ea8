#include "print/page_layout.h"

#include <cstdio>

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

std::string ListLineText(long number, const std::string& text) {
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%-3ld\t", number);
    return prefix + text;
}

std::string PageNumberText(long page) {
    char text[32];
    std::snprintf(text, sizeof text, "Page %ld", page);
    return text;
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

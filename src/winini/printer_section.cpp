#include "winini/printer_section.h"

#include <cstring>

#include "listfile/text_search.h"

long NextPrinterSection(const char* text, char* name, long from, const CodePage& codePage) {
    long at = FindSection(text, "PostScript,", from, codePage);
    if (at == NotFound)
        return NotFound;
    int length = 0;
    while (text[at] != ']') {
        const int size = static_cast<int>(codePage.CharLength(text + at));
        if (static_cast<unsigned char>(text[at]) <= 13 || length + size > PrinterSectionNameMax)
            return NotFound;
        for (int k = 0; k < size; ++k)
            name[length++] = text[at++];
    }
    name[length] = '\0';
    // Whatever follows the ']' on the header line is ignored. A header line without a line end
    // leaves the body start at the end of the text, never beyond it.
    return NextLineStart(text, at);
}

long FindPrinterSection(const char* text, const char* wanted, SectionNameCompare equal,
                        const CodePage& codePage) {
    char name[PrinterSectionNameSize];
    long at = 0;
    while ((at = NextPrinterSection(text, name, at, codePage)) != NotFound) {
        if (equal(name, wanted) == 0)
            return at;
    }
    return NotFound;
}

long PrinterSectionBodyEnd(const char* text, long bodyStart, const CodePage& codePage) {
    const long length = MeasureSection(text, bodyStart, codePage);
    if (length != NotFound)
        return bodyStart + length - 1;
    return bodyStart + static_cast<long>(std::strlen(text + bodyStart));
}

std::vector<PrinterSectionRef> ListPrinterSections(const char* text, const CodePage& codePage) {
    std::vector<PrinterSectionRef> sections;
    char name[PrinterSectionNameSize];
    long at = 0;
    while ((at = NextPrinterSection(text, name, at, codePage)) != NotFound)
        sections.push_back({name, at, PrinterSectionBodyEnd(text, at, codePage)});
    return sections;
}

// ATM.INI text of any bytes into the catalogue and the list. Besides the sanitizers' findings it
// traps on a broken invariant: the list sorted and at most 1001 names of at most 63 bytes, each
// with exactly the line of the [Fonts] body that the lookup finds, every entry line ending in LF.
// Byte 0 chooses the code page of the text that follows.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/font_catalog.h"
#include "catalog/ini_text.h"
#include "fuzz_code_page.h"
#include "vector_font_list.h"

namespace {

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

// The body's line for the name as the entry text must hold it.
std::string ExpectedLine(const char* body, const std::string& name) {
    long at = FindEntryLine(body, name.c_str());
    Check(at != NotFound);
    const char* line = body + at;
    const char* lf = std::strchr(line, '\n');
    if (lf)
        return std::string(line, lf + 1);
    std::string text(line);
    return text + (!text.empty() && text.back() == '\r' ? "\n" : "\r\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const CodePage& codePage = FuzzCodePage(data[0]);
    std::vector<char> text(data + 1, data + size);
    text.resize(size + 9, '\0');
    VectorFontList list(AsciiNameOrder, AsciiNameKey);
    list.AddSorted("stale");
    FontCatalog catalog;
    CatalogBuild build = BuildFontCatalog(text.data(), list, catalog, codePage);

    if (build.outcome != CatalogOutcome::Loaded) {
        Check(list.Count() == 0 && catalog.FontEntryText.empty());
        Check(catalog.CatalogFontCount == 0 && !catalog.Loaded && build.corruptCount == 0);
        return 0;
    }
    int count = list.Count();
    Check(catalog.Loaded && catalog.CatalogFontCount == static_cast<unsigned long>(count));
    Check(count <= MaxCatalogFonts && (count > 0 || build.corruptCount > 0));
    const std::string& entries = catalog.FontEntryText;
    Check(entries.find('\0') == std::string::npos);
    Check(entries.empty() || entries.back() == '\n');
    Check(static_cast<int>(std::count(entries.begin(), entries.end(), '\n')) == count);

    // The body is still at the start of the text; the entry text holds the names' lines in the
    // list's order.
    const char* body = text.data();
    size_t offset = 0;
    for (int i = 0; i < count; ++i) {
        std::string name = list.Text(i);
        Check(!name.empty() && name.size() <= static_cast<size_t>(MaxFontNameLength));
        if (i > 0)
            Check(AsciiNameOrder(list.Text(i - 1).c_str(), name.c_str()) <= 0);
        // Each lookup scans the whole text: on long lists a sample keeps the runs fast.
        if (i % (count / 64 + 1) == 0) {
            std::string line = ExpectedLine(body, name);
            Check(line.size() > name.size() + 8);
            long found = FindEntryLine(entries.c_str(), name.c_str());
            Check(found != NotFound &&
                  entries.compare(static_cast<size_t>(found), line.size(), line) == 0);
        }
        size_t end = entries.find('\n', offset) + 1;
        Check(AsciiNameOrder(entries.substr(offset, name.size()).c_str(), name.c_str()) == 0);
        Check(entries[offset + name.size()] == '=');
        offset = end;
    }
    return 0;
}

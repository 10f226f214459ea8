#include "catalog/font_catalog.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <numeric>

#include "catalog/ini_text.h"

namespace {

using Byte = unsigned char;

// Room the list box is asked to reserve per name.
constexpr int ListBytesPerName = 36;

// The part of a line that goes into the entry text: its bytes through the LF, or, when the body
// ends first, all of them followed by the line end they lack.
struct EntryLine {
    const char* start;
    size_t length;      // bytes taken from the body
    const char* ending; // line end to add: "" when the line has its own
    size_t Size() const { return length + std::strlen(ending); }
};

EntryLine EntryLineAt(const char* line) {
    if (const char* lf = std::strchr(line, '\n'))
        return {line, static_cast<size_t>(lf - line) + 1, ""};
    size_t length = std::strlen(line);
    return {line, length, length > 0 && line[length - 1] == '\r' ? "\n" : "\r\n"};
}

void Append(std::string& destination, const EntryLine& line) {
    destination.append(line.start, line.length);
    destination.append(line.ending);
}

// Position just after the LF that ends the line holding p, or of the zero that ends the text.
const char* NextLine(const char* p, const char* end) {
    const void* lf = std::memchr(p, '\n', static_cast<size_t>(end - p));
    return lf ? static_cast<const char*>(lf) + 1 : end;
}

} // namespace

CollectedFontNames CollectFontNames(std::vector<FontNameSlot>& table, const char* body,
                                    long budget) {
    CollectedFontNames found;
    table.assign(MaxCatalogFonts, FontNameSlot{});
    found.lineStarts.reserve(MaxCatalogFonts);
    // Never read past the budget nor past the zero that ends the body, whichever comes first.
    const char* end = body + (budget > 0 ? budget - 1 : 0);
    if (const void* zero = std::memchr(body, '\0', static_cast<size_t>(end - body)))
        end = static_cast<const char*>(zero);

    const char* line = body;
    while (line < end) {
        Byte first = static_cast<Byte>(*line);
        if (first == ';' || first < 32) {
            line = NextLine(line, end);
            continue;
        }
        const char* p = line;
        while (p < end && *p != '=' && *p != ';' && static_cast<Byte>(*p) >= 32)
            ++p;
        if (p == end) // the body ends inside an unfinished key
            break;
        if (*p == '=') {
            size_t length = static_cast<size_t>(p - line);
            // A name too long for a slot is rejected whole: cut short it could equal another.
            if (length > static_cast<size_t>(MaxFontNameLength) || found.count == MaxCatalogFonts) {
                ++found.rejected;
            } else {
                FontNameSlot& slot = table[static_cast<size_t>(found.count++)];
                std::memcpy(slot.data(), line, length);
                slot[length] = '\0';
                found.lineStarts.push_back(static_cast<long>(line - body));
            }
        }
        line = NextLine(p, end);
    }
    table.resize(static_cast<size_t>(found.count));
    return found;
}

size_t AppendEntryLine(std::string& destination, const char* body, const char* key) {
    long at = FindEntryLine(body, key);
    if (at == NotFound)
        return 0;
    EntryLine line = EntryLineAt(body + at);
    Append(destination, line);
    return line.Size();
}

CatalogBuild BuildFontCatalog(char* text, FontList& atmList, NameOrder compareFontNames,
                              FontCatalog& catalog, const CodePage& codePage, NameKey sortKey) {
    CatalogBuild build;
    catalog = FontCatalog();
    auto fail = [&](CatalogOutcome outcome) {
        atmList.Reset();
        catalog = FontCatalog();
        return CatalogBuild{outcome, 0};
    };

    long budget = ExtractFontsSection(text, codePage);
    if (budget == 0)
        return fail(CatalogOutcome::NoFontsSection);
    const char* body = text;

    try {
        std::vector<FontNameSlot> table;
        CollectedFontNames names = CollectFontNames(table, body, budget);
        if (names.count == 0 && names.rejected == 0)
            return fail(CatalogOutcome::NoFonts);
        build.corruptCount = names.rejected;

        atmList.Reset();
        // Equal names sort next to each other, the first in the file first: a key's line is the
        // first line that begins with it, which is the line of the first such key.
        std::vector<int> order(static_cast<size_t>(names.count));
        std::iota(order.begin(), order.end(), 0);
        std::vector<std::string> keys;
        if (sortKey) {
            keys.reserve(order.size());
            for (int index : order)
                keys.push_back(sortKey(table[static_cast<size_t>(index)].data()));
            // A key that could not be made would put its name out of order: compare instead.
            if (std::any_of(keys.begin(), keys.end(),
                            [](const std::string& key) { return key.empty(); }))
                keys.clear();
        }
        // The order is total, so any sort gives the same result; a merge sort makes about a fifth
        // fewer comparisons.
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const char* nameA = table[static_cast<size_t>(a)].data();
            const char* nameB = table[static_cast<size_t>(b)].data();
            const int byOrder =
                keys.empty() ? compareFontNames(nameA, nameB)
                             : keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]);
            if (byOrder != 0)
                return byOrder < 0;
            if (int byBytes = std::strcmp(nameA, nameB))
                return byBytes < 0;
            return a < b;
        });

        catalog.FontEntryText.reserve(static_cast<size_t>(budget) + 10001);
        atmList.Reserve(names.count, names.count * ListBytesPerName);
        const char* previous = nullptr;
        const char* lastAdded = nullptr;
        int equalsStart = 0; // where the names comparing equal to the last one added begin
        EntryLine line{};
        for (int index : order) {
            const char* name = table[static_cast<size_t>(index)].data();
            if (!previous || std::strcmp(previous, name) != 0)
                line = EntryLineAt(body + names.lineStarts[static_cast<size_t>(index)]);
            previous = name;
            // The line must hold more than the name, its '=' and a line end: a value of at
            // least six bytes with CR LF ends. An empty name has no line at all.
            if (name[0] == '\0' || line.Size() <= std::strlen(name) + 8) {
                ++build.corruptCount;
                continue;
            }
            // The names come in the list's order, so each one goes at the end, or before the
            // names it compares equal to, as a sorted insert would put it.
            if (!lastAdded || !NamesCompareEqual(lastAdded, name, compareFontNames))
                equalsStart = atmList.Count();
            if (atmList.InsertAt(equalsStart, name) < 0)
                return fail(CatalogOutcome::NoMemory);
            lastAdded = name;
            Append(catalog.FontEntryText, line);
        }
    } catch (const std::bad_alloc&) {
        return fail(CatalogOutcome::NoMemory);
    }

    catalog.CatalogFontCount = static_cast<unsigned long>(atmList.Count());
    catalog.Loaded = true;
    build.outcome = CatalogOutcome::Loaded;
    return build;
}

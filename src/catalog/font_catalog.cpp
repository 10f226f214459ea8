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

namespace {

// A key whose line holds more than the key, its '=' and a line end.
struct AcceptedFont {
    const char* name;
    EntryLine line;
};

// The collected keys whose lines are long enough, ordered by their bytes and, of equal ones, the
// first in the file first; the rest are counted as corrupt. Equal keys share the first one's line:
// a key's line is the first line that begins with it.
std::vector<AcceptedFont> AcceptFonts(const std::vector<FontNameSlot>& table,
                                      const CollectedFontNames& names, const char* body,
                                      unsigned long& corrupt) {
    std::vector<int> byBytes(static_cast<size_t>(names.count));
    std::iota(byBytes.begin(), byBytes.end(), 0);
    std::stable_sort(byBytes.begin(), byBytes.end(), [&](int a, int b) {
        return std::strcmp(table[static_cast<size_t>(a)].data(),
                           table[static_cast<size_t>(b)].data()) < 0;
    });
    std::vector<AcceptedFont> accepted;
    accepted.reserve(byBytes.size());
    const char* previous = nullptr;
    EntryLine line{};
    for (int index : byBytes) {
        const char* name = table[static_cast<size_t>(index)].data();
        if (!previous || std::strcmp(previous, name) != 0)
            line = EntryLineAt(body + names.lineStarts[static_cast<size_t>(index)]);
        previous = name;
        // A value of at least six bytes with CR LF ends. An empty name has no line at all.
        if (name[0] == '\0' || line.Size() <= std::strlen(name) + 8)
            ++corrupt;
        else
            accepted.push_back({name, line});
    }
    return accepted;
}

// Fills the list in its own order, told by its sort keys, and the entry text with it: each name
// goes at the end, or before the names whose key equals its own, as a sorted insert puts it.
// False when a key cannot be made; nothing has been added then.
bool FillByKeys(FontList& list, std::vector<AcceptedFont>& fonts, std::string& entryText,
                bool& full) {
    std::vector<std::string> keys;
    keys.reserve(fonts.size());
    for (const AcceptedFont& font : fonts) {
        keys.push_back(list.SortKey(font.name));
        if (keys.back().empty())
            return false;
    }
    std::vector<size_t> order(fonts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    int equalsStart = 0;
    for (size_t k = 0; k < order.size(); ++k) {
        if (k == 0 || keys[order[k]] != keys[order[k - 1]])
            equalsStart = list.Count();
        if (list.InsertAt(equalsStart, fonts[order[k]].name) < 0) {
            full = true;
            return true;
        }
        Append(entryText, fonts[order[k]].line);
    }
    return true;
}

// The list places every name itself; the entry text then follows what it shows.
void FillBySortedInserts(FontList& list, const std::vector<AcceptedFont>& fonts,
                         std::string& entryText, bool& full) {
    for (const AcceptedFont& font : fonts)
        if (list.AddSorted(font.name) < 0) {
            full = true;
            return;
        }
    for (int index = 0; index < list.Count(); ++index) {
        const std::string name = list.Text(index);
        const auto at = std::lower_bound(fonts.begin(), fonts.end(), name,
                                         [](const AcceptedFont& font, const std::string& key) {
                                             return key.compare(font.name) > 0;
                                         });
        if (at != fonts.end() && name == at->name)
            Append(entryText, at->line);
    }
}

} // namespace

CatalogBuild BuildFontCatalog(char* text, FontList& atmList, FontCatalog& catalog,
                              const CodePage& codePage) {
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
    try {
        std::vector<FontNameSlot> table;
        CollectedFontNames names = CollectFontNames(table, text, budget);
        if (names.count == 0 && names.rejected == 0)
            return fail(CatalogOutcome::NoFonts);
        build.corruptCount = names.rejected;
        std::vector<AcceptedFont> fonts = AcceptFonts(table, names, text, build.corruptCount);

        atmList.Reset();
        catalog.FontEntryText.reserve(static_cast<size_t>(budget) + 10001);
        atmList.Reserve(names.count, names.count * ListBytesPerName);
        bool full = false;
        if (!FillByKeys(atmList, fonts, catalog.FontEntryText, full))
            FillBySortedInserts(atmList, fonts, catalog.FontEntryText, full);
        if (full)
            return fail(CatalogOutcome::NoMemory);
    } catch (const std::bad_alloc&) {
        return fail(CatalogOutcome::NoMemory);
    }

    catalog.CatalogFontCount = static_cast<unsigned long>(atmList.Count());
    catalog.Loaded = true;
    build.outcome = CatalogOutcome::Loaded;
    return build;
}

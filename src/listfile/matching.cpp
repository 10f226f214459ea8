#include "listfile/matching.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <utility>

#include "catalog/font_catalog.h"
#include "catalog/font_list_batch.h"
#include "catalog/list_transfer.h"
#include "listfile/text_search.h"

namespace {

// Given the index of a catalogue line's match in the text, the line's font name: its bytes from
// the start of the line up to its first '='.
std::string FontNameOfLineAt(const char* fontEntryText, long at) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(fontEntryText);
    long start = at;
    while (start > 0 && bytes[start - 1] >= 0x20)
        --start;
    long end = start;
    while (bytes[end] >= 0x20 && bytes[end] != '=')
        ++end;
    return std::string(fontEntryText + start, fontEntryText + end);
}

// The AtmList's names, read once and ordered by their bytes, so that the item spelled exactly
// like a name is found without asking the list: the AtmList compares names without letter case,
// and a catalogue holding two fonts that differ only in case must give each name its own font.
class ExactNames {
  public:
    explicit ExactNames(const FontList& list) {
        const int count = list.Count();
        names_.reserve(static_cast<size_t>(count));
        byName_.reserve(static_cast<size_t>(count));
        for (int index = 0; index < count; ++index) {
            names_.push_back(list.Text(index));
            byName_.push_back(index);
        }
        std::sort(byName_.begin(), byName_.end(),
                  [&](int a, int b) { return names_[a] < names_[b]; });
        taken_.assign(static_cast<size_t>(count), false);
    }
    // The index of an item named exactly name that was not taken yet, now taken; else -1 (the
    // list never held it, or it is already selected).
    int Take(const std::string& name) {
        auto at = std::lower_bound(
            byName_.begin(), byName_.end(), name,
            [&](int index, const std::string& key) { return names_[index] < key; });
        for (; at != byName_.end() && names_[*at] == name; ++at)
            if (!taken_[*at]) {
                taken_[*at] = true;
                return *at;
            }
        return -1;
    }

  private:
    std::vector<std::string> names_;
    std::vector<int> byName_; // indexes ordered by their names' bytes
    std::vector<bool> taken_;
};

// Open mode: every selected font goes back to the AtmList, in the SelectedList's order.
bool ReturnAllFonts(FontList& atmList, FontList& selectedList, int& returned) {
    std::vector<int> all(static_cast<size_t>(selectedList.Count()));
    std::iota(all.begin(), all.end(), 0);
    returned += MoveItems(atmList, selectedList, all);
    return selectedList.Count() == 0;
}

template <typename TakeEntry>
MatchResult RunMatch(FontList& atmList, FontList& selectedList, bool merge, long start,
                     TakeEntry takeEntry) {
    MatchResult result;
    {
        RedrawOff atmRedraw(atmList);
        RedrawOff selectedRedraw(selectedList);
        bool listsTookAll = merge || ReturnAllFonts(atmList, selectedList, result.returnedCount);
        if (listsTookAll) {
            // The text names the fonts in its own order; they move together once it is read.
            ExactNames atmNames(atmList);
            std::vector<NamedItem> found;
            std::string name;
            for (long offset = start;;) {
                const NextEntry entry = takeEntry(name, offset);
                if (entry.status == EntryStatus::End)
                    break;
                offset = entry.offset;
                if (entry.status == EntryStatus::Unmatched) {
                    result.unmatched.push_back(name);
                } else {
                    const int index = atmNames.Take(name);
                    if (index >= 0)
                        found.push_back({index, name}); // the item is spelled exactly so
                }
            }
            result.movedCount = MoveNamedItems(selectedList, atmList, found);
            listsTookAll = result.movedCount == static_cast<int>(found.size());
        }
        if (!listsTookAll)
            result.outcome = MatchOutcome::NoMemory;
    }
    result.hasSelection = selectedList.Count() > 0;
    return result;
}

const EntryTextSearch& SearchOf(const FontCatalog& catalog, const CodePage& codePage) {
    if (!catalog.FileNameSearch)
        catalog.FileNameSearch =
            std::make_shared<const EntryTextSearch>(catalog.FontEntryText.c_str(), codePage);
    return *catalog.FileNameSearch;
}

// The next entry of a names-only list: found when a catalogue line begins with exactly the name
// (letter case counts) followed by '='.
NextEntry NextFontNameEntry(const EntryLineIndex& catalog, const char* text, std::string& name,
                            long offset, const CodePage& codePage) {
    bool split = false;
    const long next = NextNameLine(text, name, offset, codePage, split);
    if (next == NotFound)
        return {0, EntryStatus::End};
    if (split || catalog.Find(name.c_str()) == NotFound)
        return {next, EntryStatus::Unmatched};
    return {next, EntryStatus::Found};
}

} // namespace

NextEntry NextFileNameEntry(const EntryTextSearch& catalog, const char* fontEntryText,
                            const char* text, std::string& name, long offset,
                            const CodePage& codePage) {
    std::string pfmFileName;
    const long next = NextPfmFileName(text, offset, pfmFileName, codePage);
    if (next == NotFound)
        return {};
    const long found = catalog.Find(pfmFileName.c_str());
    if (found == NotFound) {
        name = pfmFileName;
        return {next, EntryStatus::Unmatched};
    }
    name = FontNameOfLineAt(fontEntryText, found - 1);
    return {next, EntryStatus::Found};
}

MatchResult MatchByFileNames(FontList& atmList, FontList& selectedList, const FontCatalog& catalog,
                             char* text, long start, bool merge, const CodePage& codePage) {
    FoldText(text, codePage);
    const EntryTextSearch& search = SearchOf(catalog, codePage);
    const char* fontEntryText = catalog.FontEntryText.c_str();
    return RunMatch(atmList, selectedList, merge, start, [&](std::string& name, long offset) {
        return NextFileNameEntry(search, fontEntryText, text, name, offset, codePage);
    });
}

MatchResult MatchByFontNames(FontList& atmList, FontList& selectedList, const FontCatalog& catalog,
                             const char* text, bool merge, const CodePage& codePage) {
    const EntryLineIndex lines(catalog.FontEntryText.c_str());
    return RunMatch(atmList, selectedList, merge, 0, [&](std::string& name, long offset) {
        return NextFontNameEntry(lines, text, name, offset, codePage);
    });
}

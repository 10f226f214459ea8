#include "listfile/matching.h"

#include <new>

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

NextEntry FileNameEntry(long next, long found, const char* fontEntryText,
                        const std::string& pfmFileName, std::string& name) {
    if (found == NotFound) {
        name = pfmFileName;
        return {next, EntryStatus::Unmatched};
    }
    name = FontNameOfLineAt(fontEntryText, found - 1);
    return {next, EntryStatus::Found};
}

// The AtmList compares names without letter case, so a catalogue holding two fonts that differ
// only in case gives the name several candidates; take the one spelled exactly like it, so that
// the font named is the one selected and no name ends in both lists. -1 when that spelling is no
// longer there (already selected): another spelling is another font the list never named.
int ExactItem(const FontList& atmList, int found, const std::string& name) {
    if (atmList.Text(found) == name)
        return found;
    auto sameName = [&](int index) {
        return atmList.FindExact(atmList.Text(index).c_str()) == found;
    };
    for (int index = found - 1; index >= 0 && sameName(index); --index)
        if (atmList.Text(index) == name)
            return index;
    for (int index = found + 1; index < atmList.Count() && sameName(index); ++index)
        if (atmList.Text(index) == name)
            return index;
    return -1;
}

// Open mode: every selected font goes back to the AtmList, in the SelectedList's order.
bool ReturnAllFonts(FontList& atmList, FontList& selectedList, int& returned) {
    while (selectedList.Count() > 0) {
        const std::string name = selectedList.Text(0);
        if (atmList.AddSorted(name.c_str()) < 0)
            return false;
        selectedList.Delete(0);
        ++returned;
    }
    return true;
}

// Moves the font called name from the AtmList into the SelectedList; false when the list refused
// the name (out of memory). A name the AtmList no longer holds is dropped.
bool MoveFound(FontList& atmList, FontList& selectedList, const std::string& name, int& moved) {
    int index = atmList.FindExact(name.c_str());
    if (index >= 0)
        index = ExactItem(atmList, index, name);
    if (index < 0)
        return true;
    const std::string item = atmList.Text(index);
    if (selectedList.AddSorted(item.c_str()) < 0)
        return false;
    atmList.Delete(index);
    ++moved;
    return true;
}

template <typename TakeEntry>
MatchResult RunMatch(FontList& atmList, FontList& selectedList, bool merge, long start,
                     TakeEntry takeEntry) {
    MatchResult result;
    try {
        RedrawOff atmRedraw(atmList);
        RedrawOff selectedRedraw(selectedList);
        bool listsTookAll = merge || ReturnAllFonts(atmList, selectedList, result.returnedCount);
        std::string name;
        for (long offset = start; listsTookAll;) {
            const NextEntry entry = takeEntry(name, offset);
            if (entry.status == EntryStatus::End)
                break;
            offset = entry.offset;
            if (entry.status == EntryStatus::Unmatched)
                result.unmatched.push_back(name);
            else
                listsTookAll = MoveFound(atmList, selectedList, name, result.movedCount);
        }
        if (!listsTookAll)
            result.outcome = MatchOutcome::NoMemory;
    } catch (const std::bad_alloc&) {
        result.outcome = MatchOutcome::NoMemory;
    }
    result.hasSelection = selectedList.Count() > 0;
    return result;
}

// The lists were not touched: the index of the catalogue could not be made.
MatchResult NoMemoryResult(const FontList& selectedList) {
    MatchResult result;
    result.outcome = MatchOutcome::NoMemory;
    result.hasSelection = selectedList.Count() > 0;
    return result;
}

} // namespace

NextEntry NextFileNameEntry(const EntryTextSearch& catalog, const char* fontEntryText,
                            const char* text, std::string& name, long offset) {
    std::string pfmFileName;
    const long next = NextPfmFileName(text, offset, pfmFileName);
    if (next == NotFound)
        return {};
    return FileNameEntry(next, catalog.Find(pfmFileName.c_str()), fontEntryText, pfmFileName, name);
}

NextEntry NextFileNameEntryPlain(const char* fontEntryText, const char* text, std::string& name,
                                 long offset) {
    std::string pfmFileName;
    const long next = NextPfmFileName(text, offset, pfmFileName);
    if (next == NotFound)
        return {};
    return FileNameEntry(next, FindTextNoCase(fontEntryText, 0, pfmFileName.c_str()), fontEntryText,
                         pfmFileName, name);
}

NextEntry NextFontNameEntry(const EntryLineIndex& catalog, const char* text, std::string& name,
                            long offset) {
    const long next = NextNameLine(text, name, offset);
    if (next == NotFound)
        return {0, EntryStatus::End};
    if (catalog.Find(name.c_str()) == NotFound)
        return {next, EntryStatus::Unmatched};
    return {next, EntryStatus::Found};
}

MatchResult MatchByFileNames(FontList& atmList, FontList& selectedList,
                             const std::string& fontEntryText, char* text, long start, bool merge) {
    FoldText(text);
    try {
        const EntryTextSearch catalog(fontEntryText.c_str());
        return RunMatch(atmList, selectedList, merge, start, [&](std::string& name, long offset) {
            return NextFileNameEntry(catalog, fontEntryText.c_str(), text, name, offset);
        });
    } catch (const std::bad_alloc&) {
        return NoMemoryResult(selectedList);
    }
}

MatchResult MatchByFontNames(FontList& atmList, FontList& selectedList,
                             const std::string& fontEntryText, const char* text, bool merge) {
    try {
        const EntryLineIndex catalog(fontEntryText.c_str());
        return RunMatch(atmList, selectedList, merge, 0, [&](std::string& name, long offset) {
            return NextFontNameEntry(catalog, text, name, offset);
        });
    } catch (const std::bad_alloc&) {
        return NoMemoryResult(selectedList);
    }
}

// Any bytes read as a list file (and as a printer section) and matched against a fixed catalogue
// with both matchers. Checks that no font is lost or doubled between the two lists, that the
// counts and names reported are consistent, and that the indexed catalogue search gives what the
// plain scan gives, also over the input itself taken as a catalogue.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "file_name_entry_plain.h"
#include "listfile/entry_text.h"
#include "listfile/list_file_text.h"
#include "listfile/matching.h"
#include "listfile/text_search.h"
#include "vector_font_list.h"

#include "code_pages.h"

namespace {

// Catalogue lines in catalogue order, with the awkward cases: a .pfm name inside another, two
// fonts sharing one, keys differing only in case, a comment, bytes above 0x7F, a bare LF line,
// and a '[' that hides the last lines from every file-name search.
const char* const Catalog = "@Mincho W5=C:\\PSFONTS\\METRICS\\90MS_V.pfm,C:\\PSFONTS\\|W5.CID\r\n"
                            "Arial=c:\\psfonts\\pfm\\xab.pfm\r\n"
                            "ARIAL=c:\\psfonts\\pfm\\AR.PFM\r\n"
                            "Ab=c:\\psfonts\\pfm\\ab.pfm;old.pfm\r\n"
                            "Courier=c:\\psfonts\\pfm\\COM_____.pfm,c:\\psfonts\\COM_____.pfb\r\n"
                            "Courier,BOLD=c:\\psfonts\\pfm\\COM_____.pfm\r\n"
                            "Symbol=sy.pfm\n"
                            "Times New Roman=c:\\t\\\xC9T\x8A.PFM,c:\\t\\x.pfb\r\n"
                            "Zapf=c:\\z\\zapf.pfm,c:\\[z\\zapf.pfb\r\n"
                            "Zz=c:\\z\\zz.pfm\r\n";

struct Lists {
    VectorFontList atm{AsciiNameOrder};
    VectorFontList selected{AsciiNameOrder};
    std::multiset<std::string> all;

    explicit Lists(unsigned selectMask) {
        const std::string catalog = Catalog;
        int index = 0;
        for (size_t line = 0; line < catalog.size(); ++index) {
            const std::string name = catalog.substr(line, catalog.find('=', line) - line);
            all.insert(name);
            (selectMask >> index & 1 ? selected : atm).AddSorted(name.c_str());
            line = catalog.find('\n', line) + 1;
        }
    }

    void Check(const MatchResult& result, bool merge, int selectedBefore) const {
        std::multiset<std::string> now;
        for (const FontList* list :
             {static_cast<const FontList*>(&atm), static_cast<const FontList*>(&selected)})
            for (int i = 0; i < list->Count(); ++i)
                now.insert(list->Text(i));
        if (now != all)
            std::abort(); // a font lost or doubled
        if (result.outcome != MatchOutcome::Done)
            std::abort();
        if (result.movedCount != selected.Count() - (merge ? selectedBefore : 0))
            std::abort();
        if (result.returnedCount != (merge ? 0 : selectedBefore))
            std::abort();
        if (result.hasSelection != (selected.Count() > 0))
            std::abort();
    }
};

void CheckSearchAgrees(const char* catalog, const char* text, long start,
                       const CodePage& codePage) {
    const EntryTextSearch search(catalog, codePage);
    long plainOffset = start, indexedOffset = start;
    for (;;) {
        std::string plainName, indexedName;
        const NextEntry plain =
            NextFileNameEntryPlain(catalog, text, plainName, plainOffset, codePage);
        const NextEntry indexed =
            NextFileNameEntry(search, catalog, text, indexedName, indexedOffset, codePage);
        if (plain.status != indexed.status)
            std::abort();
        if (plain.status == EntryStatus::End)
            return;
        if (plain.offset != indexed.offset || plainName != indexedName)
            std::abort();
        if (plain.offset <= plainOffset) // no progress would hang the matching
            std::abort();
        if (plain.status == EntryStatus::Unmatched &&
            (plainName.size() < 4 || plainName.size() > 61))
            std::abort();
        plainOffset = plain.offset;
        indexedOffset = indexed.offset;
    }
}

void CheckNames(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (name.empty() || name.size() > 64 || static_cast<unsigned char>(name.back()) <= 0x20)
            std::abort();
        for (const char c : name)
            if (static_cast<unsigned char>(c) < 0x20 || c == ';')
                std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const bool merge = data[0] & 1;
    const unsigned selectMask = data[1] | (data[0] >> 1) << 8;
    // Text in a double-byte code page, or in the Western one.
    const CodePage& codePage = data[0] & 2 ? CodePage932() : WesternCodePage();
    std::string input(reinterpret_cast<const char*>(data + 2), size - 2);
    input.append(10, '\0');
    // A catalogue of its own for each input: its search is made in the input's code page.
    FontCatalog catalog;
    catalog.FontEntryText = Catalog;

    // by .pfm file names, from the start and from a later offset as for a WIN.INI section
    {
        std::string text = input;
        FoldText(text.data(), codePage);
        const long length = static_cast<long>(std::strlen(text.c_str()));
        CheckSearchAgrees(Catalog, text.c_str(), 0, codePage);
        CheckSearchAgrees(Catalog, text.c_str(), length == 0 ? 0 : data[0] % (length + 1),
                          codePage);
        CheckSearchAgrees(text.c_str(), Catalog, 0, codePage); // the input as a catalogue
    }
    {
        Lists lists(selectMask);
        const int before = lists.selected.Count();
        std::string text = input;
        const MatchResult result =
            MatchByFileNames(lists.atm, lists.selected, catalog, text.data(), 0, merge, codePage);
        lists.Check(result, merge, before);
    }
    // by font names, then written in form 3 and read back to the same selection
    {
        Lists lists(selectMask);
        const int before = lists.selected.Count();
        const MatchResult result =
            MatchByFontNames(lists.atm, lists.selected, catalog, input.c_str(), merge, codePage);
        lists.Check(result, merge, before);
        CheckNames(result.unmatched);
        std::vector<std::string> chosen = lists.selected.Names();
        const EntryText entry = BuildEntryText(lists.selected, Catalog, FontNameOnlyForm);
        Lists again(0);
        MatchByFontNames(again.atm, again.selected, catalog, entry.text.c_str(), false, codePage);
        // names that differ only in case may come back in the other order
        std::vector<std::string> read = again.selected.Names();
        std::sort(chosen.begin(), chosen.end());
        std::sort(read.begin(), read.end());
        if (read != chosen)
            std::abort();
    }
    // the whole file as the program reads it
    {
        Lists lists(selectMask);
        std::string text = input;
        const ListRead read =
            ReadListFileText(text.data(), lists.atm, lists.selected, catalog, merge, codePage);
        if (read.outcome == ListReadOutcome::Read && (read.form < 1 || read.form > 3))
            std::abort();
    }
    return 0;
}

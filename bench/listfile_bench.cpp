// List files at the program's limit: 1001 fonts with paths as ATM.INI writes them.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "code_pages.h"
#include "file_name_entry_plain.h"
#include "listfile/entry_text.h"
#include "listfile/matching.h"
#include "listfile/text_search.h"
#include "vector_font_list.h"

namespace {

constexpr int Fonts = 1001;

// "ABCDE___"-style file stem of font i, unique per font.
std::string Stem(int i) {
    std::string stem = "AAAAA___";
    for (int k = 4; k >= 0; --k, i /= 26)
        stem[k] = static_cast<char>('A' + i % 26);
    return stem;
}

std::string FontName(int i) {
    return "Font " + Stem(i).substr(0, 5) + ",BOLDITALIC";
}

// FontEntryText of 1001 fonts in catalogue order (the names sort like their indexes).
const std::string& Catalog() {
    static const std::string text = [] {
        std::string catalog;
        for (int i = 0; i < Fonts; ++i)
            catalog += FontName(i) + "=C:\\PSFONTS\\PFM\\" + Stem(i) + ".PFM,C:\\PSFONTS\\" +
                       Stem(i) + ".PFB\r\n";
        return catalog;
    }();
    return text;
}

void FillAtmList(VectorFontList& atmList) {
    for (int i = 0; i < Fonts; ++i)
        atmList.AddSorted(FontName(i).c_str());
}

// The font lines of all 1001 fonts in the given form; lowered as MatchByFileNames lowers them.
std::string ListText(int form, bool lowered) {
    VectorFontList selected(AsciiNameOrder);
    FillAtmList(selected);
    std::string text = BuildEntryText(selected, Catalog(), form).text;
    for (char& c : text)
        if (lowered && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return text;
}

void BM_BuildEntryText(benchmark::State& state) {
    VectorFontList selected(AsciiNameOrder);
    FillAtmList(selected);
    for (auto _ : state) {
        EntryText entry = BuildEntryText(selected, Catalog(), static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(entry.text.data());
    }
    state.SetLabel("form " + std::to_string(state.range(0)));
}
BENCHMARK(BM_BuildEntryText)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// Only the 1001 catalogue searches, without list boxes: the plain scan against the index.
void BM_FileNameEntriesPlain(benchmark::State& state) {
    const std::string text = ListText(SoftfontFileForm, true);
    for (auto _ : state) {
        std::string name;
        int found = 0;
        for (long offset = 0;;) {
            const NextEntry entry = NextFileNameEntryPlain(Catalog().c_str(), text.c_str(), name,
                                                           offset, WesternCodePage());
            if (entry.status == EntryStatus::End)
                break;
            found += entry.status == EntryStatus::Found;
            offset = entry.offset;
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FileNameEntriesPlain)->Unit(benchmark::kMillisecond);

void BM_FileNameEntriesIndexed(benchmark::State& state) {
    const std::string text = ListText(SoftfontFileForm, true);
    for (auto _ : state) {
        const EntryTextSearch search(Catalog().c_str(), WesternCodePage());
        std::string name;
        int found = 0;
        for (long offset = 0;;) {
            const NextEntry entry = NextFileNameEntry(search, Catalog().c_str(), text.c_str(), name,
                                                      offset, WesternCodePage());
            if (entry.status == EntryStatus::End)
                break;
            found += entry.status == EntryStatus::Found;
            offset = entry.offset;
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FileNameEntriesIndexed)->Unit(benchmark::kMillisecond);

// 1001 file names that are in no catalogue line: every search runs to the end.
void BM_FileNameEntriesUnmatched(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < Fonts; ++i)
        text += "softfont" + std::to_string(i + 1) + "=c:\\psfonts\\pfm\\zz" + std::to_string(i) +
                ".pfm\r\n";
    const bool indexed = state.range(0) != 0;
    for (auto _ : state) {
        const EntryTextSearch search(Catalog().c_str(), WesternCodePage());
        std::string name;
        for (long offset = 0;;) {
            const NextEntry entry = indexed
                                        ? NextFileNameEntry(search, Catalog().c_str(), text.c_str(),
                                                            name, offset, WesternCodePage())
                                        : NextFileNameEntryPlain(Catalog().c_str(), text.c_str(),
                                                                 name, offset, WesternCodePage());
            if (entry.status == EntryStatus::End)
                break;
            offset = entry.offset;
        }
    }
    state.SetLabel(indexed ? "indexed" : "plain");
}
BENCHMARK(BM_FileNameEntriesUnmatched)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole match of a 1001-font list into empty lists, list moves included (over the vector
// list; a list box's own costs come on top in the program).
void BM_MatchList(benchmark::State& state) {
    const int form = static_cast<int>(state.range(0));
    const std::string text = ListText(form, false);
    // One catalogue for every run, as the program matches one loaded catalogue again and again.
    static const FontCatalog catalog = [] {
        FontCatalog made;
        made.FontEntryText = Catalog();
        return made;
    }();
    for (auto _ : state) {
        state.PauseTiming();
        VectorFontList atmList(AsciiNameOrder), selectedList(AsciiNameOrder);
        FillAtmList(atmList);
        std::string copy = text;
        state.ResumeTiming();
        const MatchResult result = form == FontNameOnlyForm
                                       ? MatchByFontNames(atmList, selectedList, catalog,
                                                          copy.c_str(), false, WesternCodePage())
                                       : MatchByFileNames(atmList, selectedList, catalog,
                                                          copy.data(), 0, false, WesternCodePage());
        if (result.movedCount != Fonts)
            state.SkipWithError("not every font matched");
    }
    state.SetLabel("form " + std::to_string(form));
}
BENCHMARK(BM_MatchList)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace

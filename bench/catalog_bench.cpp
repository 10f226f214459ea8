// The catalogue at its limit: 1001 fonts read from an ATM.INI, and all of them moved at once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "catalog/font_catalog.h"
#include "catalog/list_transfer.h"
#include "code_pages.h"
#include "vector_font_list.h"

namespace {

// An ATM.INI as a font manager leaves it: settings first, then 1001 fonts in installation order
// (families with their styles, not sorted), then more sections.
std::string AtmIniWith1001Fonts() {
    const char* first[] = {"Adobe", "ITC", "Monotype", "Linotype", "Bitstream", "URW", "Berthold"};
    const char* second[] = {"Garamond", "Caslon",   "Futura",  "Optima",      "Palatino",
                            "Bodoni",   "Frutiger", "Univers", "Baskerville", "Gill Sans",
                            "Janson",   "Minion",   "Myriad"};
    const char* third[] = {"", " Book", " Light", " Medium"};
    const struct {
        const char* key;
        char code;
    } styles[] = {{"", 'R'}, {",BOLD", 'B'}, {",ITALIC", 'I'}, {",BOLDITALIC", 'J'}};

    std::vector<std::string> lines;
    for (const char* a : first)
        for (const char* b : second)
            for (const char* c : third) {
                std::string family = std::string(a) + " " + b + c;
                char stem[6];
                std::snprintf(stem, sizeof stem, "%c%c%03zu", b[0], a[0], lines.size() / 4 % 1000);
                for (const auto& style : styles) {
                    std::string file = std::string(stem) + style.code;
                    file.resize(8, '_');
                    lines.push_back(family + style.key + "=C:\\PSFONTS\\PFM\\" + file +
                                    ".PFM,C:\\PSFONTS\\" + file + ".PFB\r\n");
                }
            }
    lines.resize(MaxCatalogFonts);
    std::shuffle(lines.begin(), lines.end(), std::mt19937(5175));

    std::string text = "[Settings]\r\nATM=On\r\nFontCache=512\r\nQLCDir=c:\\psfonts\r\n\r\n"
                       "[Setup]\r\nPFM_Dir=c:\\psfonts\\pfm\r\nPFB_Dir=c:\\psfonts\r\n\r\n"
                       "[Fonts]\r\n";
    for (const std::string& line : lines)
        text += line;
    text += "\r\n[Mono]\r\nCourier=Yes\r\n";
    return text;
}

void BM_BuildFontCatalog(benchmark::State& state) {
    const std::string file = AtmIniWith1001Fonts();
    std::vector<char> text;
    VectorFontList list(AsciiNameOrder, AsciiNameKey);
    FontCatalog catalog;
    for (auto _ : state) {
        // The build cuts the text in place: start each round from the whole file, as read.
        text.assign(file.begin(), file.end());
        text.resize(file.size() + 10, '\0');
        CatalogBuild build = BuildFontCatalog(text.data(), list, catalog, WesternCodePage());
        if (build.outcome != CatalogOutcome::Loaded || list.Count() != MaxCatalogFonts)
            state.SkipWithError("the catalogue did not load 1001 fonts");
        benchmark::DoNotOptimize(catalog.FontEntryText.data());
    }
    state.counters["bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_BuildFontCatalog)->Unit(benchmark::kMicrosecond);

// Add all, then New: every round moves all 1001 fonts to the other list.
void BM_MoveAllFonts(benchmark::State& state) {
    const std::string file = AtmIniWith1001Fonts();
    std::vector<char> text(file.begin(), file.end());
    text.resize(file.size() + 10, '\0');
    VectorFontList atmList(AsciiNameOrder), selectedList(AsciiNameOrder);
    FontCatalog catalog;
    BuildFontCatalog(text.data(), atmList, catalog, WesternCodePage());
    bool toSelected = true;
    for (auto _ : state) {
        VectorFontList& from = toSelected ? atmList : selectedList;
        VectorFontList& to = toSelected ? selectedList : atmList;
        from.SelectRange(0, from.Count() - 1, true);
        if (MoveSelectedFonts(to, from) != 1 || to.Count() != MaxCatalogFonts)
            state.SkipWithError("not every font moved");
        toSelected = !toSelected;
    }
}
BENCHMARK(BM_MoveAllFonts)->Unit(benchmark::kMicrosecond);

} // namespace

// Saving soft fonts into a printer section of a WIN.INI at the size limit.
#include "code_pages.h"
#include "vector_font_list.h"
#include "winini/printer_section.h"
#include "winini/winini_rebuild.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string SoftfontLines(int count) {
    std::string text = "softfonts=" + std::to_string(count) + "\r\n";
    for (int i = 1; i <= count; ++i)
        text += "softfont" + std::to_string(i) + "=c:\\psfonts\\pfm\\font" + std::to_string(i) +
                "__.pfm,c:\\psfonts\\font" + std::to_string(i) + "__.pfb\r\n";
    return text;
}

std::string Filler(const char* section, std::size_t bytes) {
    std::string text = std::string("[") + section + "]\r\n";
    for (int i = 0; text.size() < bytes; ++i)
        text += "key" + std::to_string(i) + "=some value ; a comment with [brackets]\r\n";
    return text;
}

// A 65000-byte file: 20000 bytes before the section, an old body of 300 soft fonts, and a tail
// that fills the rest. The new body holds 300 other fonts, so the written file is as large.
struct Sample {
    std::string file;
    std::string entry;
};

Sample MakeSample() {
    Sample sample;
    sample.entry = SoftfontLines(300);
    const std::string head = Filler("windows", 20000) + "[PostScript,LPT1]\r\n";
    const std::string oldBody = "ATM=placeholder\r\n" + SoftfontLines(300) + "\r\n";
    std::string tail = Filler("PostScript,COM1", 1000) + Filler("Extensions", 100);
    const std::size_t tailSize = 65000 - head.size() - oldBody.size();
    tail = Filler("fonts", tailSize - tail.size()) + tail;
    tail.resize(tailSize);
    sample.file = head + oldBody + tail;
    return sample;
}

void BM_SaveIntoSectionOf65000ByteWinIni(benchmark::State& state) {
    const Sample sample = MakeSample();
    std::size_t written = 0;
    for (auto _ : state) {
        const long body = FindPrinterSection(sample.file.c_str(), "postscript,lpt1", AsciiNameOrder,
                                             WesternCodePage());
        WinIniRebuild result = RebuildWinIni(sample.file, body, sample.entry, WesternCodePage());
        if (result.outcome != WinIniRebuildOutcome::Rebuilt)
            state.SkipWithError("not rebuilt");
        written = result.text.size();
        benchmark::DoNotOptimize(result.text.data());
    }
    state.counters["read_bytes"] = static_cast<double>(sample.file.size());
    state.counters["written_bytes"] = static_cast<double>(written);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(sample.file.size()));
}
BENCHMARK(BM_SaveIntoSectionOf65000ByteWinIni)->Unit(benchmark::kMicrosecond);

void BM_ListPrinterSectionsOf65000ByteWinIni(benchmark::State& state) {
    const Sample sample = MakeSample();
    for (auto _ : state)
        benchmark::DoNotOptimize(ListPrinterSections(sample.file.c_str(), WesternCodePage()));
}
BENCHMARK(BM_ListPrinterSectionsOf65000ByteWinIni)->Unit(benchmark::kMicrosecond);

} // namespace

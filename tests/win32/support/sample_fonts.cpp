#include "support/sample_fonts.h"

#include <cstdio>

std::vector<std::string> SampleFontLines(int count) {
    static const char* const families[] = {"Nimbus Sans", "Nimbus Roman", "Nimbus Mono PS",
                                           "URW Bookman", "URW Gothic",   "C059",
                                           "P052",        "Z003",         "Standard Symbols PS"};
    static const char* const styles[] = {"", ",BOLD", ",ITALIC", ",BOLDITALIC"};
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        char line[160], stem[16];
        std::snprintf(stem, sizeof stem, "F%03d%c___", i, 'A' + i % 26);
        std::snprintf(line, sizeof line, "%s%s%s=C:\\PSFONTS\\PFM\\%s.PFM,C:\\PSFONTS\\%s.PFB",
                      families[i % 9], i >= 36 ? (" " + std::to_string(i / 36)).c_str() : "",
                      styles[(i / 9) % 4], stem, stem);
        lines.push_back(line);
    }
    return lines;
}

std::string AtmIniText(const std::vector<std::string>& fontLines) {
    std::string text = "[Settings]\r\nATMFonts=On\r\n\r\n[Fonts]\r\n";
    for (const std::string& line : fontLines)
        text += line + "\r\n";
    return text + "\r\n[Synonyms]\r\n";
}

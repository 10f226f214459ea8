// A small catalogue for the list-file tests: FontEntryText lines and an AtmList holding their
// keys, with an empty SelectedList beside it.
#pragma once

#include <string>
#include <vector>

#include "catalog/vector_font_list.h"

inline void AsciiLower(char* text) {
    for (; *text != 0; ++text)
        if (*text >= 'A' && *text <= 'Z')
            *text = static_cast<char>(*text + 32);
}

struct TestCatalog {
    std::string fontEntryText;
    VectorFontList atmList{AsciiNameOrder};
    VectorFontList selectedList{AsciiNameOrder};

    // entryText holds complete "name=files" lines in catalogue order.
    explicit TestCatalog(std::string entryText) : fontEntryText(std::move(entryText)) {
        for (size_t line = 0; line < fontEntryText.size();) {
            const size_t equals = fontEntryText.find('=', line);
            if (equals == std::string::npos)
                break;
            atmList.AddSorted(fontEntryText.substr(line, equals - line).c_str());
            const size_t lineFeed = fontEntryText.find('\n', equals);
            line = lineFeed == std::string::npos ? fontEntryText.size() : lineFeed + 1;
        }
    }

    // Moves the named fonts that are still in the AtmList.
    void Select(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            const int index = atmList.FindExact(name.c_str());
            if (index < 0)
                continue;
            atmList.Delete(index);
            selectedList.AddSorted(name.c_str());
        }
    }
};

#include "controls/font_style.h"

#include <cstring>

#include "base/ascii.h"

namespace {

// Equal when every byte matches, a lower-case ASCII letter of text matching its capital in word.
bool EqualsStyleWord(const char* text, const char* word) {
    for (; *text && *word; ++text, ++word) {
        if (AsciiUpper(*text) != *word)
            return false;
    }
    return *text == '\0' && *word == '\0';
}

constexpr int RowHeight = 15;
constexpr int LastVisibleRow = 10;
constexpr unsigned TopMargin = 4;
constexpr unsigned LowestInside = 62000;

} // namespace

int FontStyleFromName(char* name) {
    char* comma = std::strchr(name, ',');
    if (!comma)
        return PlainStyle;
    *comma = '\0';
    const char* words = comma + 1;
    if (EqualsStyleWord(words, "BOLD"))
        return BoldStyle;
    if (EqualsStyleWord(words, "ITALIC"))
        return ItalicStyle;
    if (EqualsStyleWord(words, "BOLDITALIC"))
        return BoldItalicStyle;
    return PlainStyle;
}

int FontStyleWeight(int style) {
    return style == BoldStyle || style == BoldItalicStyle ? 700 : 0;
}

bool FontStyleItalic(int style) {
    return style == ItalicStyle || style == BoldItalicStyle;
}

void CopyFaceName(char* face, size_t faceSize, const char* name) {
    if (faceSize == 0)
        return;
    size_t length = std::strlen(name);
    if (length > faceSize - 1)
        length = faceSize - 1;
    std::memcpy(face, name, length);
    face[length] = '\0';
}

int SampleTargetIndex(int top, unsigned y) {
    if (y >= TopMargin && y <= LowestInside) {
        int row = static_cast<int>(y / RowHeight);
        return top + (row < LastVisibleRow ? row : LastVisibleRow);
    }
    return top > 0 ? top - 1 : 0;
}

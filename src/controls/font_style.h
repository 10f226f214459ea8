// What the font sample needs from a list item and from the pointer: the style words that follow
// a font name's comma, the face name that LOGFONT can hold, and the item a right-button drag
// points at.
#pragma once

#include <cstddef>

// The style word after a font name's first comma, as ATM.INI keys carry it.
enum FontStyle { PlainStyle = 0, BoldStyle = 1, ItalicStyle = 2, BoldItalicStyle = 3 };

// Cuts name at its first comma and returns the style the rest of it names: "BOLD", "ITALIC" or
// "BOLDITALIC", compared whole with lower-case ASCII letters taken as capitals. Anything else
// (a blank before the word, "BOLD ITALIC") is PlainStyle; without a comma name is unchanged.
int FontStyleFromName(char* name);

// The look of a style: weight 700 for bold, 0 (the font mapper's choice) otherwise.
int FontStyleWeight(int style);
bool FontStyleItalic(int style);

// LOGFONT's face name holds 31 bytes and the zero; a font name may be up to 63 bytes before its
// comma. Copies name into face (faceSize bytes), cut to what fits.
void CopyFaceName(char* face, size_t faceSize, const char* name);

// The list item that a right-button drag at client y (the high word of the mouse message, read
// unsigned) targets, with top the first visible item. Rows are 15 pixels and rows 0 to 10 are
// visible, so a pointer below the last row keeps targeting top + 10. A pointer within the top 4
// pixels, or above the list box (y beyond 62000, a negative coordinate), targets the item before
// the first visible one, so the list scrolls up.
int SampleTargetIndex(int top, unsigned y);

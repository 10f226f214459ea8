// What the text routines need to know of the code page their text is in: which bytes begin a
// two-byte character, and how each single byte folds to lower case. The program describes the
// system's ANSI code page (system_code_page.h); tests describe the code pages they need.
#pragma once

#include <array>
#include <cstddef>

struct CodePage {
    // Bytes that begin a two-byte character (none in a single-byte code page).
    std::array<bool, 256> leadByte{};
    // Each byte as the system lowers it when it stands alone; lead bytes map to themselves.
    std::array<unsigned char, 256> lower{};
    bool hasLeadBytes = false;

    // Bytes of the character that begins at text: 2 for a lead byte followed by a second byte
    // (every second byte of these code pages is 0x40 or above, so a line end, ';', '=' or the
    // terminating zero after a lead byte is never swallowed), else 1.
    std::size_t CharLength(const char* text) const {
        const auto* bytes = reinterpret_cast<const unsigned char*>(text);
        return leadByte[bytes[0]] && bytes[1] >= 0x40 ? 2 : 1;
    }
    unsigned char Fold(unsigned char byte) const { return lower[byte]; }
};

// The first of the bytes in set (each a byte below 0x40, which never ends a two-byte character)
// that begins a character at or after text, or the terminating zero.
const char* FindCharOf(const char* text, const char* set, const CodePage& codePage);

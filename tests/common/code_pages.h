// Descriptions of the code pages the program meets, made from their published tables, for the
// tests, fuzzers and bench to run the portable core in (the program asks the system for its own).
#pragma once

#include <initializer_list>
#include <utility>

#include "base/code_page.h"

inline CodePage SingleByteCodePage(std::initializer_list<std::pair<int, int>> capitals) {
    CodePage page;
    for (int byte = 0; byte < 256; ++byte)
        page.lower[byte] =
            static_cast<unsigned char>(byte >= 'A' && byte <= 'Z' ? byte + 32 : byte);
    for (const auto& [capital, small] : capitals)
        page.lower[capital] = static_cast<unsigned char>(small);
    return page;
}

// Western (1252): no lead bytes; A..Z, 0xC0..0xD6 and 0xD8..0xDE gain 0x20; 0x8A, 0x8C, 0x8E
// and 0x9F map to 0x9A, 0x9C, 0x9E and 0xFF.
inline const CodePage& WesternCodePage() {
    static const CodePage page = [] {
        CodePage made =
            SingleByteCodePage({{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}});
        for (int byte = 0xC0; byte <= 0xDE; ++byte)
            if (byte != 0xD7)
                made.lower[byte] = static_cast<unsigned char>(byte + 0x20);
        return made;
    }();
    return page;
}

// Japanese (Shift-JIS): lead bytes 0x81..0x9F and 0xE0..0xFC; only A..Z have a small form among
// the single bytes (0xA1..0xDF are half-width katakana).
inline const CodePage& CodePage932() {
    static const CodePage page = [] {
        CodePage made = SingleByteCodePage({});
        for (int byte = 0; byte < 256; ++byte)
            made.leadByte[byte] = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        made.hasLeadBytes = true;
        return made;
    }();
    return page;
}

// Traditional Chinese (Big5): lead bytes 0x81..0xFE, whose second bytes include '[', '\' and ']'
// as in Shift-JIS; only A..Z have a small form among the single bytes.
inline const CodePage& CodePage950() {
    static const CodePage page = [] {
        CodePage made = SingleByteCodePage({});
        for (int byte = 0x81; byte <= 0xFE; ++byte)
            made.leadByte[byte] = true;
        made.hasLeadBytes = true;
        return made;
    }();
    return page;
}

// Central European: 0xC0..0xDE but 0xD7 gain 0x20, and Š Ś Ť Ž Ź Ł Ą Ş Ż Ľ.
inline const CodePage& CodePage1250() {
    static const CodePage page = [] {
        CodePage made = SingleByteCodePage({{0x8A, 0x9A},
                                            {0x8C, 0x9C},
                                            {0x8D, 0x9D},
                                            {0x8E, 0x9E},
                                            {0x8F, 0x9F},
                                            {0xA3, 0xB3},
                                            {0xA5, 0xB9},
                                            {0xAA, 0xBA},
                                            {0xAF, 0xBF},
                                            {0xBC, 0xBE}});
        for (int byte = 0xC0; byte <= 0xDE; ++byte)
            if (byte != 0xD7)
                made.lower[byte] = static_cast<unsigned char>(byte + 0x20);
        return made;
    }();
    return page;
}

// Cyrillic: А..Я (0xC0..0xDF) gain 0x20, and Ђ Ѓ Љ Њ Ќ Ћ Џ Ў Ј Ґ Ё Є Ї І Ѕ.
inline const CodePage& CodePage1251() {
    static const CodePage page = [] {
        CodePage made = SingleByteCodePage({{0x80, 0x90},
                                            {0x81, 0x83},
                                            {0x8A, 0x9A},
                                            {0x8C, 0x9C},
                                            {0x8D, 0x9D},
                                            {0x8E, 0x9E},
                                            {0x8F, 0x9F},
                                            {0xA1, 0xA2},
                                            {0xA3, 0xBC},
                                            {0xA5, 0xB4},
                                            {0xA8, 0xB8},
                                            {0xAA, 0xBA},
                                            {0xAF, 0xBF},
                                            {0xB2, 0xB3},
                                            {0xBD, 0xBE}});
        for (int byte = 0xC0; byte <= 0xDF; ++byte)
            made.lower[byte] = static_cast<unsigned char>(byte + 0x20);
        return made;
    }();
    return page;
}

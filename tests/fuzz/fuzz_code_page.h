// The code page an input's text is read in, chosen by one byte of the input: the Western one, or
// one of the two double-byte code pages whose second bytes include '[', '\' and ']'.
#pragma once

#include <cstdint>

#include "code_pages.h"

inline const CodePage& FuzzCodePage(std::uint8_t choice) {
    switch (choice % 3) {
    case 1:
        return CodePage932();
    case 2:
        return CodePage950();
    default:
        return WesternCodePage();
    }
}

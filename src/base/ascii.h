// Letter case of plain ASCII, for text whose letters are ASCII whatever the code page (file-name
// stems, help keywords) or as a stand-in order in tests.
#pragma once

constexpr int AsciiLower(int c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

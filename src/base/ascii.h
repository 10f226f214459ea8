// Letter case of plain ASCII: for telling plain-ASCII names apart quickly, for the help's search
// of its own English and Spanish words, for the style words of a font name, and for the
// stand-in order of the tests.
#pragma once

constexpr int AsciiLower(int c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

constexpr int AsciiUpper(int c) {
    return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
}

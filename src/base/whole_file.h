// Reading a whole file (ATM.INI, a list file, WIN.INI) in one piece.
#pragma once

#include <cstddef>
#include <vector>

enum class WholeFileRead {
    Read,
    CannotOpen, // missing, or held open by someone else
    TooLarge,   // larger than the caller's limit
    NoMemory,   // too large to hold, or no memory for it
    ReadFailed,
};

// Offsets into the text are longs, 32 bits on Windows.
constexpr size_t WholeFileMaxBytes = 0x7FFFFFF0;
constexpr size_t WholeFileEndZeros = 10;

// Reads the whole file (opened without sharing) into text, followed by WholeFileEndZeros zero
// bytes, so that the text ends at its first zero byte whatever the file holds. A file of more
// than limit bytes is not read.
WholeFileRead ReadWholeFile(const char* path, std::vector<char>& text,
                            size_t limit = WholeFileMaxBytes);

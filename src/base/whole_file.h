// Reading a whole file (ATM.INI, a list file) in one piece.
#pragma once

#include <vector>

enum class WholeFileRead {
    Read,
    CannotOpen, // missing, or held open by someone else
    NoMemory,   // too large to hold, or no memory for it
    ReadFailed,
};

// Reads the whole file (opened without sharing) into text, followed by ten zero bytes, so that
// the text ends at its first zero byte whatever the file holds.
WholeFileRead ReadWholeFile(const char* path, std::vector<char>& text);

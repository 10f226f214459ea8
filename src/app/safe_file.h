// Whole files: read in one piece without sharing, and written so that a failure never leaves a
// half-written file behind.
#pragma once

#include <string>
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

// Writes bytes to a new file in the same folder as path, checks that every byte was written and
// flushed, then moves it over path. On any failure path is left as it was (byte for byte, or
// still missing), the new file is removed and the result is false.
bool WriteFileSafely(const char* path, const std::string& bytes);

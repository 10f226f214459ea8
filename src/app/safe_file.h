// Writing a file whole or not at all.
#pragma once

#include <string>

// Writes bytes to a temporary file beside path, flushes it and only then moves it over path.
// On any failure (the temporary file cannot be created or fully written, path is read-only or
// cannot be replaced) the temporary file is removed, path is left as it was and false is
// returned.
bool WriteFileSafely(const char* path, const std::string& bytes);

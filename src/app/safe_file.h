// Writing a file whole or not at all.
#pragma once

#include <string>

// Writes bytes to a temporary file beside path, flushes it and only then moves it over path.
// On any failure (the temporary file cannot be created or fully written, path is read-only or
// cannot be replaced) the temporary file is removed, path is left as it was and false is
// returned.
bool WriteFileSafely(const char* path, const std::string& bytes);

// The name of a file beside path: path with suffix added, the file name cut short by as much as
// the whole would be longer than a path may be, so that any path that can be written can also be
// replaced. Empty when the file name is too short for that, or the cut name would be path itself.
std::string PathBeside(const std::string& path, const char* suffix);

// Puts the file temporary in the place of path where the system cannot replace a file in one
// step: the old file is moved aside (path + ".mx-"), the new one moved into its place, then the
// old one deleted. If a move fails the old file is put back and false returned; the temporary
// file is then the caller's to remove.
bool ReplaceStepByStep(const char* temporary, const char* path);

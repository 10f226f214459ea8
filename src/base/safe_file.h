// Writing a file whole or not at all.
#pragma once

#include <string>

// Writes bytes to a temporary file beside path, flushes it and only then moves it over path.
// The new file keeps the old one's hidden and system attributes. A leftover temporary file of an
// earlier save is overwritten, and a missing path whose old copy is still aside gets it back
// first (see RestoreAsideCopy).
// On any failure (the temporary file cannot be created or fully written, path is read-only or
// cannot be replaced) the temporary file is removed, path is left as it was and false is
// returned.
bool WriteFileSafely(const char* path, const std::string& bytes);

// The name of a file beside path: path with suffix added, the file name cut short by as much as
// the whole would be longer than a path may be, so that any path that can be written can also be
// replaced. Empty when the file name is too short for that, or the cut name would be path itself.
std::string PathBeside(const std::string& path, const char* suffix);

// Where path is missing but its old copy (path + ".mx-") is still aside, as a replacement in steps
// that was cut short leaves it, moves the copy back into its place.
void RestoreAsideCopy(const char* path);

// Puts the file temporary in the place of path where the system cannot replace a file in one
// step: the old file is moved aside (path + ".mx-", in place of any older copy there), the new one
// moved into its place, then the old one deleted. If a move fails the old file is put back and
// false returned; the temporary file is then the caller's to remove.
bool ReplaceStepByStep(const char* temporary, const char* path);

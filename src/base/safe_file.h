// Writing a file whole or not at all.
#pragma once

#include <windows.h>

#include <string>

// Writes bytes to a temporary file beside path, flushes it and only then moves it over path.
// The new file keeps the old one's hidden and system attributes. A leftover temporary file of an
// earlier save is overwritten; what a save cut short left aside is settled first (see
// TakeBackAsideCopy, which tells the user over owner).
// On any failure (the temporary file cannot be created or fully written, path is read-only or
// cannot be replaced, a copy aside cannot be settled) path is left as it was and false is
// returned.
bool WriteFileSafely(HWND owner, const char* path, const std::string& bytes);

// The name of a file beside path: path with suffix added, the file name cut short by as much as
// the whole would be longer than a path may be, so that any path that can be written can also be
// replaced. Empty when the file name is too short for that, or the cut name would be path itself.
std::string PathBeside(const std::string& path, const char* suffix);

// What settling a copy left aside came to.
enum class AsideCopy {
    Settled, // no copy of ours is left aside
    // The whole copy stays aside: the file in its place must be kept first and every name it
    // could be kept under is taken. The user has been told where the copy is; the file in its
    // place is another program's, not to be read as this one.
    Blocked,
    Failed, // a move or delete failed; a copy of ours may still be aside
};

// Settles the old copy (path + ".mx-") that a replacement in steps leaves aside until its new
// file has moved in. The temporary file (path + ".mx~") still beside the copy means it never did:
// the copy is then the newest whole file, and is never deleted.
// - path missing: the copy goes back into its place.
// - path there, the temporary file too: path was written by another program since (a single
//   profile string makes a new WIN.INI); it is kept under a name of its own (path + ".mx1" to
//   ".mx9"), the copy goes back into its place, and the user is told once, over owner, where
//   the other file is. A kept file is never deleted: when all nine names are taken, nothing
//   moves and the user is told where the copy is, at every settling until a name is free.
// - path there, no temporary file: the new file moved in; the older copy is deleted.
// Each kept file is noted (path + ".mx!") before it moves and the note removed once the user has
// been told, so that a settling cut short at any step still tells at the next one.
AsideCopy TakeBackAsideCopy(HWND owner, const char* path);

// A leftover file of an earlier save made deletable and writable (read-only, hidden or system
// marks cleared). False when a folder stands in its place.
bool ClearLeftover(const std::string& name);
bool IsFile(const std::string& name);

// Puts the file temporary in the place of path where the system cannot replace a file in one
// step: the old file is moved aside (path + ".mx-"), the new one moved into its place, then the
// old one deleted. A copy already aside is never replaced: the caller settles it first. If a
// move fails the old file is put back, the temporary file removed and false returned; when the
// old file cannot be put back, the temporary file stays beside its copy, as the mark that the
// copy is the newest whole file.
bool ReplaceStepByStep(const char* temporary, const char* path);

// Settling the whole copy that a save in steps cut short left aside, and telling the user of
// every file kept for them.
#include <string>
#include <vector>

#include "base/language.h"
#include "base/safe_file.h"
#include "base/shell_hooks.h"
#include "base/whole_file.h"
#include "resource.h"

namespace {

constexpr char FirstKept = '1', LastKept = '9';

// path + ".mx1" to ".mx9": the names a file found in the copy's place is kept under.
std::string KeptName(const char* path, char number) {
    const char suffix[] = {'.', 'm', 'x', number, '\0'};
    return PathBeside(path, suffix);
}

// The note of kept files the user has not yet been told of: the number of each, in the order
// kept. A number is added before its file moves; the note goes once the user has been told.
std::string UntoldNote(const char* path) {
    return PathBeside(path, ".mx!");
}

// The numbers the note holds, each once.
std::string NotedNumbers(const std::string& note) {
    std::vector<char> text;
    if (note.empty() || ReadWholeFile(note.c_str(), text, 64) != WholeFileRead::Read)
        return "";
    return text.data();
}

// Adds number at the end, so that a write cut short can lose only the number being added, whose
// file has not moved yet.
bool NoteUntold(const char* path, char number) {
    const std::string note = UntoldNote(path);
    if (note.empty() || !ClearLeftover(note))
        return false;
    if (NotedNumbers(note).find(number) != std::string::npos)
        return true; // noted by a settling cut short before the move
    HANDLE file = CreateFileA(note.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool noted = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                       WriteFile(file, &number, 1, &written, nullptr) && written == 1 &&
                       FlushFileBuffers(file);
    return CloseHandle(file) && noted;
}

// The first number whose kept name is free, or 0 when all nine are taken.
char FreeKeptNumber(const char* path) {
    for (char number = FirstKept; number <= LastKept; ++number)
        if (GetFileAttributesA(KeptName(path, number).c_str()) == INVALID_FILE_ATTRIBUTES)
            return number;
    return 0;
}

// Tells the user of each kept file the note names (a number noted whose file never moved names
// nothing), then removes the note. A cut while telling tells again rather than never.
void TellUntold(HWND owner, const char* path) {
    const std::string note = UntoldNote(path);
    if (note.empty() || !IsFile(note))
        return;
    for (const char number : NotedNumbers(note)) {
        const std::string kept =
            number >= FirstKept && number <= LastKept ? KeptName(path, number) : std::string();
        if (!kept.empty() && IsFile(kept))
            KWStrTbMsgBox(owner, IDS_COPY_PUT_BACK, IDS_COPY_PUT_BACK_CAPTION, MB_ICONEXCLAMATION,
                          path, kept.c_str());
    }
    if (ClearLeftover(note))
        DeleteFileA(note.c_str());
}

AsideCopy PutBack(HWND owner, const char* path, const std::string& aside) {
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return MoveFileA(aside.c_str(), path) ? AsideCopy::Settled : AsideCopy::Failed;
    const std::string temporary = PathBeside(path, ".mx~");
    if (!IsFile(temporary)) {
        // The save that left the copy finished: the file in its place is newer. A folder there
        // is no newer file: the copy stays.
        return IsFile(path) && ClearLeftover(aside) && DeleteFileA(aside.c_str())
                   ? AsideCopy::Settled
                   : AsideCopy::Failed;
    }
    const char number = FreeKeptNumber(path);
    if (number == 0) {
        // Kept files are the user's to remove: the copy waits, and the user learns where.
        SoundBeep(MB_ICONHAND);
        KWStrTbMsgBox(owner, IDS_COPY_LEFT_ASIDE, IDS_COPY_LEFT_ASIDE_CAPTION, MB_ICONERROR, path,
                      aside.c_str());
        return AsideCopy::Blocked;
    }
    // The file in path's place moves to the free name, noted first as not yet told.
    const std::string kept = KeptName(path, number);
    if (kept.empty() || !NoteUntold(path, number) || !MoveFileA(path, kept.c_str()))
        return AsideCopy::Failed;
    if (!MoveFileA(aside.c_str(), path)) {
        // The note stays: should this move back fail too, the next settling tells of the file.
        MoveFileA(kept.c_str(), path);
        return AsideCopy::Failed;
    }
    return AsideCopy::Settled;
}

} // namespace

AsideCopy TakeBackAsideCopy(HWND owner, const char* path) {
    const std::string aside = *path ? PathBeside(path, ".mx-") : "";
    if (aside.empty())
        return AsideCopy::Settled;
    const AsideCopy settled = IsFile(aside) ? PutBack(owner, path, aside) : AsideCopy::Settled;
    // Only once the copy is back in its place is what the user is told true.
    if (settled == AsideCopy::Settled)
        TellUntold(owner, path);
    return settled;
}

#include "base/safe_file.h"

namespace {

// The longest path the ANSI file functions take.
constexpr size_t MaxPathLength = MAX_PATH - 1;

bool WriteAll(HANDLE file, const std::string& bytes) {
    const char* at = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const DWORD chunk = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, at, chunk, &written, nullptr) || written == 0)
            return false;
        at += written;
        left -= written;
    }
    return FlushFileBuffers(file) != FALSE;
}

bool Exists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// The attributes the new file is given: the old file's hidden and system ones, so that a save
// does not change how the file is shown, and archive, as any write to a file sets it.
DWORD NewFileAttributes(DWORD old) {
    const DWORD kept =
        old == INVALID_FILE_ATTRIBUTES ? 0 : old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    return kept | FILE_ATTRIBUTE_ARCHIVE;
}

} // namespace

bool IsFile(const std::string& name) {
    const DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Read-only, hidden or system, a leftover would refuse to be deleted or overwritten.
bool ClearLeftover(const std::string& name) {
    const DWORD attributes = GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    const DWORD blocking = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return !(attributes & blocking) || SetFileAttributesA(name.c_str(), FILE_ATTRIBUTE_NORMAL);
}

std::string PathBeside(const std::string& path, const char* suffix) {
    std::string beside = path + suffix;
    if (beside.size() <= MaxPathLength)
        return beside;
    const size_t over = beside.size() - MaxPathLength;
    const size_t nameStart = path.find_last_of("\\/:") + 1; // 0 when there is no folder
    if (path.size() - nameStart <= over)
        return "";
    beside = path.substr(0, path.size() - over) + suffix;
    return lstrcmpiA(beside.c_str(), path.c_str()) == 0 ? "" : beside;
}

bool ReplaceStepByStep(const char* temporary, const char* path) {
    if (Exists(path)) {
        // MoveFileA never replaces: a copy already aside stays as it is.
        const std::string aside = PathBeside(path, ".mx-");
        if (!aside.empty() && MoveFileA(path, aside.c_str())) {
            if (MoveFileA(temporary, path)) {
                // The new file stands in its place: an old copy that cannot be removed only
                // stays beside it (the next save removes it).
                DeleteFileA(aside.c_str());
                return true;
            }
            if (!MoveFileA(aside.c_str(), path))
                return false;
        }
    } else if (MoveFileA(temporary, path)) {
        return true;
    }
    DeleteFileA(temporary);
    return false;
}

bool WriteFileSafely(HWND owner, const char* path, const std::string& bytes) {
    if (TakeBackAsideCopy(owner, path) != AsideCopy::Settled)
        return false;
    // Writing in place would be refused for a read-only file; replacing it must be too.
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;

    const std::string temporary = PathBeside(path, ".mx~");
    if (temporary.empty() || !ClearLeftover(temporary))
        return false;
    const DWORD newAttributes = NewFileAttributes(attributes);
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              newAttributes, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool written = WriteAll(file, bytes);
    const bool closed = CloseHandle(file) != FALSE;
    // A leftover that was overwritten keeps its own attributes: the new file's are set here.
    if (written && closed && SetFileAttributesA(temporary.c_str(), newAttributes)) {
        if (MoveFileExA(temporary.c_str(), path,
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        // Windows 95, 98 and ME have the function but do not carry it out.
        if (GetLastError() == ERROR_CALL_NOT_IMPLEMENTED)
            return ReplaceStepByStep(temporary.c_str(), path);
    }
    DeleteFileA(temporary.c_str());
    return false;
}

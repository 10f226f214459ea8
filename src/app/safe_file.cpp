#include "app/safe_file.h"

#include <windows.h>

#include <algorithm>
#include <new>

namespace {

// Closes a file handle when it goes out of scope.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        if (!Valid())
            return true;
        const bool closed = CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

// The folder part of path, with its final separator; empty for a bare file name.
std::string FolderOf(const char* path) {
    const std::string text(path);
    const size_t separator = text.find_last_of("\\/:");
    return separator == std::string::npos ? std::string() : text.substr(0, separator + 1);
}

// Creates a file of a new name in folder and sets name to it; an existing file is never taken.
HANDLE CreateTemporaryFile(const std::string& folder, std::string& name) {
    const DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (DWORD attempt = 0; attempt < 64; ++attempt) {
        char stem[16];
        wsprintfA(stem, "~mx%04lX.tmp", static_cast<unsigned long>((seed + attempt) & 0xFFFF));
        const std::string candidate = folder + stem;
        if (candidate.size() >= MAX_PATH)
            return INVALID_HANDLE_VALUE;
        HANDLE file = CreateFileA(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            name = candidate;
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return FlushFileBuffers(file) != FALSE;
}

} // namespace

WholeFileRead ReadWholeFile(const char* path, std::vector<char>& text) {
    FileHandle file(
        CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return WholeFileRead::CannotOpen;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size))
        return WholeFileRead::ReadFailed;
    // Offsets into the text are longs, 32 bits on Windows.
    if (size.QuadPart > 0x7FFFFFF0)
        return WholeFileRead::NoMemory;
    const size_t length = static_cast<size_t>(size.QuadPart);
    try {
        text.assign(length + 10, '\0');
    } catch (const std::bad_alloc&) {
        return WholeFileRead::NoMemory;
    }
    size_t done = 0;
    while (done < length) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(length - done, 1 << 24));
        DWORD read = 0;
        if (!ReadFile(file.Get(), text.data() + done, chunk, &read, nullptr) || read == 0)
            return WholeFileRead::ReadFailed;
        done += read;
    }
    return WholeFileRead::Read;
}

bool WriteFileSafely(const char* path, const std::string& bytes) {
    // A read-only file is not replaced, as it would not be overwritten in place either.
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    std::string temporary;
    HANDLE created;
    try {
        created = CreateTemporaryFile(FolderOf(path), temporary);
    } catch (const std::bad_alloc&) {
        return false;
    }
    FileHandle file(created);
    if (!file.Valid())
        return false;
    const bool written = WriteAll(file.Get(), bytes);
    if (file.Close() && written &&
        MoveFileExA(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

#include "app/safe_file.h"

#include <windows.h>

namespace {

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

} // namespace

bool WriteFileSafely(const char* path, const std::string& bytes) {
    // Writing in place would be refused for a read-only file; replacing it must be too.
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;

    const std::string temporary = std::string(path) + ".mx~";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool written = WriteAll(file, bytes);
    const bool closed = CloseHandle(file) != FALSE;
    if (written && closed &&
        MoveFileExA(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

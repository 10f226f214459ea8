#include "base/whole_file.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <new>

WholeFileRead ReadWholeFile(const char* path, std::vector<char>& text) {
    HANDLE opened =
        CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return WholeFileRead::CannotOpen;
    std::unique_ptr<void, decltype(&CloseHandle)> file(opened, &CloseHandle);
    // GetFileSize rather than GetFileSizeEx, which Windows 98 and NT 4.0 lack. Its failure value
    // is also the low part of some real sizes: only the error code tells the two apart.
    DWORD high = 0;
    SetLastError(NO_ERROR);
    const DWORD low = GetFileSize(file.get(), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
        return WholeFileRead::ReadFailed;
    // Offsets into the text are longs, 32 bits on Windows.
    if (high != 0 || low > 0x7FFFFFF0)
        return WholeFileRead::NoMemory;
    const size_t length = low;
    try {
        text.assign(length + 10, '\0');
    } catch (const std::bad_alloc&) {
        return WholeFileRead::NoMemory;
    }
    size_t done = 0;
    while (done < length) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(length - done, 1 << 24));
        DWORD read = 0;
        if (!ReadFile(file.get(), text.data() + done, chunk, &read, nullptr) || read == 0)
            return WholeFileRead::ReadFailed;
        done += read;
    }
    return WholeFileRead::Read;
}

#include "support/windows_files.h"

#include <windows.h>

#include <fstream>
#include <sstream>

void FlushProfileCache(const std::string& name) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
}

std::string WindowsFolder() {
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, sizeof directory);
    return directory;
}

std::string WindowsFile(const std::string& name) {
    return WindowsFolder() + "\\" + name;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

WindowsDirectory::~WindowsDirectory() {
    for (const auto& [name, original] : originals_) {
        FlushProfileCache(name);
        if (original.first) {
            WriteFileBytes(Path(name), original.second);
        } else {
            SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(Path(name).c_str());
        }
    }
}

void WindowsDirectory::Remember(const std::string& name) {
    if (originals_.count(name) == 0)
        originals_[name] = {Exists(name), Read(name)};
}

void WindowsDirectory::Write(const std::string& name, const std::string& bytes) {
    Remember(name);
    FlushProfileCache(name);
    SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
    WriteFileBytes(Path(name), bytes);
}

void WindowsDirectory::Remove(const std::string& name) {
    Remember(name);
    FlushProfileCache(name);
    SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(Path(name).c_str());
}

std::string WindowsDirectory::Read(const std::string& name) const {
    return ReadFileBytes(Path(name));
}

bool WindowsDirectory::Exists(const std::string& name) const {
    return GetFileAttributesA(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

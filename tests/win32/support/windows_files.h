// Files of the Windows directory (C:\windows under wine), where the program finds atm.ini,
// win.ini and Marlix.ini, and whole files read and written as bytes.
#pragma once

#include <map>
#include <string>

std::string WindowsFolder();
// The path of a file in the Windows directory.
std::string WindowsFile(const std::string& name);
// A file's bytes as they are on disk; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The system keeps profile files cached; one replaced behind its back must be read again.
void FlushProfileCache(const std::string& name);

// Files in the Windows directory. Every file written or removed through it is put back as it
// was when the object goes away.
class WindowsDirectory {
  public:
    WindowsDirectory() = default;
    ~WindowsDirectory();
    WindowsDirectory(const WindowsDirectory&) = delete;
    WindowsDirectory& operator=(const WindowsDirectory&) = delete;

    static std::string Path(const std::string& name) { return WindowsFile(name); }
    void Write(const std::string& name, const std::string& bytes);
    void Remove(const std::string& name);
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

  private:
    void Remember(const std::string& name);
    std::map<std::string, std::pair<bool, std::string>> originals_;
};

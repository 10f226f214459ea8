#include "main_window_driver.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/main_window.h"
#include "listfile/list_file.h"

std::string WindowsFile(const char* name) {
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, sizeof directory);
    return std::string(directory) + "\\" + name;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

AtmIniSwap::AtmIniSwap(const std::string& text) : path_(WindowsFile("atm.ini")) {
    existed_ = GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (existed_)
        original_ = ReadFileBytes(path_);
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << text;
}

AtmIniSwap::~AtmIniSwap() {
    if (existed_)
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << original_;
    else
        DeleteFileA(path_.c_str());
}

std::string GeneratedAtmIni(int fonts) {
    static const char* const families[] = {"Nimbus Sans", "Nimbus Roman", "Nimbus Mono PS",
                                           "URW Bookman", "URW Gothic",   "C059",
                                           "P052",        "Z003",         "Nimbus Sans Narrow"};
    static const char* const styles[] = {"", ",BOLD", ",ITALIC", ",BOLDITALIC"};
    std::string text = "[Settings]\r\nATMFonts=On\r\n\r\n[Fonts]\r\n";
    for (int i = 0; i < fonts; ++i) {
        char line[160], stem[16], series[16] = "";
        std::snprintf(stem, sizeof stem, "F%04d___", i);
        if (i >= 36)
            std::snprintf(series, sizeof series, " %d", i / 36);
        std::snprintf(line, sizeof line, "%s%s%s=C:\\PSFONTS\\PFM\\%s.PFM,C:\\PSFONTS\\%s.PFB\r\n",
                      families[i % 9], series, styles[(i / 9) % 4], stem, stem);
        text += line;
    }
    return text + "\r\n[Synonyms]\r\n";
}

HWND StartMainWindow(const char* commandLine) {
    static bool registered = RegisterMarlixClasses(GetModuleHandleA(nullptr));
    if (!registered)
        return nullptr;
    return ::StartMainWindow(GetModuleHandleA(nullptr), commandLine, SW_SHOWNORMAL);
}

void RunUntilIdle() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void SelectNames(HWND listBox, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        LRESULT index = SendMessageA(listBox, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(name));
        if (index != LB_ERR)
            SendMessageA(listBox, LB_SETSEL, TRUE, index);
    }
}

#include "print_support.h"

#include <winspool.h>

#include <fstream>
#include <map>

#include "dialog_driver.h"
#include "support/windows_files.h"

DeviceEntryScope::DeviceEntryScope() {
    char entry[1024] = "";
    existed_ = GetProfileStringA("windows", "device", "\x01", entry, sizeof entry) != 1 ||
               entry[0] != '\x01';
    saved_ = existed_ ? entry : "";
}

DeviceEntryScope::~DeviceEntryScope() {
    WriteProfileStringA("windows", "device", existed_ ? saved_.c_str() : nullptr);
}

void DeviceEntryScope::Set(const std::string& entry) {
    WriteProfileStringA("windows", "device", entry.c_str());
}

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(),
                                     static_cast<int>(wide.size()));
    wide.resize(length > 0 ? length - 1 : 0);
    return wide;
}

namespace {

std::string Narrow(const WCHAR* text, int length) {
    std::string narrow(length * 2 + 1, '\0');
    int written = WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(),
                                      static_cast<int>(narrow.size()), nullptr, nullptr);
    narrow.resize(written > 0 ? written : 0);
    return narrow;
}

// The generic PPD that wine's winspool carries as a resource, written out for the driver.
bool WriteGenericPpd(const std::string& path) {
    HMODULE spooler = LoadLibraryExA("winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!spooler)
        return false;
    bool written = false;
    if (HRSRC resource = FindResourceA(spooler, MAKEINTRESOURCEA(1), "PPDFILE")) {
        DWORD size = SizeofResource(spooler, resource);
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(spooler, resource)));
        if (bytes) {
            if (const void* end = memchr(bytes, 0, size))
                size = static_cast<DWORD>(static_cast<const char*>(end) - bytes);
            std::ofstream(path, std::ios::binary).write(bytes, size);
            written = size > 0;
        }
    }
    FreeLibrary(spooler);
    return written;
}

std::string HostPath(const std::string& windowsPath) {
    using UnixName = char*(CDECL*)(const WCHAR*);
    auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName)
        return "";
    char* name = unixName(Wide(windowsPath).c_str());
    if (!name)
        return "";
    std::string path = name;
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

} // namespace

std::string FilePrinter::OutputPath() {
    return WindowsFile("temp\\marlix-print.ps");
}

std::string FilePrinter::Port() {
    return HostPath(OutputPath());
}

bool FilePrinter::Install(std::string* why) {
    const std::string port = Port();
    if (port.empty()) {
        *why = "no host path for the output file (not running under wine)";
        return false;
    }
    const std::string ppd = WindowsFile("temp\\marlix-generic.ppd");
    if (!WriteGenericPpd(ppd)) {
        *why = "winspool.drv carries no PPD";
        return false;
    }
    Remove();
    const std::wstring name = Wide(Name()), ppdPath = Wide(ppd), widePort = Wide(port);
    DRIVER_INFO_3W driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<LPWSTR>(name.c_str());
    driver.pDriverPath = const_cast<LPWSTR>(L"wineps.drv");
    driver.pConfigFile = const_cast<LPWSTR>(L"wineps.drv");
    driver.pDataFile = const_cast<LPWSTR>(ppdPath.c_str());
    driver.pDefaultDataType = const_cast<LPWSTR>(L"RAW");
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<LPBYTE>(&driver),
                             APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY)) {
        *why = "AddPrinterDriverExW failed, error " + std::to_string(GetLastError());
        return false;
    }
    PRINTER_INFO_2W printer = {};
    printer.pPrinterName = const_cast<LPWSTR>(name.c_str());
    printer.pPortName = const_cast<LPWSTR>(widePort.c_str());
    printer.pDriverName = const_cast<LPWSTR>(name.c_str());
    printer.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
    printer.pDatatype = const_cast<LPWSTR>(L"RAW");
    printer.Attributes = PRINTER_ATTRIBUTE_DIRECT | PRINTER_ATTRIBUTE_LOCAL;
    HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<LPBYTE>(&printer));
    if (!added) {
        *why = "AddPrinterW failed, error " + std::to_string(GetLastError());
        return false;
    }
    ClosePrinter(added);
    return true;
}

void FilePrinter::Remove() {
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (OpenPrinterA(const_cast<LPSTR>(Name()), &printer, &access)) {
        DeletePrinter(printer);
        ClosePrinter(printer);
    }
    DeletePrinterDriverA(nullptr, nullptr, const_cast<LPSTR>(Name()));
}

std::string FilePrinter::ReadOutput() {
    return ReadFileBytes(OutputPath());
}

void FilePrinter::DeleteOutput() {
    DeleteFileA(OutputPath().c_str());
}

namespace {
DialogCreations* activeCreations;
}

DialogCreations::DialogCreations(HWND owner, DWORD readingMs)
    : hook_(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())), owner_(owner),
      readingMs_(readingMs) {
    activeCreations = this;
}

DialogCreations::~DialogCreations() {
    UnhookWindowsHookEx(hook_);
    activeCreations = nullptr;
}

LRESULT CALLBACK DialogCreations::Hook(int code, WPARAM wParam, LPARAM lParam) {
    // The hooks installed before this one (the dialog driver's) run first.
    LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    if (code != HCBT_CREATEWND || !activeCreations)
        return result;
    HWND window = reinterpret_cast<HWND>(wParam);
    const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 || (create->style & WS_CHILD))
        return result;
    DialogCreations& self = *activeCreations;
    self.created_.push_back({window, self.owner_ ? IsWindowEnabled(self.owner_) != FALSE : true});
    if (self.readingMs_ && create->hwndParent == self.owner_)
        Sleep(self.readingMs_);
    return result;
}

EmfReading ReadEnhMetaFile(HENHMETAFILE metafile) {
    EmfReading reading;
    std::vector<BYTE> bytes(GetEnhMetaFileBits(metafile, 0, nullptr));
    GetEnhMetaFileBits(metafile, static_cast<UINT>(bytes.size()), bytes.data());

    std::map<DWORD, LOGFONTW> fonts; // by handle-table index
    DWORD selectedFont = 0;
    bool fontSelected = false;
    UINT align = 0;
    int mapMode = MM_TEXT, backgroundMode = OPAQUE;
    COLORREF color = 0;
    for (size_t at = 0; at + sizeof(EMR) <= bytes.size();) {
        const auto* record = reinterpret_cast<const EMR*>(&bytes[at]);
        if (record->nSize < sizeof(EMR))
            break;
        switch (record->iType) {
        case EMR_EXTCREATEFONTINDIRECTW: {
            const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
            fonts[font->ihFont] = font->elfw.elfLogFont;
            ++reading.fontsCreated;
            break;
        }
        case EMR_SELECTOBJECT: {
            const DWORD object = reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject;
            if (fonts.count(object)) {
                selectedFont = object;
                fontSelected = true;
            } else if (object & 0x80000000) { // a stock object
                const DWORD stock = object & 0x7FFFFFFF;
                if (stock >= OEM_FIXED_FONT && stock <= DEFAULT_GUI_FONT &&
                    stock != DEFAULT_PALETTE)
                    fontSelected = false;
            }
            break;
        }
        case EMR_DELETEOBJECT: {
            const DWORD object = reinterpret_cast<const EMRDELETEOBJECT*>(record)->ihObject;
            if (fonts.count(object))
                ++reading.fontsDeleted;
            break;
        }
        case EMR_SETMAPMODE:
            mapMode = static_cast<int>(reinterpret_cast<const EMRSETMAPMODE*>(record)->iMode);
            ++reading.pages;
            break;
        case EMR_SETBKMODE:
            backgroundMode = static_cast<int>(reinterpret_cast<const EMRSETBKMODE*>(record)->iMode);
            break;
        case EMR_SETTEXTCOLOR:
            color = reinterpret_cast<const EMRSETTEXTCOLOR*>(record)->crColor;
            break;
        case EMR_SETTEXTALIGN:
            align = reinterpret_cast<const EMRSETTEXTALIGN*>(record)->iMode;
            break;
        case EMR_EXTTEXTOUTW: {
            const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            DrawnText drawn{};
            drawn.page = reading.pages;
            drawn.x = text->emrtext.ptlReference.x;
            drawn.y = text->emrtext.ptlReference.y;
            drawn.text =
                Narrow(reinterpret_cast<const WCHAR*>(&bytes[at + text->emrtext.offString]),
                       static_cast<int>(text->emrtext.nChars));
            drawn.font = fontSelected ? fonts[selectedFont] : LOGFONTW{};
            drawn.align = align;
            drawn.mapMode = mapMode;
            drawn.backgroundMode = backgroundMode;
            drawn.color = color;
            reading.texts.push_back(drawn);
            break;
        }
        }
        at += record->nSize;
    }
    reading.fontSelectedAtEnd = fontSelected;
    return reading;
}

// What the printing tests need around the program: the [windows] "device" entry put back after
// a test, a PostScript printer that writes its jobs to a file, a record of the windows that a
// job opens, and the texts read back from an enhanced metafile.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The default printer entry of WIN.INI, which wine keeps in the registry. Restored on leaving.
class DeviceEntryScope {
  public:
    DeviceEntryScope();
    ~DeviceEntryScope();
    DeviceEntryScope(const DeviceEntryScope&) = delete;
    DeviceEntryScope& operator=(const DeviceEntryScope&) = delete;
    void Set(const std::string& entry);

  private:
    std::string saved_;
    bool existed_;
};

// A printer of wine's PostScript driver (with the generic PPD that winspool carries) whose port
// is a file: every job lands in that file.
class FilePrinter {
  public:
    static const char* Name() { return "Marlix Test PostScript"; }
    // Installs the printer (again, if an earlier run left one); false with a reason otherwise.
    static bool Install(std::string* why);
    static void Remove();
    // The port as the printer reports it (the host path of the output file).
    static std::string Port();
    static std::string OutputPath(); // the same file as a Windows path
    static std::string ReadOutput();
    static void DeleteOutput();
};

// Sees the top-level dialogs created on this thread while it lives. A dialog owned by `owner`
// makes the thread wait `readingMs` right after it is created, as a user who reads it first.
class DialogCreations {
  public:
    explicit DialogCreations(HWND owner = nullptr, DWORD readingMs = 0);
    ~DialogCreations();
    DialogCreations(const DialogCreations&) = delete;
    DialogCreations& operator=(const DialogCreations&) = delete;

    struct Created {
        HWND window;
        bool ownerEnabled; // the owner's state when the dialog was made
    };
    const std::vector<Created>& All() const { return created_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_;
    HWND owner_;
    DWORD readingMs_;
    std::vector<Created> created_;
};

// One text drawn into an enhanced metafile, with the state it was drawn in.
struct DrawnText {
    int page; // counted from 1; each page starts by setting its mapping mode
    long x, y;
    std::string text; // back in the ANSI code page
    LOGFONTW font;
    UINT align;
    int mapMode;
    int backgroundMode;
    COLORREF color;
};

struct EmfReading {
    std::vector<DrawnText> texts;
    int pages = 0;
    int fontsCreated = 0;
    int fontsDeleted = 0;
    bool fontSelectedAtEnd = false; // one of the created fonts still selected when it ended
};

EmfReading ReadEnhMetaFile(HENHMETAFILE metafile);

std::wstring Wide(const std::string& text);

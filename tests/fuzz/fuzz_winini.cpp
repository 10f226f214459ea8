// WIN.INI scan and rebuild over arbitrary bytes. Input: byte 0 = the code page, byte 1 = length
// of the entry text, byte 2 = size probe (high bit: pad the entry so that the rebuilt size lands
// within 64 bytes of the limit), then the entry text, then the file. For every printer section
// found, saving into it must give back the head and the tail byte for byte, or refuse for the
// right reason.
#include "fuzz_code_page.h"
#include "vector_font_list.h"
#include "winini/printer_section.h"
#include "winini/winini_rebuild.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// No '[' that begins a character outside a ';' comment lies in [from, to).
bool BodyHasNoHeader(const std::string& file, std::size_t from, std::size_t to,
                     const CodePage& codePage) {
    bool comment = false;
    for (std::size_t i = from; i < to; i += codePage.CharLength(file.c_str() + i)) {
        if (file[i] == '\n')
            comment = false;
        else if (file[i] == ';')
            comment = true;
        else if (file[i] == '[' && !comment)
            return false;
    }
    return true;
}

void CheckSection(const std::string& file, const std::string& entry, const char* name,
                  long bodyStart, const CodePage& codePage) {
    const std::size_t length = std::strlen(name);
    Check(length <= static_cast<std::size_t>(PrinterSectionNameMax));
    Check(std::strncmp(name, "PostScript,", 11) == 0);
    for (std::size_t i = 0; i < length; ++i)
        Check(static_cast<unsigned char>(name[i]) > 13);
    for (std::size_t i = 0; i < length; i += codePage.CharLength(name + i))
        Check(name[i] != ']');
    const std::size_t start = static_cast<std::size_t>(bodyStart);
    Check(start <= std::strlen(file.c_str()));
    Check(file.rfind("[" + std::string(name) + "]", start) != std::string::npos);
    // Duplicates: the name finds this section or an earlier one.
    const long first = FindPrinterSection(file.c_str(), name, AsciiNameOrder, codePage);
    Check(first != NotFound && first <= bodyStart);

    const WinIniRebuild result = RebuildWinIni(file, bodyStart, entry, codePage);
    if (file.find('\0') != std::string::npos) {
        Check(result.outcome == WinIniRebuildOutcome::ZeroByteInside && result.text.empty());
        return;
    }
    const std::size_t end =
        static_cast<std::size_t>(PrinterSectionBodyEnd(file.c_str(), bodyStart, codePage));
    Check(start <= end && end <= file.size());
    Check(end == file.size() || file[end] == '[');
    Check(BodyHasNoHeader(file, start, end, codePage));

    // A header that ends the file gets its line end; after a bare CR, only the LF it lacks.
    std::string head = file.substr(0, start);
    if (start > 0 && file[start - 1] != '\n')
        head += file[start - 1] == '\r' ? "\n" : "\r\n";
    const std::string tail = file.substr(end);
    Check(result.headLength == head.size() && result.tailLength == tail.size());
    if (head.size() + entry.size() + tail.size() > WinIniRebuildLimit) {
        Check(result.outcome == WinIniRebuildOutcome::TooLarge && result.text.empty());
        return;
    }
    Check(result.outcome == WinIniRebuildOutcome::Rebuilt);
    Check(result.text == head + "ATM=placeholder\r\n" + entry + "\r\n" + tail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const CodePage& codePage = FuzzCodePage(data[0]);
    ++data;
    --size;
    const std::size_t entryLength = data[0] < size - 2 ? data[0] : size - 2;
    const bool nearLimit = (data[1] & 0x80) != 0;
    std::string entry(reinterpret_cast<const char*>(data + 2), entryLength);
    const std::string file(reinterpret_cast<const char*>(data + 2 + entryLength),
                           size - 2 - entryLength);
    if (nearLimit) {
        const long pad = static_cast<long>(WinIniRebuildLimit) - static_cast<long>(file.size()) -
                         static_cast<long>(entry.size()) + (data[1] & 0x7f) - 64;
        if (pad > 0)
            entry.append(static_cast<std::size_t>(pad), 'e');
    }

    char name[PrinterSectionNameSize];
    long at = 0;
    for (int sections = 0; sections < 16; ++sections) {
        at = NextPrinterSection(file.c_str(), name, at, codePage);
        if (at == NotFound)
            break;
        CheckSection(file, entry, name, at, codePage);
    }
    return 0;
}

#include "winini/winini_rebuild.h"

#include "winini/printer_section.h"

const char WinIniPlaceholderLine[] = "ATM=placeholder\r\n";

namespace {

constexpr std::string_view LineEnd = "\r\n";

} // namespace

WinIniRebuild RebuildWinIni(const std::string& file, long bodyStart, std::string_view entryText,
                            const CodePage& codePage) {
    // The scan stops at a zero byte, so a save would silently cut everything after it.
    if (file.find('\0') != std::string::npos)
        return {WinIniRebuildOutcome::ZeroByteInside, {}, 0, 0};

    const std::size_t start = static_cast<std::size_t>(bodyStart);
    const std::size_t tailStart =
        static_cast<std::size_t>(PrinterSectionBodyEnd(file.c_str(), bodyStart, codePage));
    // A header on the last line gets its line end; a bare CR there gets the LF it lacks.
    std::string_view headLineEnd;
    if (start > 0 && file[start - 1] != '\n')
        headLineEnd = file[start - 1] == '\r' ? LineEnd.substr(1) : LineEnd;
    const std::size_t headLength = start + headLineEnd.size();
    const std::size_t tailLength = file.size() - tailStart;

    if (headLength + entryText.size() + tailLength > WinIniRebuildLimit)
        return {WinIniRebuildOutcome::TooLarge, {}, headLength, tailLength};

    const std::string_view placeholder = WinIniPlaceholderLine;
    std::string text;
    text.reserve(headLength + placeholder.size() + entryText.size() + LineEnd.size() + tailLength);
    text.append(file, 0, start);
    text.append(headLineEnd);
    text.append(placeholder);
    text.append(entryText);
    text.append(LineEnd);
    text.append(file, tailStart, std::string::npos);
    return {WinIniRebuildOutcome::Rebuilt, std::move(text), headLength, tailLength};
}

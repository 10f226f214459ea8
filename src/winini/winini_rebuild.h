// Rebuilding the text of WIN.INI so that one printer section holds new soft-font entries.
//
// The new file is: the head (everything through the chosen header line with its line end), the
// line "ATM=placeholder", the entry text, one empty line, then the tail (everything from the
// next '[' outside a comment after the header, to the end of the file). Head and tail come back
// byte for byte; the old body is dropped whole, whatever keys it held.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/code_page.h"

// Head + entry text + tail may come to this many bytes; the placeholder line and the closing
// empty line are not counted.
constexpr std::size_t WinIniRebuildLimit = 65200;

extern const char WinIniPlaceholderLine[]; // "ATM=placeholder\r\n"

enum class WinIniRebuildOutcome {
    Rebuilt,        // text holds the new file
    TooLarge,       // would exceed WinIniRebuildLimit: message 116 with caption 114
    ZeroByteInside, // the file holds a zero byte, and what follows it would be lost: 113 / 114
};

struct WinIniRebuild {
    WinIniRebuildOutcome outcome;
    std::string text;       // the whole new file when Rebuilt, empty otherwise
    std::size_t headLength; // head as written, with the CR LF added after a last header line
    std::size_t tailLength; // 0 when the section runs to the end of the file
};

// file: the whole file as read (file.c_str() is the text the scan saw). bodyStart: the body start
// of the chosen section, as FindPrinterSection gives it for file.c_str(). entryText: the
// softfont count line and softfont lines (list form 1), each ending in its line end.
// When the header is the last line and has no line end, CR LF is put after it first.
WinIniRebuild RebuildWinIni(const std::string& file, long bodyStart, std::string_view entryText,
                            const CodePage& codePage);

// The list file named on the command line, and the stored window geometry's ranges.
#include <gtest/gtest.h>

#include <string>

#include "base/command_line.h"
#include "base/geometry.h"

namespace {

TEST(ListPathFromCommandLine, TakesAQuotedOrAWholeUnquotedPath) {
    const std::string longest = "C:\\" + std::string(256, 'a'); // 259 characters
    const std::string tooLong = longest + "b";
    const struct {
        std::string commandLine;
        bool named;
        std::string path;
    } cases[] = {
        {"", false, ""},
        {"\"C:\\My Lists\\set one.mxf\"", true, "C:\\My Lists\\set one.mxf"},
        {"C:\\My Lists\\set one.mxf", true, "C:\\My Lists\\set one.mxf"},
        {"set.mxf", true, "set.mxf"},
        // The last character is taken for the closing quote, whatever it is.
        {"\"C:\\set.mxf", true, "C:\\set.mx"},
        {"\"a.mxf\" b.mxf", true, "a.mxf\" b.mx"},
        {"\"", false, ""},
        {"\"\"", false, ""},
        {" ", true, " "},
        {longest, true, longest},
        {tooLong, false, ""},
        {"\"" + longest + "\"", true, longest},
        {"\"" + tooLong + "\"", false, ""},
    };
    for (const auto& c : cases) {
        std::string path;
        EXPECT_EQ(ListPathFromCommandLine(c.commandLine.c_str(), path), c.named) << c.commandLine;
        if (c.named)
            EXPECT_EQ(path, c.path) << c.commandLine;
    }
    std::string path;
    EXPECT_FALSE(ListPathFromCommandLine(nullptr, path));
}

TEST(CommandLineAfterProgramName, SkipsTheNameQuotedOrNotAndTheBlanksAfterIt) {
    const struct {
        const char* commandLine;
        const char* rest;
    } cases[] = {
        {"marlix32.exe", ""},
        {"marlix32.exe set.mxf", "set.mxf"},
        {"C:\\marlix32.exe \t  \"C:\\My Lists\\set.mxf\" ", "\"C:\\My Lists\\set.mxf\" "},
        {"\"C:\\Program Files\\marlix32.exe\" set.mxf", "set.mxf"},
        {"\"C:\\Program Files\\marlix32.exe\"set.mxf", ""},
        {"C:\\a\"b c\"d.exe e", "e"},
        {"\"C:\\unclosed quote.exe x", ""},
        // Bytes above 127 are part of an unquoted name (here a Latin-1 e-acute and a Shift-JIS
        // lead byte), not blanks ending it.
        {"C:\\Schriften\\r\xE9sum\xE9\\marlix32.exe set.mxf", "set.mxf"},
        {"C:\\\x83\x74\x83\x48\x83\x93\x83\x67\\marlix32.exe set.mxf", "set.mxf"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(CommandLineAfterProgramName(c.commandLine), c.rest) << c.commandLine;
    EXPECT_EQ(CommandLineAfterProgramName(nullptr), nullptr);
}

TEST(AcceptGeometry, AValueOutsideItsRangeBecomesTheDefaultNotTheBound) {
    const struct {
        WindowGeometry stored, accepted;
    } cases[] = {
        {{463, 288, 40, 40}, {463, 288, 40, 40}},  {{150, 199, 0, 361}, {463, 288, 40, 40}},
        {{801, 601, 601, 1}, {463, 288, 40, 40}},  {{199, 200, 1, 2}, {463, 200, 40, 2}},
        {{200, 200, 2, 2}, {200, 200, 2, 2}},      {{800, 600, 600, 360}, {800, 600, 600, 360}},
        {{-500, -1, -40, -2}, {463, 288, 40, 40}},
    };
    for (const auto& c : cases) {
        WindowGeometry got = AcceptGeometry(c.stored);
        EXPECT_EQ(got.width, c.accepted.width) << c.stored.width;
        EXPECT_EQ(got.height, c.accepted.height) << c.stored.height;
        EXPECT_EQ(got.left, c.accepted.left) << c.stored.left;
        EXPECT_EQ(got.top, c.accepted.top) << c.stored.top;
    }
}

// A 640 by 480 screen whose work area ends above a 28-pixel task bar, and one that starts right
// of another screen.
TEST(FitOntoWorkArea, TheStoredSizeIsKeptWhereItFitsAndTheWindowMovedIn) {
    const WorkArea small = {0, 0, 640, 452}, shifted = {1024, 0, 1664, 480};
    const struct {
        WorkArea area;
        WindowGeometry accepted, fitted;
    } cases[] = {
        {small, {463, 288, 40, 40}, {463, 288, 40, 40}},
        {small, {463, 288, 600, 360}, {463, 288, 177, 164}},
        {small, {800, 600, 600, 360}, {640, 452, 0, 0}},
        {small, {640, 452, 2, 2}, {640, 452, 0, 0}},
        {small, {200, 200, 440, 252}, {200, 200, 440, 252}},
        {shifted, {463, 288, 40, 40}, {463, 288, 1024, 40}},
    };
    for (const auto& c : cases) {
        WindowGeometry got = FitOntoWorkArea(c.accepted, c.area);
        EXPECT_EQ(got.width, c.fitted.width) << c.accepted.left << "," << c.accepted.top;
        EXPECT_EQ(got.height, c.fitted.height) << c.accepted.left << "," << c.accepted.top;
        EXPECT_EQ(got.left, c.fitted.left) << c.accepted.left << "," << c.accepted.top;
        EXPECT_EQ(got.top, c.fitted.top) << c.accepted.left << "," << c.accepted.top;
    }
}

} // namespace

#include "listfile/window_title.h"

#include <gtest/gtest.h>

TEST(WindowTitleText, ShowsTheFileNameUpTo24Bytes) {
    const std::string name24 = "abcdefghijklmnopqrst.mxf";
    const struct {
        bool hasFile;
        std::string title, expected;
    } rows[] = {
        {false, "fonts.mxf", "Marlix32  by Velquist"},
        {true, "fonts.mxf", "Marlix32 - fonts.mxf"},
        {true, name24, "Marlix32 - " + name24},
        {true, name24 + "x", "Marlix32 - " + name24 + "..."},
        {true, std::string(255, 'n'), "Marlix32 - " + std::string(24, 'n') + "..."},
        {true, "", "Marlix32 - "},
    };
    for (const auto& row : rows)
        EXPECT_EQ(WindowTitleText(row.hasFile, row.title.c_str()), row.expected) << row.title;
}

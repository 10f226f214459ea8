#include "controls/font_style.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct StyleCase {
    const char* name;
    int style;
    const char* face; // the name as left behind
};

const StyleCase StyleCases[] = {
    {"Family,BOLDITALIC", BoldItalicStyle, "Family"},
    {"Family,BOLD", BoldStyle, "Family"},
    {"Family,ITALIC", ItalicStyle, "Family"},
    {"Family,Bold", BoldStyle, "Family"},
    {"Family,bolditalic", BoldItalicStyle, "Family"},
    {"Family,iTaLiC", ItalicStyle, "Family"},
    {"Family, BOLD", PlainStyle, "Family"},       // a blank before the word
    {"Family,BOLD ITALIC", PlainStyle, "Family"}, // two words
    {"Family,BOLD ", PlainStyle, "Family"},       // a trailing blank
    {"Family,BOL", PlainStyle, "Family"},
    {"Family,BOLDITALICS", PlainStyle, "Family"},
    {"Family,", PlainStyle, "Family"},
    {"Family,BOLD,ITALIC", PlainStyle, "Family"}, // only the first comma cuts
    {"Family,B\xD6LD", PlainStyle, "Family"},     // other bytes compare exactly
    {"Family,\xF6"
     "BLIQUE",
     PlainStyle, "Family"},
    {"Family Bold", PlainStyle, "Family Bold"}, // no comma: used whole
    {"", PlainStyle, ""},
    {",BOLD", BoldStyle, ""},
};

TEST(FontStyleFromName, CutsAtTheFirstCommaAndReadsTheStyleWord) {
    for (const StyleCase& c : StyleCases) {
        std::string name = c.name;
        EXPECT_EQ(FontStyleFromName(name.data()), c.style) << c.name;
        EXPECT_STREQ(name.c_str(), c.face) << c.name;
    }
}

TEST(FontStyleFromName, StyleGivesWeightAndSlant) {
    EXPECT_EQ(FontStyleWeight(PlainStyle), 0) << "0 lets the mapper choose, it is not 400";
    EXPECT_EQ(FontStyleWeight(BoldStyle), 700);
    EXPECT_EQ(FontStyleWeight(ItalicStyle), 0);
    EXPECT_EQ(FontStyleWeight(BoldItalicStyle), 700);
    EXPECT_FALSE(FontStyleItalic(PlainStyle));
    EXPECT_FALSE(FontStyleItalic(BoldStyle));
    EXPECT_TRUE(FontStyleItalic(ItalicStyle));
    EXPECT_TRUE(FontStyleItalic(BoldItalicStyle));
}

TEST(CopyFaceName, KeepsAtMost31Bytes) {
    char face[32];
    std::memset(face, 'x', sizeof face);
    CopyFaceName(face, sizeof face, "Nimbus Sans");
    EXPECT_STREQ(face, "Nimbus Sans");

    const std::string exact(31, 'a'), longer = std::string(31, 'b') + "cdef", longest(63, 'z');
    CopyFaceName(face, sizeof face, exact.c_str());
    EXPECT_EQ(std::string(face), exact);
    CopyFaceName(face, sizeof face, longer.c_str());
    EXPECT_EQ(std::string(face), std::string(31, 'b'));
    CopyFaceName(face, sizeof face, longest.c_str());
    EXPECT_EQ(std::string(face), std::string(31, 'z'));
}

struct TargetCase {
    int top;
    unsigned y;
    int target;
};

const TargetCase TargetCases[] = {
    // Within the top 4 pixels, or above the list box: the item before the first visible one.
    {0, 0, 0},
    {0, 3, 0},
    {5, 0, 4},
    {5, 3, 4},
    {1, 2, 0},
    // From 4 down: 15-pixel rows.
    {0, 4, 0},
    {0, 14, 0},
    {0, 15, 1},
    {0, 29, 1},
    {0, 30, 2},
    {7, 4, 7},
    {7, 44, 9},
    // Row 10 is the last visible one; lower rows keep targeting it.
    {0, 150, 10},
    {0, 164, 10},
    {0, 165, 10},
    {3, 1000, 13},
    {3, 62000, 13},
    // Beyond 62000 the pointer is above the list box (a negative y read unsigned).
    {3, 62001, 2},
    {3, 65535, 2},
    {0, 65535, 0},
};

TEST(SampleTargetIndex, RowFromPointerAndTopIndex) {
    for (const TargetCase& c : TargetCases)
        EXPECT_EQ(SampleTargetIndex(c.top, c.y), c.target) << "top " << c.top << ", y " << c.y;
}

} // namespace

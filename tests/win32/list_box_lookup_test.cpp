// Looking a font name up in a real sorted list box: the halving search of ListBoxFontList must
// find exactly what the list box's own LB_FINDSTRINGEXACT finds, whatever the word sort of the
// locale does with hyphens, apostrophes, digits, accents and letter case.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/list_box_font_list.h"

TEST(ListBoxLookup, FindsWhatTheListBoxFinds) {
    HWND list =
        CreateWindowExA(0, "LISTBOX", nullptr, LBS_SORT | LBS_HASSTRINGS | LBS_EXTENDEDSEL, 0, 0,
                        100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(list);
    const std::vector<std::string> items = {
        "co-op",
        "coop",
        "cop",
        "Co-Op",
        "o'neil",
        "oneil",
        "10",
        "9",
        "Arial",
        "arial",
        "ARIAL",
        "Arial,BOLD",
        "Arial Narrow",
        "\xC4rial",
        "\xC9t\xE9",
        "ete",
        "a b",
        "ab",
        "a_b",
        "@Heisei",
        "Z003",
        "Nimbus Sans 1",
        "Nimbus Sans 10",
        "Nimbus Sans 2",
        "~tilde",
        "zz\xFF",
        "\x8A"
        "ebek",
        "Sebek",
        "-dash",
        "dash",
    };
    ListBoxFontList fonts(list);
    for (const std::string& item : items)
        ASSERT_GE(fonts.AddSorted(item.c_str()), 0);

    std::vector<std::string> lookups = items;
    for (const char* absent : {"co-opx", "zzz", "A", "", "Arial ", "arial,bold", "ETE", "coo",
                               "nimbus sans 3", "\xE4rial", "'", "-"})
        lookups.push_back(absent);
    for (const std::string& name : lookups) {
        const LRESULT expected = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(name.c_str()));
        EXPECT_EQ(fonts.FindExact(name.c_str()), expected == LB_ERR ? -1 : expected)
            << "\"" << name << "\"";
    }
    DestroyWindow(list);
}

#include "catalog/list_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "catalog/font_catalog.h"
#include "code_pages.h"
#include "font_fixtures.h"

namespace {

void Select(VectorFontList& list, const std::vector<int>& indexes) {
    for (int index : indexes)
        list.SelectRange(index, index, true);
}

struct MoveCase {
    const char* what;
    Names source;
    std::vector<int> selected;
    Names destination;
    int result;
    Names sourceAfter;
    Names destinationAfter;
};

TEST(MoveSelectedFonts, MovesSelectedNamesToTheirSortedPlaces) {
    const MoveCase cases[] = {
        {"nothing selected", {"A", "B"}, {}, {"C"}, 0, {"A", "B"}, {"C"}},
        {"one selected",
         {"Arial", "Courier", "Times"},
         {1},
         {"Bodoni", "Zapf"},
         1,
         {"Arial", "Times"},
         {"Bodoni", "Courier", "Zapf"}},
        {"one selected into an empty list", {"Arial"}, {0}, {}, 1, {}, {"Arial"}},
        {"several selected",
         {"Arial", "Bodoni", "Courier", "Times", "Zapf"},
         {0, 2, 4},
         {"Helvetica"},
         1,
         {"Bodoni", "Times"},
         {"Arial", "Courier", "Helvetica", "Zapf"}},
        {"all selected", {"a", "B", "c"}, {0, 1, 2}, {}, 1, {}, {"a", "B", "c"}},
        {"case variants",
         {"arial", "Arial,BOLD"},
         {0, 1},
         {"ARIAL"},
         1,
         {},
         {"arial", "ARIAL", "Arial,BOLD"}},
    };
    for (const MoveCase& c : cases) {
        VectorFontList source = ListOf(c.source), destination = ListOf(c.destination);
        Select(source, c.selected);
        EXPECT_EQ(MoveSelectedFonts(destination, source), c.result) << c.what;
        EXPECT_EQ(source.Names(), c.sourceAfter) << c.what;
        EXPECT_EQ(destination.Names(), c.destinationAfter) << c.what;
        EXPECT_EQ(source.SelectedCount(), 0) << c.what;
    }
}

TEST(MoveSelectedFonts, KeepsTheDestinationsSelectionAndAddsUnselected) {
    VectorFontList source = ListOf({"B", "D", "F"}), destination = ListOf({"A", "C", "E"});
    Select(destination, {1});
    Select(source, {0, 2});
    ASSERT_EQ(MoveSelectedFonts(destination, source), 1);
    ASSERT_EQ(destination.Names(), (Names{"A", "B", "C", "E", "F"}));
    EXPECT_EQ(destination.SelectedItems(10), (std::vector<int>{2}));

    Select(source, {0});
    ASSERT_EQ(MoveSelectedFonts(destination, source), 1);
    EXPECT_EQ(destination.SelectedItems(10), (std::vector<int>{2}));
}

TEST(MoveSelectedFonts, KeepsNamesTheDestinationCannotTake) {
    VectorFontList source = ListOf({"A", "B", "C", "D"});
    FullFontList destination(1);
    Select(source, {1, 2, 3});
    EXPECT_EQ(MoveSelectedFonts(destination, source), 1);
    EXPECT_EQ(destination.Names(), (Names{"B"}));
    EXPECT_EQ(source.Names(), (Names{"A", "C", "D"}));
    EXPECT_EQ(source.SelectedCount(), 0);

    Select(source, {0});
    EXPECT_EQ(MoveSelectedFonts(destination, source), 0);
    EXPECT_EQ(source.Names(), (Names{"A", "C", "D"}));
    EXPECT_EQ(source.SelectedCount(), 0);
}

bool IsSorted(const Names& names) {
    for (size_t i = 1; i < names.size(); ++i)
        if (AsciiNameOrder(names[i - 1].c_str(), names[i].c_str()) > 0)
            return false;
    return true;
}

// A move one name at a time: the bulk move must leave both lists exactly like this.
void MoveOneByOne(VectorFontList& to, VectorFontList& from) {
    const std::vector<int> selected = from.SelectedItems(from.Count());
    for (int index : selected)
        to.AddSorted(from.Text(index).c_str());
    for (auto index = selected.rbegin(); index != selected.rend(); ++index)
        from.Delete(*index);
}

TEST(MoveSelectedFonts, RandomMovesBackAndForthLoseAndDoubleNothing) {
    std::mt19937 random(20240611);
    Names all;
    for (int i = 0; i < 400; ++i) {
        std::string name = "Font" + std::to_string(random() % 300);
        if (random() % 3 == 0)
            name[0] = 'f'; // case variants compare equal
        all.push_back(name + (random() % 2 ? ",BOLD" : ""));
    }
    VectorFontList left = ListOf(all), right(AsciiNameOrder);
    for (int round = 0; round < 300; ++round) {
        VectorFontList& from = round % 2 ? right : left;
        VectorFontList& to = round % 2 ? left : right;
        int count = from.Count();
        int picks = count == 0 ? 0 : static_cast<int>(random() % 4 == 0 ? count : random() % 5);
        for (int i = 0; i < picks; ++i) {
            int index = static_cast<int>(random() % count);
            from.SelectRange(index, index, true);
        }
        bool anySelected = from.SelectedCount() > 0;
        VectorFontList expectedTo = to, expectedFrom = from;
        MoveOneByOne(expectedTo, expectedFrom);
        ASSERT_EQ(MoveSelectedFonts(to, from), anySelected ? 1 : 0);
        ASSERT_EQ(from.SelectedCount(), 0);
        ASSERT_EQ(to.Names(), expectedTo.Names()) << round;
        ASSERT_EQ(from.Names(), expectedFrom.Names()) << round;
        Names leftNames = left.Names(), rightNames = right.Names();
        ASSERT_TRUE(IsSorted(leftNames)) << round;
        ASSERT_TRUE(IsSorted(rightNames)) << round;
        Names together = leftNames;
        together.insert(together.end(), rightNames.begin(), rightNames.end());
        std::sort(together.begin(), together.end());
        Names expected = all;
        std::sort(expected.begin(), expected.end());
        ASSERT_EQ(together, expected) << round;
    }
}

// An order like a locale's and unlike ASCII's above 127: an accented e sorts with e, before f.
unsigned char Base(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        c = static_cast<unsigned char>(c + 32);
    return c == 0xC9 || c == 0xE9 ? 'e' : c;
}

int AccentOrder(const char* a, const char* b) {
    for (size_t i = 0;; ++i) {
        const int x = Base(static_cast<unsigned char>(a[i]));
        const int y = Base(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x - y;
        if (x == 0)
            return AsciiNameOrder(a, b);
    }
}

std::string AccentKey(const char* name) {
    std::string key;
    for (const char* c = name; *c; ++c)
        key += static_cast<char>(Base(static_cast<unsigned char>(*c)));
    return key + '\x01' + AsciiNameKey(name);
}

// A list whose order the program cannot ask: only the list's own sorted insert places a name.
class UnorderedFontList : public VectorFontList {
  public:
    UnorderedFontList() : VectorFontList(AccentOrder) {}
    int Compare(const char*, const char*) const override { return OrderUnknown; }
};

// The catalogue load and the moves leave each list as one sorted insert of each name would,
// whether the list's order is told by its keys and comparisons or only by its own inserts.
TEST(ListOrder, TheLoadAndTheMovesPlaceNamesAsTheListsOwnSortedInsert) {
    const Names names = {"Zapf",
                         "\xC9"
                         "clat",
                         "Eclipse",
                         "ebony",
                         "Frutiger",
                         "\xE9t\xE9",
                         "Arial"};
    VectorFontList ordered(AccentOrder, AccentKey), orderedSelected(AccentOrder, AccentKey);
    UnorderedFontList unordered, unorderedSelected;
    const std::pair<VectorFontList*, VectorFontList*> lists[] = {{&ordered, &orderedSelected},
                                                                 {&unordered, &unorderedSelected}};
    for (const auto& [atm, selected] : lists) {
        std::string file = "[Fonts]\r\n";
        for (const std::string& name : names)
            file += name + "=c:\\psfonts\\pfm\\x.pfm\r\n";
        file.append(10, '\0');
        FontCatalog catalog;
        ASSERT_EQ(BuildFontCatalog(file.data(), *atm, catalog, WesternCodePage()).outcome,
                  CatalogOutcome::Loaded);
        VectorFontList expectedAtm(AccentOrder);
        for (const std::string& name : names)
            expectedAtm.AddSorted(name.c_str());
        ASSERT_EQ(atm->Names(), expectedAtm.Names());
        EXPECT_EQ(atm->Names()[2], "\xC9"
                                   "clat");

        selected->AddSorted("Eb");
        selected->AddSorted("Zz");
        VectorFontList expectedSelected = *selected;
        Select(*atm, {1, 2, 4, 5});
        Select(expectedAtm, {1, 2, 4, 5});
        MoveOneByOne(expectedSelected, expectedAtm);
        EXPECT_EQ(MoveSelectedFonts(*selected, *atm), 1);
        EXPECT_EQ(selected->Names(), expectedSelected.Names());
        EXPECT_EQ(atm->Names(), expectedAtm.Names());
    }
}

} // namespace

// Lists and catalogues the core tests build: sorted vector lists, a list that runs out of
// room, the real sample files, and a small catalogue with its AtmList and an empty SelectedList.
#pragma once

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "catalog/font_catalog.h"
#include "vector_font_list.h"

using Names = std::vector<std::string>;

inline VectorFontList ListOf(const Names& names) {
    VectorFontList list(AsciiNameOrder);
    for (const std::string& name : names)
        list.AddSorted(name.c_str());
    return list;
}

// A list that runs out of room after a number of names, as a list box can.
class FullFontList : public VectorFontList {
  public:
    explicit FullFontList(int room) : VectorFontList(AsciiNameOrder), room_(room) {}
    int AddSorted(const char* name) override {
        return room_-- > 0 ? VectorFontList::AddSorted(name) : -1;
    }
    int InsertAt(int index, const char* name) override {
        return room_-- > 0 ? VectorFontList::InsertAt(index, name) : -1;
    }

  private:
    int room_;
};

// The bytes of a sample file in the folder of real INI files (empty when it is missing).
inline std::string ReadRealWorldFile(const std::string& name) {
    std::ifstream in(std::string(MARLIX_REALWORLD_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct TestCatalog {
    FontCatalog catalog;
    const std::string& fontEntryText = catalog.FontEntryText;
    VectorFontList atmList{AsciiNameOrder};
    VectorFontList selectedList{AsciiNameOrder};

    // entryText holds complete "name=files" lines in catalogue order.
    explicit TestCatalog(std::string entryText) {
        catalog.FontEntryText = std::move(entryText);
        for (size_t line = 0; line < fontEntryText.size();) {
            const size_t equals = fontEntryText.find('=', line);
            if (equals == std::string::npos)
                break;
            atmList.AddSorted(fontEntryText.substr(line, equals - line).c_str());
            const size_t lineFeed = fontEntryText.find('\n', equals);
            line = lineFeed == std::string::npos ? fontEntryText.size() : lineFeed + 1;
        }
    }

    // Moves the named fonts that are still in the AtmList.
    void Select(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            const std::vector<std::string> present = atmList.Names();
            const auto at = std::find_if(present.begin(), present.end(), [&](const auto& item) {
                return AsciiNameOrder(item.c_str(), name.c_str()) == 0;
            });
            if (at == present.end())
                continue;
            atmList.Delete(static_cast<int>(at - present.begin()));
            selectedList.AddSorted(name.c_str());
        }
    }
};

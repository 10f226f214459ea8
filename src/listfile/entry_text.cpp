#include "listfile/entry_text.h"

#include <cstring>

namespace {

// Appends the font's FileEntry (everything after the first '=' of its catalogue line) through the
// line feed; nothing when the catalogue has no line for it. A line that ends with the catalogue
// text gets LF after a CR, else CR LF.
void AppendFileEntry(std::string& text, const char* fontEntryText, const EntryLineIndex& catalog,
                     const char* fontName) {
    const long line = catalog.Find(fontName);
    if (line == NotFound)
        return;
    const char* value = std::strchr(fontEntryText + line, '=') + 1;
    if (const char* lineFeed = std::strchr(value, '\n')) {
        text.append(value, lineFeed + 1);
    } else {
        text.append(value);
        text.append(!text.empty() && text.back() == '\r' ? "\n" : "\r\n");
    }
}

} // namespace

EntryText BuildEntryText(const FontList& list, const std::string& fontEntryText, int form) {
    EntryText result;
    const int count = list.Count();
    if (count == 0)
        return result;
    std::string& text = result.text;
    const char* entries = fontEntryText.c_str();
    const EntryLineIndex catalog(entries);
    if (form == SoftfontFileForm) {
        text += "softfonts=" + std::to_string(count) + "\r\n";
        for (int k = 0; k < count; ++k) {
            text += "softfont" + std::to_string(k + 1) + "=";
            AppendFileEntry(text, entries, catalog, list.Text(k).c_str());
        }
    } else if (form == FontFileForm) {
        for (int k = 0; k < count; ++k) {
            const std::string name = list.Text(k);
            text += name + "=";
            AppendFileEntry(text, entries, catalog, name.c_str());
        }
    } else {
        for (int k = 0; k < count; ++k)
            text += list.Text(k) + "\r\n";
    }
    result.outcome = EntryTextOutcome::Built;
    return result;
}

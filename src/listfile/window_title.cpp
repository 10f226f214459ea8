#include "listfile/window_title.h"

#include <cstring>

std::string WindowTitleText(bool hasFile, const char* currentListTitle) {
    if (!hasFile)
        return PlainWindowTitle;
    std::string title = "Marlix32 - ";
    const size_t length = std::strlen(currentListTitle);
    if (length <= MaxTitleFileNameLength)
        return title + currentListTitle;
    return title.append(currentListTitle, MaxTitleFileNameLength) + "...";
}

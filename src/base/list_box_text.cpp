#include "base/list_box_text.h"

std::string ListBoxText(HWND listBox, LRESULT index) {
    const LRESULT length = SendMessageA(listBox, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got =
        SendMessageA(listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

bool ListBoxTextFits(HWND listBox, LRESULT index, char* buffer, size_t size) {
    buffer[0] = '\0';
    const LRESULT length = SendMessageA(listBox, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR || static_cast<size_t>(length) >= size)
        return false;
    return SendMessageA(listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer)) != LB_ERR;
}

#include "base/code_page.h"

#include <cstring>

const char* FindCharOf(const char* text, const char* set, const CodePage& codePage) {
    if (!codePage.hasLeadBytes)
        return text + std::strcspn(text, set);
    for (;;) {
        // A run without lead bytes is scanned as fast as single-byte text.
        const char* at = text;
        while (*at != '\0' && !codePage.leadByte[static_cast<unsigned char>(*at)] &&
               std::strchr(set, *at) == nullptr)
            ++at;
        if (*at == '\0' || !codePage.leadByte[static_cast<unsigned char>(*at)])
            return at;
        text = at + codePage.CharLength(at);
    }
}

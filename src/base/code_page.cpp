#include "base/code_page.h"

#include <cstring>

namespace {

CodePage MakeWestern() {
    CodePage western;
    for (int byte = 0; byte < 256; ++byte) {
        const bool capital =
            (byte >= 0x41 && byte <= 0x5A) || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
        western.lower[byte] = static_cast<unsigned char>(capital ? byte + 0x20 : byte);
    }
    western.lower[0x8A] = 0x9A;
    western.lower[0x8C] = 0x9C;
    western.lower[0x8E] = 0x9E;
    western.lower[0x9F] = 0xFF;
    return western;
}

} // namespace

const CodePage& WesternCodePage() {
    static const CodePage western = MakeWestern();
    return western;
}

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

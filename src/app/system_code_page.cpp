#include "app/system_code_page.h"

#include <windows.h>

namespace {

CodePage AskSystem() {
    CodePage system;
    for (int byte = 0; byte < 256; ++byte) {
        system.leadByte[byte] = byte != 0 && IsDBCSLeadByte(static_cast<BYTE>(byte));
        system.hasLeadBytes = system.hasLeadBytes || system.leadByte[byte];
        char single = static_cast<char>(byte);
        if (byte != 0 && !system.leadByte[byte])
            CharLowerBuffA(&single, 1);
        system.lower[byte] = static_cast<unsigned char>(single);
    }
    return system;
}

} // namespace

const CodePage& SystemCodePage() {
    static const CodePage system = AskSystem();
    return system;
}

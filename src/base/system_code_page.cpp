#include "base/system_code_page.h"

#include <windows.h>

namespace {

CodePage AskSystem() {
    CodePage system;
    for (int byte = 0; byte < 256; ++byte) {
        system.leadByte[byte] = byte != 0 && IsDBCSLeadByte(static_cast<BYTE>(byte));
        system.hasLeadBytes = system.hasLeadBytes || system.leadByte[byte];
        char single[2] = {static_cast<char>(byte), '\0'};
        if (byte != 0 && !system.leadByte[byte])
            CharLowerA(single);
        system.lower[byte] = static_cast<unsigned char>(single[0]);
    }
    return system;
}

} // namespace

unsigned char SystemCharset() {
    static const struct {
        UINT codePage;
        BYTE charset;
    } charsets[] = {
        {874, THAI_CHARSET},        {932, SHIFTJIS_CHARSET},    {936, GB2312_CHARSET},
        {949, HANGUL_CHARSET},      {950, CHINESEBIG5_CHARSET}, {1250, EASTEUROPE_CHARSET},
        {1251, RUSSIAN_CHARSET},    {1253, GREEK_CHARSET},      {1254, TURKISH_CHARSET},
        {1255, HEBREW_CHARSET},     {1256, ARABIC_CHARSET},     {1257, BALTIC_CHARSET},
        {1258, VIETNAMESE_CHARSET},
    };
    const UINT system = GetACP();
    for (const auto& entry : charsets)
        if (entry.codePage == system)
            return entry.charset;
    return ANSI_CHARSET;
}

const CodePage& SystemCodePage() {
    static const CodePage system = AskSystem();
    return system;
}

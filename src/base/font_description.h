// The one way the program describes a font it creates: a face and its size, weight, character set
// and pitch, everything else left at zero.
#pragma once

#include <windows.h>

// The face is cut to the 31 bytes a LOGFONTA holds.
inline LOGFONTA FontDescription(const char* face, LONG height, LONG weight, BYTE charSet,
                                BYTE pitchAndFamily) {
    LOGFONTA font = {};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = charSet;
    font.lfPitchAndFamily = pitchAndFamily;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    return font;
}

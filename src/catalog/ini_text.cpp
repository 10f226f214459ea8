#include "catalog/ini_text.h"

long FindSection(const char*, const char*, long) {
    return NotFound;
}
long MeasureSection(char*, long, MeasureMode) {
    return NotFound;
}
long ExtractFontsSection(char*) {
    return 0;
}
long FindEntryLine(const char*, const char*) {
    return NotFound;
}

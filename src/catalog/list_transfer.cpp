#include "catalog/list_transfer.h"

int MoveSelectedFonts(FontList&, FontList&) {
    return 0;
}

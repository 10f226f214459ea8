#include "catalog/font_catalog.h"

CatalogBuild BuildFontCatalog(char*, FontList&, NameOrder, FontCatalog&) {
    return {};
}

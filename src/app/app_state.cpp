#include "app/app_state.h"

#include "catalog/catalog_win.h"

MainWindowState App;

MainLists MainWindowLists() {
    return {App.AtmList, App.SelectedList, Catalog};
}

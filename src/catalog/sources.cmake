# Files of this folder: portable ones build natively too; Win32 ones only for Windows.
list(APPEND MARLIX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ini_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_catalog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list_transfer.cpp
)
list(APPEND MARLIX_SHELL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/list_box_font_list.cpp
    ${CMAKE_CURRENT_LIST_DIR}/catalog_win.cpp
)

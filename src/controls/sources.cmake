# Files of this folder: portable ones build natively too; Win32 ones only for Windows.
list(APPEND MARLIX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/font_style.cpp
)
list(APPEND MARLIX_SHELL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/toolbar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/toolbar_button.cpp
    ${CMAKE_CURRENT_LIST_DIR}/balloon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_sample.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_list_box.cpp
)

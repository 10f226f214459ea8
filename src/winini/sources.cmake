# Files of this folder: portable ones build natively too; Win32 ones only for Windows.
list(APPEND MARLIX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/printer_section.cpp
    ${CMAKE_CURRENT_LIST_DIR}/winini_rebuild.cpp
)
list(APPEND MARLIX_SHELL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/winini_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/section_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_change_warning.cpp
)

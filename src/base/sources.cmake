# Files of this folder, the ground the subsystems stand on: it includes nothing above it, and
# holds no window.
# Portable ones build natively too; Win32 ones only for Windows.
list(APPEND MARLIX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/code_page.cpp
    ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
    ${CMAKE_CURRENT_LIST_DIR}/geometry.cpp
)
list(APPEND MARLIX_SHELL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/instance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell_hooks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/late_libraries.cpp
    ${CMAKE_CURRENT_LIST_DIR}/whole_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windows_directory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list_box_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_code_page.cpp
    ${CMAKE_CURRENT_LIST_DIR}/safe_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/aside_copy.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/language.cpp
)

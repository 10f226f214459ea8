# Files of this folder: portable ones build natively too; Win32 ones only for Windows.
# (winmain.cpp, program_start.cpp and runtime_parts*.cpp belong to the program alone; the tests
# create the main window themselves.)
list(APPEND MARLIX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
    ${CMAKE_CURRENT_LIST_DIR}/geometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/help_book.cpp
)
list(APPEND MARLIX_SHELL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/shell_hooks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/late_libraries.cpp
    ${CMAKE_CURRENT_LIST_DIR}/whole_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_code_page.cpp
    ${CMAKE_CURRENT_LIST_DIR}/safe_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/language.cpp
    ${CMAKE_CURRENT_LIST_DIR}/status_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/start_up.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_states.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dropped_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/help.cpp
    ${CMAKE_CURRENT_LIST_DIR}/about.cpp
)

# Files of this folder, the roof: the entry point's helpers, the main window, its commands, menus,
# status panel and About box. (winmain.cpp belongs to the program alone; the tests create the
# main window themselves.)
list(APPEND MARLIX_SHELL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/app_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/language_menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/status_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/start_up.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_states.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dropped_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/about.cpp
)
